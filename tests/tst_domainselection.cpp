#include "app/basmodule.h"
#include "app/frmmain.h"
#include "support/cataloguebuilder.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"
#include "support/userclicks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

using Texts = QStringList;

namespace {

// Domains chosen to reach the awkward corners of the lists and the display.
CatalogueBuilder testCatalogue()
{
    CatalogueBuilder b;
    b.addDomain("36", {"1", "1", "100", "80", "0", "0", "-120", "-60", "-40.5", "-10"}, "2001,2005", "Chile, Argentina"); // 1
    b.addDomain("12", {"10", "5", "60", "45", "0", "0", "-5.25", "9.75", "-10", "20"}, "2003", "Brazil, France");       // 2
    b.addDomain("4.00", {"1", "1", "50", "50", "0", "0", "0", "10", "-45.50", "45.50"}, "2004,2005", "Greenland, Iceland"); // 3
    b.addDomain("1.333", {"1", "1", "50", "50", "0", "0", "-52", "-50", "63", "65"}, "2005", "Greenland");            // 4
    b.addDomain("12", {"1", "1", "50", "50", "0", "0", "-20", "-10", "63", "66"}, "", "Iceland");                     // 5
    b.addDomain("14.00", {"1", "1", "50", "50", "0", "0", "-52", "-50", "63", "65"}, "2001", "Greenland");            // 6
    b.addDomain("12", {"1", "1", "90", "80", "0", "0", "-5.25", "9.75", "41.0", "51.5"}, "2001,2005", "France, Spain"); // 7
    b.addDomain("12", {"1", "1", "50", "50", "0", "0", "1", "2", "3", "4"}, "2002", "Mismatch");                      // 8
    b.addDomain("12", {"1", "1", "50", "50", "0", "0", "1", "2", "3", "4"}, "2002", "Shortland");                     // 9
    b.addDomain("36", {"1", "1", "80", "80", "0", "0", "-70", "-10", "55", "85"}, "2003", "Greenland, Canada");        // 10
    b.addDomain("12", {"1", "1", "50", "50", "0", "0", "1", "2", "3", "4"}, "2002", "Iceland,,Norway");                // 11
    b.addDomain("12", {"1", "1", "50", "50", "0", "0", "1", "2", "x", "4"}, "2002", "Wordland");                       // 12
    while (b.domainLines.size() < 120)
        b.addDomain("12", {"1", "1", "40", "40", "0", "0", "20", "30", "40", "50"}, "2004", "Filler");
    b.countryLines[44] = "45 Filler, Farland";
    b.countryLines[119] = "120 Farland";
    b.domainLines[7].replace(0, 3, "099");                                   // item 0 disagrees
    b.domainLines[8] = "009 MM5 D LAMBERT T 30 60 NEST 12 23";               // too few items
    return b;
}

} // namespace

class TestDomainSelection : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void countryListsItsEntries_data();
    void countryListsItsEntries();
    void domainFillsTheBoxDisplay_data();
    void domainFillsTheBoxDisplay();
    void indexMethodShowsIndexLimits();
    void methodsSwitchBackAndForth();
    void domainNumbersAndMapCaption_data();
    void domainNumbersAndMapCaption();
    void rePickingAnEntryReloadsIt();
    void keyboardPicksLikeTheMouse();
    void countryChangeKeepsTheSelectedDomain();
    void methodsBeforeAnyDomain();
    void mismatchedDomainLineKeepsPreviousLimits();
    void failedSecondReadNeverIndexesOutside();

private:
    void start(const QByteArray &catalogue);
    void pickCountry(const QString &name);
    void pickEntry(int row);
    void pickMethod(int index);
    QString text(const char *name) const { return m_window->controls().text(QLatin1String(name)); }

    QTemporaryDir m_appFolder;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
    std::unique_ptr<frmMain> m_window;
};

void TestDomainSelection::init()
{
    m_messages.clear();
}

void TestDomainSelection::cleanup()
{
    m_window.reset();
}

