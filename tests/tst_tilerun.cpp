// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domainmap.h"
#include "map/subdomainshape.h"
#include "run/engineprocess.h"
#include "support/cataloguebuilder.h"
#include "support/engineprocesses.h"
#include "support/filesizelimit.h"
#include "support/shownwindow.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

using TestFolders::crlf;

namespace {

const QString Header = QStringLiteral("No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected");
const QString OrderText = QStringLiteral("To order tiles, please send your order form and Quorvantix output file to "
                                         "orders@qmt.example");
const QByteArray OldControlFile = "an earlier control file\r\n";

// The control file for region 7 of 2001, spelt out independently of the code.
QByteArray expectedFile(const QByteArray &method, const QByteArray &line7, const QByteArray &line8)
{
    return "Select a range for decode packed MM5 tiles \r\n"
           "quorvantix.lst       ! List file\r\n"
           "quorvantix.dat       ! Output file name\r\n"
           "7       ! MM5 region ID (See list below)\r\n"
           "2001      ! Year of tiled data\r\n"
           + method + "       ! Method of domain selection (1: I/J; 2: lon/lat; 3: center&range)\r\n" + line7
           + "       ! Beg/End I indices, or longitudes, or center lon/lat\r\n" + line8
           + "       ! Beg/End J indices, or latitudes, or range in km\r\n"
             "1       ! Flag to create(1) or not(0) a batch file to rename tile files \r\n"
             "mvtiles.bat ! Batch file name (these three lines needed only for Flag=1)\r\n"
             "1       ! Way to rename tile file names (1/2; See notes below) \r\n"
             "1       ! Operating System (1: Window DOS, 2: UNIX/LINUX)\r\n";
}

// The entries each method starts from (1 box, 2 indices, 3 centre).
const Entries Typical[] = {
    entries("txtLat1=40;cboLatLL1=N;txtLon1=70;cboLonLL1=W;txtLat2=30;cboLatLL2=N;txtLon2=80;cboLonLL2=W"),
    entries("TextIndexiStart=10;TextIndexiEnd=40;TextIndexjStart=5;TextIndexjEnd=25"),
    entries("txtEMRLAT01=45.500000;cboEMRLAT01=N;txtEMRLON01=73.250000;cboEMRLON01=W;txtRadius1=150"),
};

enum class Action { None, Cancel, CloseWindow };

// One run of "Show tiles in domain" and what it leaves.
struct RunRow
{
    int method;        // entered with its typical entries
    QString engine;    // "crash": the stand-in, stopping after 300 bytes of its list
    QByteArray replay; // the list file the engine leaves (none when null), or a kind of file
    QString obstacle;  // a folder where the run writes a file, or a limit of the file system
    QByteArray controlFile;
    QString message; // "title: text"; %1 the working folder, %2 the application folder
    QString details; // a part of the detailed text
    QStringList tiles;
};

// A run of the stand-in engine made slow, and what the user does meanwhile.
struct LongRow
{
    int delayMs;           // before the engine writes its list file
    QByteArray crashAfter; // bytes of the list written in place before the delay
    int childDelayMs;      // a child of the engine writes the list file after this (0: none)
    bool ignoreTerm;       // the engine and its child ignore SIGTERM
    Action action;         // taken once the progress window shows, or at 300 ms
};

struct PaintCounter : QObject
{
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(RunRow)
Q_DECLARE_METATYPE(LongRow)

// "Show tiles in domain" on the real window, from an application folder whose
// path holds a blank: with a test engine that replays a prepared list file and
// records its runs, and with the stand-in engine, made slow or crashing by its
// test switches.
class TestTileRun : public QObject
{
    Q_OBJECT

private slots:
    // The window keeps its size and the requests that ran in the user's
    // settings: here in a folder of the test's own.
    void initTestCase() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path()); }
    void init();
    void cleanup();
    void showTiles_data();
    void showTiles();
    void focusChoosesNoDomain();
    void engineStartsByShortPathWithoutConsole();
    void longRun_data();
    void longRun();
    void mapAndEngineAgree_data();
    void mapAndEngineAgree();

private:
    // Installs the engine ("replay", "stand-in" or none) and opens the window
    // in the working folder: on the sample catalogue with region 7 of 2001
    // (France) picked, or on the catalogue given.
    void open(const QString &engine, const QByteArray &catalogue = {});
    // Picks the method and types its typical entries with the changes.
    void enter(int method, const Entries &changes = {});
    void clickShow() { QTest::mouseClick(m_shown->controls().button("cmdShow"), Qt::LeftButton); }
    // "title: text" of each box shown.
    QStringList shown() const;

