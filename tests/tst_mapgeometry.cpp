// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domaingrid.h"
#include "map/dragrounding.h"
#include "map/graticulelabels.h"
#include "map/greatcircle.h"
#include "map/mapview.h"
#include "map/rectcoverage.h"
#include "map/subdomainfit.h"
#include "map/subdomainshape.h"
#include "map/tilecells.h"
#include "map/worldoutline.h"
#include "support/testfolders.h"

#include <QtTest>

// The longitude limits of a box 10 N to 10 S, its west and east ends, a
// point inside it and one outside, and whether it crosses the 180th meridian.
struct Span
{
    QPointF lonFromTo, westEast, inside, outside;
    bool crosses;
};

struct Disc
{
    QPointF centre;
    double radiusKm;
    QString size; // as the status line shows it
    QList<QPointF> covered, uncovered;
    bool onePiece = false; // no pole inside, within half the circumference
};

// The map's geometry without a widget: view, grid, circles, the 180th
// meridian, the tile ranges of a list file and the built-in outlines.
class TestMapGeometry : public QObject
{
    Q_OBJECT

private slots:
    void viewMapping_data();
    void viewMapping();
    void gridMapping_data();
    void gridMapping();
    void antimeridian_data();
    void antimeridian();
    void circleCover_data();
    void circleCover();
    void tileCells();
    void dragRounding();
    void worldOutline();
    void outsideWords();
    void fitToDomain_data();
    void fitToDomain();
    void rectCoverage_data();
    void rectCoverage();
};

void TestMapGeometry::viewMapping_data()
{
    QTest::addColumn<MapView>("view");
    QTest::addColumn<QPointF>("lonLat");
    QTest::addColumn<QPointF>("widget"); // where the point lands, none where only labels are checked

    // Views whose labels crowd; on some, where a point lands, by the pole one
    // far outside the view and over a turn from its middle.
    QTest::newRow("world, narrow panel") << MapView({410, 700}, {0, 12}, 1.1, 0.98) << QPointF() << QPointF();
    QTest::newRow("world, least scale") << MapView({300, 200}, {0, 0}, 0.5, 1.0) << QPointF(20, 50) << QPointF(160, 75);
    QTest::newRow("world, wide panel") << MapView({1280, 500}, {0, 12}, 3.5, 0.98) << QPointF() << QPointF();
    QTest::newRow("Europe") << MapView({640, 760}, {10, 50}, 24, 0.64) << QPointF(12, 41) << QPointF(350.72, 596);
    QTest::newRow("the pole") << MapView({500, 400}, {40, 85}, 60, 0.2) << QPointF(-150, -80) << QPointF(-2030, 10100);
    QTest::newRow("close") << MapView({800, 600}, {10, 40}, 1000, 0.75) << QPointF(9.9, 39.8) << QPointF(325, 500);
    QTest::newRow("metres") << MapView({260, 200}, {-5.123, 48.456}, 20000, 0.66) << QPointF() << QPointF();
}

void TestMapGeometry::viewMapping()
{
    QFETCH(MapView, view);
    QFETCH(QPointF, lonLat);
    QFETCH(QPointF, widget);
    // The graticule's labels lie inside the view, none over another: seven
    // pixels a character, as a common font at its usual size.
    const auto labels = Graticule::labels(
        view, [](const QString &text) { return 7.0 * text.size(); }, 15);
    QVERIFY2(labels.size() >= 2, qPrintable(QString::number(labels.size())));
    for (qsizetype k = 0; k < labels.size(); ++k) {
        QVERIFY2(QRectF(QPointF(), view.size()).contains(labels.at(k).rect), qPrintable(labels.at(k).text));
        for (qsizetype n = k + 1; n < labels.size(); ++n)
            QVERIFY2(!labels.at(k).rect.intersects(labels.at(n).rect),
                     qPrintable(labels.at(k).text + QStringLiteral(" over ") + labels.at(n).text));
    }
    if (widget.isNull())
        return;
    QCOMPARE(view.toWidget(lonLat), widget);
    QCOMPARE(view.toLonLat(widget), lonLat);

    // Zooming about a point keeps that point where it is.
    MapView zoomed = view;
    zoomed.zoomAbout(widget, 1.6);
    QCOMPARE(zoomed.pixelsPerDegree(), view.pixelsPerDegree() * 1.6);
    QCOMPARE(zoomed.toWidget(lonLat), widget);
}

