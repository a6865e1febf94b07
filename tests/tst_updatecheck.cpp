#include "app/basmodule.h"
#include "app/frmmain.h"
#include "support/loopbackhttpserver.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"
#include "update/downloadscontrol.h"

#include <QLabel>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace std::chrono_literals;

namespace {

const QString Question = QStringLiteral("The version of configuration file you are using is not the latest one, "
                                        "would you like to download the latest update");
const QString NowUpToDate = QStringLiteral("Your configuration file is now up to date");
const QString UpToDate = QStringLiteral("Your configuration file is up to date");

// The sample catalogue with another date on its first line.
QByteArray sampleDated(const QByteArray &date)
{
    QByteArray bytes = TestFolders::readFile(TestFolders::sampleCatalogue());
    const qsizetype lineEnd = bytes.indexOf('\r');
    const qsizetype at = bytes.lastIndexOf("20110419", lineEnd);
    return bytes.replace(at, 8, date);
}

enum class Serve { Body, NotFound, NoAnswer };

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void newerCatalogueIsOffered_data();
    void newerCatalogueIsOffered();
    void sameOrOlderIsUpToDate_data();
    void sameOrOlderIsUpToDate();
    void missingCatalogueIsFetched();
    void failuresChangeNothing_data();
    void failuresChangeNothing();
    void linesAreWrittenTrimmedWithCrLf_data();
    void linesAreWrittenTrimmedWithCrLf();
    void failedWriteKeepsTheOldCatalogue_data();
    void failedWriteKeepsTheOldCatalogue();

private:
    void openWindow();
    void clickLabel();
    QString cataloguePath() const { return m_appFolder->filePath(QStringLiteral("tiles.cfg")); }
    QString remoteAddress() const { return m_server.baseAddress() + QStringLiteral("/quorvantix/tiles_cfg.txt"); }
    void verifyPointerRestored();

    LoopbackHttpServer m_server;
    std::unique_ptr<QTemporaryDir> m_appFolder;
    std::unique_ptr<frmMain> m_window;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
};

void TestUpdateCheck::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_server.start());
}

void TestUpdateCheck::init()
{
    m_appFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), cataloguePath()));
    m_messages = RecordingMessages();
    m_pointer = RecordingPointer();
}

void TestUpdateCheck::cleanup()
{
    m_window.reset();
}

void TestUpdateCheck::openWindow()
{
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder->path());
    m_window->downloadsControl().setBaseAddress(m_server.baseAddress());
    m_window->downloadsControl().setTimeout(300ms);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_messages.clear();
}

void TestUpdateCheck::clickLabel()
{
    // The window's tile count label is also "Label1"; the control's is its own.
    auto *label = m_window->downloadsControl().findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label);
    m_pointer.changes.clear();
    QTest::mouseClick(label, Qt::LeftButton);
}

void TestUpdateCheck::verifyPointerRestored()
{
    QWidget *label = m_window->downloadsControl().findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(m_pointer.changes.size(), 2);
    QCOMPARE(m_pointer.changes.at(0).over, label);
    QCOMPARE(m_pointer.changes.at(0).shape, ui::MousePointer::Shape::Hourglass);
    QCOMPARE(m_pointer.changes.at(1).over, label);
    QCOMPARE(m_pointer.changes.at(1).shape, ui::MousePointer::Shape::Default);
}

void TestUpdateCheck::newerCatalogueIsOffered_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestUpdateCheck::newerCatalogueIsOffered()
{
    QFETCH(bool, accept);
    const QByteArray served = sampleDated("20110420");
    m_server.respond(served);
    openWindow();
    const QByteArray before = TestFolders::readFile(cataloguePath());
    m_messages.answers = {accept ? ui::MessageAnswer::Yes : ui::MessageAnswer::No};
    // The hourglass stays up while the user is asked.
    m_messages.onShow = [this](const RecordingMessages::Shown &) {
        QCOMPARE(m_pointer.current, ui::MousePointer::Shape::Hourglass);
    };
    clickLabel();

    QVERIFY(!m_messages.shown.isEmpty());
    const RecordingMessages::Shown &question = m_messages.shown.first();
    QCOMPARE(question.text, Question);
    QCOMPARE(question.icon, ui::MessageIcon::None);
    QCOMPARE(question.buttons, ui::MessageButtons::YesNo);
    QCOMPARE(question.title, QStringLiteral("Quorvantix GUI"));
    verifyPointerRestored();

    ui::Controls &c = m_window->controls();
    if (!accept) {
        QCOMPARE(m_messages.texts(), QStringList{Question});
        QCOMPARE(TestFolders::readFile(cataloguePath()), before);
        QCOMPARE(c.text(QStringLiteral("ConfigDate")), QStringLiteral("19 April 2011"));
        return;
    }
    QCOMPARE(m_messages.texts(), (QStringList{Question, NowUpToDate}));
    QCOMPARE(m_messages.shown.at(1).icon, ui::MessageIcon::Information);
    QCOMPARE(m_messages.shown.at(1).title, QStringLiteral("Quorvantix GUI"));
    QVERIFY(TestFolders::readFile(cataloguePath()).startsWith("Catalogue date: 20110420\r\n"));
    QCOMPARE(basModule::ConfigFileDate, QDate(2011, 4, 20));
    QCOMPARE(c.text(QStringLiteral("ConfigDate")), QStringLiteral("20 April 2011"));
    QVERIFY(c.itemCount(QStringLiteral("CountriesListBox")) > 0);
}