    QTemporaryDir m_settings;
    std::unique_ptr<ShownWindow> m_shown;
    std::unique_ptr<QTemporaryDir> m_work;
};

void TestTileRun::init()
{
    m_shown = std::make_unique<ShownWindow>();
    m_work = std::make_unique<QTemporaryDir>();
}

void TestTileRun::cleanup()
{
    m_shown.reset();
    QDir::setCurrent(QDir::tempPath()); // the working folder is removed next
    m_work.reset();
    for (const char *name : {"QUORVANTIX_ENGINE_TEST_DELAY_MS", "QUORVANTIX_ENGINE_TEST_CRASH_AFTER",
                             "QUORVANTIX_ENGINE_TEST_CHILD_MS", "QUORVANTIX_ENGINE_TEST_IGNORE_TERM"})
        qunsetenv(name); // the stand-in engine's test switches
}

void TestTileRun::open(const QString &engine, const QByteArray &catalogue)
{
    const QString exe = engine == "replay" ? QStandardPaths::findExecutable("quorvantix-replay-engine",
                                                                            {QCoreApplication::applicationDirPath()})
                                           : TestFolders::buildAppFolder() + QStringLiteral("/Quorvantix.exe");
    QVERIFY(engine.isEmpty() || QFile::copy(exe, m_shown->appFolder.filePath("Quorvantix.exe")));
    QVERIFY(QDir::setCurrent(m_work->path()));
    QVERIFY(catalogue.isEmpty() ? m_shown->open() : m_shown->open(catalogue));
    if (catalogue.isEmpty())
        m_shown->pickFranceDomain7();
    m_shown->pointer.changes.clear();
}

void TestTileRun::enter(int method, const Entries &changes)
{
    m_shown->pickMethod(method - 1);
    for (const auto &[name, value] : Typical[method - 1] + changes)
        m_shown->controls().setText(name, value);
}

QStringList TestTileRun::shown() const
{
    QStringList result;
    for (const RecordingMessages::Shown &box : m_shown->messages.shown)
        result << box.title + QStringLiteral(": ") + box.text;
    return result;
}

void TestTileRun::showTiles_data()
{
    QTest::addColumn<RunRow>("row");

    const QByteArray table = crlf({Header, "1    5     a"});
    const QByteArray indices = expectedFile("1", "10,40", "5,25");
    QTest::newRow("indices") << RunRow{2, "replay", table, "", indices, "", "", {"Tile number: 5"}};

    // The box typed north-east corner first, as in every row from here on.
    const QByteArray box = expectedFile("2", "-80,-70", "30,40");
    const auto failed = [&](const char *name, const QString &engine, const QByteArray &replay, const char *obstacle,
                            const QString &message, const QString &details = {},
                            const QStringList &tiles = {"Tile number: 99"}) {
        // A folder in the way of the control file leaves nothing to read, a
        // file system limit the earlier file; either way the engine does not run.
        const QByteArray file = QByteArray(obstacle) == "quorvantix.inp" ? QByteArray()
                                : QByteArray(obstacle).contains(' ')     ? OldControlFile
                                                                         : box;
        QTest::newRow(name) << RunRow{1, engine, replay, obstacle, file, message, details, tiles};
    };

    // The engine's reasons, its text before the header, come as details behind the usual message.
    failed("ERROR before the header", "replay",
           crlf({"Request for region 7", "ERROR: no data", Header, "1    5     a"}), "",
           "Quorvantix: Unable to find tiles in domain selected, check quorvantix.lst file in your application "
           "folder (%1) for details ",
           "Request for region 7\nERROR: no data");
    const QString noTiles = QStringLiteral("Quorvantix: Unable to process the entered data, please check that your "
                                           "domain limits are within the region selected");
    failed("no header", "replay", crlf({"  nothing to be done"}), "", noTiles + ' ', "nothing to be done");
    failed("header followed by an empty line", "replay", crlf({Header, "", "1    5     a"}), "", noTiles, {}, {});
    failed("missing engine", "", table, "",
           "Quorvantix GUI: Can not run Quorvantix executable, please make sure it is in the folder %2");
    failed("engine writes no list file, an earlier one is there", "replay", QByteArray(), "",
           "Quorvantix GUI: The Quorvantix executable did not leave a readable list file %1/quorvantix.lst.");
    failed("engine crashes while writing its list", "crash", QByteArray(), "",
           "Quorvantix GUI: The Quorvantix executable stopped unexpectedly, so its list file %1/quorvantix.lst is "
           "not used.",
           "Quorvantix: stopped on request after 300 bytes of quorvantix.lst");
    const QString listFile = QStringLiteral("Quorvantix GUI: The list file %1/quorvantix.lst ");
    failed("named pipe", "replay", "fifo", "", listFile + "is not a regular file, so it is not read.");
    failed("link to a file over 256 MB", "replay", "big", "", listFile + "is larger than 256 MB, so it is not read.");
    failed("earlier list file cannot be replaced", "replay", table, "quorvantix.lst",
           listFile + "of an earlier run cannot be replaced.");
    // The earlier control file stays byte for byte, and the message gives the system's reason.
    const QString notWritten = QStringLiteral("Error: Unable to write the control file %1/quorvantix.inp: ");
    failed("control file in the way", "replay", table, "quorvantix.inp", notWritten + "Filename refers to a directory");
    failed("file size limit", "replay", table, "file size limit", notWritten + "File too large");
}

