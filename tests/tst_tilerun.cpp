#include "app/basmodule.h"
#include "app/frmmain.h"
#include "run/tilerun.h"
#include "support/enginefolders.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using Shape = ui::MousePointer::Shape;

// "Show tiles in domain" on the real window: a test engine replays prepared
// list files, and the stand-in engine serves requests end to end.
class TestTileRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listFileOutcomes_data();
    void listFileOutcomes();
    void noDomainSelected();
    void refusedEntriesRunNoEngine();
    void missingEngine();
    void engineThatWritesNoListFile();
    void oldListFileThatCannotBeReplaced();
    void engineRunsInTheWorkingFolderWithoutArguments();
    void threeMethodsEndToEnd();

private:
    void start();
    void installEngine(const QString &program);
    void pickCountry(const QString &name);
    void pickEntry(const QString &startsWith, const QString &year);
    void pickMethod(int index);
    void showEarlierResult();
    void clickShow();
    void verifyHourglassBalanced();
    QString text(const char *name) const { return m_window->controls().text(QLatin1String(name)); }
    QStringList engineRuns() const;

    QTemporaryDir m_appFolder{QDir::tempPath() + QStringLiteral("/quorvantix app XXXXXX")};
    std::unique_ptr<QTemporaryDir> m_work;
    QString m_previousFolder;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
    std::unique_ptr<frmMain> m_window;
};

namespace {

const QByteArray Header = "No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected";
const QString OrderText = QStringLiteral("To order tiles, please send your order form and Quorvantix output file to ")
                          + QStringLiteral("orders@qmt.example");
const QString NoTiles = QStringLiteral(
    "Unable to process the entered data, please check that your domain limits are within the region selected");

QByteArray lines(std::initializer_list<QByteArray> list)
{
    QByteArray bytes;
    for (const QByteArray &line : list)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace

void TestTileRun::initTestCase()
{
    QVERIFY(m_appFolder.isValid());
    QVERIFY(m_appFolder.path().contains(u' '));
    QVERIFY2(QFileInfo::exists(EngineFolders::replayEngine()), "build the target quorvantix-replay-engine first");
    QVERIFY2(QFileInfo::exists(EngineFolders::builtEngine()), "build the target quorvantix-engine first");
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath("tiles.cfg")));
    m_previousFolder = QDir::currentPath();
}

void TestTileRun::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    QVERIFY(QDir::setCurrent(m_work->path()));
    for (const char *name : {"Quorvantix.exe", "replay.lst", "replay.log", "replay-seen.inp"})
        QFile::remove(m_appFolder.filePath(name));
    m_messages.clear();
    m_pointer.changes.clear();
}

void TestTileRun::cleanup()
{
    m_window.reset();
    QDir::setCurrent(m_previousFolder);
    m_work.reset();
}

// A fresh window on the sample catalogue with domain 7 of 2005 picked, as a
// user would: the box method shows the whole domain.
void TestTileRun::start()
{
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder.path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    pickCountry(QStringLiteral("France"));
    pickEntry(QStringLiteral("Domain 7,"), QStringLiteral("2005"));
    QCOMPARE(m_window->state().SelectedDomain, QStringLiteral("7"));
    QVERIFY(m_window->controls().isEnabled("cmdShow"));
    QCOMPARE(m_messages.texts(), QStringList());
    m_pointer.changes.clear();
}

void TestTileRun::installEngine(const QString &program)
{
    QVERIFY(EngineFolders::copyProgram(program, m_appFolder.filePath("Quorvantix.exe")));
}

void TestTileRun::pickCountry(const QString &name)
{
    QComboBox *combo = m_window->controls().comboBox("CountriesListBox");
    const int index = combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(name));
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(combo->currentIndex(), index);
}