void TestMapGeometry::gridMapping_data()
{
    QTest::addColumn<QStringList>("limits");
    QTest::addColumn<QPointF>("lonLat");
    QTest::addColumn<QPointF>("ij");   // none where the grid does not place the point
    QTest::addColumn<QPoint>("whole"); // the whole indices a drag to the point writes

    const QStringList domain7{"1", "1", "90", "80", "0", "0", "-5.25", "9.75", "41.0", "51.5"};
    QTest::newRow("first corner") << domain7 << QPointF(-5.25, 41) << QPointF(1, 1) << QPoint(1, 1);
    QTest::newRow("last corner") << domain7 << QPointF(9.75, 51.5) << QPointF(90, 80) << QPoint(90, 80);
    QTest::newRow("south-west of the domain, kept on the grid")
        << domain7 << QPointF(-7, 40) << QPointF() << QPoint(1, 1);
    QTest::newRow("latitudes stored north first") << QStringList{"1", "1", "101", "51", "0", "0", "0", "10", "50", "40"}
                                                  << QPointF(5, 48) << QPointF(51, 11) << QPoint(51, 11);
    const QStringList across{"1", "1", "41", "21", "0", "0", "170", "-170", "-20", "0"};
    QTest::newRow("across 180, east side") << across << QPointF(175, -10) << QPointF(11, 11) << QPoint(11, 11);
    QTest::newRow("across 180, west side") << across << QPointF(-175, -10) << QPointF(31, 11) << QPoint(31, 11);
    QTest::newRow("across 180, on it") << across << QPointF(180, 0) << QPointF(21, 21) << QPoint(21, 21);
    const QStringList globe{"1", "1", "361", "21", "0", "0", "180", "-180", "-20", "0"};
    QTest::newRow("whole globe, Greenwich") << globe << QPointF(0, -10) << QPointF(181, 11) << QPoint(181, 11);
    QTest::newRow("whole globe, east of 180") << globe << QPointF(-179, -20) << QPointF(2, 1) << QPoint(2, 1);
    QTest::newRow("whole globe, a view centred past 180")
        << globe << QPointF(365.4, -12) << QPointF() << QPoint(186, 9);
    QTest::newRow("whole globe, north of it") << globe << QPointF(-90, 30) << QPointF() << QPoint(91, 21);
    // A point that reads as no longitude, as the 180th meridian once did on such a grid.
    QTest::newRow("not a number") << globe << QPointF(qQNaN(), -10) << QPointF() << QPoint(1, 11);
}

void TestMapGeometry::gridMapping()
{
    QFETCH(QStringList, limits);
    QFETCH(QPointF, lonLat);
    QFETCH(QPointF, ij);
    const std::optional<DomainGrid> grid = DomainGrid::fromLimits(limits);
    QVERIFY(grid);
    const int i = grid->wholeI(grid->iOf(lonLat.x()));
    QTEST(QPoint(i, grid->wholeJ(grid->jOf(lonLat.y()))), "whole");
    // The cells of a drag are drawn inside the domain.
    const GeoBox cells = grid->cellsBox(i, int(grid->lastI()), 1, 2);
    QVERIFY(std::isfinite(cells.width()) && cells.width() > 0);
    QVERIFY(grid->box().holds(cells));
    if (ij.isNull())
        return;
    QCOMPARE(QPointF(grid->iOf(lonLat.x()), grid->jOf(lonLat.y())), ij);
    QCOMPARE(QPointF(Longitude::normalized(grid->lonOf(ij.x())), grid->latOf(ij.y())),
             QPointF(Longitude::normalized(lonLat.x()), lonLat.y()));
}

void TestMapGeometry::antimeridian_data()
{
    QTest::addColumn<Span>("span");

    QTest::newRow("170 E to 170 W") << Span{{170, -170}, {170, 190}, {-175, 0}, {0, 0}, true};
    QTest::newRow("170 E to 179 E") << Span{{170, 179}, {170, 179}, {178.5, 0}, {-179.5, 0}, false};
    QTest::newRow("179 W to 178 E, nearly all round") << Span{{-179, 178}, {-179, 178}, {0, 0}, {179.5, 0}, false};
    QTest::newRow("50 E to 30 W, over the Pacific") << Span{{50, -30}, {50, 330}, {-160, 0}, {10, 0}, true};
    // Both ends on the 180th meridian: once round, no longitude left out.
    QTest::newRow("180 to -180, the whole globe") << Span{{180, -180}, {180, 540}, {0, 0}, {0, 20}, true};
}

