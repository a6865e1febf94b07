#include "catalogue/cataloguetext.h"
#include "catalogue/configreader.h"
#include "support/cataloguebuilder.h"
#include "support/recordingmessages.h"
#include "support/testfolders.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using Texts = QStringList;

namespace {

const QString Format = QStringLiteral("Invalid config file format, please downlooad the latest update from the website");
const QString NotValid = QStringLiteral(
    "Config file not valid, please use the hyperlink to downlaod the latest config file on QMT website");
const QString Years = QStringLiteral(
    "Unable to read the config file properly, make sure tiles.cfg  exist in your application folder or "
    "download the latest update fron the QMT website");
const QString KeyWords = QStringLiteral(
    "Unable to read the key words for domains, make sure you have the latest configuration file");
const QString Countries = QStringLiteral(
    "Unable to read the countries list per domain, make sure you have the latest configuration file");

CatalogueBuilder twoDomains()
{
    CatalogueBuilder b;
    b.addDomain("12", {"1", "1", "50", "50", "0", "0", "1", "2", "3", "4"}, "2001,2002", "France, Spain");
    b.addDomain("36", {"1", "1", "50", "50", "0", "0", "1", "2", "3", "4"}, "2003", "Spain,Portugal");
    return b;
}

} // namespace

class TestConfigReader : public QObject
{
    Q_OBJECT

private slots:
    void dateLine_data();
    void dateLine();
    void skipCount_data();
    void skipCount();
    void terminators_data();
    void terminators();
    void failures_data();
    void failures();
    void readsTheTables();
    void shortCountrySectionLeavesEmptyEntries();
    void countryNames_data();
    void countryNames();
    void mapsCountriesBySubstring();
    void smallRoutines();
    void lineEndsAndBytes();
    void missingFile();
    void overlongSectionFails();
    void survivesGarbage();

private:
    ConfigReadResult read(const QByteArray &bytes);

    QTemporaryDir m_folder;
    CatalogueTables m_tables;
    RecordingMessages m_messages;
};

ConfigReadResult TestConfigReader::read(const QByteArray &bytes)
{
    TestFolders::writeFile(m_folder.filePath("tiles.cfg"), bytes);
    m_messages.clear();
    ConfigReader reader(m_tables, m_messages);
    return reader.ReadConfigFile(m_folder.path(), "tiles.cfg");
}

void TestConfigReader::dateLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QDate>("date"); // invalid: the read fails with the format message
    QTest::addColumn<QString>("caption");
    QTest::newRow("label and blank") << "Date: 20110419" << QDate(2011, 4, 19) << "19 April 2011";
    QTest::newRow("no blank, no leading zeros shown") << "Catalogue date:20090605" << QDate(2009, 6, 5) << "5 June 2009";
    QTest::newRow("blanks around the date") << "Date:   20001231   " << QDate(2000, 12, 31) << "31 December 2000";
    QTest::newRow("second colon ignored") << "Date: 20110419: later" << QDate(2011, 4, 19) << "19 April 2011";
    QTest::newRow("empty part between colons") << "Date:: 20110101" << QDate(2011, 1, 1) << "1 January 2011";
    QTest::newRow("no label") << ": 20110419" << QDate() << "";
    QTest::newRow("no colon") << "Date 20110419" << QDate() << "";
    QTest::newRow("30 February") << "Date: 20110230" << QDate() << "";
    QTest::newRow("month 13") << "Date: 20111301" << QDate() << "";
    QTest::newRow("letters") << "Date: 2011AB19" << QDate() << "";
    QTest::newRow("too short") << "Date: 2011" << QDate() << "";
}

void TestConfigReader::dateLine()
{
    QFETCH(QString, line);
    QFETCH(QDate, date);
    QFETCH(QString, caption);
    CatalogueBuilder b = twoDomains();
    b.dateLine = line;
    const ConfigReadResult result = read(b.bytes());
    QCOMPARE(result.date.value_or(QDate()), date);
    QCOMPARE(result.dateCaption, caption);
    QCOMPARE(m_tables.ConfigLoaded, date.isValid());
    QCOMPARE(m_messages.texts(), date.isValid() ? Texts{} : Texts{Format});
}