void TestTileRun::pickEntry(const QString &startsWith, const QString &year)
{
    QListWidget *list = m_window->controls().listWidget("DomainsAvailableBox");
    for (int row = 0; row < list->count(); ++row) {
        const QString entry = list->item(row)->text();
        if (entry.startsWith(startsWith) && entry.endsWith(year)) {
            list->scrollToItem(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            QCOMPARE(list->currentRow(), row);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no entry ") + startsWith + QStringLiteral("... ") + year));
}

void TestTileRun::pickMethod(int index)
{
    QComboBox *combo = m_window->controls().comboBox("cboChoice1");
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(index, 0)).center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(basModule::SelectionMethod, qint16(index + 1));
}

// What the window shows after an earlier successful run.
void TestTileRun::showEarlierResult()
{
    ui::Controls &c = m_window->controls();
    c.addItem("TilesListBox", "Tile number: 99");
    c.setText("TilesCountLabel", "1");
    c.setText("WarningLabel", "earlier order text");
    c.setEnabled("ShowFileButton", true);
}

void TestTileRun::clickShow()
{
    QTest::mouseClick(m_window->controls().button("cmdShow"), Qt::LeftButton);
}

void TestTileRun::verifyHourglassBalanced()
{
    QCOMPARE(m_pointer.changes.size(), 2);
    QCOMPARE(m_pointer.changes.at(0).shape, Shape::Hourglass);
    QCOMPARE(m_pointer.changes.at(1).shape, Shape::Default);
    QCOMPARE(m_pointer.changes.at(0).over, m_window.get());
    QCOMPARE(m_pointer.changes.at(1).over, m_window.get());
}

QStringList TestTileRun::engineRuns() const
{
    const QString log = QString::fromLocal8Bit(TestFolders::readFile(m_appFolder.filePath("replay.log")));
    return log.split(u'\n', Qt::SkipEmptyParts);
}

void TestTileRun::listFileOutcomes_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");

    const QStringList earlier{"Tile number: 99"};
    QTest::newRow("three tiles")
        << lines({"free text, with commas", Header, "1    12     I 1-20", "2    13     a", "3    17     b", ""})
        << QString() << QString() << QStringList{"Tile number: 12", "Tile number: 13", "Tile number: 17"};
    QTest::newRow("ERROR before the header")
        << lines({"Quorvantix", "ERROR: region 7 has no data", Header, "1    5     a"})
        << QStringLiteral("Unable to find tiles in domain selected, check quorvantix.lst file in your application "
                          "folder (%1) for details ")
        << QStringLiteral("Quorvantix") << earlier;
    QTest::newRow("no header and no error")
        << lines({"nothing here"}) << NoTiles + u' ' << QStringLiteral("Quorvantix") << earlier;
    QTest::newRow("header followed by an empty line")
        << lines({Header, "", "1    5     a"}) << NoTiles << QStringLiteral("Quorvantix") << QStringList{};
}

void TestTileRun::listFileOutcomes()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    installEngine(EngineFolders::replayEngine());
    TestFolders::writeFile(m_appFolder.filePath("replay.lst"), list);
    start();
    showEarlierResult();

    clickShow();

    QCOMPARE(engineRuns().size(), 1);
    QCOMPARE(m_window->controls().items("TilesListBox"), items);
    verifyHourglassBalanced();
    if (message.isEmpty()) {
        QCOMPARE(m_messages.texts(), QStringList());
        QCOMPARE(text("TilesCountLabel"), QString::number(items.size()));
        QCOMPARE(text("WarningLabel"), OrderText);
        QVERIFY(m_window->controls().isEnabled("ShowFileButton"));
        return;
    }
    // The working folder, where the list file is, fills the brackets.
    message.replace(QStringLiteral("%1"), QDir::toNativeSeparators(m_work->path()));
    QCOMPARE(m_messages.texts(), QStringList{message});
    QCOMPARE(m_messages.shown.first().title, title);
    QCOMPARE(m_messages.shown.first().icon, ui::MessageIcon::Critical);
    QCOMPARE(text("TilesCountLabel"), QStringLiteral("1"));
    QCOMPARE(text("WarningLabel"), QStringLiteral("earlier order text"));
    QVERIFY(!m_window->controls().isEnabled("ShowFileButton"));
}