void TestMapGeometry::antimeridian()
{
    QFETCH(Span, span);
    const GeoBox box = GeoBox::fromLimits(span.lonFromTo.x(), span.lonFromTo.y(), 10, -10);
    QCOMPARE(box.rect(), QRectF(span.westEast.x(), -10, span.westEast.y() - span.westEast.x(), 20));
    QCOMPARE(box.crossesAntimeridian(), span.crosses);
    QVERIFY(box.contains(span.inside.x(), span.inside.y()));
    QVERIFY(!box.contains(span.outside.x(), span.outside.y()));
    // A box typed from corners a degree inside the domain's edges is one
    // piece inside it, whichever side of 180 each corner lies on.
    const GeoBox typed = GeoBox::fromCorners({Longitude::normalized(span.westEast.x() + 1), 5},
                                             {Longitude::normalized(span.westEast.y() - 1), -5}, box.centre().x());
    QCOMPARE(typed.width(), box.width() - 2);
    QVERIFY(box.holds(typed));
    QVERIFY(!box.holds(GeoBox::fromCorners(span.outside, span.inside, box.centre().x())));
}

void TestMapGeometry::circleCover_data()
{
    QTest::addColumn<Disc>("disc");

    const QPointF paris(2.35, 48.85); // and its antipode, -177.65, -48.85
    QTest::newRow("150 km around Paris") << Disc{paris, 150, "radius 150 km", {paris}, {{2.35, 52}}, true};
    QTest::newRow("across 180") << Disc{{179.5, -17}, 400, "radius 400 km", {{-179.5, -17}}, {{175, -17}}, true};
    QTest::newRow("far north") << Disc{{-40, 82}, 600, "radius 600 km", {{-40, 85}}, {{-40, 75}}, true};
    QTest::newRow("over the north pole") << Disc{
        {0, 80}, 2000, "radius 2000 km", {{0, 80}, {180, 89}, {90, 85}, {-120, 80}}, {{0, 60}, {180, 60}}};
    QTest::newRow("over both poles") << Disc{
        {0, 0}, 15000, "radius 15000 km", {{0, 0}, {0, 89.5}, {170, -89.5}, {90, 0}, {-90, 0}}, {{180, 0}, {-175, 10}}};
    // Beyond half the earth's circumference (20015 km) the circle covers the sphere.
    QTest::newRow("beyond half the circumference")
        << Disc{paris, 25000, "radius 25000 km", {paris, {-177.65, -48.85}, {100, 0}}, {}};
    QTest::newRow("an absurd radius") << Disc{paris, 1e300, "radius 1e+300 km", {paris, {-177.65, -48.85}}, {}};
}

void TestMapGeometry::circleCover()
{
    QFETCH(Disc, disc);
    const auto shape = SubdomainShape::of({MapSubdomain::Kind::Circle, disc.centre, {}, disc.radiusKm}, std::nullopt);
    QVERIFY(shape);
    QCOMPARE(shape->size, disc.size);
    // The map repeats every 360 degrees of longitude.
    const auto covers = [&shape](QPointF p) {
        return std::ranges::any_of(std::array{p - QPointF(360, 0), p, p + QPointF(360, 0)}, [&shape](QPointF at) {
            return shape->outline.containsPoint(at, Qt::OddEvenFill) && !shape->hole.containsPoint(at, Qt::OddEvenFill);
        });
    };
    for (const QPointF &p : disc.covered + disc.uncovered)
        QVERIFY2(covers(p) == disc.covered.contains(p), qPrintable(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())));

    // The points of such a circle lie at its radius, drawn as one piece:
    // neighbours never jump across the map.
    if (!disc.onePiece)
        return;
    const QPolygonF points = GreatCircle::circle(disc.centre, disc.radiusKm, 72);
    QCOMPARE(points.size(), 73);
    QCOMPARE(points.first(), points.last());
    for (qsizetype k = 0; k < points.size(); ++k) {
        const double km = GreatCircle::distanceKm(disc.centre, points.at(k));
        QVERIFY2(std::abs(km - disc.radiusKm) <= disc.radiusKm * 0.001, qPrintable(QString::number(km)));
        if (k > 0)
            QVERIFY(std::abs(points.at(k).x() - points.at(k - 1).x()) < 90);
    }
}

