// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/filesizelimit.h"
#include "support/shownwindow.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mount.h>
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
QByteArray expectedFile(const QByteArray &method, const QByteArray &line7, const QByteArray &line8, bool centre = false)
{
    return "Select a range for decode packed MM5 tiles \r\n"
           "quorvantix.lst       ! List file\r\n"
           "quorvantix.dat       ! Output file name\r\n"
           "7       ! MM5 region ID (See list below)\r\n"
           "2001      ! Year of tiled data\r\n"
           + method + "       ! Method of domain selection (1: I/J; 2: lon/lat; 3: center&range)\r\n" + line7
           + "       ! Beg/End I indices, or longitudes, or center lon/lat\r\n" + line8 + (centre ? "   " : "       ")
           + "! Beg/End J indices, or latitudes, or range in km\r\n"
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

// The engine processes of an application folder still alive (Linux; elsewhere none are seen).
QStringList enginesRunning(const QString &appFolder)
{
    QStringList found;
    const QString engine = QFileInfo(appFolder + QStringLiteral("/Quorvantix.exe")).canonicalFilePath();
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() == engine)
            found << pid;
    }
    return found;
}

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

// "Show tiles in domain" on the real window, from an application folder whose
// path holds a blank: with a test engine that replays a prepared list file and
// records its runs, and with the stand-in engine, made slow or crashing by its
// test switches.
class TestTileRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showTiles_data();
    void showTiles();
    void showWithoutDomain();
    void focusChoosesNoDomain();
    void engineStartsByShortPathWithoutConsole();
    void longRun_data();
    void longRun();

private:
    // Installs the engine ("replay", "stand-in" or none), opens the window in
    // the working folder and, when asked, picks region 7 of 2001 (France).
    void open(const QString &engine, bool pickDomain = true);
    // Picks the method and types its typical entries with the changes.
    void enter(int method, const Entries &changes = {});
    void clickShow() { QTest::mouseClick(m_shown->controls().button("cmdShow"), Qt::LeftButton); }
    // "title: text" of each box shown.
    QStringList shown() const;
    // Each run of the replay engine is logged as "working folder|argument count".
    QStringList engineLog() const
    {
        return QString::fromLocal8Bit(TestFolders::readFile(m_shown->appFolder.filePath("replay.log")))
            .split(u'\n', Qt::SkipEmptyParts);
    }

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
}

