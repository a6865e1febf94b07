#include "support/shownwindow.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using Entries = QList<QPair<QString, QString>>;
using TestFolders::crlf;

// "Show tiles in domain" on the real window, from an application folder whose
// path holds a blank: with a test engine that replays a prepared list file and
// records its runs, and end to end with the stand-in engine.
class TestTileRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showTiles_data();
    void showTiles();
    void endToEnd();

private:
    void start(const QString &engine);
    void pickDomain();
    void clickShow() { QTest::mouseClick(m_shown->controls().button("cmdShow"), Qt::LeftButton); }

    std::unique_ptr<ShownWindow> m_shown;
    std::unique_ptr<QTemporaryDir> m_work;
};

namespace {

const QString Header = QStringLiteral("No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected");
const QString OrderText = QStringLiteral("To order tiles, please send your order form and Quorvantix output file to "
                                         "orders@qmt.example");
const QByteArray OldControlFile = "an earlier control file\r\n";

// The control file for region 7 of 2001, spelt out independently of the code.
QByteArray expectedFile(const QByteArray &method, const QByteArray &line7, const QByteArray &line8,
                        bool centre = false)
{
    return "Select a range for decode packed MM5 tiles \r\n"
           "quorvantix.lst       ! List file\r\n"
           "quorvantix.dat       ! Output file name\r\n"
           "7       ! MM5 region ID (See list below)\r\n"
           "2001      ! Year of tiled data\r\n"
           + method + "       ! Method of domain selection (1: I/J; 2: lon/lat; 3: center&range)\r\n"
           + line7 + "       ! Beg/End I indices, or longitudes, or center lon/lat\r\n"
           + line8 + (centre ? "   " : "       ") + "! Beg/End J indices, or latitudes, or range in km\r\n"
           "1       ! Flag to create(1) or not(0) a batch file to rename tile files \r\n"
           "mvtiles.bat ! Batch file name (these three lines needed only for Flag=1)\r\n"
           "1       ! Way to rename tile file names (1/2; See notes below) \r\n"
           "1       ! Operating System (1: Window DOS, 2: UNIX/LINUX)\r\n";
}

// The entries each row starts from, by method (1 box, 2 indices, 3 centre).
const Entries Typical[] = {
    {{"txtLat1", "40"}, {"cboLatLL1", "N"}, {"txtLon1", "70"}, {"cboLonLL1", "W"},
     {"txtLat2", "30"}, {"cboLatLL2", "N"}, {"txtLon2", "80"}, {"cboLonLL2", "W"}},
    {{"TextIndexiStart", "10"}, {"TextIndexiEnd", "40"}, {"TextIndexjStart", "5"}, {"TextIndexjEnd", "25"}},
    {{"txtEMRLAT01", "45.500000"}, {"cboEMRLAT01", "N"}, {"txtEMRLON01", "73.250000"}, {"cboEMRLON01", "W"},
     {"txtRadius1", "150"}},
};

} // namespace

void TestTileRun::init()
{
    m_shown = std::make_unique<ShownWindow>();
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_shown->appFolder.isValid() && m_work->isValid());
    QVERIFY(QDir::setCurrent(m_work->path()));
}

void TestTileRun::cleanup()
{
    m_shown.reset();
    QDir::setCurrent(QDir::tempPath()); // the working folder is removed next
}

// A window with `engine` (none when empty) as the application folder's engine
// and France picked by clicks.
void TestTileRun::start(const QString &engine)
{
    QVERIFY(engine.isEmpty() || QFile::copy(engine, m_shown->appFolder.filePath("Quorvantix.exe")));
    QVERIFY(m_shown->open());
    m_shown->pickCountry("France");
}

void TestTileRun::pickDomain()
{
    QListWidget *domains = m_shown->controls().listWidget("DomainsAvailableBox");
    const QList<QListWidgetItem *> found = domains->findItems("Domain 7,*2001", Qt::MatchWildcard);
    QCOMPARE(found.size(), 1);
    UserClicks::pickListRow(domains, domains->row(found.first()));
    QCOMPARE(m_shown->messages.texts(), QStringList());
    m_shown->pointer.changes.clear();
}

