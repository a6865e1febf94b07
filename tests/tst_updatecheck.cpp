#include "support/loopbackhttpserver.h"
#include "support/shownwindow.h"
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

QByteArray sample()
{
    return TestFolders::readFile(TestFolders::sampleCatalogue());
}

// The sample catalogue with another date, without blanks around its lines
// (as the update writes them) and with a byte above 127 in its title.
QByteArray catalogueDated(const QByteArray &date)
{
    return sample()
        .replace("Catalogue date: 20110419", "Catalogue date: " + date)
        .replace("\r\n  number", "\r\nnumber")
        .replace("(sample,", "(Qu\xE9" "bec sample,");
}

enum class Serve { Reply, Error500, Refused, Silent, DiskFull };

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void checkAndReplace_data();
    void checkAndReplace();
    void failuresChangeNothing_data();
    void failuresChangeNothing();

private:
    void openWindow(bool withCatalogue);
    void clickLabel();
    QString cataloguePath() const { return m_shown.appFolder.filePath(QStringLiteral("tiles.cfg")); }
    DownloadsControl &control() const { return *m_shown.window->findChild<DownloadsControl *>(); }

    LoopbackHttpServer m_server;
    QString m_refusing;
    ShownWindow m_shown;
};

void TestUpdateCheck::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_server.start());
    m_refusing = LoopbackHttpServer::refusingAddress();
}

void TestUpdateCheck::cleanup()
{
    m_shown.window.reset();
}

void TestUpdateCheck::openWindow(bool withCatalogue)
{
    QVERIFY(m_shown.open(withCatalogue ? sample() : QByteArray()));
    control().setBaseAddress(m_server.baseAddress());
    control().setTimeout(300ms);
    m_shown.messages.clear();
}

// Clicks the control's link (its "Label1", not the window's label of that
// name); the hourglass stands over it for the whole check.
void TestUpdateCheck::clickLabel()
{
    auto *label = control().findChild<QLabel *>(QStringLiteral("Label1"));
    m_shown.pointer.changes.clear();
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(m_shown.pointer.changes.size(), 2);
    QCOMPARE(m_shown.pointer.changes.first().over, label);
    QCOMPARE(m_shown.pointer.changes.first().shape, ui::MousePointer::Shape::Hourglass);
    QCOMPARE(m_shown.pointer.changes.last().over, label);
    QCOMPARE(m_shown.pointer.changes.last().shape, ui::MousePointer::Shape::Default);
}

void TestUpdateCheck::checkAndReplace_data()
{
    QTest::addColumn<QByteArray>("served");
    QTest::addColumn<bool>("local");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("messages");
    // The catalogue file afterwards: the text ends with CR LF, so one empty line follows.
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("configDate");

    const QByteArray newer = catalogueDated("20110420");
    QTest::newRow("newer, Yes") << newer << true << true << QStringList{Question, NowUpToDate} << newer + "\r\n"
                                << "20 April 2011";
    QTest::newRow("newer, No") << newer << true << false << QStringList{Question} << sample() << "19 April 2011";
    QTest::newRow("same date") << catalogueDated("20110419") << true << true << QStringList{UpToDate} << sample()
                               << "19 April 2011";
    QTest::newRow("older") << catalogueDated("20110418") << true << true << QStringList{UpToDate} << sample()
                           << "19 April 2011";
    QTest::newRow("blanks around lines") << "  " + catalogueDated("20110420").replace("\r\n", " \r\n  ") << true
                                         << true << QStringList{Question, NowUpToDate} << newer + "\r\n"
                                         << "20 April 2011";
    QTest::newRow("no local catalogue") << catalogueDated("20990101") << false << true
                                        << QStringList{Question, NowUpToDate} << catalogueDated("20990101") + "\r\n"
                                        << "1 January 2099";
}