// A run over an earlier result: the control file, the engine runs, the
// message, and the tiles with their count and the order text after success.
void TestTileRun::showTiles()
{
    QFETCH(RunRow, row);
    const QString work = m_work->path();
    const QString replayFile = m_shown->appFolder.filePath("replay.lst");
#ifdef Q_OS_UNIX
    if (row.replay == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(replayFile).constData(), 0600), 0);
    } else if (row.replay == "big") {
        QFile big(m_shown->appFolder.filePath("big.lst"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(256) * 1024 * 1024 + 1));
        QVERIFY(QFile::link(big.fileName(), replayFile));
    } else
#else
    if (row.replay == "fifo" || row.replay == "big" || row.obstacle.contains(u' '))
        QSKIP("needs named pipes, symbolic links and a file size limit");
#endif
        if (!row.replay.isNull())
        TestFolders::writeFile(replayFile, row.replay);
    TestFolders::writeFile(work + "/quorvantix.inp", OldControlFile);
    TestFolders::writeFile(work + "/quorvantix.lst", crlf({Header, "1    99     earlier"}));
    if (row.obstacle.startsWith("quorvantix"))
        QVERIFY(QFile::remove(work + '/' + row.obstacle) && QDir(work).mkpath(row.obstacle + "/inside"));
    qputenv("QUORVANTIX_ENGINE_TEST_CRASH_AFTER", row.engine == "crash" ? "300" : "");
    open(row.engine == "crash" ? "stand-in" : row.engine);
    enter(row.method);
    const ui::Controls c = m_shown->controls();
    c.listWidget("TilesListBox")->addItem("Tile number: 99");
    c.setText("TilesCountLabel", "7");
    c.setText("WarningLabel", "earlier order text");
    c.widget("ShowFileButton")->setEnabled(true);

    {
#ifdef Q_OS_UNIX
        const FileSizeLimit limit(row.obstacle == "file size limit" ? 64 : RLIM_INFINITY);
#endif
        clickShow();
    }

    QCOMPARE(TestFolders::readFile(work + "/quorvantix.inp"), row.controlFile);
    // The replay engine logs each run as "working folder|argument count" and
    // keeps the control file it found.
    const int runs = row.engine == "replay" && row.obstacle.isEmpty();
    QCOMPARE(TestFolders::readFile(m_shown->appFolder.filePath("replay.log")),
             (work.toLocal8Bit() + "|0\n").repeated(runs));
    QCOMPARE(TestFolders::readFile(m_shown->appFolder.filePath("replay-seen.inp")),
             runs ? row.controlFile : QByteArray());
    const QString message = QDir::toNativeSeparators(
        row.message.replace("%1", work).replace("%2", m_shown->appFolder.path()));
    QCOMPARE(shown(), message.isEmpty() ? QStringList() : QStringList{message});
    for (const RecordingMessages::Shown &box : std::as_const(m_shown->messages.shown)) {
        QCOMPARE(box.icon, ui::MessageIcon::Critical);
        QVERIFY2(box.details.contains(row.details), qPrintable(box.details));
    }
    QCOMPARE(c.items("TilesListBox"), row.tiles);
    QCOMPARE(c.text("TilesCountLabel"), message.isEmpty() ? QString::number(row.tiles.size()) : QStringLiteral("7"));
    QCOMPARE(c.text("WarningLabel"), message.isEmpty() ? OrderText : QStringLiteral("earlier order text"));
    QCOMPARE(c.widget("ShowFileButton")->isEnabled(), message.isEmpty());
    const QList<RecordingPointer::Change> &pointer = m_shown->pointer.changes;
    QVERIFY(pointer.size() == 2 && pointer[0].shape == ui::MousePointer::Shape::Hourglass
            && pointer[1].shape == ui::MousePointer::Shape::Default);
    QCOMPARE(pointer[1].over, m_shown->window.get());
}