void TestTileRun::noDomainSelected()
{
    installEngine(EngineFolders::replayEngine());
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder.path());
    m_pointer.changes.clear();
    m_window->controls().setEnabled("ShowFileButton", true);

    m_window->tileRun().ShowTiles();

    QCOMPARE(m_messages.texts(), QStringList{"No domain has been selected"});
    QCOMPARE(m_messages.shown.first().title, QStringLiteral("Quorvantix GUI"));
    QCOMPARE(m_messages.shown.first().icon, ui::MessageIcon::Critical);
    QVERIFY(m_pointer.changes.isEmpty());
    QVERIFY(m_window->controls().isEnabled("ShowFileButton"));
    QVERIFY(!QFileInfo::exists("quorvantix.inp"));
    QVERIFY(engineRuns().isEmpty());
}

void TestTileRun::refusedEntriesRunNoEngine()
{
    installEngine(EngineFolders::replayEngine());
    TestFolders::writeFile(m_appFolder.filePath("replay.lst"), lines({Header, "1    5     a"}));
    start();
    showEarlierResult();
    m_window->controls().setText("txtLon2", QString());

    clickShow();

    QCOMPARE(m_messages.texts(), QStringList{"Please provide all the requested latitudes/longitudes."});
    QVERIFY(engineRuns().isEmpty());
    QVERIFY(!QFileInfo::exists("quorvantix.inp"));
    QCOMPARE(m_window->controls().items("TilesListBox"), QStringList{"Tile number: 99"});
    QCOMPARE(text("TilesCountLabel"), QStringLiteral("1"));
    QCOMPARE(text("WarningLabel"), QStringLiteral("earlier order text"));
    QVERIFY(!m_window->controls().isEnabled("ShowFileButton"));
    verifyHourglassBalanced();
}

void TestTileRun::missingEngine()
{
    start();
    clickShow();

    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Can not run Quorvantix executable, please make sure it is in the folder ")
                         + QDir::toNativeSeparators(m_appFolder.path())});
    QCOMPARE(m_messages.shown.first().title, QStringLiteral("Quorvantix GUI"));
    QVERIFY(QFileInfo::exists("quorvantix.inp"));
    QVERIFY(!m_window->controls().isEnabled("ShowFileButton"));
    verifyHourglassBalanced();
}

void TestTileRun::engineThatWritesNoListFile()
{
    installEngine(EngineFolders::replayEngine());
    // A list file of an earlier run must not pass for this run's.
    TestFolders::writeFile("quorvantix.lst", lines({Header, "1    5     a"}));
    start();
    showEarlierResult();

    clickShow();

    QCOMPARE(engineRuns().size(), 1);
    QCOMPARE(m_messages.shown.size(), 1);
    QCOMPARE(m_messages.shown.first().text,
             QStringLiteral("The Quorvantix executable did not leave a readable list file %1.")
                 .arg(QDir::toNativeSeparators(m_work->filePath("quorvantix.lst"))));
    QCOMPARE(m_messages.shown.first().title, QStringLiteral("Quorvantix GUI"));
    QCOMPARE(m_messages.shown.first().icon, ui::MessageIcon::Critical);
    QCOMPARE(m_window->controls().items("TilesListBox"), QStringList{"Tile number: 99"});
    QVERIFY(!m_window->controls().isEnabled("ShowFileButton"));
    verifyHourglassBalanced();
}

void TestTileRun::oldListFileThatCannotBeReplaced()
{
    installEngine(EngineFolders::replayEngine());
    TestFolders::writeFile(m_appFolder.filePath("replay.lst"), lines({Header, "1    5     a"}));
    QVERIFY(QDir::current().mkpath("quorvantix.lst/inside"));
    start();

    clickShow();

    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("The list file %1 of an earlier run cannot be replaced.")
                             .arg(QDir::toNativeSeparators(m_work->filePath("quorvantix.lst")))});
    QVERIFY(engineRuns().isEmpty());
    QVERIFY(!m_window->controls().isEnabled("ShowFileButton"));
    verifyHourglassBalanced();
}

