// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/controlfilelines.h"
#include "run/listfile.h"
#include "support/testfolders.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using Outcome = ListFileContent::Outcome;

// The stand-in engine of the build's application folder, with the sample
// catalogue beside it, run as a real process on control files; and the list
// files it and other engines write, as the window reads them.
class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void requests_data();
    void requests();
    void listFiles_data();
    void listFiles();
};

namespace {

// Domain 7 of the sample catalogue: I 1-90, J 1-80, longitude -5.25 to 9.75,
// latitude 41 to 51.5, years 2001 and 2005; five tiles per row, four rows.
QByteArray request(CoordinateMethod selectionMethod, const LimitArray &limits)
{
    return ControlFileBytes(ControlFileLines(QStringLiteral("7"), QStringLiteral("2005"), selectionMethod, limits));
}

QByteArray replaced(QByteArray bytes, int line, const QByteArray &value)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines[line - 1] = value + "       ! changed\r";
    return lines.join('\n');
}

} // namespace

void TestEngine::requests_data()
{
    using enum CoordinateMethod;
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QStringList>("tiles");
    QTest::addColumn<QByteArray>("error"); // the reason in the error list file; none when served

    // Served when no error is given.
    const auto row = [](const char *name, const QByteArray &control, const QStringList &tiles,
                        const QByteArray &error = QByteArray()) { QTest::newRow(name) << control << tiles << error; };
    row("indices over four tiles", request(Indices, {0, 10, 40, 5, 25}), {"1", "2", "6", "7"});
    row("indices in the last, narrow column", request(Indices, {0, 85, 90, 61, 80}), {"20"});
    // Longitude 0 to 1 gives I 32.2 to 38.1, latitude 45 to 46 gives J 31.1 to 38.6.
    row("box inside one tile", request(LatLonBox, {0, 45, 46, 0, 1}), {"7"});
    // 50 km around 2 E 46 N: I 40.2 to 47.9, J 35.2 to 42.
    row("centre and radius across four tiles", request(CentreRadius, {0, 46, 2, 50, 0}), {"7", "8", "12", "13"});
    row("circle cut back at the domain corner", request(CentreRadius, {0, 41, -5.25, 300, 0}), {"1", "2", "6", "7"});

    const QByteArray indices = request(Indices, {0, 10, 40, 5, 25});
    row("no control file", QByteArray(), {}, "the control file quorvantix.inp cannot be opened");
    row("only five lines", indices.left(indices.indexOf("1       ! Method")), {},
        "the control file holds 5 lines instead of 12");
    row("list file in a folder", replaced(indices, 2, "sub/list.lst"), {}, "line 2 of the control file");
    row("unknown region", replaced(indices, 4, "999"), {}, "region 999 is not in the catalogue");
    row("year not offered", replaced(indices, 5, "1999"), {}, "region 7 has no data for the year 1999");
    row("method 4", replaced(indices, 6, "4"), {}, "line 6 of the control file");
    row("index not whole", replaced(indices, 7, "10.5,40"), {}, "grid indices must be whole numbers");
    row("index beyond the grid", request(Indices, {0, 10, 91, 5, 25}), {}, "the I/J range 10-91 / 5-25 lies outside");
    row("box west of the domain", request(LatLonBox, {0, 42, 44, -6, 0}), {}, "the box from longitude -6 to 0");
    row("centre outside", request(CentreRadius, {0, 30, 2, 50, 0}), {},
        "the centre at longitude 2, latitude 30 lies outside");
    row("radius zero", request(CentreRadius, {0, 46, 2, 0, 0}), {}, "the radius must be more than 0 km");
    row("batch flag 2", replaced(indices, 9, "2"), {}, "lines 9, 11 and 12 of the control file");
}

