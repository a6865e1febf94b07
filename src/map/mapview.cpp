// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/mapview.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double MinScale = 0.5;     // the whole world fits a small widget
constexpr double MaxScale = 20000.0; // about 5 m a pixel

} // namespace

MapView::MapView(QSizeF size, QPointF centreLonLat, double pixelsPerDegree, double aspect)
    : m_size(size)
    , m_centre(centreLonLat)
    , m_scale(pixelsPerDegree)
    , m_aspect(aspect)
{
    limit();
}

QPointF MapView::toWidget(QPointF lonLat) const
{
    return {m_size.width() / 2 + (lonLat.x() - m_centre.x()) * m_scale * m_aspect,
            m_size.height() / 2 - (lonLat.y() - m_centre.y()) * m_scale};
}

QPointF MapView::toLonLat(QPointF widget) const
{
    return {m_centre.x() + (widget.x() - m_size.width() / 2) / (m_scale * m_aspect),
            m_centre.y() - (widget.y() - m_size.height() / 2) / m_scale};
}

QRectF MapView::rectOf(const GeoBox &box) const
{
    return QRectF(toWidget(QPointF(box.west, box.north)), toWidget(QPointF(box.east, box.south))).normalized();
}

GeoBox MapView::visible() const
{
    const QPointF topLeft = toLonLat({0, 0});
    const QPointF bottomRight = toLonLat({m_size.width(), m_size.height()});
    GeoBox box;
    box.west = topLeft.x();
    box.east = bottomRight.x();
    box.north = topLeft.y();
    box.south = bottomRight.y();
    return box;
}

void MapView::fit(const GeoBox &box, double margin)
{
    const double middle = std::clamp((box.south + box.north) / 2, -80.0, 80.0);
    m_aspect = std::max(0.2, std::cos(middle * std::numbers::pi / 180.0));
    m_centre = box.centre();
    const double width = std::max(m_size.width() - 2 * margin, 1.0);
    const double height = std::max(m_size.height() - 2 * margin, 1.0);
    const double byWidth = box.width() > 0 ? width / (box.width() * m_aspect) : MaxScale;
    const double byHeight = box.height() > 0 ? height / box.height() : MaxScale;
    m_scale = std::min(byWidth, byHeight);
    limit();
}

void MapView::zoomAbout(QPointF widget, double factor)
{
    const QPointF anchor = toLonLat(widget);
    m_scale *= factor;
    limit();
    // Put the anchor back under the pointer.
    const QPointF moved = toWidget(anchor);
    m_centre += QPointF((moved.x() - widget.x()) / (m_scale * m_aspect), -(moved.y() - widget.y()) / m_scale);
    limit();
}

void MapView::panBy(QPointF delta)
{
    m_centre -= QPointF(delta.x() / (m_scale * m_aspect), -delta.y() / m_scale);
    limit();
}

void MapView::limit()
{
    if (!std::isfinite(m_scale))
        m_scale = MinScale;
    m_scale = std::clamp(m_scale, MinScale, MaxScale);
    m_aspect = std::clamp(std::isfinite(m_aspect) ? m_aspect : 1.0, 0.2, 1.0);
    // The centre stays on the map; longitudes may run one turn past 180 so a
    // region across the 180th meridian can be centred.
    m_centre.setX(std::clamp(std::isfinite(m_centre.x()) ? m_centre.x() : 0.0, -360.0, 360.0));
    m_centre.setY(std::clamp(std::isfinite(m_centre.y()) ? m_centre.y() : 0.0, -90.0, 90.0));
}
