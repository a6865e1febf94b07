// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/areaexport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

// Six decimals, about 0.1 m: the precision of the entry fields.
double rounded(double degrees)
{
    return std::round(degrees * 1e6) / 1e6;
}

// Twice the signed area; positive when the ring runs counterclockwise.
double signedArea(const QPolygonF &ring)
{
    double sum = 0;
    for (qsizetype k = 0; k < ring.size(); ++k) {
        const QPointF &p = ring.at(k);
        const QPointF &q = ring.at((k + 1) % ring.size());
        sum += p.x() * q.y() - q.x() * p.y();
    }
    return sum;
}

// The part of an open ring on one side of the meridian `lon`: east of it
// when `east`, else west (Sutherland-Hodgman against one edge).
QPolygonF clipped(const QPolygonF &ring, double lon, bool east)
{
    const auto inside = [&](const QPointF &p) { return east ? p.x() >= lon : p.x() <= lon; };
    QPolygonF out;
    for (qsizetype k = 0; k < ring.size(); ++k) {
        const QPointF &p = ring.at(k);
        const QPointF &q = ring.at((k + 1) % ring.size());
        if (inside(p))
            out << p;
        if (inside(p) != inside(q)) {
            const double t = (lon - p.x()) / (q.x() - p.x());
            out << QPointF(lon, p.y() + t * (q.y() - p.y()));
        }
    }
    return out;
}

// A closed outline whose longitudes may run past 180 on either side, cut at
// every 180th meridian it crosses into pieces within -180..180.
QList<QPolygonF> piecesOf(QPolygonF ring)
{
    if (ring.size() > 1 && ring.first() == ring.last())
        ring.removeLast();
    QList<QPolygonF> pieces;
    if (ring.size() < 3)
        return pieces;
    const QRectF bounds = ring.boundingRect();
    const int first = int(std::floor((bounds.left() + 180.0) / 360.0));
    const int last = int(std::ceil((bounds.right() + 180.0) / 360.0)) - 1;
    for (int turn = first; turn <= last; ++turn) {
        const double centre = turn * 360.0;
        QPolygonF piece = clipped(clipped(ring, centre - 180.0, true), centre + 180.0, false);
        piece.translate(-centre, 0);
        if (piece.size() < 3 || std::abs(signedArea(piece)) < 1e-12)
            continue; // only touches the meridian
        if (signedArea(piece) < 0)
            std::reverse(piece.begin(), piece.end());
        piece << piece.first();
        pieces << piece;
    }
    return pieces;
}

QJsonArray positions(const QPolygonF &ring)
{
    QJsonArray out;
    for (const QPointF &p : ring)
        out.append(QJsonArray{rounded(p.x()), rounded(p.y())});
    return out;
}

// A polygon's coordinates: its one ring, the outer one.
QJsonArray polygon(const QPolygonF &ring)
{
    QJsonArray rings;
    rings.append(positions(ring));
    return rings;
}

QJsonObject geometry(const QPolygonF &outline)
{
    const QList<QPolygonF> pieces = piecesOf(outline);
    if (pieces.size() == 1)
        return {{"type", "Polygon"}, {"coordinates", polygon(pieces.first())}};
    QJsonArray polygons;
    for (const QPolygonF &piece : pieces)
        polygons.append(polygon(piece));
    return {{"type", "MultiPolygon"}, {"coordinates", polygons}};
}

QPolygonF outlineOf(const GeoBox &box)
{
    return QPolygonF{{box.west, box.south},
                     {box.east, box.south},
                     {box.east, box.north},
                     {box.west, box.north},
                     {box.west, box.south}};
}

QJsonObject feature(const QPolygonF &outline, const QJsonObject &properties)
{
    return {{"type", "Feature"}, {"properties", properties}, {"geometry", geometry(outline)}};
}

} // namespace

QByteArray AreaGeoJson(const MapDomain &domain, const QPolygonF &subdomain, const QList<TileCells> &tiles)
{
    QJsonArray features;
    features.append(feature(outlineOf(domain.grid.box()), {{"kind", "domain"}, {"domain", domain.number}}));
    if (!subdomain.isEmpty())
        features.append(feature(subdomain, {{"kind", "sub-domain"}, {"domain", domain.number}}));
    for (const TileCells &tile : tiles) {
        const IndexRange &r = tile.onTile;
        features.append(feature(outlineOf(domain.grid.cellsBox(r.iFrom, r.iTo, r.jFrom, r.jTo)),
                                {{"kind", "tile"}, {"domain", domain.number}, {"tile", tile.number}}));
    }
    const QJsonObject collection{{"type", "FeatureCollection"}, {"features", features}};
    return QJsonDocument(collection).toJson(QJsonDocument::Indented);
}
