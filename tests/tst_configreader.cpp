// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/cataloguetext.h"
#include "catalogue/configreader.h"
#include "catalogue/countrynamelist.h"
#include "catalogue/linereader.h"
#include "catalogue/substringautomaton.h"
#include "common/numbertext.h"
#include "support/cataloguebuilder.h"
#include "support/referencerules.h"
#include "support/testfolders.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using Texts = QStringList;

namespace {

const QString Format = QStringLiteral(
    "Invalid config file format, please downlooad the latest update from the website");
const QString NotValid = QStringLiteral(
    "Config file not valid, please use the hyperlink to downlaod the latest config file on QMT website");
const QString Years = QStringLiteral(
    "Unable to read the config file properly, make sure tiles.cfg  exist in your application folder or "
    "download the latest update fron the QMT website");
const QString Latest = QStringLiteral(", make sure you have the latest configuration file");
const QString KeyWords = "Unable to read the key words for domains" + Latest;
const QString Countries = "Unable to read the countries list per domain" + Latest;

CatalogueBuilder twoDomains()
{
    CatalogueBuilder b;
    b.addDomain("12", "1 1 50 50 0 0 1 2 3 4", "2001,2002", "France, Spain");
    b.addDomain("36", "1 1 50 50 0 0 1 2 3 4", "2003", "Spain,Portugal");
    return b;
}

// One catalogue read: the messages shown, the domain lines and year lines the
// tables hold afterwards, and the date caption.
void addRead(const char *name, const QByteArray &file, const Texts &messages, int domainLines, int domainYears,
             const QString &caption = QStringLiteral("19 April 2011"))
{
    QTest::newRow(name) << file << messages << domainLines << domainYears << caption;
}

// The rules in their plainest form, the reference for the fast readers: CR
// or CR LF ends a line, LF alone is part of one, a last line needs no end.
QStringList referenceLines(QByteArray bytes)
{
    QStringList lines = QString::fromLatin1(bytes.replace("\r\n", "\r")).split(u'\r');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void referenceAddCountries(QStringList &names, const QString &countryList)
{
    for (const QString &item : countryList.split(u',')) {
        const auto same = [&](auto &name) { return NumberText::trimBlanks(name) == NumberText::trimBlanks(item); };
        if (names == QStringList{QString()})
            names.first() = item;
        else if (std::none_of(names.cbegin(), names.cend(), same))
            names << NumberText::trimBlanks(item);
    }
}

QString randomText(QRandomGenerator &random, const QString &alphabet, int maxLength)
{
    QString text;
    for (int n = int(random.bounded(maxLength + 1)); n > 0; --n)
        text += alphabet.at(random.bounded(int(alphabet.size())));
    return text;
}

} // namespace

class TestConfigReader : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void readsTheTables();
    void aNamedPipeIsRefusedWithoutWaiting();
    void linesMatchTheReference();
    void countriesMatchTheReference_data();
    void countriesMatchTheReference();

private:
    ConfigReadResult read(const QByteArray &bytes);

    QTemporaryDir m_folder;
    CatalogueTables m_tables;
};

// A null byte array reads a catalogue that does not exist.
ConfigReadResult TestConfigReader::read(const QByteArray &bytes)
{
    QFile::remove(m_folder.filePath("tiles.cfg"));
    if (!bytes.isNull())
        TestFolders::writeFile(m_folder.filePath("tiles.cfg"), bytes);
    return ConfigReader(m_tables).ReadConfigFile(m_folder.path(), "tiles.cfg");
}

