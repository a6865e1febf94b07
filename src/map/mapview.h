// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/geobox.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Where the map looks: an equirectangular view of longitude/latitude onto
// widget pixels. Longitude degrees are drawn `aspect` times as wide as
// latitude degrees (the cosine of the latitude the view was fitted to, so
// the region in view keeps its shape).
class MapView
{
public:
    MapView() = default;
    MapView(QSizeF size, QPointF centreLonLat, double pixelsPerDegree, double aspect = 1.0);

    QSizeF size() const { return m_size; }
    QPointF centre() const { return m_centre; }
    double pixelsPerDegree() const { return m_scale; }
    double aspect() const { return m_aspect; }

    void setSize(QSizeF size) { m_size = size; }
    QPointF toWidget(QPointF lonLat) const;
    QPointF toLonLat(QPointF widget) const;
    QRectF rectOf(const GeoBox &box) const;
    // The longitudes and latitudes in view.
    GeoBox visible() const;

    // Shows the box with a margin of `margin` pixels on each side.
    void fit(const GeoBox &box, double margin = 16.0);
    // Multiplies the scale by `factor`, keeping the point under `widget` where it is.
    void zoomAbout(QPointF widget, double factor);
    // Moves the map with the pointer by `delta` pixels.
    void panBy(QPointF delta);

    bool operator==(const MapView &other) const = default;

private:
    void limit();

    QSizeF m_size{640, 480};
    QPointF m_centre{0, 20};
    double m_scale = 1.5;
    double m_aspect = 1.0;
};
