// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/graticulelabels.h"

#include "common/longituderange.h"

#include <algorithm>
#include <cmath>

namespace {

QString degreeText(double value, double step, QChar positive, QChar negative)
{
    const int decimals = step >= 1 ? 0 : step >= 0.1 ? 1 : 2;
    const double magnitude = std::abs(value);
    QString text = QString::number(magnitude, 'f', decimals) + QChar(0x00B0);
    if (magnitude > step / 100 && magnitude < 180 - step / 100)
        text += value > 0 ? positive : negative;
    return text;
}

// The labels of every `stride`th line, or nothing when two of them overlap.
// `place` gives a line's label rectangle for its degrees.
template<typename Place>
QList<MapLabel> spaced(double from, double to, double step, int stride, const Place &place, const QRectF &area,
                       double gap)
{
    QList<MapLabel> out;
    const long long first = static_cast<long long>(std::ceil(from / step));
    const long long last = static_cast<long long>(std::floor(to / step));
    for (long long n = first; n <= last && out.size() < 1000; ++n) {
        if (n % stride != 0)
            continue;
        const MapLabel label = place(n * step);
        if (!area.contains(label.rect))
            continue;
        if (!out.isEmpty() && out.last().rect.adjusted(-gap, -gap, gap, gap).intersects(label.rect))
            return {};
        out << label;
    }
    return out;
}

template<typename Place>
QList<MapLabel> thinned(double from, double to, double step, const Place &place, const QRectF &area, double gap)
{
    if (!(to >= from) || !(step > 0) || (to - from) / step > 1e5)
        return {};
    for (int stride = 1; stride <= 64; ++stride) {
        const QList<MapLabel> out = spaced(from, to, step, stride, place, area, gap);
        if (!out.isEmpty() || stride * step > to - from)
            return out;
    }
    return {};
}

} // namespace

namespace Graticule {

double step(double pixelsPerDegree, double pixels)
{
    static const double steps[] = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 15, 30};
    for (double s : steps) {
        if (s * pixelsPerDegree >= pixels)
            return s;
    }
    return 30;
}

double longitudeStep(const MapView &view)
{
    return step(view.pixelsPerDegree() * view.aspect(), 90);
}

double latitudeStep(const MapView &view)
{
    return step(view.pixelsPerDegree(), 70);
}

QList<MapLabel> labels(const MapView &view, const std::function<double(const QString &)> &advance, double height)
{
    constexpr double Gap = 6;
    const GeoBox visible = view.visible();
    const QRectF area(QPointF(0, 0), view.size());
    const double top = std::max(view.toWidget(QPointF(0, 90)).y(), 0.0);
    const double stepX = longitudeStep(view);
    const auto lonLabel = [&](double lon) {
        const QString text = degreeText(Longitude::normalized(lon), stepX, u'E', u'W');
        const double x = view.toWidget(QPointF(lon, 0)).x();
        return MapLabel{text, QRectF(x + 3, top + 2, advance(text) + 2, height)};
    };
    QList<MapLabel> out = thinned(visible.west, visible.east, stepX, lonLabel, area, Gap);

    // The parallels' labels start below the meridians' row.
    const double below = out.isEmpty() ? 0 : top + 2 + height;
    const QRectF left = area.adjusted(0, below, 0, 0);
    const double step = latitudeStep(view);
    const auto latLabel = [&](double lat) {
        const QString text = degreeText(lat, step, u'N', u'S');
        const double y = view.toWidget(QPointF(0, lat)).y();
        return MapLabel{text, QRectF(3, y - 2 - height, advance(text) + 2, height)};
    };
    out << thinned(std::max(visible.south, -90.0), std::min(visible.north, 90.0), step, latLabel, left, 2);
    return out;
}

} // namespace Graticule