void TestTileRun::open(const QString &engine, bool pickDomain)
{
    const QString exe = engine == "replay" ? QStandardPaths::findExecutable("quorvantix-replay-engine",
                                                                            {QCoreApplication::applicationDirPath()})
                                           : TestFolders::buildAppFolder() + QStringLiteral("/Quorvantix.exe");
    QVERIFY(engine.isEmpty() || QFile::copy(exe, m_shown->appFolder.filePath("Quorvantix.exe")));
    QVERIFY(QDir::setCurrent(m_work->path()));
    QVERIFY(m_shown->open());
    if (pickDomain)
        m_shown->pickFranceDomain7();
    QCOMPARE(shown(), QStringList());
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
    QTest::addColumn<int>("method");
    QTest::addColumn<Entries>("changes");   // to the method's typical entries
    QTest::addColumn<QString>("engine");    // "crash": the stand-in, stopping after 300 bytes of its list
    QTest::addColumn<QByteArray>("replay"); // the list file the engine leaves (none when null), or a kind of file
    QTest::addColumn<QString>("obstacle");  // a folder where the run writes a file, or a limit of the file system
    QTest::addColumn<QByteArray>("controlFile");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("message"); // "title: text"; %1 the working folder, %2 the application folder
    QTest::addColumn<QString>("details"); // a part of the detailed text
    QTest::addColumn<QStringList>("tiles");

    const QByteArray table = crlf({Header, "1    5     a"});
    const QStringList earlier{"Tile number: 99"};
    const QByteArray box = expectedFile("2", "-80,-70", "30,40");
    const auto written = [&](const char *name, int method, const Entries &changes, const QByteArray &file) {
        QTest::newRow(name) << method << changes << "replay" << table << "" << file << 1 << ""
                            << "" << QStringList{"Tile number: 5"};
    };
    const auto refused = [&](const char *name, int method, const Entries &changes, const QString &message) {
        QTest::newRow(name) << method << changes << "replay" << table << "" << OldControlFile << 0
                            << "Error: " + message << "" << earlier;
    };
    const auto failed = [&](const char *name, const QString &engine, const QByteArray &replay, const char *obstacle,
                            const QString &message, const QString &details = {},
                            const QStringList &tiles = {"Tile number: 99"}) {
        // A folder in the way of the control file leaves nothing to read, a
        // file system limit the earlier file; either way the engine does not run.
        const QByteArray file = QByteArray(obstacle) == "quorvantix.inp" ? QByteArray()
                                : QByteArray(obstacle).contains(' ')     ? OldControlFile
                                                                         : box;
        QTest::newRow(name) << 1 << Entries() << engine << replay << obstacle << file
                            << int(engine == "replay" && !*obstacle) << QDir::toNativeSeparators(message) << details
                            << tiles;
    };

    written("indices", 2, {}, expectedFile("1", "10,40", "5,25"));
    written("box typed north-east corner first", 1, {}, box);
    written("south; 0 W; 15 digits", 1,
            entries("txtLat1=10;cboLatLL1=S;txtLat2=20;cboLatLL2=S;txtLon1=0;txtLon2=80.12345678901234"),
            expectedFile("2", "-80.1234567890123,0", "-20,-10"));
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
    refused("first hemisphere empty", 1, {{"cboLonLL1", ""}}, firstCorner);
    refused("both corners empty", 1, {{"txtLon1", ""}, {"txtLon2", ""}}, firstCorner);
    refused("second hemisphere empty", 1, {{"cboLatLL2", ""}}, secondCorner);
    refused("latitude not a number", 1, {{"txtLat2", "3O"}}, "The latitude or longitude \"3O\" is not a number.");
    const QString noCentre = QStringLiteral("Please provide radius and origin coordinnates of the domain.");
    refused("radius empty", 3, {{"txtRadius1", ""}}, noCentre);
    refused("centre longitude empty", 3, {{"txtEMRLON01", ""}}, noCentre);
    refused("radius of blanks", 3, {{"txtRadius1", "  "}}, "The radius \"  \" is not a number.");
    refused("centre not a number", 3, {{"txtEMRLON01", "7..3"}}, "The center coordinate \"7..3\" is not a number.");

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
    const QString notRegular = QStringLiteral("Quorvantix GUI: The list file %1/quorvantix.lst is not a regular file, "
                                              "so it is not read.");
    failed("named pipe", "replay", "fifo", "", notRegular);
    failed("link to a file over 256 MB", "replay", "big", "",
           "Quorvantix GUI: The list file %1/quorvantix.lst is larger than 256 MB, so it is not read.");
    failed("earlier list file cannot be replaced", "replay", table, "quorvantix.lst",
           "Quorvantix GUI: The list file %1/quorvantix.lst of an earlier run cannot be replaced.");
    // The earlier control file stays byte for byte, and the message gives the system's reason.
    const QString notWritten = QStringLiteral("Error: Unable to write the control file %1/quorvantix.inp: ");
    failed("control file in the way", "replay", table, "quorvantix.inp", notWritten + "Filename refers to a directory");
    failed("full file system", "replay", table, "full disk", notWritten + "No space left on device");
    failed("file size limit", "replay", table, "file size limit", notWritten + "File too large");
}

// A run over an earlier result: the control file, the engine runs, the
// message, and the tiles with their count and the order text after success.
void TestTileRun::showTiles()
{
    QFETCH(int, method);
    QFETCH(Entries, changes);
    QFETCH(QString, engine);
    QFETCH(QByteArray, replay);
    QFETCH(QString, obstacle);
    QFETCH(QByteArray, controlFile);
    QFETCH(int, runs);
    QFETCH(QString, message);
    QFETCH(QString, details);
    QFETCH(QStringList, tiles);
    const QString work = m_work->path();
    const QString replayFile = m_shown->appFolder.filePath("replay.lst");
#ifdef Q_OS_UNIX
    if (replay == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(replayFile).constData(), 0600), 0);
    } else if (replay == "big") {
        QFile big(m_shown->appFolder.filePath("big.lst"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(256) * 1024 * 1024 + 1));
        QVERIFY(QFile::link(big.fileName(), replayFile));
    } else
#else
    if (replay == "fifo" || replay == "big" || obstacle.contains(u' '))
        QSKIP("needs named pipes, symbolic links and Linux file system limits");
