// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/areaexport.h"
#include "run/controlfilereader.h"
#include "run/controlfilewriter.h"
#include "run/recentrequests.h"
#include "run/requesttext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(IndexRange)

class TestRequests final : public QObject
{
    Q_OBJECT

private slots:
    void controlFileChecks_data();
    void controlFileChecks();
    void controlFileReadsBack_data();
    void controlFileReadsBack();
    void requestInWords_data();
    void requestInWords();
    void recentRequestsKeepTheLastTen();
    void areaExport_data();
    void areaExport();
};

void TestRequests::areaExport_data()
{
    QTest::addColumn<QString>("limits");   // the domain's, as its catalogue line gives them
    QTest::addColumn<QRectF>("subdomain"); // west, south, width, height; empty for none
    QTest::addColumn<IndexRange>("tile");  // the cells of tile 9; none when all zero
    QTest::addColumn<QString>("features"); // kind, then each piece: west east south north

    const auto row = [](const char *tag, const QString &limits, QRectF subdomain, IndexRange tile,
                        const char *features) { QTest::newRow(tag) << limits << subdomain << tile << features; };
    // Four cells a degree on both axes, from 165 E over the 180th meridian to 170 W.
    const QString across = QStringLiteral("1 1 101 41 0 0 165 -170 -25 -15");
    row("box and tile west of 180", across, QRectF(166, -20, 3, 3), {1, 20, 1, 20},
        "domain 165 180 -25 -15 + -180 -170 -25 -15; sub-domain 166 169 -20 -17; tile 9 165 169.875 -25 -20.125");
    row("box and tile across 180", across, QRectF(175, -20, 10, 3), {61, 80, 1, 4},
        "domain 165 180 -25 -15 + -180 -170 -25 -15; sub-domain 175 180 -20 -17 + -180 -175 -20 -17; "
        "tile 9 179.875 180 -25 -24.125 + -180 -175.125 -25 -24.125");
    row("once round the globe from 180, no sub-domain", "1 1 361 41 0 0 180 -180 -25 -15", QRectF(), {},
        "domain -180 180 -25 -15");
}

// The GeoJSON of a run read back: a FeatureCollection whose rings are
// closed, counterclockwise, longitude first, cut at the 180th meridian.
void TestRequests::areaExport()
{
    QFETCH(QString, limits);
    QFETCH(QRectF, subdomain);
    QFETCH(IndexRange, tile);
    const std::optional<DomainGrid> grid = DomainGrid::fromLimits(limits.split(u' '));
    QVERIFY(grid);
    const QPolygonF outline = subdomain.isEmpty() ? QPolygonF() : QPolygonF(subdomain);
    const QList<TileCells> tiles = tile == IndexRange() ? QList<TileCells>()
                                                        : QList<TileCells>{{QStringLiteral("9"), tile, tile}};

    const QJsonDocument read = QJsonDocument::fromJson(AreaGeoJson({"7", *grid}, outline, tiles));
    QCOMPARE(read["type"].toString(), QStringLiteral("FeatureCollection"));
    QStringList seen;
    for (const QJsonValue &feature : read["features"].toArray()) {
        const QJsonObject geometry = feature["geometry"].toObject();
        const bool multi = geometry["type"].toString() == QStringLiteral("MultiPolygon");
        const QJsonArray polygons = multi ? geometry["coordinates"].toArray() : QJsonArray{geometry["coordinates"]};
        QStringList pieces;
        for (const QJsonValue &polygon : polygons) {
            const QJsonArray ring = polygon.toArray().first().toArray();
            QVERIFY(ring.size() >= 4 && ring.first() == ring.last());
            double west = 999, east = -999, south = 999, north = -999, area = 0;
            for (qsizetype k = 0; k + 1 < ring.size(); ++k) {
                const double lon = ring[k][0].toDouble(), lat = ring[k][1].toDouble();
                west = std::min(west, lon), east = std::max(east, lon);
                south = std::min(south, lat), north = std::max(north, lat);
                area += lon * ring[k + 1][1].toDouble() - ring[k + 1][0].toDouble() * lat;
            }
            QVERIFY2(area > 0, "outer rings run counterclockwise");
            pieces << QStringLiteral("%1 %2 %3 %4").arg(west).arg(east).arg(south).arg(north);
        }
        // One piece is a Polygon, two a MultiPolygon.
        QCOMPARE(multi, pieces.size() > 1);
        const QString kind = feature["properties"]["kind"].toString();
        const QString number = feature["properties"]["tile"].toString();
        seen << (number.isEmpty() ? kind : kind + ' ' + number) + ' ' + pieces.join(QStringLiteral(" + "));
    }
    QTEST(seen.join(QStringLiteral("; ")), "features");
}