void TestUpdateCheck::sameOrOlderIsUpToDate_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::newRow("same day") << QByteArray("20110419");
    QTest::newRow("one day older") << QByteArray("20110418");
}

void TestUpdateCheck::sameOrOlderIsUpToDate()
{
    QFETCH(QByteArray, date);
    m_server.respond(sampleDated(date));
    openWindow();
    const QByteArray before = TestFolders::readFile(cataloguePath());
    clickLabel();
    QCOMPARE(m_messages.texts(), QStringList{UpToDate});
    QCOMPARE(m_messages.shown.first().icon, ui::MessageIcon::Information);
    QCOMPARE(TestFolders::readFile(cataloguePath()), before);
    verifyPointerRestored();
}

void TestUpdateCheck::missingCatalogueIsFetched()
{
    QVERIFY(QFile::remove(cataloguePath()));
    m_server.respond(sampleDated("20990101"));
    openWindow();
    ui::Controls &c = m_window->controls();
    QCOMPARE(c.itemCount(QStringLiteral("CountriesListBox")), 0);

    clickLabel();
    QCOMPARE(m_messages.texts(), (QStringList{Question, NowUpToDate}));
    QVERIFY(QFileInfo::exists(cataloguePath()));
    QCOMPARE(c.text(QStringLiteral("ConfigDate")), QStringLiteral("1 January 2099"));
    QVERIFY(c.items(QStringLiteral("CountriesListBox")).contains(QStringLiteral("France")));
}

void TestUpdateCheck::failuresChangeNothing_data()
{
    QTest::addColumn<Serve>("serve");
    QTest::addColumn<QByteArray>("body");
    // %1 stands for the address read.
    QTest::addColumn<QString>("message");

    const QString failed = QStringLiteral("Error when downloading from %1\n");
    QTest::newRow("empty body") << Serve::Body << QByteArray() << failed + "Download did not contain content";
    QTest::newRow("not found") << Serve::NotFound << QByteArray()
                               << failed + "Download error. Status: 404 Not Found";
    QTest::newRow("no answer") << Serve::NoAnswer << QByteArray()
                               << failed + "Download error. Status: Timed out: the download did not end within 300 milliseconds";

    const QString noDate = QStringLiteral("The downloaded configuration file does not start with its date "
                                          "(a label, a colon and the date as YYYYMMDD).\n"
                                          "Your configuration file was not changed.");
    const QString notADate = QStringLiteral("The date \"%2\" of the downloaded configuration file is not a "
                                            "calendar date (YYYYMMDD).\nYour configuration file was not changed.");
    QTest::newRow("no colon") << Serve::Body << QByteArray("Catalogue date 20990101\r\n3\r\n") << noDate;
    QTest::newRow("nothing before the colon") << Serve::Body << QByteArray(":20990101\r\n") << noDate;
    QTest::newRow("month 13") << Serve::Body << QByteArray("Date: 20991301\r\n") << notADate.arg("20991301");
    QTest::newRow("30 February") << Serve::Body << QByteArray("Date: 20990230\r\n") << notADate.arg("20990230");
    // LF-only line ends run the whole catalogue into its first line.
    QByteArray lfOnly = sampleDated("20990101");
    lfOnly.replace("\r\n", "\n");
    QTest::newRow("LF line ends") << Serve::Body << lfOnly
                                  << notADate.arg("209901013QMT tiled MM5 data catalogue (s...");
}

