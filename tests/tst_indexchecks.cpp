#include "support/cataloguebuilder.h"
#include "support/shownwindow.h"

#include <QApplication>

class TestIndexChecks final : public QObject, private ShownWindow
{
    Q_OBJECT

private slots:
    void init();
    void leavingAnIndexFieldChecksItsLimit_data();
    void leavingAnIndexFieldChecksItsLimit();
    void twoFailingFieldsDoNotAlternate();
};

void TestIndexChecks::init()
{
    // A domain whose lowest J is stored with a leading zero; the index method
    // fills the four fields with its limits.
    CatalogueBuilder catalogue;
    catalogue.addDomain("12", {"7", "05", "150", "120", "0", "0", "-30.0", "50.0", "25.0", "72.0"}, "2005", "Testland");
    QVERIFY(open(catalogue.bytes()));
    pickCountry(QStringLiteral("Testland"));
    pickEntry(0);
    pickMethod(1);
}

void TestIndexChecks::leavingAnIndexFieldChecksItsLimit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    const auto row = [](const char *tag, const char *field, const char *typed, const char *message) {
        QTest::newRow(tag) << field << typed << message;
    };
    row("start I at the limit", "TextIndexiStart", "7", "");
    row("start I with leading zeros", "TextIndexiStart", "007", "");
    row("start I below", "TextIndexiStart", "6", "Starting index for I must be greater than 7, see domain limits");
    row("start J at the limit 05", "TextIndexjStart", "5", "");
    row("start J below", "TextIndexjStart", "4", "Starting index for J must be greater than 05, see domain limits");
    row("end I at the limit", "TextIndexiEnd", "150", "");
    row("end I beyond", "TextIndexiEnd", "151", "Ending index for I must be smaller than 150, see domain limits");
    row("end J at the limit", "TextIndexjEnd", "120", "");
    row("end J beyond", "TextIndexjEnd", "121", "Ending index for J must be smaller than 120, see domain limits");
    // Left to the control file's check, which names these faults.
    row("empty start", "TextIndexiStart", "", "");
    row("end beyond 16 bits", "TextIndexiEnd", "99999", "");
}

void TestIndexChecks::leavingAnIndexFieldChecksItsLimit()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    edit(field)->clear();
    typeAndLeave(field, typed);

    QCOMPARE(edit(field)->text(), typed);
    QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    // After a message the focus comes back, to correct the text in place.
    QCOMPARE(QApplication::focusWidget() == edit(field), !message.isEmpty());
    if (!message.isEmpty())
        QCOMPARE(messages.shown.first().icon, ui::MessageIcon::Critical);
}

void TestIndexChecks::twoFailingFieldsDoNotAlternate()
{
    QLineEdit *iStart = edit(QStringLiteral("TextIndexiStart"));
    QLineEdit *iEnd = edit(QStringLiteral("TextIndexiEnd"));
    iStart->setText(QStringLiteral("0"));
    iEnd->setText(QStringLiteral("999"));
    // A real box takes the window's activation while it is open, and the
    // window gets it back only after the box has closed.
    QWidget box;
    messages.onShow = [&](const RecordingMessages::Shown &) {
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.hide();
    };
    typeAndLeave(iStart->objectName(), QString());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), iStart);
    QCOMPARE(messages.shown.size(), 1);

    // Corrected to 08, the other field is checked when it is left in turn.
    messages.onShow = nullptr;
    typeAndLeave(iStart->objectName(), QStringLiteral("8"));
    QCOMPARE(QApplication::focusWidget(), iEnd);
    QTest::keyClick(iEnd, Qt::Key_Tab);
    QCOMPARE(messages.texts().last(), QStringLiteral("Ending index for I must be smaller than 150, see domain limits"));
    QCOMPARE(QApplication::focusWidget(), iEnd);
}

QTEST_MAIN(TestIndexChecks)
#include "tst_indexchecks.moc"