// After a run, another country, then Tab into the domain list: its first
// entry becomes current without being chosen, and the next run takes no year
// from it.
void TestTileRun::focusChoosesNoDomain()
{
    TestFolders::writeFile(m_shown->appFolder.filePath("replay.lst"), crlf({Header, "1    5     a"}));
    open("replay");
    clickShow();
    m_shown->pickCountry("Chile");
    const ui::Controls c = m_shown->controls();
    enter(3); // the centre entries, which a new country leaves alone
    c.widget("CountriesListBox")->setFocus();
    QTest::keyClick(c.widget("CountriesListBox"), Qt::Key_Tab);
    QCOMPARE(c.listWidget("DomainsAvailableBox")->currentRow(), 0);
    QCOMPARE(c.text("DomainsAvailableBox"), QString());

    clickShow();
    const QList<QByteArray> written = TestFolders::readFile(m_shown->appFolder.filePath("replay-seen.inp")).split('\n');
    QCOMPARE(written.value(3), "7       ! MM5 region ID (See list below)\r");
    QCOMPARE(written.value(4), "      ! Year of tiled data\r");
}

// The engine is a console program: on Windows it is started by the short form
// of its path, free of blanks, and without a console window of its own.
void TestTileRun::engineStartsByShortPathWithoutConsole()
{
#ifndef Q_OS_WIN
    QSKIP("The short path and the console window are Windows's.");
#else
    open("replay");
    enter(1);
    // The test has a console window for the run: a console program started
    // from it would share that window, unless asked to have none. (Without
    // one, Qt would ask for none by itself.)
    FreeConsole();
    QVERIFY(AllocConsole() && GetConsoleWindow());
    clickShow();
    FreeConsole();
    AttachConsole(ATTACH_PARENT_PROCESS);

    const QStringList start =
        QString::fromLocal8Bit(TestFolders::readFile(m_shown->appFolder.filePath("replay-start.txt"))).split(u'\n');
    const QString engine = m_shown->appFolder.filePath("Quorvantix.exe");
    QVERIFY(engine.contains(u' '));
    QVERIFY2(!start.value(0).isEmpty() && !start.value(0).contains(u' '), qPrintable(start.value(0)));
    wchar_t longPath[4 * MAX_PATH];
    const std::wstring shortPath = start.value(0).toStdWString();
    const DWORD length = GetLongPathNameW(shortPath.c_str(), longPath, DWORD(std::size(longPath)));
    QCOMPARE(QDir::fromNativeSeparators(QString::fromWCharArray(longPath, int(length))).toLower(), engine.toLower());
    QCOMPARE(start.value(1), QStringLiteral("no console window"));
#endif
}

void TestTileRun::longRun_data()
{
    QTest::addColumn<LongRow>("row");

    QTest::newRow("quick run") << LongRow{0, {}, 0, false, Action::None};
    QTest::newRow("slow run") << LongRow{1800, {}, 0, false, Action::None};
    QTest::newRow("cancelled with half a list written") << LongRow{30000, "300", 0, false, Action::Cancel};
    for (const bool ignoreTerm : {false, true}) {
        const QByteArray deaf = ignoreTerm ? ", SIGTERM ignored" : "";
        QTest::newRow("cancelled, a child writes the list later" + deaf)
            << LongRow{30000, {}, 3500, ignoreTerm, Action::Cancel};
        QTest::newRow("window closed, a child writes the list later" + deaf)
            << LongRow{30000, {}, 3500, ignoreTerm, Action::CloseWindow};
    }
}