void TestTileRun::engineRunsInTheWorkingFolderWithoutArguments()
{
    installEngine(EngineFolders::replayEngine());
    TestFolders::writeFile(m_appFolder.filePath("replay.lst"), lines({Header, "1    5     a"}));
    start();

    clickShow();

    QCOMPARE(engineRuns(), QStringList{QDir::currentPath() + QStringLiteral("|0")});
    QCOMPARE(QDir::currentPath(), m_work->path());
    // The engine found the control file just written.
    const QByteArray control = TestFolders::readFile(m_appFolder.filePath("replay-seen.inp"));
    QCOMPARE(control, TestFolders::readFile("quorvantix.inp"));
    QVERIFY(control.contains("\r\n7       ! MM5 region ID"));
    QVERIFY(control.contains("\r\n2005      ! Year of tiled data"));
    QCOMPARE(m_window->controls().items("TilesListBox"), QStringList{"Tile number: 5"});
}

void TestTileRun::threeMethodsEndToEnd()
{
    installEngine(EngineFolders::builtEngine());
    start();
    QVERIFY(!m_window->controls().isEnabled("ShowFileButton"));

    // The box the domain load filled in: the whole domain, 5 x 4 tiles.
    clickShow();
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(m_window->controls().itemCount("TilesListBox"), 20);
    QCOMPARE(m_window->controls().itemText("TilesListBox", 0), QStringLiteral("Tile number: 1"));
    QCOMPARE(text("TilesCountLabel"), QStringLiteral("20"));
    QCOMPARE(text("WarningLabel"), OrderText);
    QVERIFY(m_window->controls().isEnabled("ShowFileButton"));
    QVERIFY(TestFolders::readFile("quorvantix.dat").contains("Tiles needed: 20"));
    QVERIFY(QFileInfo::exists("mvtiles.bat"));

    // Indices typed over the filled-in limits.
    pickMethod(1);
    QCOMPARE(m_window->controls().itemCount("TilesListBox"), 0);
    for (const auto &[name, value] : {std::pair{"TextIndexiStart", "10"}, {"TextIndexiEnd", "40"},
                                      {"TextIndexjStart", "5"}, {"TextIndexjEnd", "25"}}) {
        QLineEdit *field = m_window->controls().lineEdit(QLatin1String(name));
        field->selectAll();
        QTest::keyClicks(field, QLatin1String(value));
        QCOMPARE(field->text(), QLatin1String(value));
    }
    clickShow();
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(m_window->controls().items("TilesListBox"),
             (QStringList{"Tile number: 1", "Tile number: 2", "Tile number: 6", "Tile number: 7"}));
    QCOMPARE(text("TilesCountLabel"), QStringLiteral("4"));

    // Centre 46 N 2 E with 50 km around it.
    pickMethod(2);
    for (const auto &[name, value] : {std::pair{"txtEMRLAT01", "46"}, {"txtEMRLON01", "2"}, {"txtRadius1", "50"}}) {
        QLineEdit *field = m_window->controls().lineEdit(QLatin1String(name));
        field->selectAll();
        QTest::keyClicks(field, QLatin1String(value));
    }
    QCOMPARE(text("cboEMRLON01"), QStringLiteral("E"));
    clickShow();
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(m_window->controls().items("TilesListBox"),
             (QStringList{"Tile number: 7", "Tile number: 8", "Tile number: 12", "Tile number: 13"}));
    QCOMPARE(text("TilesCountLabel"), QStringLiteral("4"));
    QVERIFY(m_window->controls().isEnabled("ShowFileButton"));
    QCOMPARE(m_pointer.current, Shape::Default);
}

QTEST_MAIN(TestTileRun)
#include "tst_tilerun.moc"
