// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cataloguebuilder.h"
#include "support/shownwindow.h"

using Texts = QStringList;

namespace {

const QStringList Captions = {"label11", "Label8", "Label9", "Label10"};
const QStringList BoxFields = {"txtLat1", "txtLat2", "txtLon1", "txtLon2"};
const QStringList Hemispheres = {"cboLatLL1", "cboLatLL2", "cboLonLL1", "cboLonLL2"};
const QStringList IndexFields = {"TextIndexiStart", "TextIndexiEnd", "TextIndexjStart", "TextIndexjEnd"};
const QString MapOfDomain = QStringLiteral("https://www.qmt.example/mm5/Files/MM5_D%1.pdf");

// Domains chosen to reach the awkward corners of the lists and the display.
QByteArray testCatalogue()
{
    CatalogueBuilder b;
    b.addDomain("36", "1 1 100 80 0 0 -120 -60 -40.5 -10", "2001,2005", "Chile, Argentina");   // 1
    b.addDomain("12", "10 5 60 45 0 0 -5.25 9.75 -10 20", "2003", "Brazil, France");           // 2
    b.addDomain("4.00", "1 1 50 50 0 0 0 10 -45.50 45.50", "2004,2005", "Greenland, Iceland"); // 3
    b.addDomain("1.333", "1 1 50 50 0 0 -52 -50 63 65", "2005", "Greenland");                  // 4
    b.addDomain("12", "1 1 50 50 0 0 -20 -10 63 66", "", "Iceland");                           // 5
    b.addDomain("14.00", "1 1 50 50 0 0 -52 -50 63 65", "2001", "Greenland");                  // 6
    b.addDomain("12", "1 1 90 80 0 0 -5.25 9.75 41.0 51.5", "2001,2005", "France, Spain");     // 7
    b.addDomain("12", "1 1 50 50 0 0 1 2 3 4", "2002", "Mismatch");                            // 8
    b.addDomain("12", "1 1 50 50 0 0 1 2 3 4", "2002", "Shortland");                           // 9
    b.addDomain("36", "1 1 80 80 0 0 -70 -10 55 85", "2003", "Greenland, Canada");             // 10
    b.addDomain("12", "1 1 50 50 0 0 1 2 3 4", "2002", "Iceland,,Norway");                     // 11
    while (b.domainLines.size() < 120)
        b.addDomain("12", "1 1 40 40 0 0 20 30 40 50", "2004", "Filler");
    b.countryLines[44] = "45 Filler, Farland";
    b.countryLines[119] = "120 Farland";
    b.domainLines[7].replace(0, 3, "099");                     // item 0 disagrees
    b.domainLines[8] = "009 MM5 D LAMBERT T 30 60 NEST 12 23"; // too few items
    return b.bytes();
}

} // namespace

class TestDomainSelection : public QObject, private ShownWindow
{
    Q_OBJECT

private slots:
    void init();
    void countryListsItsEntries_data();
    void countryListsItsEntries();
    void entryFillsTheDisplay_data();
    void entryFillsTheDisplay();
    void methodsSwitchBackAndForth();
    void keyboardPickSurvivesCountryChange();
    void failedSecondReadOffersNoDomain();

private:
    // The address of the map the button opens.
    QString mapped()
    {
        shell.urls.clear();
        QTest::mouseClick(controls().button("DownloadMapButton"), Qt::LeftButton);
        return shell.urls.value(0);
    }
    Texts texts(const Texts &names) { return controls().texts(names); }
};

void TestDomainSelection::init()
{
    QVERIFY(open(testCatalogue()));
    QCOMPARE(messages.texts(), QStringList());
}

void TestDomainSelection::countryListsItsEntries_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<Texts>("entries");
    const auto row = [](const char *tag, const char *country, const QString &entries) {
        QTest::newRow(tag) << country << entries.split(u'|', Qt::SkipEmptyParts);
    };
    const QString d3 = QStringLiteral("Domain 3, resolution: 4.00km,  year: ");
    row("years in order, then the next domain", "France",
        "Domain 2, resolution: 12km,  year: 2003|Domain 7, resolution: 12km,  year: 2001|"
        "Domain 7, resolution: 12km,  year: 2005");
    row("hides 4.00, 1.333 and 14.00", "Greenland", "Domain 10, resolution: 36km,  year: 2003");
    row("4.00 under another country; no years, no entry", "Iceland",
        d3 + "2004|" + d3 + "2005|Domain 11, resolution: 12km,  year: 2002");
    row("a line of too few items is left out", "Shortland", "");
}

void TestDomainSelection::countryListsItsEntries()
{
    QFETCH(QString, country);
    pickCountry(country);
    QTEST(controls().items("DomainsAvailableBox"), "entries");
}

