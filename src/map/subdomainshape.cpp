// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/subdomainshape.h"

#include "map/greatcircle.h"

#include <algorithm>
#include <cmath>

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
    return Kilometres::text(GreatCircle::boxWidthKm(box.west, box.east, box.south, box.north)) + QStringLiteral(" x ")
           + Kilometres::text(GreatCircle::boxHeightKm(box.south, box.north));
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
        shape.outline = GreatCircle::circle(centre, subdomain.radiusKm);
        const QRectF bounds = shape.outline.boundingRect();
        shape.box = GeoBox{bounds.left(), bounds.right(), bounds.top(), bounds.bottom()};
        shape.outside = domain && !domain->grid.box().holds(shape.box);
        shape.size = QStringLiteral("radius ") + Kilometres::text(subdomain.radiusKm);
        return shape;
    }
    }
    return std::nullopt;
}

namespace Kilometres {

QString text(double km)
{
    return (km < 10 ? QString::number(km, 'f', 1) : QString::number(std::round(km), 'f', 0)) + QStringLiteral(" km");
}

} // namespace Kilometres