void TestUpdateCheck::failuresChangeNothing()
{
    QFETCH(Serve, serve);
    QFETCH(QByteArray, body);
    QFETCH(QString, message);

    openWindow();
    switch (serve) {
    case Serve::Body:
        m_server.respond(body);
        break;
    case Serve::NotFound:
        m_server.respond("missing", 404, "Not Found");
        break;
    case Serve::NoAnswer:
        m_server.neverAnswer();
        break;
    }
    const QByteArray before = TestFolders::readFile(cataloguePath());
    clickLabel();

    QCOMPARE(m_messages.texts(), QStringList{message.contains(QLatin1String("%1")) ? message.arg(remoteAddress()) : message});
    QCOMPARE(m_messages.shown.first().icon, ui::MessageIcon::Critical);
    QCOMPARE(m_messages.shown.first().title, QStringLiteral("Quorvantix GUI"));
    QCOMPARE(TestFolders::readFile(cataloguePath()), before);
    QCOMPARE(QDir(m_appFolder->path()).entryList(QDir::Files), QStringList{"tiles.cfg"});
    QCOMPARE(m_window->controls().text(QStringLiteral("ConfigDate")), QStringLiteral("19 April 2011"));
    verifyPointerRestored();
}

void TestUpdateCheck::linesAreWrittenTrimmedWithCrLf_data()
{
    QTest::addColumn<QByteArray>("served");
    QTest::addColumn<QByteArray>("written");
    // Blanks go, tabs stay; bytes above 127 are kept as they came.
    QTest::newRow("blanks around lines") << QByteArray("  Date: 20990101  \r\n\t3 \r\n   Qu\xE9" "bec\r\n")
                                         << QByteArray("Date: 20990101\r\n\t3\r\nQu\xE9" "bec\r\n\r\n");
    QTest::newRow("no end after the last line") << QByteArray("Date: 20990101\r\nlast")
                                                << QByteArray("Date: 20990101\r\nlast\r\n");
    QTest::newRow("LF-only lines join") << QByteArray("Date: 20990419\nx\n12")
                                        << QByteArray("Date: 20990419x12\r\n");
}

void TestUpdateCheck::linesAreWrittenTrimmedWithCrLf()
{
    QFETCH(QByteArray, served);
    QFETCH(QByteArray, written);
    m_server.respond(served);
    openWindow();
    clickLabel();
    QVERIFY(m_messages.texts().size() >= 2);
    QCOMPARE(m_messages.texts().mid(0, 2), (QStringList{Question, NowUpToDate}));
    QCOMPARE(TestFolders::readFile(cataloguePath()), written);
}

void TestUpdateCheck::failedWriteKeepsTheOldCatalogue_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder gone") << false << "No such file or directory";
#ifdef Q_OS_UNIX
    QTest::newRow("disk full") << true << "File too large";
#endif
}

void TestUpdateCheck::failedWriteKeepsTheOldCatalogue()
{
    QFETCH(bool, diskFull);
    QFETCH(QString, reason);
    m_server.respond(sampleDated("20990101"));
    openWindow();
    const QByteArray before = TestFolders::readFile(cataloguePath());
    QString target = cataloguePath();
    if (!diskFull) {
        // The application folder has gone since start-up.
        m_window->state().appFolder = m_appFolder->filePath(QStringLiteral("gone"));
        target = m_appFolder->filePath(QStringLiteral("gone/tiles.cfg"));
    }

#ifdef Q_OS_UNIX
    // Files may not grow past 1 KiB, even for root: a full disk as far as
    // the writer can tell.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (diskFull) {
        rlimit small = saved;
        small.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &small);
    }
#endif
    clickLabel();
#ifdef Q_OS_UNIX
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
#endif

    QCOMPARE(m_messages.shown.size(), 2);
    QCOMPARE(m_messages.shown.at(0).text, Question);
    const RecordingMessages::Shown &failure = m_messages.shown.at(1);
    QCOMPARE(failure.icon, ui::MessageIcon::Critical);
    QCOMPARE(failure.text, QStringLiteral("The configuration file %1 could not be written: %2\n"
                                          "Your configuration file was not changed.")
                               .arg(QDir::toNativeSeparators(target), reason));
    QCOMPARE(TestFolders::readFile(cataloguePath()), before);
    QCOMPARE(QDir(m_appFolder->path()).entryList(QDir::Files), QStringList{"tiles.cfg"});
    QCOMPARE(m_window->controls().text(QStringLiteral("ConfigDate")), QStringLiteral("19 April 2011"));
    verifyPointerRestored();
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
