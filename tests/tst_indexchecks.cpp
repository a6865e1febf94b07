#include "app/frmmain.h"
#include "domain/methodrefresh.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestIndexChecks final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void leavingAnIndexFieldChecksItsLimit_data();
    void leavingAnIndexFieldChecksItsLimit();
    void silentWithoutIndexMethodOrDomain_data();
    void silentWithoutIndexMethodOrDomain();
    void twoFailingFieldsDoNotAlternate();
    void aModalBoxTakingTheFocusSetsOffNothing();
    void limitsOfAPickedDomain();

private:
    QLineEdit *edit(const char *name) { return m_window->controls().lineEdit(QLatin1String(name)); }
    void leave(QLineEdit *field, const QString &text);

    QTemporaryDir m_appFolder;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
    std::unique_ptr<frmMain> m_window;
};

void TestIndexChecks::init()
{
    QFile::remove(m_appFolder.filePath(QStringLiteral("tiles.cfg")));
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath(QStringLiteral("tiles.cfg"))));
    m_messages.clear();
    m_messages.onShow = nullptr;
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder.path());
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    // A domain whose lowest J is stored with a leading zero; the index method
    // fills the four fields with its limits.
    m_window->state().DomainLimits = {"7", "05", "150", "120", "0", "0", "-30.0", "50.0", "25.0", "72.0"};
    m_window->state().SelectedDomain = QStringLiteral("1");
    m_window->controls().comboBox(QStringLiteral("cboChoice1"))->setCurrentIndex(1);
    m_window->methodRefresh().cboChoice1_Click();
    QCOMPARE(edit("TextIndexjStart")->text(), QStringLiteral("05"));
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestIndexChecks::cleanup()
{
    m_window.reset();
}

// Types the text over the field's own and leaves it with Tab.
void TestIndexChecks::leave(QLineEdit *field, const QString &text)
{
    field->setFocus();
    QCOMPARE(QApplication::focusWidget(), field);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
    QCOMPARE(field->text(), text);
    QTest::keyClick(field, Qt::Key_Tab);
}

void TestIndexChecks::leavingAnIndexFieldChecksItsLimit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString lowI = QStringLiteral("Starting index for I must be greater than 7, see domain limits");
    const QString lowJ = QStringLiteral("Starting index for J must be greater than 05, see domain limits");
    const QString highI = QStringLiteral("Ending index for I must be smaller than 150, see domain limits");
    const QString highJ = QStringLiteral("Ending index for J must be smaller than 120, see domain limits");
    QTest::newRow("start I at the limit") << "TextIndexiStart" << "7" << "";
    QTest::newRow("start I with leading zeros") << "TextIndexiStart" << "007" << "";
    QTest::newRow("start I below") << "TextIndexiStart" << "6" << lowI;
    QTest::newRow("start I below, leading zeros") << "TextIndexiStart" << "0006" << lowI;
    QTest::newRow("start J at the limit") << "TextIndexjStart" << "5" << "";
    QTest::newRow("start J below") << "TextIndexjStart" << "4" << lowJ;
    QTest::newRow("start J far above") << "TextIndexjStart" << "32767" << "";
    QTest::newRow("end I at the limit") << "TextIndexiEnd" << "150" << "";
    QTest::newRow("end I beyond") << "TextIndexiEnd" << "151" << highI;
    QTest::newRow("end J at the limit") << "TextIndexjEnd" << "120" << "";
    QTest::newRow("end J beyond") << "TextIndexjEnd" << "121" << highJ;
    QTest::newRow("end J below the start") << "TextIndexjEnd" << "1" << "";
    // Left to the control file's check, which names these faults.
    QTest::newRow("empty start") << "TextIndexiStart" << "" << "";
    QTest::newRow("end beyond 16 bits") << "TextIndexiEnd" << "99999" << "";
}

void TestIndexChecks::leavingAnIndexFieldChecksItsLimit()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    QLineEdit *f = m_window->controls().lineEdit(field);
    QWidget *focusWhileShown = nullptr;
    m_messages.onShow = [&](const RecordingMessages::Shown &) { focusWhileShown = QApplication::focusWidget(); };
    leave(f, text);

    QCOMPARE(f->text(), text);
    if (message.isEmpty()) {
        QCOMPARE(m_messages.texts(), QStringList());
        QVERIFY(QApplication::focusWidget() != f);
        return;
    }
    QCOMPARE(m_messages.texts(), QStringList{message});
    const RecordingMessages::Shown &shown = m_messages.shown.first();
    QCOMPARE(shown.icon, ui::MessageIcon::Critical);
    QCOMPARE(shown.title, QStringLiteral("Quorvantix GUI"));
    QCOMPARE(shown.buttons, ui::MessageButtons::Ok);
    // The focus comes back once the box is closed.
    QVERIFY(focusWhileShown != f);
    QCOMPARE(QApplication::focusWidget(), f);
}

