// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/recentrequests.h"
#include "support/shownwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QSettings>
#include <QTimer>

// Copy request, Save request as, Open request and Recent requests on the real
// window with the stand-in engine, the settings kept in a temporary folder.
class TestRequestMenu : public QObject, private ShownWindow
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void copyRequest();
    void recentRequestAfterRestart_data();
    void recentRequestAfterRestart();
    void openAndSaveRequest();

private:
    void enter(int method, const Entries &entries);
    QByteArray run();
    // Every field and drop-down list with its text, and the domain chosen.
    QStringList snapshot() const;
    QMenu *recentMenu() const;
    void trigger(const char *action) const { window->findChild<QAction *>(QLatin1String(action))->trigger(); }
    // Triggers the action and answers its file dialog with the path.
    void triggerWithFile(const char *action, const QString &path) const;

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_work;
};

namespace {

const Entries Box = entries(
    "txtLat1=45;cboLatLL1=N;txtLon1=1.5;cboLonLL1=W;txtLat2=47.25;cboLatLL2=N;txtLon2=3;cboLonLL2=E");
const Entries Centre = entries("txtEMRLAT01=46.5;txtEMRLON01=2;txtRadius1=50");

} // namespace

void TestRequestMenu::initTestCase()
{
    // The file dialogs are answered by typing into Qt's own; the system's
    // (Windows has one) takes no typing from the test.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    QVERIFY(QFile::copy(TestFolders::buildAppFolder() + "/Quorvantix.exe", appFolder.filePath("Quorvantix.exe")));
}

void TestRequestMenu::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_work->path()));
    QVERIFY(open());
}

void TestRequestMenu::cleanup()
{
    window.reset();
    QDir::setCurrent(QDir::tempPath());
    QFile::remove(RecentRequests::openSettings()->fileName());
}

// France, domain 7 of 2001, the method and the entries, all by clicks and keys.
void TestRequestMenu::enter(int method, const Entries &entries)
{
    pickFranceDomain7();
    pickMethod(method - 1);
    for (const auto &[name, value] : entries) {
        if (name.startsWith(QLatin1String("cbo"))) {
            UserClicks::pickComboText(controls().comboBox(name), value);
            takeBackActivation();
        } else {
            edit(name)->selectAll();
            QTest::keyClicks(edit(name), value);
        }
    }
}

// Show tiles in domain; the control file it wrote.
QByteArray TestRequestMenu::run()
{
    QFile::remove("quorvantix.inp");
    QTest::mouseClick(controls().button("cmdShow"), Qt::LeftButton);
    return TestFolders::readFile("quorvantix.inp");
}

void TestRequestMenu::triggerWithFile(const char *action, const QString &path) const
{
    auto *answer = new QTimer;
    QObject::connect(answer, &QTimer::timeout, answer, [answer, path] {
        // Typed into the dialog's file name box, as a user can.
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(path);
            QMetaObject::invokeMethod(dialog, "accept");
            answer->deleteLater();
        }
    });
    answer->start(20);
    trigger(action);
}

QStringList TestRequestMenu::snapshot() const
{
    QStringList texts;
    for (const QWidget *field : window->findChildren<QWidget *>()) {
        if (qobject_cast<const QLineEdit *>(field) || qobject_cast<const QComboBox *>(field))
            texts << field->objectName() + u'=' + controls().text(field->objectName());
    }
    return texts << controls().text("DomainsAvailableBox");
}

QMenu *TestRequestMenu::recentMenu() const
{
    auto *menu = window->findChild<QMenu *>("mnuRecentRequests");
    emit menu->aboutToShow();
    return menu;
}

void TestRequestMenu::copyRequest()
{
    enter(1, Box);
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString copied = QApplication::clipboard()->text();
    // The words, then the very control file a run writes, with LF line ends.
    QCOMPARE(copied, "Country: France\n"
                     "Domain 7, year 2001, resolution 12 km\n"
                     "Method: Geodetic (Latitude/Longitude)\n"
                     "Start: 45 N, 1.5 W\n"
                     "End: 47.25 N, 3 E\n\n"
                         + QString::fromLatin1(run()).remove(u'\r'));
    QVERIFY(copied.contains("\n-1.5,3       ! Beg/End I"));
    // Refused as a run would refuse it, and nothing copied.
    QApplication::clipboard()->clear();
    controls().setText("txtLon2", QString());
    trigger("mnuCopyRequest");
    QCOMPARE(messages.texts(), QStringList{"Please provide all the requested latitudes/longitudes."});
    QCOMPARE(QApplication::clipboard()->text(), QString());
}

void TestRequestMenu::recentRequestAfterRestart_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<Entries>("entries");
    QTest::newRow("box") << 1 << Box;
    QTest::newRow("indices") << 2 << entries("TextIndexiStart=10;TextIndexiEnd=40;TextIndexjStart=5;TextIndexjEnd=25");
    QTest::newRow("centre") << 3 << Centre;
}

void TestRequestMenu::recentRequestAfterRestart()
{
    QFETCH(int, method);
    QFETCH(Entries, entries);

    enter(method, entries);
    const QByteArray written = run();
    QVERIFY(controls().listWidget("TilesListBox")->count() > 0);
    const QStringList shown = snapshot();
    // A domain that a later catalogue dropped is offered disabled.
    RecentRequests::remember(*RecentRequests::openSettings(),
                             TileRequest{"France", "7", "1999", CoordinateMethod::Indices, {"1", "2", "3", "4"}});

    QVERIFY(open());
    QCOMPARE(controls().comboBox("CountriesListBox")->currentIndex(), -1);
    QMenu *menu = recentMenu();
    QCOMPARE(menu->actions().size(), 2);
    QAction *gone = menu->actions().at(0);
    QVERIFY(!gone->isEnabled());
    QCOMPARE(gone->toolTip(), "The catalogue no longer offers domain 7 of the year 1999 for France.");
    QAction *last = menu->actions().at(1);
    QVERIFY(last->isEnabled());
    QVERIFY2(last->text().startsWith("France, domain 7, 2001: "), qPrintable(last->text()));
    last->trigger();
    QCOMPARE(snapshot(), shown);
    QCOMPARE(run(), written);
    QCOMPARE(messages.texts(), QStringList());
}

void TestRequestMenu::openAndSaveRequest()
{
    const QString saved = m_work->filePath("saved request.inp");
    enter(3, Centre);
    triggerWithFile("mnuSaveRequestAs", saved);
    QVERIFY(!QFile::exists("quorvantix.inp"));
    const QByteArray bytes = TestFolders::readFile(saved);
    QCOMPARE(run(), bytes);

    QVERIFY(open());
    triggerWithFile("mnuOpenRequest", saved);
    QCOMPARE(controls().text("cboChoice1"), "Center (Latitude/Longitude) with radius:");
    QCOMPARE(controls().text("txtEMRLAT01"), "46.5");
    QCOMPARE(run(), bytes);

    // A file with a line that does not read is refused and changes nothing.
    const QStringList before = snapshot();
    QByteArray broken = bytes;
    broken.replace("3       ! Method", "4       ! Method");
    TestFolders::writeFile(saved, broken);
    messages.clear();
    triggerWithFile("mnuOpenRequest", saved);
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown.first().text.contains("Line 6 does not read"), qPrintable(messages.texts().join("")));
    QCOMPARE(snapshot(), before);
    messages.clear();
}

QTEST_MAIN(TestRequestMenu)
#include "tst_requestmenu.moc"
