#include "support/loopbackhttpserver.h"
#include "update/downloadscontrol.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLabel>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QtTest>

using namespace std::chrono_literals;

class TestDownloadsControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsTheWholeResourceFromTheNetwork();
    void failuresNameTheAddressAndTheCause_data();
    void failuresNameTheAddressAndTheCause();
    void cursorFileShowsOnlyWhenItExists();

private:
    void verifyEmpty(const DownloadsControl &control);

    LoopbackHttpServer m_server;
};

void TestDownloadsControl::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_server.start());
}

void TestDownloadsControl::verifyEmpty(const DownloadsControl &control)
{
    const DownloadsControl::DownloadState &state = control.downloadState();
    QCOMPARE(state.ErrorNumber, 0);
    QCOMPARE(state.ErrorSource, QString());
    QCOMPARE(state.ErrorDescription, QString());
    QCOMPARE(state.ContentBytes, QByteArray());
}

void TestDownloadsControl::readsTheWholeResourceFromTheNetwork()
{
    QByteArray body;
    for (int i = 0; i < 3000; ++i)
        body += char(i % 256);
    m_server.respond(body);
    m_server.requests.clear();

    DownloadsControl control;
    const QString url = m_server.baseAddress() + QStringLiteral("/quorvantix/tiles_cfg.txt");
    const DownloadResult result = control.GetContent(url);
    QVERIFY(result.ok());
    QCOMPARE(result.content, body);
    verifyEmpty(control);

    QCOMPARE(m_server.requests.size(), 1);
    QCOMPARE(m_server.requests.first().method, QByteArray("GET"));
    QCOMPARE(m_server.requests.first().path, QByteArray("/quorvantix/tiles_cfg.txt"));
    // Any cache on the way is told to fetch afresh.
    QCOMPARE(m_server.requests.first().header("Cache-Control"), QByteArray("no-cache"));
}

enum class Serve { Empty, NotFound, ServerErrorWithoutBody, Refused, Closed, NoAnswer, UnknownScheme };

void TestDownloadsControl::failuresNameTheAddressAndTheCause_data()
{
    QTest::addColumn<Serve>("serve");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("reason");

    const QString handler = QStringLiteral("UDownload.GetContent\r\nAsyncReadComplete");
    const QString error = QStringLiteral("Error when downloading from ");
    QTest::newRow("empty body") << Serve::Empty << 5 << handler << error
                                << "Download did not contain content";
    QTest::newRow("not found") << Serve::NotFound << 5 << handler << error
                               << "Download error. Status: 404 Not Found";
    // A failure is reported as one even when nothing came with it.
    QTest::newRow("server error, no body") << Serve::ServerErrorWithoutBody << 5 << handler << error
                                           << "Download error. Status: 500 Internal Server Error";
    QTest::newRow("refused") << Serve::Refused << 5 << handler << error
                             << "Download error. Status: Connection refused";
    QTest::newRow("closed") << Serve::Closed << 5 << handler << error
                            << "Download error. Status: Connection closed";
    QTest::newRow("no answer") << Serve::NoAnswer << 5 << handler << error
                               << "Download error. Status: Timed out: the download did not end within 300 milliseconds";
    QTest::newRow("unknown scheme") << Serve::UnknownScheme << 301
                                    << "UDownload.GetContent\r\nQNetworkAccessManager"
                                    << "Unexpected error when downloading from "
                                    << "Protocol \"nosuch\" is unknown";
}

void TestDownloadsControl::failuresNameTheAddressAndTheCause()
{
    QFETCH(Serve, serve);
    QFETCH(int, number);
    QFETCH(QString, source);
    QFETCH(QString, sentence);
    QFETCH(QString, reason);

    QString base = m_server.baseAddress();
    switch (serve) {
    case Serve::Empty:
        m_server.respond({});
        break;
    case Serve::NotFound:
        m_server.respond("<html>gone</html>", 404, "Not Found");
        break;
    case Serve::ServerErrorWithoutBody:
        m_server.respond({}, 500, "Internal Server Error");
        break;
    case Serve::Refused:
        base = LoopbackHttpServer::refusingAddress();
        break;
    case Serve::Closed:
        m_server.closeWithoutAnswer();
        break;
    case Serve::NoAnswer:
        m_server.neverAnswer();
        break;
    case Serve::UnknownScheme:
        base = QStringLiteral("nosuch://127.0.0.1");
        break;
    }

    DownloadsControl control;
    control.setTimeout(300ms);
    const QString url = base + QStringLiteral("/quorvantix/tiles_cfg.txt");
    const DownloadResult result = control.GetContent(url);
    QVERIFY(!result.ok());
    QCOMPARE(result.content, QByteArray());
    QCOMPARE(result.error->number, number);
    QCOMPARE(result.error->source, source);
    QCOMPARE(result.error->description, sentence + url + QStringLiteral("\r\n") + reason);
    verifyEmpty(control);

    // The next read starts afresh.
    m_server.respond("Date: 20110419\r\n");
    const DownloadResult next = control.GetContent(m_server.baseAddress() + QStringLiteral("/next"));
    QVERIFY(next.ok());
    QCOMPARE(next.content, QByteArray("Date: 20110419\r\n"));
    verifyEmpty(control);
}

// A cursor file is an icon file of type 2 whose entry holds the hot spot.
static QByteArray cursorFile(int hotX, int hotY)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image))
        return {};
    QByteArray bytes = buffer.data();
    bytes[2] = 2;
    bytes[10] = char(hotX);
    bytes[11] = 0;
    bytes[12] = char(hotY);
    bytes[13] = 0;
    return bytes;
}

void TestDownloadsControl::cursorFileShowsOnlyWhenItExists()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("harrow.cur"));
    DownloadsControl control;
    control.setCursorFile(path);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    auto *label = control.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label);
    const Qt::CursorShape before = label->cursor().shape();

    QTest::mouseMove(label, QPoint(2, 2));
    QTest::mouseMove(label, QPoint(4, 3));
    QCOMPARE(label->cursor().shape(), before);

    const QByteArray bytes = cursorFile(3, 5);
    QVERIFY(!bytes.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QTest::mouseMove(label, QPoint(5, 4));
    QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(label->cursor().hotSpot(), QPoint(3, 5));
}

QTEST_MAIN(TestDownloadsControl)
#include "tst_downloadscontrol.moc"
