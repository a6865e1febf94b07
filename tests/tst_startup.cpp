#include "app/basmodule.h"
#include "app/frmmain.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensOnTheSampleCatalogue();
    void opensWithoutAUsableCatalogue_data();
    void opensWithoutAUsableCatalogue();
    void secondInitKeepsEachCountryOnce();
    void controlsCarryNamesAndCaptions();
    void tabOrderFollowsTheList();

private:
    std::unique_ptr<frmMain> makeWindow()
    {
        return std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder.path());
    }
    void copySample()
    {
        QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath("tiles.cfg")));
    }

    QTemporaryDir m_appFolder;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
};

void TestStartup::init()
{
    m_messages.clear();
    QFile::remove(m_appFolder.filePath("tiles.cfg"));
}

void TestStartup::opensOnTheSampleCatalogue()
{
    copySample();
    auto window = makeWindow();
    const ui::Controls &c = window->controls();
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(window->windowTitle(), QStringLiteral("Quorvantix"));
    QCOMPARE(c.text("ConfigDate"), QStringLiteral("19 April 2011"));
    QCOMPARE(basModule::ConfigFileDate, QDate(2011, 4, 19));
    QCOMPARE(basModule::VersionDate, QStringLiteral("04_19_2011"));
    QCOMPARE(basModule::SelectionMethod, qint16(1));
    QCOMPARE(window->state().SelectedDomain, QStringLiteral("-1"));

    // Every distinct country once, the last one of the catalogue included,
    // none chosen yet, and one domain entry per list item.
    const QStringList countries = c.items("CountriesListBox");
    QCOMPARE(countries, window->state().tables.CountryNames);
    QCOMPARE(countries.count("Canada"), 1);
    QCOMPARE(c.selectedIndex("CountriesListBox"), -1);
    const QStringList &domains = window->state().tables.CountryDomains;
    QCOMPARE(domains.size(), countries.size());
    // Countries match by substring: Niger is offered Nigeria's domain 16 too.
    QCOMPARE(domains.at(countries.indexOf("Niger")), QStringLiteral("14,15,16"));
    QCOMPARE(domains.at(countries.indexOf("Nigeria")), QStringLiteral("14,16"));

    QCOMPARE(c.text("cboChoice1"), QStringLiteral("Geodetic (Latitude/Longitude):"));
    QVERIFY(c.isVisibleFlag("Geodetic1") && c.isVisibleFlag("Geodetic2"));
    QVERIFY(!c.isVisibleFlag("Indices") && !c.isVisibleFlag("RangeD"));
    QVERIFY(!c.isEnabled("ShowFileButton") && !c.isEnabled("cmdShow") && !c.isEnabled("DownloadMapButton"));
    QCOMPARE(c.text("label11") + c.text("Label8") + c.text("Label9") + c.text("Label10"),
             QStringLiteral("FromToFromTo"));
    QCOMPARE(c.items("cboLatLL1") + c.items("cboEMRLON01"), (QStringList{"N", "S", "E", "W"}));
    QCOMPARE(c.text("cboLatLL2") + c.text("cboLonLL2"), QStringLiteral("NE"));

    const QRect screen = window->screen()->geometry();
    QVERIFY(qAbs(window->frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window->frameGeometry().center().y() - screen.center().y()) <= 1);
}

void TestStartup::opensWithoutAUsableCatalogue_data()
{
    QTest::addColumn<QByteArray>("catalogue"); // empty: no file
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("dateCaption");
    QTest::newRow("missing") << QByteArray()
                             << "The file tiles.cfg required by the Quorvantix interface is missing, please "
                                "download it from the QMT website"
                             << "--- --- ---";
    QTest::newRow("bad skip count") << TestFolders::crlf({"Date: 20090605", "three", "x"})
                                    << "Config file not valid, please use the hyperlink to downlaod the latest "
                                       "config file on QMT website"
                                    << "5 June 2009";
}