#endif
        if (!replay.isNull())
        TestFolders::writeFile(replayFile, replay);
#ifdef Q_OS_LINUX
    if (obstacle == "full disk" && ::mount("tmpfs", QFile::encodeName(work).constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("a small file system cannot be mounted here (needs root)");
    const auto unmount = qScopeGuard([&] {
        if (obstacle == "full disk")
            ::umount2(QFile::encodeName(work).constData(), MNT_DETACH);
    });
#endif
    TestFolders::writeFile(work + "/quorvantix.inp", OldControlFile);
    TestFolders::writeFile(work + "/quorvantix.lst", crlf({Header, "1    99     earlier"}));
    if (obstacle == "full disk") {
        QFile filler(work + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) { }
    } else if (obstacle.startsWith("quorvantix")) {
        QVERIFY(QFile::remove(work + '/' + obstacle) && QDir(work).mkpath(obstacle + "/inside"));
    }
    qputenv("QUORVANTIX_ENGINE_TEST_CRASH_AFTER", engine == "crash" ? "300" : "");
    const auto unset = qScopeGuard([] { qunsetenv("QUORVANTIX_ENGINE_TEST_CRASH_AFTER"); });
    open(engine == "crash" ? "stand-in" : engine);
    enter(method, changes);
    const ui::Controls c = m_shown->controls();
    c.listWidget("TilesListBox")->addItem("Tile number: 99");
    c.setText("TilesCountLabel", "7");
    c.setText("WarningLabel", "earlier order text");
    c.widget("ShowFileButton")->setEnabled(true);

    {
#ifdef Q_OS_UNIX
        const std::optional<FileSizeLimit> limit = obstacle == "file size limit" ? std::make_optional<FileSizeLimit>(64)
                                                                                 : std::nullopt;
#endif
        clickShow();
    }

    QCOMPARE(TestFolders::readFile(work + "/quorvantix.inp"), controlFile);
    QCOMPARE(engineLog(), QStringList(runs, work + QStringLiteral("|0")));
    QCOMPARE(TestFolders::readFile(m_shown->appFolder.filePath("replay-seen.inp")), runs ? controlFile : QByteArray());
    message.replace("%1", QDir::toNativeSeparators(work));
    message.replace("%2", QDir::toNativeSeparators(m_shown->appFolder.path()));
    QCOMPARE(shown(), message.isEmpty() ? QStringList() : QStringList{message});
    for (const RecordingMessages::Shown &box : std::as_const(m_shown->messages.shown)) {
        QCOMPARE(box.icon, ui::MessageIcon::Critical);
        QVERIFY2(box.details.contains(details), qPrintable(box.details));
    }
    QCOMPARE(c.items("TilesListBox"), tiles);
    QCOMPARE(c.text("TilesCountLabel"), message.isEmpty() ? QString::number(tiles.size()) : QStringLiteral("7"));
    QCOMPARE(c.text("WarningLabel"), message.isEmpty() ? OrderText : QStringLiteral("earlier order text"));
    QCOMPARE(c.widget("ShowFileButton")->isEnabled(), message.isEmpty());
    const QList<RecordingPointer::Change> &pointer = m_shown->pointer.changes;
    QCOMPARE(pointer.size(), 2);
    QVERIFY(pointer[0].shape == ui::MousePointer::Shape::Hourglass
            && pointer[1].shape == ui::MousePointer::Shape::Default);
    QCOMPARE(pointer[1].over, m_shown->window.get());
}

void TestTileRun::showWithoutDomain()
{
    open("replay", false);
    // The button is enabled only by a domain pick: enabled here, it shows the check behind it.
    m_shown->controls().widget("cmdShow")->setEnabled(true);
    clickShow();
    QCOMPARE(shown(), QStringList{"Quorvantix GUI: No domain has been selected"});
    QVERIFY(m_shown->pointer.changes.isEmpty());
    QCOMPARE(engineLog(), QStringList());
}

// After a run, another country, then Tab into the domain list: its first
// entry becomes current without being chosen, and the next run takes no year
// from it.
void TestTileRun::focusChoosesNoDomain()
{
    TestFolders::writeFile(m_shown->appFolder.filePath("replay.lst"), crlf({Header, "1    5     a"}));
    open("replay");
    clickShow();
    QCOMPARE(shown(), QStringList());
    m_shown->pickCountry("Chile");
    const ui::Controls c = m_shown->controls();
    QListWidget *domains = c.listWidget("DomainsAvailableBox");
    QVERIFY(domains->count() > 0);
    enter(3); // the centre entries, which a new country leaves alone
    c.widget("CountriesListBox")->setFocus();
    QTest::keyClick(c.widget("CountriesListBox"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), domains);
    QCOMPARE(domains->currentRow(), 0);
    QCOMPARE(c.text("DomainsAvailableBox"), QString());

    clickShow();
    const QList<QByteArray> written = TestFolders::readFile(m_shown->appFolder.filePath("replay-seen.inp")).split('\n');
    QCOMPARE(written.value(3), "7       ! MM5 region ID (See list below)\r");
    QCOMPARE(written.value(4), "      ! Year of tiled data\r");
    QCOMPARE(engineLog().size(), 2);
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
    QTest::addColumn<int>("delayMs");           // before the engine writes its list file
    QTest::addColumn<QByteArray>("crashAfter"); // bytes of the list written in place before the delay
    QTest::addColumn<Action>("action");         // taken once the progress window shows, or at 300 ms
    QTest::addColumn<bool>("progress");         // whether the progress window shows
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("tiles");

    QTest::newRow("quick run") << 0 << QByteArray() << Action::None << false << QStringList() << 4;
    QTest::newRow("slow run") << 1800 << QByteArray() << Action::None << true << QStringList() << 4;
    QTest::newRow("cancelled with half a list written")
        << 30000 << QByteArray("300") << Action::Cancel << true
        << QStringList("Quorvantix GUI: The run of the Quorvantix executable was cancelled; no tiles are shown.") << 0;
    QTest::newRow("window closed") << 30000 << QByteArray() << Action::CloseWindow << false << QStringList() << 0;
}

// The stand-in engine made slow. While it runs: the window repaints, a key
// typed into an entry field is not taken, the progress window shows for a
// long run only, Cancel or closing the window ends the engine. Afterwards no
// engine is left, and no list file when the run was stopped.
void TestTileRun::longRun()
{
    QFETCH(int, delayMs);
    QFETCH(QByteArray, crashAfter);
    QFETCH(Action, action);
    QFETCH(int, tiles);
    qputenv("QUORVANTIX_ENGINE_TEST_DELAY_MS", QByteArray::number(delayMs));
    qputenv("QUORVANTIX_ENGINE_TEST_CRASH_AFTER", crashAfter);
    const auto unset = qScopeGuard([] {
        qunsetenv("QUORVANTIX_ENGINE_TEST_DELAY_MS");
        qunsetenv("QUORVANTIX_ENGINE_TEST_CRASH_AFTER");
    });
    open("stand-in");
    enter(2);
    QLineEdit *field = m_shown->edit("TextIndexiStart");
    PaintCounter painted;
    m_shown->window->installEventFilter(&painted);

    // What happens while the engine runs, every 100 ms.
    bool progressSeen = false;
    int ticks = 0;
    QStringList engines;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        ++ticks;
        m_shown->window->update();
        if (engines.isEmpty())
            engines = enginesRunning(m_shown->appFolder.path());
        if (ticks == 2)
            QTest::keyClick(field, Qt::Key_9);
        auto *dialog = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        progressSeen = progressSeen || (dialog && dialog->objectName() == QLatin1String("EngineRunProgress"));
        if (action == Action::Cancel && dialog)
            QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        if (action == Action::CloseWindow && ticks == 3)
            m_shown->window->close();
    });
    watch.start(100);
    clickShow();
    watch.stop();

    QTEST(progressSeen, "progress");
    QTEST(shown(), "messages");
    QCOMPARE(m_shown->controls().listWidget("TilesListBox")->count(), tiles);
    QCOMPARE(field->text(), QStringLiteral("10"));
    QCOMPARE(enginesRunning(m_shown->appFolder.path()), QStringList());
    QCOMPARE(QFileInfo::exists(m_work->filePath("quorvantix.lst")), tiles > 0);
    QCOMPARE(m_shown->pointer.current, ui::MousePointer::Shape::Default);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    if (delayMs > 0) {
        QVERIFY(ticks >= 3);
        QVERIFY(painted.paints > 0);
#ifdef Q_OS_LINUX
        QVERIFY(!engines.isEmpty());
#endif
    }
}

QTEST_MAIN(TestTileRun)
#include "tst_tilerun.moc"
