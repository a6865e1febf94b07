// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/subdomainfit.h"

#include "map/subdomainshape.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SubdomainFit", text);
}

QString degrees(double value)
{
    // Hundredths at most: the slack of a six-decimal field is not worth a word.
    return QString::number(std::round(value * 100) / 100, 'g', 12) + QChar(0x00B0);
}

// The box moved by whole turns to lie beside `domain`, as GeoBox::holds does.
GeoBox beside(const GeoBox &box, const GeoBox &domain)
{
    const double middle = (box.west + box.east) / 2;
    const double shift = Longitude::near(middle, (domain.west + domain.east) / 2) - middle;
    return GeoBox{box.west + shift, box.east + shift, box.south, box.north};
}

// The part of [from, to] within [low, high]; all of [low, high] when they
// do not meet.
std::pair<double, double> cut(double from, double to, double low, double high)
{
    const double a = std::clamp(from, low, high);
    const double b = std::clamp(to, low, high);
    if (b - a <= 0)
        return {low, high};
    return {a, b};
}

} // namespace

namespace SubdomainFit {

QString outsideText(const GeoBox &shape, const GeoBox &domain)
{
    constexpr double Slack = 1e-6;
    const GeoBox box = beside(shape, domain);
    QStringList sides;
    if (box.north > domain.north + Slack)
        sides << tr("%1 north").arg(degrees(box.north - domain.north));
    if (box.south < domain.south - Slack)
        sides << tr("%1 south").arg(degrees(domain.south - box.south));
    if (box.east > domain.east + Slack)
        sides << tr("%1 east").arg(degrees(box.east - domain.east));
    if (box.west < domain.west - Slack)
        sides << tr("%1 west").arg(degrees(domain.west - box.west));
    if (sides.isEmpty())
        return {};
    return tr("Outside the domain by %1").arg(sides.join(QStringLiteral(", ")));
}

QString outsideText(const IndexRange &range, const DomainGrid &grid)
{
    const auto cells = [](double n) { return n == 1 ? tr("1 cell") : tr("%1 cells").arg(n); };
    QStringList sides;
    if (range.jTo > grid.lastJ())
        sides << tr("%1 north").arg(cells(range.jTo - grid.lastJ()));
    if (range.jFrom < grid.firstJ())
        sides << tr("%1 south").arg(cells(grid.firstJ() - range.jFrom));
    if (range.iTo > grid.lastI())
        sides << tr("%1 east").arg(cells(range.iTo - grid.lastI()));
    if (range.iFrom < grid.firstI())
        sides << tr("%1 west").arg(cells(grid.firstI() - range.iFrom));
    if (sides.isEmpty())
        return {};
    return tr("Outside the domain by %1").arg(sides.join(QStringLiteral(", ")));
}

std::optional<MapSubdomain> clamped(const MapSubdomain &subdomain, const MapDomain &domain)
{
    const DomainGrid &grid = domain.grid;
    const GeoBox &limits = grid.box();
    MapSubdomain out = subdomain;
    switch (subdomain.kind) {
    case MapSubdomain::Kind::None:
        return std::nullopt;
    case MapSubdomain::Kind::Box: {
        const GeoBox box = beside(GeoBox::fromCorners(subdomain.a, subdomain.b, limits.centre().x()), limits);
        const auto [west, east] = cut(box.west, box.east, limits.west, limits.east);
        const auto [south, north] = cut(box.south, box.north, limits.south, limits.north);
        out.a = QPointF(Longitude::normalized(west), south);
        out.b = QPointF(Longitude::normalized(east), north);
        return out;
    }
    case MapSubdomain::Kind::Indices: {
        const auto whole = [](double v, double low, double high) { return std::clamp(std::round(v), low, high); };
        const double i1 = whole(subdomain.a.x(), grid.firstI(), grid.lastI());
        const double i2 = whole(subdomain.b.x(), grid.firstI(), grid.lastI());
        const double j1 = whole(subdomain.a.y(), grid.firstJ(), grid.lastJ());
        const double j2 = whole(subdomain.b.y(), grid.firstJ(), grid.lastJ());
        out.a = QPointF(std::min(i1, i2), std::min(j1, j2));
        out.b = QPointF(std::max(i1, i2), std::max(j1, j2));
        return out;
    }
    case MapSubdomain::Kind::Circle: {
        if (!(subdomain.radiusKm > 0))
            return std::nullopt;
        // The centre moved in by the radius where the domain is wide enough,
        // to its middle on an axis where it is not.
        constexpr double KmPerDegree = 111.195;
        const auto inside = [](double v, double low, double high, double margin) {
            return high - low > 2 * margin ? std::clamp(v, low + margin, high - margin) : (low + high) / 2;
        };
        const double latMargin = subdomain.radiusKm / KmPerDegree;
        const double lat = inside(subdomain.a.y(), limits.south, limits.north, latMargin);
        const double cosine = std::max(std::cos(lat * 3.14159265358979 / 180), 0.01);
        const double lon = inside(Longitude::near(subdomain.a.x(), limits.centre().x()), limits.west, limits.east,
                                  latMargin / cosine);
        out.a = QPointF(Longitude::normalized(lon), lat);
        // Shorten the radius until the circle fits, to whole km while it can.
        double radius = subdomain.radiusKm;
        for (int step = 0; step < 200; ++step) {
            out.radiusKm = radius >= 2 ? std::floor(radius) : std::floor(radius * 10) / 10;
            const std::optional<SubdomainShape> shape = SubdomainShape::of(out, domain);
            if (out.radiusKm <= 0 || (shape && !shape->outside))
                break;
            radius *= 0.95;
        }
        if (!(out.radiusKm > 0))
            out.radiusKm = 0.1;
        return out;
    }
    }
    return std::nullopt;
}

} // namespace SubdomainFit