// The stand-in engine made slow. While it runs and while it is stopped: the
// window repaints and its timers keep firing, a key typed into an entry field
// is not taken, the progress window shows for a long run only (a window
// closed at 300 ms goes before it), Cancel or closing the window ends the
// engine and its child, also when they ignore SIGTERM. Afterwards none of
// them is left, and no tiles and no list file when the run was stopped, not
// even once the child's time to write it has passed; Cancel says so.
void TestTileRun::longRun()
{
    QFETCH(LongRow, row);
    qputenv("QUORVANTIX_ENGINE_TEST_DELAY_MS", QByteArray::number(row.delayMs));
    qputenv("QUORVANTIX_ENGINE_TEST_CRASH_AFTER", row.crashAfter);
    qputenv("QUORVANTIX_ENGINE_TEST_CHILD_MS", row.childDelayMs ? QByteArray::number(row.childDelayMs) : QByteArray());
    qputenv("QUORVANTIX_ENGINE_TEST_IGNORE_TERM", row.ignoreTerm ? "1" : "");
    open("stand-in");
    enter(2);
    QLineEdit *field = m_shown->edit("TextIndexiStart");
    PaintCounter painted;
    m_shown->window->installEventFilter(&painted);

    // What happens while the engine runs, every 100 ms; the engine's
    // processes are seen on Linux and Windows.
#if defined(Q_OS_LINUX) || defined(Q_OS_WIN)
    const qsizetype treeSize = row.childDelayMs ? 2 : 1;
#else
    const qsizetype treeSize = 0;
#endif
    bool progressSeen = false;
    int ticks = 0;
    QSet<QString> engines;
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        ++ticks;
        longestGap = std::max(longestGap, sinceTick.restart());
        m_shown->window->update();
        for (const QString &pid : EngineProcesses::running(m_shown->appFolder.path()))
            engines.insert(pid);
        if (ticks == 2)
            QTest::keyClick(field, Qt::Key_9);
        auto *dialog = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        progressSeen = progressSeen || (dialog && dialog->objectName() == QLatin1String("EngineRunProgress"));
        if (row.action == Action::Cancel && dialog)
            QTest::mouseClick(ui::Controls(dialog).only<QPushButton>(), Qt::LeftButton);
        if (row.action == Action::CloseWindow && ticks >= 3 && engines.size() >= treeSize
            && m_shown->window->isVisible())
            m_shown->window->close();
    });
    const QDeadlineTimer childDone(row.childDelayMs + 1000);
    sinceTick.start();
    watch.start(100);
    // As in the program: the run starts from the application's event loop,
    // which ends once the window is closed and the run is over.
    QTimer::singleShot(0, this, [&] {
        clickShow();
        if (row.action != Action::CloseWindow)
            QCoreApplication::exit(0);
    });
    // A run that never ends fails the test (the timer goes with `watch`).
    QTimer::singleShot(30000, &watch, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    watch.stop();
    if (ticks > 0)
        longestGap = std::max(longestGap, sinceTick.elapsed());

    QCOMPARE(progressSeen, row.delayMs > 0 && row.action != Action::CloseWindow);
    QCOMPARE(shown(), row.action != Action::Cancel ? QStringList()
                                                   : QStringList("Quorvantix GUI: The run of the Quorvantix "
                                                                 "executable was cancelled; no tiles are shown."));
    QCOMPARE(m_shown->controls().listWidget("TilesListBox")->count(), row.action == Action::None ? 4 : 0);
    QCOMPARE(field->text(), QStringLiteral("10"));
    QCOMPARE(EngineProcesses::running(m_shown->appFolder.path()), QStringList());
    for (const QString &pid : std::as_const(engines))
        QVERIFY2(!EngineProcesses::isRunning(pid), qPrintable(pid));
    // Under Wine on a virtual display, every run long enough to show its
    // progress window pauses for about two seconds, one that is never stopped
    // included, while a quick run does not: the pause is Wine's showing of a
    // window without a window manager, not the engine's stop.
    if (TestFolders::runningUnderWine())
        qWarning("The window's longest pause (%lld ms) is not checked under Wine.", longestGap);
    else
        QVERIFY2(longestGap < EngineProcess::StopGraceMs / 2, qPrintable(QString::number(longestGap)));
    QTest::qWait(int(childDone.remainingTime()));
    QCOMPARE(QFileInfo::exists(m_work->filePath("quorvantix.lst")), row.action == Action::None);
    QCOMPARE(m_shown->pointer.current, ui::MousePointer::Shape::Default);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    // A run long enough to be watched: the watch and the paints went on, and
    // the whole tree was seen.
    QCOMPARE_GE(ticks, row.delayMs > 0 ? 3 : 0);
    QCOMPARE_GE(painted.paints, row.delayMs > 0 ? 1 : 0);
    QCOMPARE_GE(engines.size(), row.delayMs > 0 ? treeSize : 0);
}