void TestTileRun::showTiles_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<Entries>("changes"); // to the method's typical entries
    QTest::addColumn<bool>("engine");
    QTest::addColumn<QByteArray>("replay"); // the list file the engine leaves; none when null
    QTest::addColumn<QString>("inTheWay");  // a folder where the run writes a file
    QTest::addColumn<QByteArray>("controlFile");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("message"); // "title: text"; %1 the working folder, %2 the application folder
    QTest::addColumn<QStringList>("tiles");

    const QByteArray table = crlf({Header, "1    5     a"});
    const QStringList earlier{"Tile number: 99"};
    const QStringList fiveListed{"Tile number: 5"};
    const QByteArray box = expectedFile("2", "-80,-70", "30,40");
    const auto written = [&](const char *name, int method, const Entries &changes, const QByteArray &file) {
        QTest::newRow(name) << method << changes << true << table << "" << file << 1 << "" << fiveListed;
    };
    const auto refused = [&](const char *name, int method, const Entries &changes, const QString &message) {
        QTest::newRow(name) << method << changes << true << table << "" << OldControlFile << 0 << "Error: " + message
                            << earlier;
    };
    const auto failed = [&](const char *name, bool engine, const QByteArray &replay, const char *inTheWay, int runs,
                            const QString &message, const QStringList &tiles) {
        // A folder in the way of the control file leaves nothing to read. The
        // folders in the message have the platform's separators.
        const bool noFile = QByteArray(inTheWay) == "quorvantix.inp";
        QTest::newRow(name) << 1 << Entries() << engine << replay << inTheWay << (noFile ? QByteArray() : box) << runs
                            << QDir::toNativeSeparators(message) << tiles;
    };

    written("indices", 2, {}, expectedFile("1", "10,40", "5,25"));
    written("box typed north-east corner first", 1, {}, box);
    written("south; 0 W; 15 digits", 1, {{"txtLat1", "10"}, {"cboLatLL1", "S"}, {"txtLat2", "20"}, {"cboLatLL2", "S"},
            {"txtLon1", "0"}, {"txtLon2", "80.12345678901234"}}, expectedFile("2", "-80.1234567890123,0", "-20,-10"));
    written("centre, no trailing zeros", 3, {}, expectedFile("3", "-73.25,45.5", "150", true));
    written("centre with empty hemisphere lists is north and east", 3, {{"cboEMRLAT01", ""}, {"cboEMRLON01", ""}},
            expectedFile("3", "73.25,45.5", "150", true));

    const QString order = QStringLiteral("Starting indices for i and j must smaller than ending indices");
    const QString notWhole = QStringLiteral("The index \"%1\" is not a whole number between -32768 and 32767.");
    refused("index empty", 2, {{"TextIndexjEnd", ""}}, "Please provide starting and ending indices.");
    refused("i start equals end", 2, {{"TextIndexiEnd", "10"}}, order);
    refused("j start after end", 2, {{"TextIndexjStart", "26"}}, order);
    refused("index not a number", 2, {{"TextIndexiEnd", "4o"}}, notWhole.arg("4o"));
    refused("index beyond 16 bits", 2, {{"TextIndexjEnd", "32768"}}, notWhole.arg("32768"));
    const QString firstCorner = QStringLiteral("Please provide all the requested latitudes/longitudes .");
    const QString secondCorner = QStringLiteral("Please provide all the requested latitudes/longitudes.");
    refused("first latitude empty", 1, {{"txtLat1", ""}}, firstCorner);
    refused("first hemisphere empty", 1, {{"cboLonLL1", ""}}, firstCorner);
    refused("both corners empty", 1, {{"txtLon1", ""}, {"txtLon2", ""}}, firstCorner);
    refused("second longitude empty", 1, {{"txtLon2", ""}}, secondCorner);
    refused("second hemisphere empty", 1, {{"cboLatLL2", ""}}, secondCorner);
    refused("latitude not a number", 1, {{"txtLat2", "3O"}}, "The latitude or longitude \"3O\" is not a number.");
    const QString noCentre = QStringLiteral("Please provide radius and origin coordinnates of the domain.");
    refused("radius empty", 3, {{"txtRadius1", ""}}, noCentre);
    refused("centre latitude empty", 3, {{"txtEMRLAT01", ""}}, noCentre);
    refused("centre longitude empty", 3, {{"txtEMRLON01", ""}}, noCentre);
    refused("radius of blanks", 3, {{"txtRadius1", "  "}}, "The radius \"  \" is not a number.");
    refused("centre not a number", 3, {{"txtEMRLON01", "7..3"}}, "The center coordinate \"7..3\" is not a number.");

    const QString noTiles = QStringLiteral("Quorvantix: Unable to process the entered data, please check that your "
                                           "domain limits are within the region selected");
    failed("ERROR before the header", true, crlf({"ERROR: no data", Header, "1    5     a"}), "", 1, "Quorvantix: "
           "Unable to find tiles in domain selected, check quorvantix.lst file in your application folder (%1) for "
           "details ", earlier);
    failed("no header", true, crlf({"nothing"}), "", 1, noTiles + ' ', earlier);
    failed("header followed by an empty line", true, crlf({Header, "", "1    5     a"}), "", 1, noTiles, {});
    failed("missing engine", false, table, "", 0,
           "Quorvantix GUI: Can not run Quorvantix executable, please make sure it is in the folder %2", earlier);
    failed("engine writes no list file, an earlier one is there", true, QByteArray(), "", 1,
           "Quorvantix GUI: The Quorvantix executable did not leave a readable list file %1/quorvantix.lst.", earlier);
    failed("earlier list file cannot be replaced", true, table, "quorvantix.lst", 0,
           "Quorvantix GUI: The list file %1/quorvantix.lst of an earlier run cannot be replaced.", earlier);
    failed("control file cannot be written", true, table, "quorvantix.inp", 0,
           "Error: Unable to write the control file %1/quorvantix.inp: Filename refers to a directory", earlier);
}

