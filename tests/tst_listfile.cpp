#include "run/listfieldreader.h"
#include "run/listfile.h"

#include <QBuffer>
#include <QtTest>

using Outcome = ListFileContent::Outcome;

class TestListFile : public QObject
{
    Q_OBJECT

private slots:
    void fields_data();
    void fields();
    void listFiles_data();
    void listFiles();
    void readsFromADevice();
    void tileNumberOfAField_data();
    void tileNumberOfAField();
};

namespace {

const QByteArray Header = "No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected";

QByteArray lines(std::initializer_list<QByteArray> list)
{
    QByteArray bytes;
    for (const QByteArray &line : list)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace

void TestListFile::fields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("commas split a line") << "a,b , c\r\nd" << QStringList{"a", "b ", "c", "d"};
    QTest::newRow("leading blanks skipped") << "   x y  \r\n" << QStringList{"x y  "};
    QTest::newRow("empty line is one empty field") << "a\r\n\r\nb\r\n" << QStringList{"a", "", "b"};
    QTest::newRow("blank line is one empty field") << "a\r\n    \r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("quoted field keeps commas") << "\"a, b\",c\r\n" << QStringList{"a, b", "c"};
    QTest::newRow("text after a closing quote dropped") << "\"a\"xyz,c\r\n" << QStringList{"a", "c"};
    QTest::newRow("quote runs across the line end") << "\"a\r\nb\",c" << QStringList{"a\r\nb", "c"};
    QTest::newRow("unclosed quote runs to the end") << "\"abc, d" << QStringList{"abc, d"};
    QTest::newRow("trailing comma gives an empty field") << "a,\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("LF and CR alone end lines") << "a\nb\rc" << QStringList{"a", "b", "c"};
    QTest::newRow("empty text has no field") << "" << QStringList{};
}

void TestListFile::fields()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    ListFieldReader reader(text);
    QStringList read;
    while (!reader.atEnd())
        read << reader.next();
    QCOMPARE(read, fields);
}

void TestListFile::listFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("tiles");

    QTest::newRow("three tiles in file order")
        << lines({"Some text", "", Header, "1    345     1- 40", "2    12     x", "3    7     y", "", "after"})
        << Outcome::TableRead << QStringList{"345", "12", "7"};
    QTest::newRow("header found after free text with commas")
        << lines({"Region 7, year 2005, method 1", Header, "1    9     z"}) << Outcome::TableRead
        << QStringList{"9"};
    QTest::newRow("ERROR before the header")
        << lines({"Engine run", "ERROR: region 99 unknown", Header, "1    5     a"}) << Outcome::ErrorReported
        << QStringList{};
    QTest::newRow("error in mixed case inside a field")
        << lines({"some Terror-ish text"}) << Outcome::ErrorReported << QStringList{};
    QTest::newRow("error after a comma on a line") << lines({"ok, eRRoR here"}) << Outcome::ErrorReported
                                                     << QStringList{};
    QTest::newRow("error after the header is table text")
        << lines({Header, "1    5     error"}) << Outcome::TableRead << QStringList{"5"};
    QTest::newRow("no header, no error") << lines({"nothing", "to see"}) << Outcome::NoHeader << QStringList{};
    QTest::newRow("empty file") << QByteArray() << Outcome::NoHeader << QStringList{};
    QTest::newRow("header with a trailing blank is not the header")
        << lines({Header + " ", "1    5     a"}) << Outcome::NoHeader << QStringList{};
    QTest::newRow("header in other case is not the header")
        << lines({Header.toUpper(), "1    5     a"}) << Outcome::NoHeader << QStringList{};
    QTest::newRow("quoted header is the header")
        << lines({"\"" + Header + "\"", "1    5     a"}) << Outcome::TableRead << QStringList{"5"};
    QTest::newRow("header followed by an empty line")
        << lines({Header, "", "1    5     a"}) << Outcome::TableRead << QStringList{};
    QTest::newRow("header at the very end") << QByteArray(Header) << Outcome::TableRead << QStringList{};
    QTest::newRow("table ends at the end of the file without an empty line")
        << QByteArray(Header + "\r\n1    4     a\r\n2    8     b") << Outcome::TableRead << QStringList{"4", "8"};
    QTest::newRow("three, four and five blanks")
        << lines({Header, "1   31     a", "2    42     b", "3     53     c"}) << Outcome::TableRead
        << QStringList{"42"};
    QTest::newRow("eleven pieces, ranges after the comma add nothing")
        << lines({Header, "  1    345     1- 40,   1- 40  1 -40"}) << Outcome::TableRead << QStringList{"345"};
    QTest::newRow("a field after a comma can add a tile")
        << lines({Header, "1    5     a,2    6     b"}) << Outcome::TableRead << QStringList{"5", "6"};
    QTest::newRow("tile number as the last piece adds nothing")
        << lines({Header, "1    5", "2    6 ", "3    7     x"}) << Outcome::TableRead << QStringList{"6", "7"};
    QTest::newRow("a blank-only line ends the table")
        << lines({Header, "1    5     a", "   ", "2    6     b"}) << Outcome::TableRead << QStringList{"5"};
    QTest::newRow("LF line ends") << QByteArray(Header + "\n1    5     a\n\n") << Outcome::TableRead
                                  << QStringList{"5"};
    QTest::newRow("tile numbers spelt as written")
        << lines({Header, "1    007A     a"}) << Outcome::TableRead << QStringList{"007A"};
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

void TestListFile::readsFromADevice()
{
    QByteArray bytes = lines({"\xe9t\xe9", Header, "1    \xe9     a"});
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const ListFileContent content = ReadListFile(buffer);
    QCOMPARE(content.outcome, Outcome::TableRead);
    // Single-byte text: every byte is one character.
    QCOMPARE(content.TileNumbers, QStringList{QStringLiteral("\u00e9")});
}

void TestListFile::tileNumberOfAField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("tile");
    QTest::newRow("exactly four blanks") << "1    345     1- 40" << "345";
    QTest::newRow("six pieces is enough") << "1    2 x" << "2";
    QTest::newRow("five pieces is not") << "1    2" << "";
    QTest::newRow("three blanks") << "1   2     x" << "";
    QTest::newRow("five blanks") << "1     2     x" << "";
    QTest::newRow("empty") << "" << "";
}

void TestListFile::tileNumberOfAField()
{
    QFETCH(QString, field);
    QFETCH(QString, tile);
    QCOMPARE(TileNumberOf(field).value_or(QString()), tile);
}

QTEST_GUILESS_MAIN(TestListFile)
#include "tst_listfile.moc"
