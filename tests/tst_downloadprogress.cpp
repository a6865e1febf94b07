#include "support/loopbackhttpserver.h"
#include "support/shownwindow.h"
#include "update/downloadscontrol.h"

#include <QLabel>
#include <QNetworkProxy>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>

using namespace std::chrono_literals;

namespace {

const QString Question = QStringLiteral("The version of configuration file you are using is not the latest one, "
                                        "would you like to download the latest update");
const QString NowUpToDate = QStringLiteral("Your configuration file is now up to date");

// The sample catalogue dated a day later, lines as the update writes them.
QByteArray newer()
{
    return TestFolders::readFile(TestFolders::sampleCatalogue())
        .replace("Catalogue date: 20110419", "Catalogue date: 20110420")
        .replace("\r\n  number", "\r\nnumber");
}

QProgressDialog *shownProgressDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QProgressDialog *>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// Notes every progress dialog the moment it appears and, when asked to,
// clicks its Cancel button as soon as it is up.
class ProgressWatch : public QObject
{
public:
    explicit ProgressWatch(bool cancel)
        : m_cancel(cancel)
    {
        qApp->installEventFilter(this);
    }

    // The bar's maximum of the dialog that appeared; -1 when none did.
    int barMaximum = -1;
    bool modal = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QProgressDialog *>(watched);
        if (dialog && event->type() == QEvent::Show && barMaximum < 0) {
            barMaximum = dialog->findChild<QProgressBar *>()->maximum();
            modal = dialog->isModal();
            if (m_cancel) {
                QTimer::singleShot(100, dialog, [dialog] {
                    QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
                });
            }
        }
        return false;
    }

private:
    bool m_cancel;
};

enum class Serve { Quick, SlowSized, SlowUnsized, Endless };

} // namespace

class TestDownloadProgress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void progressCancelAndBound_data();
    void progressCancelAndBound();

private:
    LoopbackHttpServer m_server;
    ShownWindow m_shown;
};

void TestDownloadProgress::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_server.start());
}

void TestDownloadProgress::progressCancelAndBound_data()
{
    QTest::addColumn<Serve>("serve");
    QTest::addColumn<bool>("cancel");
    // The progress bar's maximum while the dialog is up (0: a busy bar); -1
    // when no dialog may appear.
    QTest::addColumn<int>("barMaximum");
    QTest::addColumn<QStringList>("messages");

    const QString failed = "Error when downloading from " + m_server.baseAddress() + "/quorvantix/tiles_cfg.txt\n";
    const int kilobytes = int(newer().size() / 1024);
    QTest::newRow("quick") << Serve::Quick << false << -1 << QStringList{Question, NowUpToDate};
    QTest::newRow("slow, size known, cancelled")
        << Serve::SlowSized << true << kilobytes << QStringList{failed + "Download cancelled by the user"};
    QTest::newRow("slow, size unknown, cancelled")
        << Serve::SlowUnsized << true << 0 << QStringList{failed + "Download cancelled by the user"};
    QTest::newRow("endless") << Serve::Endless << false << 0
                             << QStringList{failed + "Download error. Status: Stopped: the download passed the limit of 64 MB"};
}

void TestDownloadProgress::progressCancelAndBound()
{
    QFETCH(Serve, serve);
    QFETCH(bool, cancel);
    QFETCH(int, barMaximum);
    QFETCH(QStringList, messages);

    QVERIFY(m_shown.open());
    DownloadsControl &control = (*m_shown.window->findChild<DownloadsControl *>());
    control.setBaseAddress(m_server.baseAddress());
    // Far longer than a quick read, far shorter than a slow one (34 s): only
    // a Cancel that aborts the request ends that in time. The endless body
    // must meet its bound, not the time-out, even on a loaded machine.
    control.setTimeout(serve == Serve::Endless ? 30s : 5s);
    const QString cataloguePath = m_shown.appFolder.filePath(QStringLiteral("tiles.cfg"));
    const QByteArray before = TestFolders::readFile(cataloguePath);
    m_shown.messages.clear();

    switch (serve) {
    case Serve::Quick:
        m_server.respond(newer());
        break;
    case Serve::SlowSized:
    case Serve::SlowUnsized:
        m_server.trickle(newer(), 64, 100ms, serve == Serve::SlowSized);
        break;
    case Serve::Endless:
        m_server.endless();
        break;
    }

    const ProgressWatch watch(cancel);
    QTest::mouseClick(control.findChild<QLabel *>(QStringLiteral("Label1")), Qt::LeftButton);

    if (serve != Serve::Endless)
        QCOMPARE(watch.barMaximum, barMaximum);
    QCOMPARE(watch.modal, watch.barMaximum >= 0);
    QVERIFY(!shownProgressDialog());
    QCOMPARE(m_shown.messages.texts(), messages);
    QCOMPARE(TestFolders::readFile(cataloguePath), serve == Serve::Quick ? newer() + "\r\n" : before);
}

QTEST_MAIN(TestDownloadProgress)
#include "tst_downloadprogress.moc"