void TestConfigReader::skipCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("discarded"); // lines before section 1; -1: the read fails
    QTest::addColumn<Texts>("messages");
    QTest::newRow("3 discards four") << "3" << 4 << Texts{};
    QTest::newRow("0 discards one") << "0" << 1 << Texts{};
    QTest::newRow("-1 discards none") << "-1" << 0 << Texts{};
    QTest::newRow("-2 discards none") << "-2" << 0 << Texts{};
    QTest::newRow("blanks around") << "  2  " << 3 << Texts{};
    QTest::newRow("2.5 rounds to even 2") << "2.5" << 3 << Texts{};
    QTest::newRow("3.5 rounds to even 4") << "3.5" << 5 << Texts{};
    QTest::newRow("word") << "three" << -1 << Texts{NotValid};
    QTest::newRow("empty") << "" << -1 << Texts{NotValid};
    QTest::newRow("beyond 16 bits") << "32768" << -1 << Texts{Format};
    QTest::newRow("below 16 bits") << "-32769" << -1 << Texts{Format};
}

void TestConfigReader::skipCount()
{
    QFETCH(QString, count);
    QFETCH(int, discarded);
    QFETCH(Texts, messages);
    // Five numbered heading lines, then the domains: what is not discarded
    // becomes a domain line, so the count shows in the table.
    CatalogueBuilder b = twoDomains();
    const QStringList heading = {"h1", "h2", "h3", "h4", "h5"};
    QStringList lines = b.lines();
    lines.removeAt(2); // the builder's own heading line
    lines[1] = count;
    for (qsizetype i = heading.size() - 1; i >= 0; --i)
        lines.insert(2, heading.at(i));
    read(TestFolders::crlf(lines));
    QCOMPARE(m_messages.texts(), messages);
    QCOMPARE(m_messages.shown.isEmpty() || m_messages.shown.first().icon == ui::MessageIcon::Critical,
             messages != Texts{Format});
    if (discarded < 0) {
        QVERIFY(!m_tables.ConfigLoaded);
        QVERIFY(m_tables.DomainLines.isEmpty());
        return;
    }
    QVERIFY(m_tables.ConfigLoaded);
    QCOMPARE(m_tables.DomainLines.mid(0, heading.size() - discarded), heading.mid(discarded));
    QCOMPARE(m_tables.DomainLines.last(), b.domainLines.last());
}

void TestConfigReader::terminators_data()
{
    QTest::addColumn<QString>("terminator");
    QTest::addColumn<bool>("ends");
    QTest::newRow("plain") << "999" << true;
    QTest::newRow("blanks around") << "   999  " << true;
    QTest::newRow("tab is not a blank") << "999\t" << false;
    QTest::newRow("leading zero") << "0999" << false;
    QTest::newRow("trailing point") << "999." << false;
}

void TestConfigReader::terminators()
{
    QFETCH(QString, terminator);
    QFETCH(bool, ends);
    QStringList lines = twoDomains().lines();
    const qsizetype first = lines.indexOf("999");
    lines[first] = terminator;
    if (!ends)
        lines.insert(first + 1, "999");
    read(TestFolders::crlf(lines));
    QVERIFY(m_tables.ConfigLoaded);
    QCOMPARE(m_tables.DomainLines.size(), ends ? 2 : 3);
}

