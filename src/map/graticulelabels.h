// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/mapview.h"

#include <QList>
#include <QRectF>
#include <QString>

#include <functional>

// A text the map writes and the rectangle it takes, in widget pixels.
struct MapLabel
{
    QString text;
    QRectF rect;
};

namespace Graticule {

// A step of 1, 2, 5, 10, 15 or 30 degrees (or a tenth...) that keeps grid
// lines at least `pixels` apart.
double step(double pixelsPerDegree, double pixels);
// The degrees between the grid's meridians and between its parallels.
double longitudeStep(const MapView &view);
double latitudeStep(const MapView &view);

// The degrees of the grid lines along the top and left edges of the view.
// Where the lines lie too close for their texts, only every second (third,
// ...) line is labelled, counted from the equator and the prime meridian, so
// that no two labels overlap and none sticks out of the view. `advance`
// gives a text's width, `height` a line's, in pixels.
QList<MapLabel> labels(const MapView &view, const std::function<double(const QString &)> &advance, double height);

} // namespace Graticule