void TestUpdateCheck::checkAndReplace()
{
    QFETCH(QByteArray, served);
    QFETCH(bool, local);
    QFETCH(bool, yes);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, written);
    QFETCH(QString, configDate);

    m_server.respond(served);
    openWindow(local);
    const ui::Controls c = m_shown.controls();
    QCOMPARE(c.itemCount(QStringLiteral("CountriesListBox")) > 0, local);
    m_shown.messages.answers = {yes ? ui::MessageAnswer::Yes : ui::MessageAnswer::No};
    m_shown.messages.onShow = [this](const RecordingMessages::Shown &) {
        QCOMPARE(m_shown.pointer.current, ui::MousePointer::Shape::Hourglass);
    };
    clickLabel();

    QCOMPARE(m_shown.messages.texts(), messages);
    for (const RecordingMessages::Shown &shown : std::as_const(m_shown.messages.shown)) {
        const bool question = shown.text == Question;
        QCOMPARE(shown.title, QStringLiteral("Quorvantix GUI"));
        QCOMPARE(shown.buttons, question ? ui::MessageButtons::YesNo : ui::MessageButtons::Ok);
        QCOMPARE(shown.icon, question ? ui::MessageIcon::None : ui::MessageIcon::Information);
    }
    QCOMPARE(TestFolders::readFile(cataloguePath()), written);
    QCOMPARE(c.text(QStringLiteral("ConfigDate")), configDate);
    QVERIFY(c.items(QStringLiteral("CountriesListBox")).contains(QStringLiteral("France")));
}

void TestUpdateCheck::failuresChangeNothing_data()
{
    QTest::addColumn<Serve>("serve");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("message");

    const QString failed = "Error when downloading from " + m_server.baseAddress() + "/quorvantix/tiles_cfg.txt\n";
    QTest::newRow("empty body") << Serve::Reply << QByteArray() << failed + "Download did not contain content";
    // A failure is reported as one even when nothing came with it.
    QTest::newRow("HTTP 500, no body") << Serve::Error500 << QByteArray() << failed + "Download error. Status: 500 Internal Server Error";
    QTest::newRow("refused") << Serve::Refused << QByteArray() << "Error when downloading from " + m_refusing
                                    + "/quorvantix/tiles_cfg.txt\nDownload error. Status: Connection refused";
    QTest::newRow("no answer") << Serve::Silent << QByteArray()
                               << failed + "Download error. Status: Timed out: the download did not end within 300 milliseconds";

    const QString noDate = QStringLiteral("The downloaded configuration file does not start with its date "
                                          "(a label, a colon and the date as YYYYMMDD).\n"
                                          "Your configuration file was not changed.");
    const QString notADate = QStringLiteral("The date \"%1\" of the downloaded configuration file is not a "
                                            "calendar date (YYYYMMDD).\nYour configuration file was not changed.");
    QTest::newRow("no colon") << Serve::Reply << QByteArray("Catalogue date 20990101\r\n3\r\n") << noDate;
    QTest::newRow("30 February") << Serve::Reply << QByteArray("Date: 20990230\r\n") << notADate.arg("20990230");
    // LF-only line ends run the whole catalogue into its first line.
    QTest::newRow("LF line ends") << Serve::Reply << sample().replace("\r\n", "\n")
                                  << notADate.arg("201104193QMT tiled MM5 data catalogue (s...");
#ifdef Q_OS_UNIX
    QTest::newRow("folder cannot take the file") << Serve::DiskFull << catalogueDated("20990101")
                                                 << "The configuration file "
                                                        + QDir::toNativeSeparators(cataloguePath())
                                                        + " could not be written: File too large\n"
                                                          "Your configuration file was not changed.";
#endif
}

void TestUpdateCheck::failuresChangeNothing()
{
    QFETCH(Serve, serve);
    QFETCH(QByteArray, body);
    QFETCH(QString, message);

    openWindow(true);
    if (serve == Serve::Refused)
        control().setBaseAddress(m_refusing);
    if (serve == Serve::Silent)
        m_server.neverAnswer();
    else
        m_server.respond(body, serve == Serve::Error500 ? "500 Internal Server Error" : "200 OK");

#ifdef Q_OS_UNIX
    // Files may not grow past 1 KiB, even for root: a full disk as far as
    // the writer can tell.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    if (serve == Serve::DiskFull)
        limited.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
#endif
    clickLabel();
#ifdef Q_OS_UNIX
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
#endif

    QCOMPARE(m_shown.messages.texts(), (serve == Serve::DiskFull ? QStringList{Question, message} : QStringList{message}));
    QCOMPARE(m_shown.messages.shown.last().icon, ui::MessageIcon::Critical);
    QCOMPARE(TestFolders::readFile(cataloguePath()), sample());
    QCOMPARE(QDir(m_shown.appFolder.path()).entryList(QDir::Files), QStringList{"tiles.cfg"});
    QCOMPARE(m_shown.controls().text(QStringLiteral("ConfigDate")), QStringLiteral("19 April 2011"));
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