void TestConfigReader::failures_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Texts>("messages");
    QTest::addColumn<int>("domainLines");
    QTest::addColumn<int>("domainYears");

    const QStringList full = twoDomains().lines();
    const auto cutAfter = [&](const QString &heading) {
        return TestFolders::crlf(full.mid(0, full.indexOf(heading) + 1));
    };
    const auto replaced = [&](const QString &from, const QString &to) {
        QStringList lines = full;
        lines[lines.indexOf(from)] = to;
        return TestFolders::crlf(lines);
    };
    const QString key1 = "KEY MM5_D1_12km_QMT_TILES";

    QTest::newRow("ends in the heading block") << TestFolders::crlf(full.mid(0, 2)) << Texts{Format} << 0 << 0;
    QTest::newRow("ends in section 1") << TestFolders::crlf(full.mid(0, 4)) << Texts{Format} << 1 << 0;
    QTest::newRow("ends in section 2") << cutAfter(key1) << Texts{Years, Format} << 2 << 0;
    QTest::newRow("ends in section 3") << cutAfter("years") << Texts{Years, Format} << 2 << 0;
    QTest::newRow("ends in section 4") << cutAfter("TILESIZE=20") << Texts{KeyWords, Format} << 2 << 2;
    QTest::newRow("ends in section 5") << cutAfter("1 France, Spain") << Texts{Countries, Format} << 2 << 2;
    QTest::newRow("section 2 starts with its terminator")
        << [&] { CatalogueBuilder b = twoDomains(); b.keyLines = {"999"}; return b.bytes(); }()
        << Texts{Years, Format} << 2 << 0;
    QTest::newRow("key line of one word") << replaced(key1, "KEY") << Texts{Years, Format} << 2 << 0;
    QTest::newRow("key line with an empty second item")
        << replaced(key1, "KEY  MM5_D1_12km_QMT_TILES") << Texts{Years, Format} << 2 << 0;
    QTest::newRow("key with three underscores") << replaced(key1, "KEY MM5_D1_12km_QMT") << Texts{Years, Format} << 2 << 0;
    QTest::newRow("years line without a blank") << replaced("1 2001,2002", "1,2001,2002") << Texts{Years, Format} << 2 << 0;
    QTest::newRow("fewer year lines than keys")
        << [&] { QStringList l = full; l.removeAt(l.indexOf("2 2003")); return TestFolders::crlf(l); }()
        << Texts{Years, Format} << 2 << 1;
    QTest::newRow("key word without =") << replaced("TILESIZE=20", "TILESIZE 20") << Texts{KeyWords, Format} << 2 << 2;
    QTest::newRow("country line without a blank") << replaced("2 Spain,Portugal", "2,Spain") << Texts{Countries, Format} << 2 << 2;
    QTest::newRow("more country lines than domains")
        << [&] { QStringList l = full; l.insert(l.lastIndexOf("999"), "3 Italy"); return TestFolders::crlf(l); }()
        << Texts{Countries, Format} << 2 << 2;
    QTest::newRow("no domain line")
        << [&] { CatalogueBuilder b; b.keyLines = {key1}; b.yearLines = {"1 2001"}; b.countryLines = {}; return b.bytes(); }()
        << Texts{Countries, Format} << 0 << 1;
}

void TestConfigReader::failures()
{
    QFETCH(QByteArray, file);
    QFETCH(Texts, messages);
    QFETCH(int, domainLines);
    QFETCH(int, domainYears);
    // Tables of an earlier read must not survive a failing one.
    read(twoDomains().bytes());
    QVERIFY(m_tables.ConfigLoaded);

    const ConfigReadResult result = read(file);
    QVERIFY(!m_tables.ConfigLoaded);
    QCOMPARE(m_messages.texts(), messages);
    QCOMPARE(m_messages.shown.last().icon, ui::MessageIcon::None);
    for (qsizetype i = 0; i + 1 < m_messages.shown.size(); ++i)
        QCOMPARE(m_messages.shown.at(i).icon, ui::MessageIcon::Critical);
    QCOMPARE(m_messages.shown.first().title, QStringLiteral("Quorvantix GUI"));
    // What was read before the failing point stays; the date was read first.
    QCOMPARE(m_tables.DomainLines.size(), domainLines);
    QCOMPARE(m_tables.DomainYears.size(), domainYears);
    QCOMPARE(result.dateCaption, QStringLiteral("19 April 2011"));
}

void TestConfigReader::readsTheTables()
{
    CatalogueBuilder b = twoDomains();
    b.keyLines = {"KEY MM5_D1_a_b_c", "KEY MM5_D2_a_b_c"};
    read(b.bytes());
    QVERIFY(m_tables.ConfigLoaded);
    QCOMPARE(m_messages.texts(), Texts{});
    QCOMPARE(m_tables.DomainLines, b.domainLines);
    QCOMPARE(m_tables.DomainYears, (Texts{"1 2001 2002", "2 2003"}));
    QCOMPARE(m_tables.DomainCountries, (Texts{"France, Spain", "Spain,Portugal"}));
    QCOMPARE(m_tables.CountryNames, (Texts{"France", "Spain", "Portugal"}));
}

void TestConfigReader::shortCountrySectionLeavesEmptyEntries()
{
    CatalogueBuilder b = twoDomains();
    b.addDomain("4.00", {"1", "1", "50", "50", "0", "0", "1", "2", "3", "4"}, "2005", "");
    b.countryLines.removeLast();
    read(b.bytes());
    QVERIFY(m_tables.ConfigLoaded);
    QCOMPARE(m_tables.DomainCountries, (Texts{"France, Spain", "Spain,Portugal", ""}));
}