// A run over an earlier result: the control file, the engine runs, the
// message, and the tiles with their count and the order text after success.
void TestTileRun::showTiles()
{
    QFETCH(int, method);
    QFETCH(Entries, changes);
    QFETCH(bool, engine);
    QFETCH(QByteArray, replay);
    QFETCH(QString, inTheWay);
    QFETCH(QByteArray, controlFile);
    QFETCH(int, runs);
    QFETCH(QString, message);
    QFETCH(QStringList, tiles);
    if (!replay.isNull())
        TestFolders::writeFile(m_shown->appFolder.filePath("replay.lst"), replay);
    TestFolders::writeFile("quorvantix.inp", OldControlFile);
    TestFolders::writeFile("quorvantix.lst", crlf({Header, "1    99     earlier"}));
    QVERIFY(inTheWay.isEmpty() || (QFile::remove(inTheWay) && QDir::current().mkpath(inTheWay + "/inside")));
    start(engine ? QStandardPaths::findExecutable("quorvantix-replay-engine", {QCoreApplication::applicationDirPath()})
                 : QString());
    pickDomain();
    m_shown->pickMethod(method - 1);
    const ui::Controls c = m_shown->controls();
    for (const auto &[name, value] : Typical[method - 1] + changes)
        c.setText(name, value);
    c.addItem("TilesListBox", "Tile number: 99");
    c.setText("TilesCountLabel", "7");
    c.setText("WarningLabel", "earlier order text");
    c.setEnabled("ShowFileButton", true);

    clickShow();

    QCOMPARE(TestFolders::readFile("quorvantix.inp"), controlFile);
    // Each run of the replay engine is logged as "working folder|argument count".
    const QString log = QString::fromLocal8Bit(TestFolders::readFile(m_shown->appFolder.filePath("replay.log")));
    QCOMPARE(log.split(u'\n', Qt::SkipEmptyParts), QStringList(runs, m_work->path() + QStringLiteral("|0")));
    QCOMPARE(TestFolders::readFile(m_shown->appFolder.filePath("replay-seen.inp")), runs ? controlFile : QByteArray());
    QStringList shown;
    for (const RecordingMessages::Shown &box : std::as_const(m_shown->messages.shown)) {
        QCOMPARE(box.icon, ui::MessageIcon::Critical);
        shown << box.title + QStringLiteral(": ") + box.text;
    }
    message.replace("%1", QDir::toNativeSeparators(m_work->path()));
    message.replace("%2", QDir::toNativeSeparators(m_shown->appFolder.path()));
    QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(c.items("TilesListBox"), tiles);
    QCOMPARE(c.text("TilesCountLabel"), message.isEmpty() ? QString::number(tiles.size()) : QStringLiteral("7"));
    QCOMPARE(c.text("WarningLabel"), message.isEmpty() ? OrderText : QStringLiteral("earlier order text"));
    QCOMPARE(c.isEnabled("ShowFileButton"), message.isEmpty());
    QCOMPARE(m_shown->pointer.changes.size(), 2);
    QCOMPARE(m_shown->pointer.changes.at(0).shape, ui::MousePointer::Shape::Hourglass);
    QCOMPARE(m_shown->pointer.changes.at(1).shape, ui::MousePointer::Shape::Default);
    QCOMPARE(m_shown->pointer.changes.at(1).over, m_shown->window.get());
}

// Show before any domain is picked, then each method in turn with the
// stand-in engine on domain 7 (5 x 4 tiles).
void TestTileRun::endToEnd()
{
    start(TestFolders::buildAppFolder() + QStringLiteral("/Quorvantix.exe"));
    m_shown->pointer.changes.clear();
    // The button is enabled only by a domain pick: enabled here, it shows the check behind it.
    m_shown->controls().setEnabled("cmdShow", true);
    clickShow();
    QCOMPARE(m_shown->messages.texts(), QStringList{"No domain has been selected"});
    QCOMPARE(m_shown->messages.shown.first().title, QStringLiteral("Quorvantix GUI"));
    QVERIFY(m_shown->pointer.changes.isEmpty());
    m_shown->messages.clear();
    pickDomain();
    const std::tuple<int, Entries, QString> steps[] = {
        {1, {}, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20"}, // the whole domain, as loaded
        {2, Typical[1], "1 2 6 7"},
        {3, {{"txtEMRLAT01", "46"}, {"txtEMRLON01", "2"}, {"txtRadius1", "50"}}, "7 8 12 13"},
    };
    for (const auto &[method, typed, tiles] : steps) {
        const ui::Controls c = m_shown->controls();
        m_shown->pickMethod(method - 1);
        for (const auto &[name, value] : typed) {
            c.lineEdit(name)->selectAll();
            QTest::keyClicks(c.lineEdit(name), value);
        }
        clickShow();
        QCOMPARE(m_shown->messages.texts(), QStringList());
        // The prefix of each item is checked with the prepared list files.
        QCOMPARE(c.items("TilesListBox").replaceInStrings("Tile number: ", ""), tiles.split(u' '));
        QCOMPARE(c.text("TilesCountLabel"), QString::number(tiles.count(u' ') + 1));
    }
}

QTEST_MAIN(TestTileRun)
#include "tst_tilerun.moc"
