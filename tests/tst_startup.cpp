#include "app/basmodule.h"
#include "support/shownwindow.h"

#include <QScreen>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheSampleCatalogue();
    void opensWithoutACatalogue();

private:
    ShownWindow m_shown;
};

void TestStartup::opensOnTheSampleCatalogue()
{
    QVERIFY(m_shown.open());
    frmMain *window = m_shown.window.get();
    const ui::Controls &c = window->controls();
    QCOMPARE(m_shown.messages.texts(), QStringList());
    QCOMPARE(window->windowTitle(), QStringLiteral("Quorvantix"));
    QCOMPARE(c.text("ConfigDate"), QStringLiteral("19 April 2011"));
    QCOMPARE(basModule::ConfigFileDate, QDate(2011, 4, 19));
    QCOMPARE(basModule::VersionDate, QStringLiteral("04_19_2011"));
    QCOMPARE(window->state().SelectedDomain, QStringLiteral("-1"));

    // Every distinct country once, the last one of the catalogue included,
    // none chosen yet, and one domain entry per list item.
    const QStringList countries = c.items("CountriesListBox");
    QCOMPARE(countries, window->state().tables.CountryNames);
    QCOMPARE(countries.count("Canada"), 1);
    QCOMPARE(c.selectedIndex("CountriesListBox"), -1);
    QCOMPARE(window->state().tables.CountryDomains.size(), countries.size());

    QCOMPARE(c.text("cboChoice1"), QStringLiteral("Geodetic (Latitude/Longitude):"));
    QVERIFY(c.isVisibleFlag("Geodetic1") && c.isVisibleFlag("Geodetic2") && !c.isVisibleFlag("Indices"));
    QVERIFY(!c.isEnabled("ShowFileButton") && !c.isEnabled("cmdShow") && !c.isEnabled("DownloadMapButton"));

    // Reading again rebuilds the list instead of adding to it.
    window->InitMainForm();
    QCOMPARE(c.items("CountriesListBox"), countries);
    QCOMPARE(window->state().tables.CountryDomains.size(), countries.size());
}

void TestStartup::opensWithoutACatalogue()
{
    QFile::remove(m_shown.appFolder.filePath("tiles.cfg"));
    RecordingMessages messages;
    frmMain window(ui::Services{&messages, &m_shown.pointer, &m_shown.shell}, m_shown.appFolder.path());
    QCOMPARE(messages.texts(), QStringList{"The file tiles.cfg required by the Quorvantix interface is missing, "
                                             "please download it from the QMT website"});
    QCOMPARE(messages.shown.first().icon, ui::MessageIcon::Critical);
    QCOMPARE(window.controls().text("ConfigDate"), QStringLiteral("--- --- ---"));
    const QRect screen = window.screen()->geometry();
    QVERIFY(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.frameGeometry().center().y() - screen.center().y()) <= 1);
    // Every control carries its name and caption, catalogue or not.
    const QList<QPair<const char *, const char *>> captions = {
        {"Label17", "Available domains for the selected country:"}, {"DownloadMapButton", "Show map for domain"},
        {"Geodetic1", "LL (degrees) Start"}, {"Indices", "(I, J)"}, {"txtLatD2", "45"}, {"txtLonS2", "0.00"},
        {"Label24", "Check for update on "}, {"cmdShow", "Show tiles in domain"}, {"TilesCountLabel", "---"}};
    for (const auto &[name, caption] : captions)
        QCOMPARE(window.controls().text(QLatin1String(name)), QLatin1String(caption));

    const QStringList order = {
        "CountriesListBox", "DomainsAvailableBox", "DownloadMapButton", "cboChoice1", "txtLat1", "cboLatLL1",
        "txtLat2", "cboLatLL2", "txtLon1", "cboLonLL1", "txtLon2", "cboLonLL2", "cmdShow", "TextIndexiStart",
        "TextIndexiEnd", "TextIndexjStart", "TextIndexjEnd", "txtRadius1", "txtEMRLAT01", "cboEMRLAT01",
        "txtEMRLON01", "cboEMRLON01", "ShowFileButton", "txtLatD1", "txtLatM1", "txtLatS1", "txtLonD1",
        "txtLonM1", "txtLonS1", "txtLatD2", "txtLatM2", "txtLatS2", "txtLonD2", "txtLonM2", "txtLonS2"};
    QStringList chain{order.first()};
    for (QWidget *w = window.controls().widget(order.first()); chain.size() < order.size();) {
        w = w->nextInFocusChain();
        if (w->focusPolicy() != Qt::NoFocus)
            chain << w->objectName();
    }
    QCOMPARE(chain, order);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
