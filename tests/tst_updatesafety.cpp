#include "support/loopbackhttpserver.h"
#include "support/shownwindow.h"
#include "support/userclicks.h"
#include "update/downloadscontrol.h"

#include <QLabel>
#include <QComboBox>
#include <QNetworkProxy>

using namespace std::chrono_literals;

namespace {

const QString Question = QStringLiteral("The version of configuration file you are using is not the latest one, "
                                        "would you like to download the latest update");
const QString NowUpToDate = QStringLiteral("Your configuration file is now up to date");
const QString Kept = QStringLiteral("The new configuration file could not be read, so the one in use was kept.");

QByteArray sample()
{
    return TestFolders::readFile(TestFolders::sampleCatalogue());
}

// The sample catalogue dated a day later, lines as the update writes them.
QByteArray newer()
{
    return sample().replace("Catalogue date: 20110419", "Catalogue date: 20110420").replace("\r\n  number", "\r\nnumber");
}

// The newer catalogue without the lines between two lines that start with
// the given texts (both kept).
QByteArray newerWithout(const QByteArray &after, const QByteArray &before)
{
    QByteArray text = newer();
    const qsizetype from = text.indexOf("\r\n", text.indexOf("\r\n" + after) + 2) + 2;
    const qsizetype to = text.indexOf("\r\n" + before, from) + 2;
    return text.remove(from, to - from);
}

enum class Ending { Whole, CutClose, CutReset, RedirectLoop, RedirectRefused };

} // namespace

class TestUpdateSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badCatalogueKeepsTheOneInUse_data();
    void badCatalogueKeepsTheOneInUse();

private:
    void clickLabel();
    QStringList domainsOfFrance();

    LoopbackHttpServer m_server;
    ShownWindow m_shown;
};

void TestUpdateSafety::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_server.start());
}

void TestUpdateSafety::clickLabel()
{
    DownloadsControl &control = (*m_shown.window->findChild<DownloadsControl *>());
    QTest::mouseClick(control.findChild<QLabel *>(QStringLiteral("Label1")), Qt::LeftButton);
}

// Picks France as the user does and returns the domains then offered.
QStringList TestUpdateSafety::domainsOfFrance()
{
    UserClicks::pickComboText(m_shown.controls().comboBox(QStringLiteral("CountriesListBox")),
                              QStringLiteral("France"));
    return m_shown.controls().items(QStringLiteral("DomainsAvailableBox"));
}

void TestUpdateSafety::badCatalogueKeepsTheOneInUse_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<Ending>("ending");
    // The one message after the question, and what its details hold (or,
    // for a failed download, the end of its text).
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reason");

    const QByteArray notNumber = newer().replace("20110420\r\n3\r\n", "20110420\r\nthree\r\n");
    QTest::newRow("skip count not a number")
        << notNumber << Ending::Whole << Kept
        << "Config file not valid, please use the hyperlink to downlaod the latest config file on QMT website\n"
           "Reading stopped at line 2 of 520.";
    QTest::newRow("years section ends early")
        << newerWithout("Section 3", "999") << Ending::Whole << Kept
        << "Unable to read the config file properly, make sure tiles.cfg  exist in your application folder or "
           "download the latest update fron the QMT website\n"
           "Invalid config file format, please downlooad the latest update from the website\n"
           "Reading stopped at line 261 of 395.";
    QTest::newRow("date line alone") << QByteArray("Catalogue date: 20110420\r\n") << Ending::Whole << Kept
                                     << "Config file not valid, please use the hyperlink to downlaod the latest "
                                        "config file on QMT website\nReading stopped at line 2 of 2.";
    const QByteArray cut = newer().left(newer().indexOf("KEY MM5_D060"));
    QTest::newRow("body cut mid-section")
        << cut << Ending::Whole << Kept
        << "Unable to read the config file properly, make sure tiles.cfg  exist in your application folder or "
           "download the latest update fron the QMT website\n"
           "Invalid config file format, please downlooad the latest update from the website\n"
           "Reading stopped at line 193 of 193.";
    QTest::newRow("empty country section") << newerWithout("Section 5", "999") << Ending::Whole << Kept
                                           << "It names no country: its country section is empty.";

    const QString failed = "Error when downloading from " + m_server.baseAddress() + "/quorvantix/tiles_cfg.txt\n";
    QTest::newRow("connection closed mid-body")
        << newer() << Ending::CutClose << failed + "Download error. Status: Connection closed" << QString();
    QTest::newRow("connection reset after the headers")
        << newer() << Ending::CutReset << failed + "Download error. Status: Connection closed" << QString();
    QTest::newRow("redirect loop") << QByteArray() << Ending::RedirectLoop
                                   << failed + "Download error. Status: Too many redirects" << QString();
    QTest::newRow("redirect to an address that fails")
        << QByteArray() << Ending::RedirectRefused << failed + "Download error. Status: Connection refused" << QString();
}

void TestUpdateSafety::badCatalogueKeepsTheOneInUse()
{
    QFETCH(QByteArray, body);
    QFETCH(Ending, ending);
    QFETCH(QString, message);
    QFETCH(QString, reason);

    QVERIFY(m_shown.open());
    (*m_shown.window->findChild<DownloadsControl *>()).setBaseAddress(m_server.baseAddress());
    const QString cataloguePath = m_shown.appFolder.filePath(QStringLiteral("tiles.cfg"));
    const QStringList countries = m_shown.controls().items(QStringLiteral("CountriesListBox"));
    const QStringList offered = domainsOfFrance();
    QVERIFY(!offered.isEmpty());
    m_shown.messages.clear();

    switch (ending) {
    case Ending::Whole:
        m_server.respond(body);
        break;
    case Ending::CutClose:
    case Ending::CutReset:
        m_server.cutAfter(body, body.size() / 2, ending == Ending::CutClose ? LoopbackHttpServer::Cut::Close
                                                                          : LoopbackHttpServer::Cut::Reset);
        break;
    case Ending::RedirectLoop:
        m_server.redirect((*m_shown.window->findChild<DownloadsControl *>()).catalogueAddress());
        break;
    case Ending::RedirectRefused:
        m_server.redirect(LoopbackHttpServer::refusingAddress());
        break;
    }
    clickLabel();

    const QStringList expected = ending == Ending::Whole ? QStringList{Question, message} : QStringList{message};
    QCOMPARE(m_shown.messages.texts(), expected);
    QCOMPARE(m_shown.messages.shown.last().icon, ui::MessageIcon::Critical);
    QCOMPARE(m_shown.messages.shown.last().details, reason);
    QCOMPARE(TestFolders::readFile(cataloguePath), sample());
    QCOMPARE(m_shown.controls().text(QStringLiteral("ConfigDate")), QStringLiteral("19 April 2011"));
    QCOMPARE(m_shown.controls().items(QStringLiteral("CountriesListBox")), countries);
    QCOMPARE(domainsOfFrance(), offered);

    // Tried again later against a good catalogue, the update goes through.
    m_shown.messages.clear();
    m_server.respond(newer());
    clickLabel();
    QCOMPARE(m_shown.messages.texts(), (QStringList{Question, NowUpToDate}));
    QCOMPARE(TestFolders::readFile(cataloguePath), newer() + "\r\n");
    QCOMPARE(m_shown.controls().text(QStringLiteral("ConfigDate")), QStringLiteral("20 April 2011"));
}

QTEST_MAIN(TestUpdateSafety)
#include "tst_updatesafety.moc"