void TestRequests::controlFileChecks_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QStringList>("entries"); // in the order of TileRequests::entryNames
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("line7"); // the values of lines 7 and 8 when accepted
    QTest::addColumn<QString>("line8");

    const auto row = [](const char *name, int method, const char *entries, const QString &refusal,
                        const char *line7 = "", const char *line8 = "") {
        QTest::newRow(name) << method << QString::fromLatin1(entries).split(u'|') << refusal << line7 << line8;
    };
    row("south; 0 W; 15 digits", 1, "10|S|0|W|20|S|80.12345678901234|W", "", "-80.1234567890123,0", "-20,-10");
    row("centre with an empty list and a letter in other case is north and east", 3, "45.500000|s|73.250000||150", "",
        "73.25,45.5", "150");
    // With no domain known the box runs from the lesser longitude; in a domain
    // across the 180th meridian it runs as the map draws it (tst_tilerun).
    row("175 E to 175 W in no known domain", 1, "17|S|175|E|20|S|175|W", "", "-175,175", "-20,-17");

    const QString order = QStringLiteral("Starting indices for i and j must smaller than ending indices");
    const QString notWhole = QStringLiteral("The index \"%1\" is not a whole number between -32768 and 32767.");
    row("index empty", 2, "10|40|5|", "Please provide starting and ending indices.");
    row("i start equals end", 2, "10|10|5|25", order);
    row("j start after end", 2, "10|40|26|25", order);
    row("index not a number", 2, "10|4o|5|25", notWhole.arg("4o"));
    row("index with a fraction", 2, "10|40|5.5|25", notWhole.arg("5.5"));
    row("index beyond 16 bits", 2, "10|40|5|32768", notWhole.arg("32768"));
    const QString firstCorner = QStringLiteral("Please provide all the requested latitudes/longitudes .");
    const QString secondCorner = QStringLiteral("Please provide all the requested latitudes/longitudes.");
    row("first hemisphere empty", 1, "40|N|70||30|N|80|W", firstCorner);
    row("both corners empty", 1, "40|N||W|30|N||W", firstCorner);
    row("second hemisphere empty", 1, "40|N|70|W|30||80|W", secondCorner);
    row("latitude not a number", 1, "40|N|70|W|3O|N|80|W", "The latitude or longitude \"3O\" is not a number.");
    const QString noCentre = QStringLiteral("Please provide radius and origin coordinnates of the domain.");
    row("radius empty", 3, "45.5|N|73.25|W|", noCentre);
    row("centre longitude empty", 3, "45.5|N||W|150", noCentre);
    row("radius of blanks", 3, "45.5|N|73.25|W|  ", "The radius \"  \" is not a number.");
    row("centre not a number", 3, "45.5|N|7..3|W|150", "The center coordinate \"7..3\" is not a number.");
    row("no method", 0, "", "Please select the type of coordinates first.");
}

// The writer on a request of region 7 of 2001, without a window or a domain:
// the refusal, or the values of lines 7 and 8 (none when refused).
void TestRequests::controlFileChecks()
{
    QFETCH(int, method);
    QFETCH(QStringList, entries);
    const TileRequest request{{}, QStringLiteral("7"), QStringLiteral("2001"), CoordinateMethod(method), entries};
    const ControlFileCheck checked = ControlFileWriter(request, {}).CheckedControlFileLines();
    QTEST(checked.refusal, "refusal");
    QTEST(checked.lines.value(6).section(u' ', 0, 0), "line7");
    QTEST(checked.lines.value(7).section(u' ', 0, 0), "line8");
}

void TestRequests::controlFileReadsBack_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<LimitArray>("limits");
    QTest::addColumn<int>("line"); // replaced by `text`; 0 keeps the file as written, -n drops its last n lines
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("badLine"); // the line named as not reading; 0 when it reads
    QTest::addColumn<QStringList>("entries");

    const QStringList box = {"20", "S", "0.5", "W", "10.25", "N", "179.999999", "E"};
    const QStringList indices = {"10", "40", "5", "25"};
    const QStringList centre = {"45.5", "N", "73.25", "W", "150"};
    const auto row = [](const char *tag, int method, LimitArray limits, int line, const char *text, int badLine,
                        const QStringList &entries = {}) {
        QTest::newRow(tag) << method << limits << line << QString::fromLatin1(text) << badLine << entries;
    };
    row("box across the equator and the meridian", 1, {0, -20, 10.25, -0.5, 179.999999}, 0, "", 0, box);
    row("centre", 3, {0, 45.5, -73.25, 150, 0}, 0, "", 0, centre);
    row("other blanks and comments", 2, {0, 10, 40, 5, 25}, 7, " 10 , 40 !i", 0, indices);
    row("region with leading zeros", 2, {0, 10, 40, 5, 25}, 4, "007 ! region", 0, indices);

    row("another list file", 2, {0, 10, 40, 5, 25}, 2, "other.lst ! List file", 2);
    row("region no number", 2, {0, 10, 40, 5, 25}, 4, "x7       ! MM5 region ID", 4);
    row("year of two digits", 2, {0, 10, 40, 5, 25}, 5, "01      ! Year", 5);
    row("method 4", 2, {0, 10, 40, 5, 25}, 6, "4       ! Method", 6);
    row("one index on line 7", 2, {0, 10, 40, 5, 25}, 7, "10       ! Beg/End", 7);
    row("index with a fraction", 2, {0, 10, 40, 5, 25}, 8, "5,25.5       ! Beg/End", 8);
    row("index beyond 16 bits", 2, {0, 10, 40, 5, 25}, 7, "10,40000", 7);
    row("latitude 91", 1, {0, 30, 40, -80, -70}, 8, "30,91       ! lat", 8);
    row("longitude 181", 1, {0, 30, 40, -80, -70}, 7, "-181,-70       ! lon", 7);
    row("two radii", 3, {0, 45.5, -73.25, 150, 0}, 8, "150,2   ! range", 8);
    row("negative radius", 3, {0, 45.5, -73.25, 150, 0}, 8, "-150   ! range", 8);
    row("twelfth line changed", 2, {0, 10, 40, 5, 25}, 12, "2       ! Operating System", 12);
    row("a thirteenth line", 2, {0, 10, 40, 5, 25}, 12, "1       ! Operating System\r\nmore", 13);
    row("ends early", 2, {0, 10, 40, 5, 25}, -6, "", 7);
}

