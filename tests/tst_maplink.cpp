#include "app/frmmain.h"
#include "domain/maplink.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"
#include "ui/qtshell.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// Stands in for the desktop's web browser.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

namespace {

QString mapOf(const char *number)
{
    return QStringLiteral("https://www.qmt.example/mm5/Files/MM5_D%1.pdf").arg(QLatin1String(number));
}

} // namespace

class TestMapLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mapAddress_data();
    void mapAddress();
    void noDomainNoRequest();
    void eachPressOpensTheDomainChosenLast();
    void requestReachesTheDesktop();

private:
    void start(ui::Shell &shell);
    void pickCountry(const QString &name);
    void pickDomain(const QString &number);
    void pressMap();

    QTemporaryDir m_appFolder;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
    std::unique_ptr<frmMain> m_window;
};

void TestMapLink::init()
{
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath(QStringLiteral("tiles.cfg"))));
    m_shell = RecordingShell();
    m_messages.clear();
}

void TestMapLink::cleanup()
{
    m_window.reset();
    QFile::remove(m_appFolder.filePath(QStringLiteral("tiles.cfg")));
}

void TestMapLink::start(ui::Shell &shell)
{
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &shell}, m_appFolder.path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMapLink::pickCountry(const QString &name)
{
    QComboBox *combo = m_window->controls().comboBox(QStringLiteral("CountriesListBox"));
    const int index = combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(name));
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
}

void TestMapLink::pickDomain(const QString &number)
{
    QListWidget *list = m_window->controls().listWidget(QStringLiteral("DomainsAvailableBox"));
    const QList<QListWidgetItem *> found =
        list->findItems(QStringLiteral("Domain %1,").arg(number), Qt::MatchStartsWith);
    QVERIFY2(!found.isEmpty(), qPrintable(number));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    QCOMPARE(m_window->state().SelectedDomain, number);
}

void TestMapLink::pressMap()
{
    QAbstractButton *map = m_window->controls().button(QStringLiteral("DownloadMapButton"));
    QVERIFY(map->isEnabled());
    QTest::mouseClick(map, Qt::LeftButton);
}

void TestMapLink::mapAddress_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("address");
    QTest::newRow("7") << "7" << mapOf("7");
    QTest::newRow("padded 007") << "007" << mapOf("7");
    QTest::newRow("padded 045") << "045" << mapOf("45");
    QTest::newRow("120") << "120" << mapOf("120");
    QTest::newRow("blanks") << " 12 " << mapOf("12");
    QTest::newRow("none chosen") << "-1" << QString();
    QTest::newRow("empty") << "" << QString();
    QTest::newRow("not a number") << "D7" << QString();
}

void TestMapLink::mapAddress()
{
    QFETCH(QString, domain);
    QFETCH(QString, address);
    QCOMPARE(MapLink::MapAddress(domain), address);
}

void TestMapLink::noDomainNoRequest()
{
    start(m_shell);
    QAbstractButton *map = m_window->controls().button(QStringLiteral("DownloadMapButton"));
    QVERIFY(!map->isEnabled());
    QTest::mouseClick(map, Qt::LeftButton);
    // Even an enabled button asks for nothing while no domain is chosen.
    map->setEnabled(true);
    QTest::mouseClick(map, Qt::LeftButton);
    QCOMPARE(m_shell.urls, QStringList());
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestMapLink::eachPressOpensTheDomainChosenLast()
{
    start(m_shell);
    pickCountry(QStringLiteral("France"));
    pickDomain(QStringLiteral("7"));
    pressMap();
    pressMap(); // two presses, two requests
    pickDomain(QStringLiteral("45"));
    pressMap();
    pickDomain(QStringLiteral("120"));
    // Another country without a domain choice keeps domain 120 and the button.
    pickCountry(QStringLiteral("Chile"));
    pressMap();
    QCOMPARE(m_shell.urls, (QStringList{mapOf("7"), mapOf("7"), mapOf("45"), mapOf("120")}));
    QCOMPARE(m_shell.documents, QStringList());
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestMapLink::requestReachesTheDesktop()
{
    OpenedUrls browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    ui::QtShell shell;
    start(shell);
    pickCountry(QStringLiteral("France"));
    pickDomain(QStringLiteral("7"));
    pressMap();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(browser.urls, QList<QUrl>{QUrl(mapOf("7"))});
    QCOMPARE(m_messages.texts(), QStringList());
}

QTEST_MAIN(TestMapLink)
#include "tst_maplink.moc"