void TestStartup::opensWithoutAUsableCatalogue()
{
    QFETCH(QByteArray, catalogue);
    QFETCH(QString, message);
    QFETCH(QString, dateCaption);
    if (!catalogue.isEmpty())
        TestFolders::writeFile(m_appFolder.filePath("tiles.cfg"), catalogue);
    auto window = makeWindow();
    const ui::Controls &c = window->controls();
    QCOMPARE(m_messages.texts(), QStringList{message});
    QCOMPARE(m_messages.shown.first().icon, ui::MessageIcon::Critical);
    QCOMPARE(m_messages.shown.first().title, QStringLiteral("Quorvantix GUI"));
    QCOMPARE(c.text("ConfigDate"), dateCaption);
    QCOMPARE(c.itemCount("CountriesListBox"), 0);
    QCOMPARE(window->state().SelectedDomain, QString());
    QVERIFY(c.isEnabled("ShowFileButton")); // only a catalogue that reads disables it
    QCOMPARE(c.text("cboChoice1"), QStringLiteral("Geodetic (Latitude/Longitude):"));
    QVERIFY(c.isVisibleFlag("Geodetic1"));
}

void TestStartup::secondInitKeepsEachCountryOnce()
{
    copySample();
    auto window = makeWindow();
    const QStringList first = window->controls().items("CountriesListBox");
    window->state().SelectedDomain = QStringLiteral("7");
    window->controls().setEnabled("ShowFileButton", true);
    window->InitMainForm();
    QCOMPARE(window->controls().items("CountriesListBox"), first);
    QCOMPARE(window->state().tables.CountryDomains.size(), first.size());
    QCOMPARE(window->state().SelectedDomain, QStringLiteral("-1"));
    QVERIFY(!window->controls().isEnabled("ShowFileButton"));
}

void TestStartup::controlsCarryNamesAndCaptions()
{
    auto window = makeWindow();
    const QList<QPair<const char *, const char *>> captions = {
        {"Frame2", "Specify domain information"}, {"Label5", "Enter a country from your domain:"},
        {"Label17", "Available domains for the selected country:"}, {"DownloadMapButton", "Show map for domain"},
        {"DomainInfoFrame", "Selected domain limits"}, {"Label23", "Select type of coordinates:"},
        {"Geodetic1", "LL (degrees) Start"}, {"Geodetic2", "LL (degrees) End"}, {"Indices", "(I, J)"},
        {"RangeD", ""}, {"txtLatD2", "45"}, {"txtLatM1", "00"}, {"txtLonS2", "0.00"}, {"txtLonD1", "95"},
        {"lblLonD", "ddd"}, {"Label20", "dd"}, {"Label4", "ss.ss"}, {"TextIndexjEnd", "0"},
        {"Label6", "Index I from"}, {"Label55", "Center coordinates (degrees):"}, {"Label50", "Radius (km):"},
        {"Frame1", "Configuration file information"}, {"Label24", "Check for update on "},
        {"Label42", "Configuration file date:"}, {"cmdShow", "Show tiles in domain"},
        {"Label1", "Number of tiles needed for the selected domain:"}, {"TilesCountLabel", "---"},
        {"WarningLabel", ""}, {"ShowFileButton", "View output file"}, {"txtLat1", ""}};
    for (const auto &[name, caption] : captions)
        QCOMPARE(window->controls().text(QLatin1String(name)), QLatin1String(caption));
}

void TestStartup::tabOrderFollowsTheList()
{
    auto window = makeWindow();
    const QStringList expected = {
        "CountriesListBox", "DomainsAvailableBox", "DownloadMapButton", "cboChoice1", "txtLat1", "cboLatLL1",
        "txtLat2", "cboLatLL2", "txtLon1", "cboLonLL1", "txtLon2", "cboLonLL2", "cmdShow", "TextIndexiStart",
        "TextIndexiEnd", "TextIndexjStart", "TextIndexjEnd", "txtRadius1", "txtEMRLAT01", "cboEMRLAT01",
        "txtEMRLON01", "cboEMRLON01", "ShowFileButton", "txtLatD1", "txtLatM1", "txtLatS1", "txtLonD1",
        "txtLonM1", "txtLonS1", "txtLatD2", "txtLatM2", "txtLatS2", "txtLonD2", "txtLonM2", "txtLonS2"};
    QWidget *w = window->controls().widget(expected.first());
    for (qsizetype i = 1; i < expected.size(); ++i) {
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus);
        QCOMPARE(w->objectName(), expected.at(i));
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