void TestDomainSelection::start(const QByteArray &catalogue)
{
    TestFolders::writeFile(m_appFolder.filePath("tiles.cfg"), catalogue);
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder.path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestDomainSelection::pickCountry(const QString &name)
{
    UserClicks::pickComboText(m_window->controls().comboBox("CountriesListBox"), name);
}

void TestDomainSelection::pickEntry(int row)
{
    UserClicks::pickListRow(m_window->controls().listWidget("DomainsAvailableBox"), row);
}

void TestDomainSelection::pickMethod(int index)
{
    UserClicks::pickComboItem(m_window->controls().comboBox("cboChoice1"), index);
}

void TestDomainSelection::countryListsItsEntries_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<Texts>("entries");
    QTest::newRow("two years in order, then the next domain")
        << "France"
        << Texts{"Domain 2, resolution: 12km,  year: 2003", "Domain 7, resolution: 12km,  year: 2001",
                 "Domain 7, resolution: 12km,  year: 2005"};
    QTest::newRow("Greenland hides 4.00, 1.333 and 14.00")
        << "Greenland" << Texts{"Domain 10, resolution: 36km,  year: 2003"};
    QTest::newRow("the same 4.00 domain under another country; no years, no entry")
        << "Iceland"
        << Texts{"Domain 3, resolution: 4.00km,  year: 2004", "Domain 3, resolution: 4.00km,  year: 2005",
                 "Domain 11, resolution: 12km,  year: 2002"};
    QTest::newRow("a line of too few items is left out") << "Shortland" << Texts{};
    QTest::newRow("three-digit domain")
        << "Farland"
        << Texts{"Domain 45, resolution: 12km,  year: 2004", "Domain 120, resolution: 12km,  year: 2004"};
}

void TestDomainSelection::countryListsItsEntries()
{
    QFETCH(QString, country);
    QFETCH(Texts, entries);
    start(testCatalogue().bytes());
    m_window->controls().setText("txtLat1", "12");
    m_window->controls().setText("TextIndexjEnd", "7");
    pickCountry(country);
    QCOMPARE(m_window->controls().items("DomainsAvailableBox"), entries);
    // Every pick of a country empties the eight entry fields.
    for (const char *field : {"txtLat1", "txtLat2", "txtLon1", "txtLon2", "TextIndexiStart", "TextIndexiEnd",
                              "TextIndexjStart", "TextIndexjEnd"})
        QCOMPARE(text(field), QString());
}

void TestDomainSelection::domainFillsTheBoxDisplay_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<Texts>("captions");  // label11, Label8, Label9, Label10
    QTest::addColumn<Texts>("fields");    // txtLat1, txtLat2, txtLon1, txtLon2
    QTest::addColumn<QString>("hemispheres"); // cboLatLL1, cboLatLL2, cboLonLL1, cboLonLL2

    QTest::newRow("south and west: limits change places")
        << "Chile" << Texts{"Lat from  10 S", "To     40.5 S", "Lon from  60 W", "To     120 W"}
        << Texts{"10", "40.5", "60", "120"} << "SSWW";
    QTest::newRow("across the equator and Greenwich")
        << "Brazil" << Texts{"Lat from  10 S", "To     20 N", "Lon from  5.25 W", "To     9.75 E"}
        << Texts{"10", "20", "5.25", "9.75"} << "SNWE";
    QTest::newRow("45.50 stays, -45.50 shows as 45.5")
        << "Iceland" << Texts{"Lat from  45.5 S", "To     45.50 N", "Lon from  0 E", "To     10 E"}
        << Texts{"45.5", "45.50", "0", "10"} << "SNEE";
}

void TestDomainSelection::domainFillsTheBoxDisplay()
{
    QFETCH(QString, country);
    QFETCH(Texts, captions);
    QFETCH(Texts, fields);
    QFETCH(QString, hemispheres);
    start(testCatalogue().bytes());
    pickCountry(country);
    pickEntry(0);

    QCOMPARE((Texts{text("label11"), text("Label8"), text("Label9"), text("Label10")}), captions);
    QCOMPARE((Texts{text("txtLat1"), text("txtLat2"), text("txtLon1"), text("txtLon2")}), fields);
    QCOMPARE(text("cboLatLL1") + text("cboLatLL2") + text("cboLonLL1") + text("cboLonLL2"), hemispheres);
    QVERIFY(m_window->controls().isEnabled("cmdShow"));
    QVERIFY(m_window->controls().isEnabled("DownloadMapButton"));
}