void TestRequests::controlFileReadsBack()
{
    QFETCH(int, method);
    QFETCH(LimitArray, limits);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, badLine);

    const QStringList written = ControlFileLines("7", "2001", CoordinateMethod(method), limits);
    QStringList lines = written;
    if (line > 0)
        lines[line - 1] = text;
    else
        lines.resize(lines.size() + line);
    // LF alone ends the lines of a file that travelled.
    const QByteArray bytes = line == 7 ? lines.join(u'\n').toLatin1() : ControlFileBytes(lines);

    // The message that quotes the line: the request menu's odd files (a file of NULs).
    const ControlFileReading reading = ReadControlFile(bytes);
    QCOMPARE(reading.request.has_value(), badLine == 0);
    QCOMPARE(reading.problem.line, badLine);
    if (!reading.request)
        return;
    const ControlFileRequest &request = *reading.request;
    QTEST(TileRequests::entriesFromLimits(request.selectionMethod, request.limits), "entries");
    // Written again, the request gives the very lines the program wrote (so the
    // region without its leading zeros).
    QCOMPARE(ControlFileLines(request.region, request.year, request.selectionMethod, request.limits), written);
}

void TestRequests::requestInWords_data()
{
    QTest::addColumn<TileRequest>("request");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<QString>("values"); // the lines of the readable text after the method, and the blank one

    using enum CoordinateMethod;
    const auto row = [](const char *tag, const TileRequest &request, const char *shortName, const char *values) {
        QTest::newRow(tag) << request << shortName << QString(values) + u'\n';
    };
    row("indices", {"Peru", "12", "2005", Indices, {"10", "40", "5", "25"}}, "Peru, domain 12, 2005: I 10-40, J 5-25",
        "I from 10 to 40\nJ from 5 to 25\n");
    row("centre", {"Chile", "3", "2010", CentreRadius, {"33.9", "S", "70.6", "W", "150.0"}},
        "Chile, domain 3, 2010: 33.9S 70.6W, 150 km", "Center: 33.9 S, 70.6 W\nRadius: 150 km\n");
    // A signed text is read as the control file reads it: its sign turns the letter.
    row("signed texts", {"Chile", "3", "2010", LatLonBox, {"-33.9", "N", "-1e1", "W", "0", "S", "x", "E"}},
        "Chile, domain 3, 2010: 33.9S 10E to 0S xE", "Start: 33.9 S, 10 E\nEnd: 0 S, x E\n");
}

void TestRequests::requestInWords()
{
    QFETCH(TileRequest, request);

    QTEST(RequestText::shortName(request), "shortName");
    // The lines before, the control file after and a box of plain letters are the
    // request menu's copy test.
    QTEST(RequestText::readable(request, QStringLiteral("12"), {}).section(u'\n', 3), "values");
}

void TestRequests::recentRequestsKeepTheLastTen()
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const auto request = [](int n) {
        return TileRequest{
            "Peru", QString::number(n), "2005", CoordinateMethod::Indices, {"10", "40", "5", QString::number(20 + n)}};
    };
    for (int n = 1; n <= 12; ++n)
        RecentRequests::remember(settings, request(n));
    RecentRequests::remember(settings, request(5));
    const QList<TileRequest> expected = {request(5), request(12), request(11), request(10), request(9),
                                         request(8), request(7),  request(6),  request(4),  request(3)};
    QCOMPARE(RecentRequests::load(settings), expected);
}

QTEST_GUILESS_MAIN(TestRequests)
#include "tst_requests.moc"