void TestConfigReader::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Texts>("messages"); // none: the read succeeds
    QTest::addColumn<int>("domainLines");
    QTest::addColumn<int>("domainYears");
    QTest::addColumn<QString>("caption");

    const QStringList full = twoDomains().lines();
    const auto replaced = [&](const QString &from, const QString &to) {
        QStringList lines = full;
        lines[lines.indexOf(from)] = to;
        return TestFolders::crlf(lines);
    };
    const auto dated = [&](const QString &line) { return replaced(full.first(), line); };
    addRead("date with label and blank", dated("Date: 20110419"), {}, 2, 2);
    addRead("date without a blank", dated("Catalogue date:20090605"), {}, 2, 2, "5 June 2009");
    addRead("date without label", dated(": 20110419"), {Format}, 0, 0, "");
    addRead("date without colon", dated("Date 20110419"), {Format}, 0, 0, "");
    addRead("30 February", dated("Date: 20110230"), {Format}, 0, 0, "");
    addRead("letters in the date", dated("Date: 2011AB19"), {Format}, 0, 0, "");

    // Five heading lines before section 1: those not skipped become domain lines.
    const auto skipping = [&](const QString &count) {
        return TestFolders::crlf(QStringList{full.first(), count, "h1", "h2", "h3", "h4", "h5"} + full.mid(3));
    };
    addRead("skip 0 discards one", skipping("0"), {}, 6, 2);
    addRead("skip -1 discards none", skipping("-1"), {}, 7, 2);
    addRead("skip 2.5 rounds to 2", skipping("2.5"), {}, 4, 2);
    addRead("skip 3.5 rounds to 4", skipping("3.5"), {}, 2, 2);
    addRead("skip a word", skipping("three"), {NotValid}, 0, 0);
    addRead("skip beyond 16 bits", skipping("32768"), {Format}, 0, 0);

    // A line that is no terminator becomes a third domain line before the real one.
    const auto terminated = [&](const QString &terminator) { return replaced("999", terminator + "\r\n999"); };
    addRead("terminator with blanks", replaced("999", "   999  "), {}, 2, 2);
    addRead("terminator with a leading zero", terminated("0999"), {}, 3, 2);
    addRead("terminator with a point", terminated("999."), {}, 3, 2);

    const auto cutAfter = [&](const QString &line) { return TestFolders::crlf(full.mid(0, full.indexOf(line) + 1)); };
    const QString key1 = "KEY MM5_D1_12km_QMT_TILES";
    addRead("no file", QByteArray(), {Format}, 0, 0, "");
    addRead("ends in section 1", TestFolders::crlf(full.mid(0, 4)), {Format}, 1, 0);
    addRead("ends in section 2", cutAfter(key1), {Years, Format}, 2, 0);
    addRead("ends in section 3", cutAfter("years"), {Years, Format}, 2, 0);
    addRead("ends in section 4", cutAfter("TILESIZE=20"), {KeyWords, Format}, 2, 2);
    addRead("ends in section 5", cutAfter("1 France, Spain"), {Countries, Format}, 2, 2);
    addRead("section 2 starts with its terminator", replaced(key1, "999"), {Years, Format}, 2, 0);
    addRead("key line of one word", replaced(key1, "KEY"), {Years, Format}, 2, 0);
    addRead("key with three underscores", replaced(key1, "KEY MM5_D1_12km_QMT"), {Years, Format}, 2, 0);
    addRead("years line without a blank", replaced("1 2001,2002", "1,2001,2002"), {Years, Format}, 2, 0);
    addRead("fewer year lines than keys", replaced("2 2003", "999"), {Years, Format}, 2, 1);
    addRead("key word without =", replaced("TILESIZE=20", "TILESIZE 20"), {KeyWords, Format}, 2, 2);
    addRead("country line without a blank", replaced("2 Spain,Portugal", "2,Spain"), {Countries, Format}, 2, 2);
    addRead("section 5 longer", replaced("2 Spain,Portugal", "2 Spain\r\n3 Italy"), {Countries, Format}, 2, 2);
    // Section 1 with only its terminator.
    addRead("no domain line", TestFolders::crlf(full.mid(0, 3) + full.mid(5)), {Countries, Format}, 0, 2);
    CatalogueBuilder longest = twoDomains();
    longest.keyWordLines = QStringList(ConfigReader::MaxSectionLines, "K=V");
    addRead("longest section", longest.bytes(), {}, 2, 2);
    longest.keyWordLines << "K=V";
    addRead("section over 32767 lines", longest.bytes(), {KeyWords, Format}, 2, 2);
}

void TestConfigReader::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(Texts, messages);
    QFETCH(QString, caption);
    // Tables of an earlier read must not survive a failing one.
    read(twoDomains().bytes());

    const ConfigReadResult result = read(file);
    QCOMPARE(m_tables.ConfigLoaded, messages.isEmpty());
    // Critical boxes, then the format message as a plain one.
    QList<CatalogueComplaint> complaints;
    for (const QString &text : std::as_const(messages))
        complaints.append({text == Format ? CatalogueComplaint::Box::Plain : CatalogueComplaint::Box::Critical, text});
    QCOMPARE(result.complaints, complaints);
    QTEST(int(m_tables.DomainLines.size()), "domainLines");
    QTEST(int(m_tables.DomainYears.size()), "domainYears");
    QCOMPARE(result.dateCaption, caption);
    QCOMPARE(result.date.value_or(QDate()).toString("d MMMM yyyy"), caption);
}