// The control file (none when null) in a new working folder, the engine run
// there, and the files it leaves.
void TestEngine::requests()
{
    QFETCH(QByteArray, control);
    QFETCH(QByteArray, error);
    QTemporaryDir work;
    if (!control.isNull())
        TestFolders::writeFile(work.filePath("quorvantix.inp"), control);
    QProcess engine;
    engine.setWorkingDirectory(work.path());
    engine.start(TestFolders::buildAppFolder() + QStringLiteral("/Quorvantix.exe"), {});
    QVERIFY(engine.waitForFinished(-1));
    QCOMPARE(engine.exitCode(), error.isNull() ? 0 : 1);

    const QByteArray list = TestFolders::readFile(work.filePath("quorvantix.lst"));
    const QByteArray output = TestFolders::readFile(work.filePath("quorvantix.dat"));
    const ListFileContent content = ReadListFile(list);
    QTEST(content.TileNumbers(), "tiles");
    QCOMPARE(content.outcome, error.isNull() ? Outcome::TableRead : Outcome::ErrorReported);
    if (error.isNull()) {
        QVERIFY(output.contains("Tiles needed: " + QByteArray::number(content.rows.size())));
        QCOMPARE(TestFolders::readFile(work.filePath("mvtiles.bat")).count("\r\nren \""), content.rows.size());
    } else {
        QVERIFY2(list.contains("\r\nERROR: " + error), list.constData());
        QVERIFY(output.contains("The request could not be served: " + error));
        QVERIFY(!QFileInfo::exists(work.filePath("mvtiles.bat")));
    }
}

void TestEngine::listFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("tiles");

    const QString header = QStringLiteral("No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected");
    // Lines end with CR LF, all but the last, so the table ends at the end of
    // the file; the engine's list files above end it with an empty line.
    const auto row = [](const char *name, const QStringList &lines, const QStringList &tiles,
                        Outcome outcome = Outcome::TableRead) {
        QTest::newRow(name) << lines.join(QStringLiteral("\r\n")).toLatin1() << outcome << tiles;
    };
    row("header after free text and an empty line; a blank line ends the table",
        {"Region 7, 2005", "", header, "1    345     1- 40", "2    12     x", "   ", "3    7     y"}, {"345", "12"});
    row("eRRoR after a comma", {"Run, TeRRoR", header, "1    5     a"}, {}, Outcome::ErrorReported);
    row("error after the header is table text", {header, "1    5     error"}, {"5"});
    row("empty file", {}, {}, Outcome::NoHeader);
    row("header in other case", {header.toUpper(), "1    5     a"}, {}, Outcome::NoHeader);
    row("header with a trailing blank", {header + ' ', "1    5     a"}, {}, Outcome::NoHeader);
    row("quoted header", {'"' + header + '"', "1    5     a"}, {"5"});
    row("three, four and five blanks", {header, "1   31     a", "2    42     b", "3     53     c"}, {"42"});
    row("eleven pieces, then ranges after a comma, then a field that adds a tile",
        {header, "  1    345     1- 40,   1- 40  1 -40,2    6     b"}, {"345", "6"});
    row("tile number as the last piece", {header, "1    5", "2    6 ", "3    7     x"}, {"6", "7"});
    row("quoted field keeps its comma", {header, "\"1    5,    6     a\""}, {"5,"});
    row("text after a closing quote is dropped", {header, "\"1    5     a\"2    6     b,3    7     c"}, {"5", "7"});
    row("a quote runs across lines", {header, "\"1    5     a", "", "\",2    6     b"}, {"5", "6"});
    row("an unclosed quote runs to the end", {header, "\"1    5     a,2    6     b"}, {"5"});
    // Single-byte text: every byte is one character.
    row("tile numbers spelt as written", {header, QStringLiteral("1    0\u00e9     a")}, {QStringLiteral("0\u00e9")});
    row("LF and CR alone end lines", {header + "\n1    4     a\r2    8     b\n\n3    9     c"}, {"4", "8"});
}

void TestEngine::listFiles()
{
    QFETCH(QByteArray, bytes);
    QTEST(ReadListFile(bytes).outcome, "outcome");
    QTEST(ReadListFile(bytes).TileNumbers(), "tiles");
}

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