void TestConfigReader::countryNames_data()
{
    QTest::addColumn<Texts>("lists");
    QTest::addColumn<Texts>("names");
    QTest::newRow("blank before a name does not repeat it")
        << Texts{"France, Spain", "Spain,Portugal"} << Texts{"France", "Spain", "Portugal"};
    QTest::newRow("trailing comma adds one empty name, once")
        << Texts{"France,", "Spain,,"} << Texts{"France", "", "Spain"};
    QTest::newRow("the first item is taken untrimmed")
        << Texts{" France , Spain"} << Texts{" France ", "Spain"};
    QTest::newRow("duplicates across domains") << Texts{"Niger", "Nigeria", "Niger"} << Texts{"Niger", "Nigeria"};
}

void TestConfigReader::countryNames()
{
    QFETCH(Texts, lists);
    QFETCH(Texts, names);
    QStringList table{QString()};
    for (const QString &list : lists)
        AddCountries(table, list);
    QCOMPARE(table, names);
}

void TestConfigReader::mapsCountriesBySubstring()
{
    const Texts domains = {"Niger, Mali", "Nigeria", "", "Chad,Niger", "Mali"};
    QCOMPARE(MapCountriesToDomains({"Niger", "Nigeria", "Mali", "Chad", "Peru"}, domains),
             (Texts{"1,2,4", "2", "1,5", "4", ""}));
    QCOMPARE(MapCountriesToDomains({}, domains), Texts{});
}

void TestConfigReader::smallRoutines()
{
    QStringList items{" a", "", "  ", "\t", "b "};
    RemoveBlankItems(items);
    QCOMPARE(items, (Texts{" a", "\t", "b "})); // untrimmed, tabs are not blank
    QCOMPARE(GetMonthName(9) + GetMonthName(0) + GetMonthName(13), QStringLiteral("September"));
}

void TestConfigReader::lineEndsAndBytes()
{
    // CR alone ends a line; LF alone is part of it; upper-half bytes round-trip.
    QByteArray bytes = twoDomains().bytes();
    bytes.replace("1 France, Spain\r\n", "1 Cura\xe7" "ao, Fr\nance\r");
    bytes.replace("2 2003\r\n", "2 2003\r");
    read(bytes);
    QVERIFY(m_tables.ConfigLoaded);
    QCOMPARE(m_tables.DomainCountries.first(), QStringLiteral(u"Curaçao, Fr\nance"));
    QCOMPARE(m_tables.DomainCountries.first().toLatin1(), QByteArray("Cura\xe7" "ao, Fr\nance"));
    QCOMPARE(m_tables.DomainYears.last(), QStringLiteral("2 2003"));
}

void TestConfigReader::missingFile()
{
    m_messages.clear();
    ConfigReader reader(m_tables, m_messages);
    const ConfigReadResult result = reader.ReadConfigFile(m_folder.path(), "none.cfg");
    QCOMPARE(m_messages.texts(), Texts{Format});
    QVERIFY(!result.date);
    QVERIFY(!m_tables.ConfigLoaded);
}

void TestConfigReader::overlongSectionFails()
{
    CatalogueBuilder b = twoDomains();
    b.keyWordLines = QStringList(ConfigReader::MaxSectionLines, "K=V");
    read(b.bytes());
    QVERIFY(m_tables.ConfigLoaded);
    b.keyWordLines << "K=V";
    read(b.bytes());
    QVERIFY(!m_tables.ConfigLoaded);
    QCOMPARE(m_messages.texts(), (Texts{KeyWords, Format}));
}

void TestConfigReader::survivesGarbage()
{
    // Random bytes and mangled catalogues: any outcome but a crash, a hang or
    // a read outside a table (the sanitizers watch the last).
    QRandomGenerator random(20110419);
    const QByteArray valid = TestFolders::readFile(TestFolders::sampleCatalogue());
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes = valid;
        const int edits = 1 + int(random.bounded(20));
        for (int e = 0; e < edits; ++e) {
            const int at = int(random.bounded(bytes.size()));
            switch (random.bounded(3)) {
            case 0: bytes[at] = char(random.bounded(256)); break;
            case 1: bytes.remove(at, int(random.bounded(200))); break;
            default: bytes.insert(at, "\r999\r"); break;
            }
        }
        read(round % 10 == 0 ? QByteArray(4096, char(random.bounded(256))) : bytes);
        QVERIFY(m_tables.ConfigLoaded || !m_messages.shown.isEmpty());
        QVERIFY(m_tables.DomainCountries.isEmpty() || m_tables.DomainCountries.size() == m_tables.DomainLines.size());
    }
}

QTEST_GUILESS_MAIN(TestConfigReader)
#include "tst_configreader.moc"