void TestDomainSelection::indexMethodShowsIndexLimits()
{
    start(testCatalogue().bytes());
    pickCountry("Brazil");
    pickEntry(0);
    m_window->controls().addItem("TilesListBox", "Tile number: 1");
    pickMethod(1);
    QCOMPARE(basModule::SelectionMethod, qint16(2));
    QCOMPARE((Texts{text("label11"), text("Label8"), text("Label9"), text("Label10")}),
             (Texts{"Index i from   10", "To       60", "Index j from    5", "To       45"}));
    QCOMPARE((Texts{text("TextIndexiStart"), text("TextIndexiEnd"), text("TextIndexjStart"), text("TextIndexjEnd")}),
             (Texts{"10", "60", "5", "45"}));
    QVERIFY(m_window->controls().isVisibleFlag("Indices"));
    QVERIFY(!m_window->controls().isVisibleFlag("Geodetic1"));
    QVERIFY(!m_window->controls().isVisibleFlag("Geodetic2"));
    QCOMPARE(m_window->controls().itemCount("TilesListBox"), 0);
}

void TestDomainSelection::methodsSwitchBackAndForth()
{
    start(testCatalogue().bytes());
    pickCountry("Chile");
    pickEntry(0);
    const auto snapshot = [this] {
        return Texts{text("label11"), text("Label8"), text("Label9"), text("Label10"), text("txtLat1"),
                     text("txtLat2"), text("txtLon1"), text("txtLon2"), text("cboLatLL1"), text("cboLatLL2"),
                     text("cboLonLL1"), text("cboLonLL2")};
    };
    const Texts first = snapshot();
    pickMethod(1);
    QVERIFY(snapshot() != first);
    pickMethod(0);
    QCOMPARE(snapshot(), first);
    QCOMPARE(basModule::SelectionMethod, qint16(1));

    pickMethod(2);
    QCOMPARE(basModule::SelectionMethod, qint16(3));
    QVERIFY(m_window->controls().isVisibleFlag("RangeD"));
    QVERIFY(!m_window->controls().isVisibleFlag("Geodetic2"));
    // The hidden box fields still receive the limits.
    QCOMPARE(snapshot(), first);
    QVERIFY(m_window->controls().isEnabled("txtEMRLAT01"));
    QVERIFY(m_window->controls().isEnabled("cboEMRLAT01"));
}

void TestDomainSelection::domainNumbersAndMapCaption_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("caption");
    QTest::newRow("7") << "Spain" << 0 << "7" << "Show map for domain 007";
    QTest::newRow("45") << "Farland" << 0 << "45" << "Show map for domain 045";
    QTest::newRow("120") << "Farland" << 1 << "120" << "Show map for domain 120";
}

void TestDomainSelection::domainNumbersAndMapCaption()
{
    QFETCH(QString, country);
    QFETCH(int, row);
    QFETCH(QString, selected);
    QFETCH(QString, caption);
    start(testCatalogue().bytes());
    pickCountry(country);
    pickEntry(row);
    QCOMPARE(m_window->state().SelectedDomain, selected);
    QCOMPARE(text("DownloadMapButton"), caption);
}

void TestDomainSelection::rePickingAnEntryReloadsIt()
{
    start(testCatalogue().bytes());
    pickCountry("Spain");
    pickEntry(1);
    QCOMPARE(text("txtLat2"), QStringLiteral("51.5"));
    QLineEdit *lat2 = m_window->controls().lineEdit("txtLat2");
    lat2->setFocus();
    lat2->selectAll();
    QTest::keyClicks(lat2, "50");
    QCOMPARE(lat2->text(), QStringLiteral("50"));
    pickEntry(1);
    QCOMPARE(lat2->text(), QStringLiteral("51.5"));
}

void TestDomainSelection::keyboardPicksLikeTheMouse()
{
    start(testCatalogue().bytes());
    QComboBox *countries = m_window->controls().comboBox("CountriesListBox");
    countries->setFocus();
    QTest::keyClick(countries, Qt::Key_Down); // the first country: Chile
    QCOMPARE(countries->currentText(), QStringLiteral("Chile"));
    QCOMPARE(m_window->controls().itemCount("DomainsAvailableBox"), 2);

    QListWidget *list = m_window->controls().listWidget("DomainsAvailableBox");
    list->setFocus();
    QCOMPARE(m_window->state().SelectedDomain, QStringLiteral("-1")); // focus alone picks nothing
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(m_window->state().SelectedDomain, QStringLiteral("1"));
    QCOMPARE(text("txtLat1"), QStringLiteral("10"));
}