void TestTileRun::mapAndEngineAgree_data()
{
    QTest::addColumn<QString>("limits");     // of the only domain, as its catalogue line gives them
    QTest::addColumn<QString>("longitudes"); // changes to the typical box entries, beside a box from 17 S to 20 S
    QTest::addColumn<QByteArray>("line7");
    QTest::addColumn<QString>("tiles"); // one a line

    // Four cells a degree on both axes, tiles of 20 x 20 cells, six tiles a row.
    const QString across = QStringLiteral("1 1 101 41 0 0 165 -170 -25 -15");
    QTest::newRow("175 E to 175 W in a domain from 165 to -170")
        << across << "txtLon1=175;cboLonLL1=E;txtLon2=175" << QByteArray("175,-175") << "9\n10\n11";
    QTest::newRow("170 E to 180 W, typed west corner last")
        << across << "txtLon1=180;txtLon2=170;cboLonLL2=E" << QByteArray("170,-180") << "8\n9\n10";
    // "50 -30" runs east from 50 E over Asia and the Pacific to 30 W.
    QTest::newRow("a domain from 50 to -30, box over the Pacific")
        << QString("1 1 281 41 0 0 50 -30 -25 -15") << "txtLon1=170;txtLon2=160" << QByteArray("-170,-160") << "23";
    QTest::newRow("a whole-globe domain from 180 to -180")
        << QString("1 1 361 41 0 0 180 -180 -25 -15") << "txtLon1=10;txtLon2=5;cboLonLL2=E" << QByteArray("-10,5")
        << "28\n29";
}

// A box typed on the real window in a domain of its own catalogue, run with
// the stand-in engine: the control file, the tiles the engine selects and
// the region the map draws describe the same place.
void TestTileRun::mapAndEngineAgree()
{
    QFETCH(QString, limits);
    QFETCH(QString, longitudes);
    CatalogueBuilder catalogue;
    catalogue.addDomain(QStringLiteral("12"), limits, QStringLiteral("2001"), QStringLiteral("Fiji"));
    open("stand-in", catalogue.bytes());
    m_shown->pickCountry(QStringLiteral("Fiji"));
    m_shown->pickEntry(0);
    enter(1, entries("txtLat1=17;cboLatLL1=S;txtLat2=20;cboLatLL2=S;" + longitudes));
    clickShow();

    QCOMPARE(shown(), QStringList());
    QTEST(TestFolders::readFile(m_work->filePath("quorvantix.inp")).split('\n').value(6).split(' ').value(0), "line7");
    // Edit, Copy tiles: every tile of the run, one a line (each row's tiles
    // differ from the last row's).
    m_shown->controls().action(QStringLiteral("mnuCopyTiles"))->trigger();
    QTEST(QGuiApplication::clipboard()->text(), "tiles");

    // The map draws the tiles of the run; their selected cells hold the
    // region it draws, widened by no more than a cell on each side.
    const auto *map = m_shown->controls().get<DomainMap>(QStringLiteral("DomainMap"));
    const std::optional<SubdomainShape> region = SubdomainShape::of(map->scene().subdomain, map->scene().selected);
    QVERIFY(region && !region->outside);
    const DomainGrid &grid = map->scene().selected->grid;
    QRectF hull; // x longitude, y latitude
    QStringList drawnTiles;
    for (const TileCells &tile : map->scene().tiles) {
        hull |= grid.cellsBox(tile.selected.iFrom, tile.selected.iTo, tile.selected.jFrom, tile.selected.jTo).rect();
        drawnTiles << tile.number;
    }
    QTEST(drawnTiles.join(u'\n'), "tiles");
    const GeoBox cells{hull.left(), hull.right(), hull.top(), hull.bottom()};
    QVERIFY2(cells.holds(region->box), qPrintable(QString::asprintf("cells %g to %g, region %g to %g", cells.west,
                                                                    cells.east, region->box.west, region->box.east)));
    QCOMPARE_LE(cells.width(), region->box.width() + 2 * grid.box().width() / (grid.lastI() - grid.firstI()));
    QCOMPARE_LE(cells.height(), region->box.height() + 2 * grid.box().height() / (grid.lastJ() - grid.firstJ()));
}

QTEST_MAIN(TestTileRun)
#include "tst_tilerun.moc"
