#include "support/runwindow.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

// "Show tiles in domain" when the world around the engine fails: a control
// file that cannot be written, an engine that crashes, a list file that is
// not a plain file, an entry that is only focused.
class TestRunFaults : public QObject
{
    Q_OBJECT

private slots:
    void controlFileNotWritten_data();
    void controlFileNotWritten();
    void listFileNotUsed_data();
    void listFileNotUsed();
    void focusChoosesNoDomain();
};

namespace {

const QByteArray OldControlFile = "an earlier control file\r\n";

#ifdef Q_OS_LINUX
// Lets no file of this process grow beyond `bytes` while it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};
#endif

} // namespace

void TestRunFaults::controlFileNotWritten_data()
{
    QTest::addColumn<bool>("fullDisk"); // else a file size limit
    QTest::addColumn<QString>("reason");
    QTest::newRow("full file system") << true << "No space left on device";
    QTest::newRow("file size limit") << false << "File too large";
}

// The earlier control file stays byte for byte, the engine does not run and
// the message names the file and the system's reason.
void TestRunFaults::controlFileNotWritten()
{
#ifndef Q_OS_LINUX
    QSKIP("needs Linux file system limits");
#else
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    RunWindow run;
    QString folder = run.work.path();
    if (fullDisk) {
        folder = run.work.filePath(QStringLiteral("small"));
        QVERIFY(QDir().mkpath(folder));
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("a small file system cannot be mounted here (needs root)");
    }
    const auto unmount = qScopeGuard([&] {
        if (fullDisk)
            ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    });
    TestFolders::writeFile(folder + QStringLiteral("/quorvantix.inp"), OldControlFile);
    if (fullDisk) {
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
    }
    QVERIFY(run.open(RunWindow::replayEngine(), folder));

    {
        const std::optional<FileSizeLimit> limit = fullDisk ? std::nullopt : std::make_optional<FileSizeLimit>(64);
        run.clickShow();
    }

    QCOMPARE(TestFolders::readFile(folder + QStringLiteral("/quorvantix.inp")), OldControlFile);
    QCOMPARE(run.engineLog(), QString());
    QCOMPARE(run.shown(), QStringList(QStringLiteral("Error: Unable to write the control file %1/quorvantix.inp: %2")
                                          .arg(QDir::toNativeSeparators(folder), reason)));
    QCOMPARE(run.pointer.current, ui::MousePointer::Shape::Default);
#endif
}

void TestRunFaults::listFileNotUsed_data()
{
    QTest::addColumn<QByteArray>("crashAfter"); // bytes of the list the stand-in engine writes before it dies
    QTest::addColumn<QString>("replay"); // else the replay engine leaves this list file: a kind, or its text
    QTest::addColumn<QString>("message"); // "title: text"; %1 the list file, %2 the working folder
    QTest::addColumn<QString>("details"); // a part of the detailed text

    QTest::newRow("engine crashes while writing its list")
        << QByteArray("300") << ""
        << "Quorvantix GUI: The Quorvantix executable stopped unexpectedly, so its list file %1 is not used."
        << "Quorvantix: stopped on request after 300 bytes of quorvantix.lst";
    const QString notRegular = QStringLiteral("Quorvantix GUI: The list file %1 is not a regular file, so it is not read.");
    QTest::newRow("named pipe") << QByteArray() << "fifo" << notRegular << "";
    QTest::newRow("link to an endless device") << QByteArray() << "link:/dev/zero" << notRegular << "";
    QTest::newRow("link to a file over 256 MB")
        << QByteArray() << "big" << "Quorvantix GUI: The list file %1 is larger than 256 MB, so it is not read." << "";
    // The engine's reasons: its text before the header, behind the usual message.
    QTest::newRow("engine refuses the request")
        << QByteArray() << "Request for region 7\r\nERROR: the box lies outside the domain (I 1 to 90)\r\n"
        << "Quorvantix: Unable to find tiles in domain selected, check quorvantix.lst file in your application "
           "folder (%2) for details "
        << "Request for region 7\nERROR: the box lies outside the domain (I 1 to 90)";
    QTest::newRow("list without header")
        << QByteArray() << "  nothing to be done\r\n"
        << "Quorvantix: Unable to process the entered data, please check that your domain limits are within the "
           "region selected "
        << "nothing to be done";
}