void TestMapGeometry::tileCells()
{
    const auto cells = [](const QByteArray &rows) {
        return TileCellsOf(
            ReadListFile("Region 7\r\n\r\nNo.  Tile #     I/J Ranges on Tile     I/J Ranges Selected\r\n" + rows).rows);
    };
    // Two tiles, the first with more blanks and a selection of one cell, then
    // the end.
    const QByteArray one = "12    7   I 81-90 J 1-20  I 81-81 J 1-1  \r\n";
    QCOMPARE(cells(one + "2    4     I 61-80 J 1-20     I 62-80 J 10-20\r\n\r\nEnd of tile list\r\n"),
             QList<TileCells>({{"7", {81, 90, 1, 20}, {81, 81, 1, 1}}, {"4", {61, 80, 1, 20}, {62, 80, 10, 20}}}));
    // One tile whose ranges do not read: none drawn, a partial set would mislead.
    for (const char *line : {
             "2    345     I 20-1 J 21-40     I 5-20 J 30-40",      // from after to
             "2    345     I 1-20 J 21-40     I 5-21 J 30-40",      // selection outside the tile
             "2    345     I 1-20 J 21-40     I 5-20 J 30-40 more", // text after the ranges
             "2    3     I 1-99999999999 J 1-2     I 1-2 J 1-2",    // index beyond int
         })
        QVERIFY2(cells(one + line + "\r\n").isEmpty(), line);
}

void TestMapGeometry::dragRounding()
{
    using Rows = QList<std::pair<double, double>>;
    // The step of a drag at so many pixels a degree: on the world, a country,
    // exactly 10 pixels a degree and a city; a third of a pixel from a whole
    // degree rounds to it.
    for (const auto &[scale, step] : Rows{{3.5, 0.5}, {60, 0.02}, {10, 0.1}, {4000, 0.0005}}) {
        QCOMPARE(DragRounding::degreeStep(scale), step);
        QCOMPARE(DragRounding::roundTo(45.0 + 0.3 / scale, step), 45.0);
    }
    // A dragged radius in km, rounded.
    for (const auto &[km, rounded] : Rows{{1234.5, 1230}, {152.6, 153}, {12.34, 12.3}, {0.04, 0}})
        QCOMPARE(DragRounding::radiusKm(km), rounded);
}

void TestMapGeometry::worldOutline()
{
    const WorldOutline &world = WorldOutline::builtIn();
    QVERIFY(world.countries().size() > 200);
    // A name not found gives no country, whose empty bounds hold nothing.
    QVERIFY(world.countries().value(world.indexOf(QStringLiteral(" france "))).bounds.contains(QPointF(2.35, 48.85)));
    QVERIFY(world.indexOf(QStringLiteral("United States")) >= 0);
    QCOMPARE(world.indexOf(QStringLiteral("Atlantis")), -1);

    const QByteArray bytes = TestFolders::readFile(QStringLiteral(":/map/world-50m.bin"));
    QVERIFY(WorldOutline::read(bytes));
    QVERIFY(!WorldOutline::read(bytes.left(bytes.size() - 1)));
    QVERIFY(!WorldOutline::read(bytes + '\0'));
    QVERIFY(!WorldOutline::read("QWO1"));
}

void TestMapGeometry::outsideWords()
{
    // Against a domain from 5.25 W to 9.75 E, 41 N to 51.5 N.
    const auto words = [](GeoBox shape) { return SubdomainFit::outsideText(shape, GeoBox{-5.25, 9.75, 41, 51.5}); };
    QCOMPARE(words({-1, 4, 44, 47}), QString());
    QCOMPARE(words({-1, 4, 44, 60}), u"Outside the domain by 8.5\u00b0 north");
    QCOMPARE(words({-6.5, 4, 40.75, 47}), u"Outside the domain by 0.25\u00b0 south, 1.25\u00b0 west");
    // East, a turn away.
    QCOMPARE(words({355, 371, 44, 47}), u"Outside the domain by 1.25\u00b0 east");
}