void TestIndexChecks::silentWithoutIndexMethodOrDomain_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("lowestI");

    QTest::newRow("geodetic method") << 0 << "1" << "7";
    QTest::newRow("centre method") << 2 << "1" << "7";
    QTest::newRow("no domain") << 1 << "-1" << "7";
    QTest::newRow("empty domain") << 1 << "" << "7";
    QTest::newRow("domain no number") << 1 << "x" << "7";
    QTest::newRow("limit no number") << 1 << "1" << "seven";
    QTest::newRow("limit missing") << 1 << "1" << "";
}

void TestIndexChecks::silentWithoutIndexMethodOrDomain()
{
    QFETCH(int, method);
    QFETCH(QString, domain);
    QFETCH(QString, lowestI);

    // The list shows another method while the index panel is still up.
    m_window->controls().comboBox(QStringLiteral("cboChoice1"))->setCurrentIndex(method);
    m_window->state().SelectedDomain = domain;
    if (lowestI.isEmpty())
        m_window->state().DomainLimits.clear();
    else
        m_window->state().DomainLimits[0] = lowestI;
    leave(edit("TextIndexiStart"), QStringLiteral("0"));
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(QApplication::focusWidget(), edit("TextIndexiEnd"));
}

void TestIndexChecks::twoFailingFieldsDoNotAlternate()
{
    QLineEdit *iStart = edit("TextIndexiStart");
    QLineEdit *iEnd = edit("TextIndexiEnd");
    iEnd->setText(QStringLiteral("999"));
    leave(iStart, QStringLiteral("0"));
    QCOMPARE(m_messages.shown.size(), 1);
    QVERIFY(m_messages.shown.first().text.startsWith(QLatin1String("Starting index for I")));
    QCOMPARE(QApplication::focusWidget(), iStart);
    QCoreApplication::processEvents();
    QCOMPARE(m_messages.shown.size(), 1);

    // With the mouse straight into the other failing field: one message, and
    // the focus back where the fault is.
    QTest::mouseClick(iEnd, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(m_messages.shown.size(), 2);
    QVERIFY(m_messages.shown.last().text.startsWith(QLatin1String("Starting index for I")));
    QCOMPARE(QApplication::focusWidget(), iStart);

    // Corrected, the next field is checked when it is left in turn.
    leave(iStart, QStringLiteral("8"));
    QCOMPARE(QApplication::focusWidget(), iEnd);
    QTest::keyClick(iEnd, Qt::Key_Tab);
    QCOMPARE(m_messages.shown.size(), 3);
    QVERIFY(m_messages.shown.last().text.startsWith(QLatin1String("Ending index for I")));
    QCOMPARE(QApplication::focusWidget(), iEnd);
}

// A real box takes the window's activation while it is open, and the window
// gets it back only after the box has closed.
void TestIndexChecks::aModalBoxTakingTheFocusSetsOffNothing()
{
    QLineEdit *jStart = edit("TextIndexjStart");
    QLineEdit *jEnd = edit("TextIndexjEnd");
    jEnd->setText(QStringLiteral("999"));
    QWidget box;
    m_messages.onShow = [&](const RecordingMessages::Shown &) {
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.hide();
    };
    leave(jStart, QStringLiteral("1"));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), jStart);
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Starting index for J must be greater than 05, see domain limits")});
}

void TestIndexChecks::limitsOfAPickedDomain()
{
    // France is the first country; its domain 3 runs from I 1 to 120, J 1 to 100.
    QComboBox *countries = m_window->controls().comboBox(QStringLiteral("CountriesListBox"));
    countries->setFocus();
    QTest::keyClick(countries, Qt::Key_Down);
    QListWidget *domains = m_window->controls().listWidget(QStringLiteral("DomainsAvailableBox"));
    const QList<QListWidgetItem *> entries = domains->findItems(QStringLiteral("Domain 3,"), Qt::MatchStartsWith);
    QVERIFY(!entries.isEmpty());
    QTest::mouseClick(domains->viewport(), Qt::LeftButton, {}, domains->visualItemRect(entries.first()).center());
    QCOMPARE(m_window->state().SelectedDomain, QStringLiteral("3"));

    QComboBox *method = m_window->controls().comboBox(QStringLiteral("cboChoice1"));
    edit("TextIndexiEnd")->setText(QStringLiteral("77"));
    method->setFocus();
    QTest::keyClick(method, Qt::Key_Up);
    QTest::keyClick(method, Qt::Key_Down);
    QCOMPARE(method->currentText(), QStringLiteral("Indices (i,j):"));
    QCOMPARE(edit("TextIndexiEnd")->text(), QStringLiteral("120"));

    leave(edit("TextIndexiEnd"), QStringLiteral("120"));
    QCOMPARE(m_messages.texts(), QStringList());
    leave(edit("TextIndexiEnd"), QStringLiteral("121"));
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Ending index for I must be smaller than 120, see domain limits")});
    QCOMPARE(QApplication::focusWidget(), edit("TextIndexiEnd"));
}

QTEST_MAIN(TestIndexChecks)
#include "tst_indexchecks.moc"