void TestConfigReader::aNamedPipeIsRefusedWithoutWaiting()
{
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(m_folder.filePath("pipe.cfg")).constData(), 0600), 0);
    QCOMPARE(ConfigReader(m_tables).ReadConfigFile(m_folder.path(), "pipe.cfg").complaints,
             QList<CatalogueComplaint>({{CatalogueComplaint::Box::Plain, Format}}));
#else
    QSKIP("named pipes are a Unix thing");
#endif
}

void TestConfigReader::readsTheTables()
{
    // Section 5 shorter than section 1; CR alone ends a line, LF alone is part
    // of one, upper-half bytes come back as they were. Country names are
    // trimmed and added once, an empty one too.
    CatalogueBuilder b = twoDomains();
    b.addDomain("4.00", "1 1 50 50 0 0 1 2 3 4", "2005", "");
    b.yearLines = QStringList{"1 2001,2002", "2 2003\r3 2005"};
    b.countryLines = QStringList{QStringLiteral(u"1 Curaçao, Fr\nance\r2 Spain,Portugal, Fr\nance,,Spain")};
    read(b.bytes());
    QVERIFY(m_tables.ConfigLoaded);
    QCOMPARE(m_tables.DomainYears, (Texts{"1 2001 2002", "2 2003", "3 2005"}));
    QCOMPARE(m_tables.DomainCountries,
             (Texts{QStringLiteral(u"Curaçao, Fr\nance"), "Spain,Portugal, Fr\nance,,Spain", ""}));
    QCOMPARE(m_tables.CountryNames, (Texts{QStringLiteral(u"Curaçao"), "Fr\nance", "Spain", "Portugal", ""}));
}

void TestConfigReader::linesMatchTheReference()
{
    // Line ends of every kind, also cut by the end of a block: blocks of one
    // byte, of seven and of the default size take turns.
    const qint64 blockSizes[] = {1, 7, LineReader::DefaultBlockSize};
    QRandomGenerator random(1);
    for (int round = 0; round < 600; ++round) {
        QByteArray bytes = randomText(random, QStringLiteral(u"\r\r\n a\u00e9"), 40).toLatin1();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        LineReader reader(buffer, blockSizes[round % 3]);
        QStringList lines;
        QString line;
        while (reader.readLine(line))
            lines << line;
        QCOMPARE(lines, referenceLines(bytes));
    }
}

void TestConfigReader::countriesMatchTheReference_data()
{
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<int>("domains");
    QTest::newRow("names inside other names, blanks and empty items") << QStringLiteral("Nigera \t,") << 40;
    QTest::newRow("many short names") << QStringLiteral("xyz, ") << 400;
}

void TestConfigReader::countriesMatchTheReference()
{
    QFETCH(QString, alphabet);
    QFETCH(int, domains);
    QRandomGenerator random(domains);
    for (int round = 0; round < 20; ++round) {
        QStringList domainCountries, fastNames, referenceNames{QString()};
        CountryNameList names(fastNames);
        for (int j = 0; j < domains; ++j) {
            domainCountries << randomText(random, alphabet + u' ' + u',', 24);
            names.AddCountries(domainCountries.last());
            referenceAddCountries(referenceNames, domainCountries.last());
        }
        QCOMPARE(fastNames, referenceNames);
        // Any list items: repeated ones, empty ones, ones with a comma.
        QStringList items = fastNames;
        for (int n = 0; n < 30; ++n)
            items << randomText(random, alphabet + u',', 4);
        QCOMPARE(MapCountriesToDomains(items, domainCountries), referenceCountryDomains(items, domainCountries));
        // Both ways of stepping, tabulated and through the failures, find the same.
        items.removeAll(QString());
        items.removeDuplicates();
        SubstringAutomaton tabulated(items);
        SubstringAutomaton untabulated(items, 0);
        for (const QString &text : std::as_const(domainCountries)) {
            // "1" for each item found in the text, as the reference marks it.
            QStringList found(items.size()), foundUntabulated(items.size());
            tabulated.search(text, [&](int k) { found[k] = "1"; });
            untabulated.search(text, [&](int k) { foundUntabulated[k] = "1"; });
            QCOMPARE(found, referenceCountryDomains(items, {text}));
            QCOMPARE(foundUntabulated, found);
        }
    }
}

QTEST_GUILESS_MAIN(TestConfigReader)
#include "tst_configreader.moc"