void TestMapGeometry::fitToDomain_data()
{
    QTest::addColumn<MapSubdomain>("subdomain");
    QTest::addColumn<MapSubdomain>("fitted");
    using enum MapSubdomain::Kind;
    using Sub = MapSubdomain;

    // On domain 7 of the sample: I 1-90, J 1-80, 5.25 W to 9.75 E, 41 N to 51.5 N.
    QTest::newRow("box over the north edge") << Sub{Box, {-1, 47}, {4, 60}} << Sub{Box, {-1, 47}, {4, 51.5}};
    QTest::newRow("box wholly west") << Sub{Box, {-20, 44}, {-10, 46}} << Sub{Box, {-5.25, 44}, {9.75, 46}};
    QTest::newRow("indices past the ends") << Sub{Indices, {0, 5}, {120, 95}} << Sub{Indices, {1, 5}, {90, 80}};
    QTest::newRow("circle inside stays") << Sub{Circle, {2, 46}, {}, 100} << Sub{Circle, {2, 46}, {}, 100};
    // Moved south by its radius (300 km, 2.698 degrees); a radius of -1: one
    // that fits, not longer than asked.
    QTest::newRow("circle over the north edge") << Sub{Circle, {2, 60}, {}, 300} << Sub{Circle, {2, 48.802}, {}, -1};
}

void TestMapGeometry::fitToDomain()
{
    QFETCH(MapSubdomain, subdomain);
    QFETCH(MapSubdomain, fitted);
    const MapDomain domain{QStringLiteral("7"), DomainGrid(1, 1, 90, 80, -5.25, 9.75, 41, 51.5)};
    const std::optional<MapSubdomain> out = SubdomainFit::clamped(subdomain, domain);
    QVERIFY(out);
    QVERIFY2(QLineF(out->a, fitted.a).length() < 1e-3,
             qPrintable(QStringLiteral("%1 %2").arg(out->a.x()).arg(out->a.y())));
    QCOMPARE(out->b, fitted.b);
    if (fitted.radiusKm >= 0)
        QCOMPARE(out->radiusKm, fitted.radiusKm);
    else
        QVERIFY2(out->radiusKm > 200 && out->radiusKm <= subdomain.radiusKm,
                 qPrintable(QString::number(out->radiusKm)));
    const std::optional<SubdomainShape> shape = SubdomainShape::of(*out, domain);
    QVERIFY(shape && !shape->outside);
}

void TestMapGeometry::rectCoverage_data()
{
    QTest::addColumn<QList<QRectF>>("rects");
    QTest::addColumn<QList<int>>("alphas"); // at (20, 20), (10, 15), (30, 20), (35, 35)

    const QRectF one(10, 10, 20, 20);
    // A fill alone 10 of 255, an edge 120, a fill under its edge 125.
    QTest::newRow("one") << QList<QRectF>{one} << QList<int>{10, 125, 120, 0};
    // Three fills add up to 29 and no more; edges keep adding.
    QTest::newRow("five on one another") << QList<QRectF>(5, one) << QList<int>{29, 246, 244, 0};
    QTest::newRow("far larger than the image, edges out of sight")
        << QList<QRectF>{QRectF(-1e12, -1e12, 3e12, 3e12)} << QList<int>{10, 10, 10, 10};
    QTest::newRow("not a number") << QList<QRectF>{QRectF(qQNaN(), 0, 10, 10), one} << QList<int>{10, 125, 120, 0};
}

void TestMapGeometry::rectCoverage()
{
    QFETCH(QList<QRectF>, rects);
    const QImage image = RectCoverage::image(QSize(40, 40), rects, Qt::blue, 10, 120, 1);
    QList<int> alphas;
    for (const QPoint at : {QPoint(20, 20), QPoint(10, 15), QPoint(30, 20), QPoint(35, 35)})
        alphas << qAlpha(image.pixel(at));
    QTEST(alphas, "alphas");
}

QTEST_GUILESS_MAIN(TestMapGeometry)
#include "tst_mapgeometry.moc"