// A failed run over an earlier result: the message with the engine's words
// as details, nothing from the list file shown, the earlier tiles, count and
// order text kept, the output button disabled.
void TestRunFaults::listFileNotUsed()
{
    QFETCH(QByteArray, crashAfter);
    QFETCH(QString, replay);
    QFETCH(QString, message);
    QFETCH(QString, details);
    RunWindow run;
    const QString replayFile = run.appFolder.filePath("replay.lst");
#ifdef Q_OS_UNIX
    if (replay == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(replayFile).constData(), 0600), 0);
    } else if (replay == "big") {
        QFile big(run.appFolder.filePath("big.lst"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(256) * 1024 * 1024 + 1));
        QVERIFY(QFile::link(big.fileName(), replayFile));
    } else if (replay.startsWith("link:")) {
        QVERIFY(QFile::link(replay.mid(5), replayFile));
    } else if (!replay.isEmpty()) {
        TestFolders::writeFile(replayFile, replay.toLatin1());
    }
#else
    if (replay == "fifo" || replay == "big" || replay.startsWith("link:"))
        QSKIP("needs named pipes and symbolic links");
    if (!replay.isEmpty())
        TestFolders::writeFile(replayFile, replay.toLatin1());
#endif
    qputenv("QUORVANTIX_ENGINE_TEST_CRASH_AFTER", crashAfter);
    const auto unset = qScopeGuard([] { qunsetenv("QUORVANTIX_ENGINE_TEST_CRASH_AFTER"); });
    QVERIFY(run.open(replay.isEmpty() ? RunWindow::standInEngine() : RunWindow::replayEngine()));
    const ui::Controls c = run.controls();
    c.addItem("TilesListBox", "Tile number: 99");
    c.setText("TilesCountLabel", "7");
    c.setText("WarningLabel", "earlier order text");
    c.setEnabled("ShowFileButton", true);

    run.clickShow();

    message.replace("%1", QDir::toNativeSeparators(run.work.filePath("quorvantix.lst")));
    message.replace("%2", QDir::toNativeSeparators(run.work.path()));
    QCOMPARE(run.shown(), QStringList(message));
    QVERIFY2(run.messages.shown.first().details.contains(details), qPrintable(run.messages.shown.first().details));
    QCOMPARE(c.items("TilesListBox"), QStringList("Tile number: 99"));
    QCOMPARE(c.text("TilesCountLabel"), "7");
    QCOMPARE(c.text("WarningLabel"), "earlier order text");
    QVERIFY(!c.isEnabled("ShowFileButton"));
    QCOMPARE(run.pointer.current, ui::MousePointer::Shape::Default);
}

// After a run, another country, then Tab into the domain list: its first
// entry becomes current without being chosen, and the next run takes no year
// from it.
void TestRunFaults::focusChoosesNoDomain()
{
    RunWindow run;
    TestFolders::writeFile(run.appFolder.filePath("replay.lst"),
                           TestFolders::crlf({"No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected", "1    5     a"}));
    QVERIFY(run.open(RunWindow::replayEngine()));
    run.clickShow();
    QCOMPARE(run.shown(), QStringList());
    const ui::Controls c = run.controls();
    QComboBox *countries = c.comboBox("CountriesListBox");
    UserClicks::pickComboText(countries, "Chile");
    QListWidget *domains = c.listWidget("DomainsAvailableBox");
    QVERIFY(domains->count() > 0);
    // The centre entries, which a new country leaves alone.
    UserClicks::pickComboItem(c.comboBox("cboChoice1"), 2);
    for (const auto &[name, value] : {std::pair{"txtEMRLAT01", "46"}, {"txtEMRLON01", "2"}, {"txtRadius1", "50"}})
        c.setText(name, value);
    // Offscreen, a closed combo popup can stay the active window.
    QApplication::setActiveWindow(run.window.get());
    QVERIFY(QTest::qWaitForWindowActive(run.window.get()));
    countries->setFocus();
    QTest::keyClick(countries, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), domains);
    QCOMPARE(domains->currentRow(), 0);

    QCOMPARE(c.text("DomainsAvailableBox"), QString());
    QCOMPARE(c.selectedIndex("DomainsAvailableBox"), -1);
    run.clickShow();
    const QList<QByteArray> written = TestFolders::readFile(run.appFolder.filePath("replay-seen.inp")).split('\n');
    QCOMPARE(written.value(3), "7       ! MM5 region ID (See list below)\r");
    QCOMPARE(written.value(4), "      ! Year of tiled data\r");
    QCOMPARE(run.engineLog().count(u'\n'), 2);
}

QTEST_MAIN(TestRunFaults)
#include "tst_runfaults.moc"
