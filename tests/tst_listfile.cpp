#include "run/listfile.h"
#include "support/testfolders.h"

#include <QRandomGenerator>
#include <QtTest>

using Outcome = ListFileContent::Outcome;

class TestListFile : public QObject
{
    Q_OBJECT

private slots:
    void listFiles_data();
    void listFiles();
    void tileNumbersMatchTheSplit();
};

void TestListFile::listFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("tiles");

    const QString header = QStringLiteral("No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected");
    const auto table = [](const char *name, const QStringList &lines, const QStringList &tiles) {
        QTest::newRow(name) << TestFolders::crlf(lines) << Outcome::TableRead << tiles;
    };
    const auto noTable = [](const char *name, const QStringList &lines, Outcome outcome) {
        QTest::newRow(name) << TestFolders::crlf(lines) << outcome << QStringList();
    };
    table("header after free text; an empty line ends the table",
          {"Region 7, 2005", "", header, "1    345     1- 40", "2    12     x", "", "3    7     y"}, {"345", "12"});
    noTable("eRRoR after a comma", {"Run, TeRRoR", header, "1    5     a"}, Outcome::ErrorReported);
    table("error after the header is table text", {header, "1    5     error"}, {"5"});
    noTable("no header", {"nothing", "to see"}, Outcome::NoHeader);
    noTable("empty file", {}, Outcome::NoHeader);
    noTable("header in other case", {header.toUpper(), "1    5     a"}, Outcome::NoHeader);
    noTable("header with a trailing blank", {header + ' ', "1    5     a"}, Outcome::NoHeader);
    table("quoted header", {'"' + header + '"', "1    5     a"}, {"5"});
    table("header followed by an empty line", {header, "", "1    5     a"}, {});
    table("three, four and five blanks", {header, "1   31     a", "2    42     b", "3     53     c"}, {"42"});
    table("eleven pieces, then ranges after a comma", {header, "  1    345     1- 40,   1- 40  1 -40"}, {"345"});
    table("a field after a comma adds a tile", {header, "1    5     a,2    6     b"}, {"5", "6"});
    table("tile number as the last piece", {header, "1    5", "2    6 ", "3    7     x"}, {"6", "7"});
    table("a blank line ends the table", {header, "1    5     a", "   ", "2    6     b"}, {"5"});
    table("quoted field keeps its comma", {header, "\"1    5,    6     a\""}, {"5,"});
    table("text after a closing quote is dropped", {header, "\"1    5     a\"2    6     b,3    7     c"}, {"5", "7"});
    table("a quote runs across lines", {header, "\"1    5     a", "", "\",2    6     b"}, {"5", "6"});
    table("an unclosed quote runs to the end", {header, "\"1    5     a,2    6     b"}, {"5"});
    // Single-byte text: every byte is one character.
    table("tile numbers spelt as written", {header, QStringLiteral("1    0\u00e9     a")}, {QStringLiteral("0\u00e9")});
    QTest::newRow("table ends at the end of the file")
        << (header + "\r\n1    4     a\r\n2    8     b").toLatin1() << Outcome::TableRead << QStringList{"4", "8"};
    QTest::newRow("LF and CR alone end lines")
        << (header + "\n1    4     a\r2    8     b\n\n3    9     c").toLatin1() << Outcome::TableRead
        << QStringList{"4", "8"};
}

void TestListFile::listFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, tiles);
    const ListFileContent content = ReadListFile(bytes);
    QCOMPARE(content.outcome, outcome);
    QCOMPARE(content.TileNumbers, tiles);
}

void TestListFile::tileNumbersMatchTheSplit()
{
    // The reference rule: split at every blank, piece 4 when not the last.
    QRandomGenerator random(42);
    for (int round = 0; round < 2000; ++round) {
        QString field;
        for (int n = int(random.bounded(14)); n > 0; --n)
            field += random.bounded(3) ? u' ' : QChar(u'0' + random.bounded(3));
        const QStringList pieces = field.split(u' ');
        const QString expected = pieces.size() >= 6 ? pieces.at(4) : QString();
        QCOMPARE(TileNumberOf(field).value_or(QString()), expected);
    }
}

QTEST_GUILESS_MAIN(TestListFile)
#include "tst_listfile.moc"
