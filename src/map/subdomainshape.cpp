// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/subdomainshape.h"

#include "map/greatcircle.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QPolygonF boxOutline(const GeoBox &box)
{
    return QPolygonF({{box.west, box.south},
                      {box.east, box.south},
                      {box.east, box.north},
                      {box.west, box.north},
                      {box.west, box.south}});
}

QString boxSize(const GeoBox &box)
{
    return Kilometres::text(GreatCircle::boxWidthKm(box.west, box.east, box.south, box.north))
           + QCoreApplication::translate("SubdomainShape", " x ")
           + Kilometres::text(GreatCircle::boxHeightKm(box.south, box.north));
}

constexpr double KmPerDegree = GreatCircle::EarthRadiusKm * std::numbers::pi / 180.0;
constexpr double HalfRoundKm = GreatCircle::EarthRadiusKm * std::numbers::pi;

// The whole globe, from the meridian opposite `middle` once round.
GeoBox globeAround(double middle)
{
    return GeoBox{middle - 180.0, middle + 180.0, -90.0, 90.0};
}

// The circle as the map draws it. Its ring, with longitudes kept
// continuous, is one piece when the circle holds no pole. Around one pole
// the ring runs once round the globe and the outline closes along that
// pole's edge of the map. Over both poles, or beyond half the earth's
// circumference, the circle covers the globe but for the cap around the
// opposite point (nothing left out at all from half the circumference on).
void circleOutline(QPointF centre, double radiusKm, SubdomainShape &shape)
{
    const QPointF opposite(centre.x() + 180.0, -centre.y());
    if (!(radiusKm < HalfRoundKm)) {
        shape.box = globeAround(opposite.x());
        shape.outline = boxOutline(shape.box);
        return;
    }
    const bool north = radiusKm > (90.0 - centre.y()) * KmPerDegree;
    const bool south = radiusKm > (90.0 + centre.y()) * KmPerDegree;
    if (north && south) {
        shape.box = globeAround(opposite.x());
        shape.outline = boxOutline(shape.box);
        shape.hole = GreatCircle::circle(opposite, HalfRoundKm - radiusKm);
        return;
    }
    shape.outline = GreatCircle::circle(centre, radiusKm);
    if (north || south) {
        // The ring without its closing point, carried on by one turn.
        shape.outline.removeLast();
        const QPointF first = shape.outline.first();
        const double turn = shape.outline.last().x() > first.x() ? 360.0 : -360.0;
        const double pole = north ? 90.0 : -90.0;
        shape.outline << QPointF(first.x() + turn, first.y()) << QPointF(first.x() + turn, pole)
                      << QPointF(first.x(), pole) << first;
    }
    const QRectF bounds = shape.outline.boundingRect();
    shape.box = GeoBox{bounds.left(), bounds.right(), bounds.top(), bounds.bottom()};
}

bool onAxis(double index, double first, double last)
{
    return index >= std::min(first, last) && index <= std::max(first, last);
}

} // namespace

std::optional<SubdomainShape> SubdomainShape::of(const MapSubdomain &subdomain, const std::optional<MapDomain> &domain)
{
    // Points are taken on the side of the 180th meridian where the domain lies.
    const std::optional<double> reference = domain ? std::optional<double>(domain->grid.box().centre().x())
                                                   : std::nullopt;
    SubdomainShape shape;
    switch (subdomain.kind) {
    case MapSubdomain::Kind::None:
        return std::nullopt;
    case MapSubdomain::Kind::Box: {
        shape.box = GeoBox::fromCorners(subdomain.a, subdomain.b, reference);
        shape.outline = boxOutline(shape.box);
        shape.outside = domain && !domain->grid.box().holds(shape.box);
        shape.size = boxSize(shape.box);
        return shape;
    }
    case MapSubdomain::Kind::Indices: {
        if (!domain)
            return std::nullopt;
        const DomainGrid &grid = domain->grid;
        const auto whole = [](double v) { return int(std::clamp(std::round(v), -1e9, 1e9)); };
        shape.box = grid.cellsBox(whole(subdomain.a.x()), whole(subdomain.b.x()), whole(subdomain.a.y()),
                                  whole(subdomain.b.y()));
        shape.outline = boxOutline(shape.box);
        shape.outside = !onAxis(subdomain.a.x(), grid.firstI(), grid.lastI())
                        || !onAxis(subdomain.b.x(), grid.firstI(), grid.lastI())
                        || !onAxis(subdomain.a.y(), grid.firstJ(), grid.lastJ())
                        || !onAxis(subdomain.b.y(), grid.firstJ(), grid.lastJ());
        shape.size = boxSize(shape.box);
        return shape;
    }
    case MapSubdomain::Kind::Circle: {
        if (!(subdomain.radiusKm > 0))
            return std::nullopt;
        const QPointF centre(reference ? Longitude::near(subdomain.a.x(), *reference) : subdomain.a.x(),
                             subdomain.a.y());
        circleOutline(centre, subdomain.radiusKm, shape);
        shape.outside = domain && !domain->grid.box().holds(shape.box);
        shape.size = QCoreApplication::translate("SubdomainShape", "radius ") + Kilometres::text(subdomain.radiusKm);
        return shape;
    }
    }
    return std::nullopt;
}

namespace Kilometres {

QString text(double km)
{
    const QString number = km < 10    ? QString::number(km, 'f', 1)
                           : km < 1e7 ? QString::number(std::round(km), 'f', 0)
                                      : QString::number(km, 'g', 3);
    return number + QCoreApplication::translate("SubdomainShape", " km");
}

} // namespace Kilometres