void TestDomainSelection::entryFillsTheDisplay_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("map");     // the number on the map button
    QTest::addColumn<QString>("display"); // captions, then txtLat1, txtLat2, txtLon1, txtLon2 and the hemispheres
    const auto row = [](const char *tag, const char *country, int row, const char *map, const char *display) {
        QTest::newRow(tag) << country << row << map << display;
    };
    row("south and west: limits change places", "Chile", 0, "001",
        "Lat from  10 S|To     40.5 S|Lon from  60 W|To     120 W|10|40.5|60|120|SSWW");
    row("across the equator and Greenwich", "Brazil", 0, "002",
        "Lat from  10 S|To     20 N|Lon from  5.25 W|To     9.75 E|10|20|5.25|9.75|SNWE");
    row("45.50 stays, -45.50 shows as 45.5", "Iceland", 0, "003",
        "Lat from  45.5 S|To     45.50 N|Lon from  0 E|To     10 E|45.5|45.50|0|10|SNEE");
    row("domain 7", "Spain", 1, "007",
        "Lat from  41.0 N|To     51.5 N|Lon from  5.25 W|To     9.75 E|41.0|51.5|5.25|9.75|NNWE");
    row("domain 45", "Farland", 0, "045", "Lat from  40 N|To     50 N|Lon from  20 E|To     30 E|40|50|20|30|NNEE");
    row("domain 120", "Farland", 1, "120", "Lat from  40 N|To     50 N|Lon from  20 E|To     30 E|40|50|20|30|NNEE");
}

void TestDomainSelection::entryFillsTheDisplay()
{
    QFETCH(QString, country);
    QFETCH(int, row);
    QFETCH(QString, map);
    QFETCH(QString, display);
    pickCountry(country);
    pickEntry(row);
    QCOMPARE(controls().text("DownloadMapButton"), "Show map for domain " + map);
    QCOMPARE(mapped(), MapOfDomain.arg(map.toInt()));
    QCOMPARE((texts(Captions) + texts(BoxFields) << texts(Hemispheres).join("")).join('|'), display);

    // Picking the same entry again reloads what the user changed.
    QTest::keyClick(controls().lineEdit("txtLat1"), Qt::Key_Backspace);
    QCOMPARE(controls().text("txtLat1"), display.section('|', 4, 4).chopped(1));
    pickEntry(row);
    QCOMPARE(controls().text("txtLat1"), display.section('|', 4, 4));
}

void TestDomainSelection::methodsSwitchBackAndForth()
{
    // Before any domain: empty index captions and fields, no limits to show.
    pickMethod(1);
    QCOMPARE(texts(Captions) + texts(IndexFields),
             (Texts{"Index i from   ", "To       ", "Index j from    ", "To       ", "", "", "", ""}));
    pickMethod(2);
    QVERIFY(!controls().widget("RangeD")->isHidden() && !controls().widget("cmdShow")->isEnabled());

    pickMethod(0);
    pickCountry("Brazil");
    pickEntry(0);
    const Texts box = texts(Captions) + texts(BoxFields) + texts(Hemispheres);
    pickMethod(1);
    QCOMPARE(texts(Captions), (Texts{"Index i from   10", "To       60", "Index j from    5", "To       45"}));
    QCOMPARE(texts(IndexFields), (Texts{"10", "60", "5", "45"}));
    QVERIFY(!controls().widget("Indices")->isHidden() && controls().widget("Geodetic1")->isHidden());
    pickMethod(0);
    QCOMPARE(texts(Captions) + texts(BoxFields) + texts(Hemispheres), box);
}

void TestDomainSelection::keyboardPickSurvivesCountryChange()
{
    QComboBox *countries = controls().comboBox("CountriesListBox");
    countries->setFocus();
    QTest::keyClick(countries, Qt::Key_Down); // the first country: Chile
    QListWidget *list = controls().listWidget("DomainsAvailableBox");
    list->setFocus();
    QVERIFY(!controls().widget("DownloadMapButton")->isEnabled()); // focus alone picks nothing
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(controls().text("txtLat1"), QStringLiteral("10"));

    pickCountry("Mismatch");
    QCOMPARE(mapped(), MapOfDomain.arg(1));
    QVERIFY(controls().widget("DownloadMapButton")->isEnabled() && controls().widget("cmdShow")->isEnabled());
    // A domain line whose number disagrees keeps the previous limits.
    pickEntry(0);
    QCOMPARE(controls().text("DownloadMapButton"), QStringLiteral("Show map for domain 008"));
    QCOMPARE(mapped(), MapOfDomain.arg(8));
    QCOMPARE(controls().text("txtLat1"), QString()); // emptied by the country pick, not refilled
    pickMethod(1);
    QCOMPARE(texts(Captions), (Texts{"Index i from   1", "To       100", "Index j from    1", "To       80"}));
}

void TestDomainSelection::failedSecondReadOffersNoDomain()
{
    pickCountry("Farland");
    pickEntry(1);

    // A new catalogue with fewer domains that fails after its first section.
    CatalogueBuilder broken;
    broken.addDomain("12", "1 1 50 50 0 0 1 2 3 4", "2001", "Farland");
    broken.keyWordLines = {QStringLiteral("no equals sign")};
    TestFolders::writeFile(appFolder.filePath("tiles.cfg"), broken.bytes());
    window->InitMainForm();
    QCOMPARE(messages.shown.size(), 2);

    // The entry on the window is still that of domain 120, beyond the new tables.
    pickEntry(1);
    QCOMPARE(mapped(), MapOfDomain.arg(120));
    // Until a catalogue reads again, no country offers a domain.
    pickCountry("Farland");
    QCOMPARE(controls().items("DomainsAvailableBox"), QStringList());
}

QTEST_MAIN(TestDomainSelection)
#include "tst_domainselection.moc"