void TestDomainSelection::countryChangeKeepsTheSelectedDomain()
{
    start(testCatalogue().bytes());
    pickCountry("Spain");
    pickEntry(0);
    const QStringList limits = m_window->state().DomainLimits;
    pickCountry("Chile");
    QCOMPARE(m_window->controls().itemCount("DomainsAvailableBox"), 2);
    QCOMPARE(m_window->state().SelectedDomain, QStringLiteral("7"));
    QCOMPARE(m_window->state().DomainLimits, limits);
    QCOMPARE(text("DownloadMapButton"), QStringLiteral("Show map for domain 007"));
    QVERIFY(m_window->controls().isEnabled("DownloadMapButton"));
    QVERIFY(m_window->controls().isEnabled("cmdShow"));
    QCOMPARE(text("txtLat1"), QString());
}

void TestDomainSelection::methodsBeforeAnyDomain()
{
    start(testCatalogue().bytes());
    pickMethod(1);
    QCOMPARE(basModule::SelectionMethod, qint16(2));
    QCOMPARE((Texts{text("label11"), text("Label8"), text("Label9"), text("Label10")}),
             (Texts{"Index i from   ", "To       ", "Index j from    ", "To       "}));
    QCOMPARE(text("TextIndexiStart") + text("TextIndexiEnd") + text("TextIndexjStart") + text("TextIndexjEnd"),
             QString());
    pickMethod(2);
    QCOMPARE(basModule::SelectionMethod, qint16(3));
    // No limits to show: the index captions stay until a domain is loaded.
    QCOMPARE(text("label11"), QStringLiteral("Index i from   "));
    QVERIFY(m_window->controls().isVisibleFlag("RangeD"));
    QVERIFY(!m_window->controls().isEnabled("cmdShow"));
}

void TestDomainSelection::mismatchedDomainLineKeepsPreviousLimits()
{
    start(testCatalogue().bytes());
    pickCountry("Chile");
    pickEntry(0);
    const QStringList limits = m_window->state().DomainLimits;
    m_window->controls().setText("txtLat1", "33");

    pickCountry("Mismatch");
    QCOMPARE(m_window->controls().itemCount("DomainsAvailableBox"), 1);
    pickEntry(0);
    QCOMPARE(m_window->state().SelectedDomain, QStringLiteral("8"));
    QCOMPARE(text("DownloadMapButton"), QStringLiteral("Show map for domain 008"));
    QCOMPARE(m_window->state().DomainLimits, limits);
    QCOMPARE(text("txtLat1"), QString()); // emptied by the country pick, not refilled

    // A limit that does not read as a number leaves its row as it was.
    pickCountry("Wordland");
    pickEntry(0);
    QCOMPARE(m_window->state().SelectedDomain, QStringLiteral("12"));
    QCOMPARE(text("label11"), QStringLiteral("Lat from  10 S"));
    QCOMPARE(text("Label9"), QStringLiteral("Lon from  1 E"));
}

void TestDomainSelection::failedSecondReadNeverIndexesOutside()
{
    start(testCatalogue().bytes());
    pickCountry("Farland");
    pickEntry(1);
    const QStringList limits = m_window->state().DomainLimits;
    QCOMPARE(limits.size(), 10);

    // A new catalogue with fewer domains that fails after its first section.
    CatalogueBuilder broken;
    broken.addDomain("12", {"1", "1", "50", "50", "0", "0", "1", "2", "3", "4"}, "2001", "Farland");
    broken.keyWordLines = {QStringLiteral("no equals sign")};
    TestFolders::writeFile(m_appFolder.filePath("tiles.cfg"), broken.bytes());
    m_window->InitMainForm();
    QCOMPARE(m_messages.shown.size(), 2);
    QVERIFY(!m_window->state().tables.ConfigLoaded);

    // The entry on the window is still that of domain 120, beyond the new tables.
    pickEntry(1);
    QCOMPARE(m_window->state().SelectedDomain, QStringLiteral("120"));
    QCOMPARE(m_window->state().DomainLimits, limits);

    // Until a catalogue reads again, no country offers a domain: the list on
    // the window describes the old catalogue, the tables a half-read new one.
    for (const char *country : {"Farland", "Chile"}) {
        pickCountry(country);
        QCOMPARE(m_window->controls().itemCount("DomainsAvailableBox"), 0);
    }
}

QTEST_MAIN(TestDomainSelection)
#include "tst_domainselection.moc"
