// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/mappainter.h"

#include "map/subdomainshape.h"
#include "map/worldoutline.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

QColor mixed(const QColor &a, const QColor &b, double share)
{
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// A step of 1, 2, 5, 10, 15 or 30 degrees (or a tenth...) that keeps grid
// lines at least `pixels` apart.
double graticuleStep(double pixelsPerDegree, double pixels)
{
    static const double steps[] = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 15, 30};
    for (double step : steps) {
        if (step * pixelsPerDegree >= pixels)
            return step;
    }
    return 30;
}

QString degreeText(double value, double step, QChar positive, QChar negative)
{
    const int decimals = step >= 1 ? 0 : step >= 0.1 ? 1 : 2;
    const double magnitude = std::abs(value);
    QString text = QString::number(magnitude, 'f', decimals) + QChar(0x00B0);
    if (magnitude > step / 100 && magnitude < 180 - step / 100)
        text += value > 0 ? positive : negative;
    return text;
}

} // namespace

MapColours::MapColours(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const bool dark = base.lightnessF() < 0.5;
    water = mixed(base, QColor(70, 130, 200), dark ? 0.25 : 0.12);
    land = mixed(base, text, dark ? 0.16 : 0.09);
    border = mixed(base, text, 0.45);
    graticule = withAlpha(mixed(base, text, 0.5), 90);
    label = palette.color(QPalette::PlaceholderText);
    countryTint = withAlpha(palette.color(QPalette::Highlight), 80);
    domain = mixed(base, text, 0.55);
    emphasis = palette.color(QPalette::Highlight);
    subdomain = palette.color(QPalette::Link);
    warning = dark ? QColor(255, 110, 100) : QColor(200, 30, 30);
    tile = mixed(base, text, 0.7);
    tileSelected = withAlpha(palette.color(QPalette::Link), 40);
}

MapPainter::MapPainter(QPainter &painter, const MapView &view, const MapColours &colours)
    : m_painter(painter)
    , m_view(view)
    , m_colours(colours)
{
}

void MapPainter::paintWorld(const WorldOutline &world, int country)
{
    const QRectF area(QPointF(0, 0), m_view.size());
    m_painter.fillRect(area, m_colours.water);
    const GeoBox visible = m_view.visible();
    const QRectF view(visible.west, visible.south, visible.width(), visible.height());
    // Hairlines: the cosmetic stroker is several times faster than outlining
    // a pen of some width along thousands of border points.
    QPen border(m_colours.border, 1.0);
    border.setCosmetic(true);
    m_painter.setPen(border);
    const QList<WorldOutline::Country> &countries = world.countries();
    // The map repeats east and west of the 180th meridian.
    for (double shift : {-360.0, 0.0, 360.0}) {
        for (int k = 0; k < countries.size(); ++k) {
            if (countries.at(k).bounds.translated(shift, 0).intersects(view))
                paintCountry(world, k, shift,
                             k == country
                                 ? QBrush(mixed(m_colours.land, m_colours.countryTint, m_colours.countryTint.alphaF()))
                                 : QBrush(m_colours.land));
        }
    }
}

void MapPainter::paintCountry(const WorldOutline &world, int index, double shift, const QBrush &fill)
{
    const QRectF visible = QRectF(QPointF(0, 0), m_view.size()).adjusted(-2, -2, 2, 2);
    const double scaleX = m_view.pixelsPerDegree() * m_view.aspect();
    const double scaleY = m_view.pixelsPerDegree();
    const QPointF origin = m_view.toWidget(QPointF(0, 0));
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF &ring : world.countries().at(index).rings) {
        // Points closer than a pixel or so to the last one kept add nothing seen.
        QPolygonF screen;
        screen.reserve(ring.size());
        QPointF last(1e18, 1e18);
        for (const QPointF &p : ring) {
            const QPointF s(origin.x() + (p.x() + shift) * scaleX, origin.y() - p.y() * scaleY);
            if (std::abs(s.x() - last.x()) + std::abs(s.y() - last.y()) >= 1.2) {
                screen << s;
                last = s;
            }
        }
        if (screen.size() >= 3 && screen.boundingRect().intersects(visible))
            path.addPolygon(screen);
    }
    path.closeSubpath();
    // The fill without antialiasing, the antialiased border over its edge:
    // the same look at half the cost of an antialiased fill.
    const QPen pen = m_painter.pen();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(fill);
    m_painter.drawPath(path);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);
}

void MapPainter::paintGraticule()
{
    const GeoBox visible = m_view.visible();
    const double step = graticuleStep(m_view.pixelsPerDegree(), 70);
    const double stepX = graticuleStep(m_view.pixelsPerDegree() * m_view.aspect(), 90);
    const QSizeF size = m_view.size();
    QPen line(m_colours.graticule, 1.0, Qt::DotLine);
    line.setCosmetic(true);
    m_painter.setPen(line);
    m_painter.setBrush(Qt::NoBrush);
    const double top = std::max(m_view.toWidget(QPointF(0, 90)).y(), 0.0);
    const double bottom = std::min(m_view.toWidget(QPointF(0, -90)).y(), size.height());
    for (double lon = std::ceil(visible.west / stepX) * stepX; lon <= visible.east; lon += stepX) {
        const double x = m_view.toWidget(QPointF(lon, 0)).x();
        m_painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    for (double lat = std::max(std::ceil(visible.south / step) * step, -90.0); lat <= std::min(visible.north, 90.0);
         lat += step) {
        const double y = m_view.toWidget(QPointF(0, lat)).y();
        m_painter.drawLine(QPointF(0, y), QPointF(size.width(), y));
    }
}

void MapPainter::paintGraticuleLabels()
{
    const GeoBox visible = m_view.visible();
    const double step = graticuleStep(m_view.pixelsPerDegree(), 70);
    const double stepX = graticuleStep(m_view.pixelsPerDegree() * m_view.aspect(), 90);
    const double top = std::max(m_view.toWidget(QPointF(0, 90)).y(), 0.0);
    for (double lon = std::ceil(visible.west / stepX) * stepX; lon <= visible.east; lon += stepX) {
        const double x = m_view.toWidget(QPointF(lon, 0)).x();
        paintLabel({x + 3, top + 2}, degreeText(Longitude::normalized(lon), stepX, u'E', u'W'),
                   Qt::AlignLeft | Qt::AlignTop, m_colours.label);
    }
    for (double lat = std::max(std::ceil(visible.south / step) * step, -90.0); lat <= std::min(visible.north, 90.0);
         lat += step) {
        const double y = m_view.toWidget(QPointF(0, lat)).y();
        paintLabel({3, y - 2}, degreeText(lat, step, u'N', u'S'), Qt::AlignLeft | Qt::AlignBottom, m_colours.label);
    }
}

QList<double> MapPainter::shiftsInView(const GeoBox &box) const
{
    const GeoBox visible = m_view.visible();
    QList<double> shifts;
    for (double shift : {-360.0, 0.0, 360.0}) {
        if (box.west + shift <= visible.east && box.east + shift >= visible.west)
            shifts << shift;
    }
    return shifts;
}

void MapPainter::paintDomains(const MapScene &scene)
{
    const QString selected = scene.selected ? scene.selected->number : QString();
    for (const MapDomain &domain : scene.domains) {
        const bool emphasised = domain.number == scene.emphasised || domain.number == selected;
        m_painter.setPen(QPen(emphasised ? m_colours.emphasis : m_colours.domain, emphasised ? 2.0 : 1.0));
        m_painter.setBrush(withAlpha(emphasised ? m_colours.emphasis : m_colours.domain, emphasised ? 40 : 14));
        const GeoBox &box = domain.grid.box();
        for (double shift : shiftsInView(box))
            m_painter.drawRect(m_view.rectOf(GeoBox{box.west + shift, box.east + shift, box.south, box.north}));
    }
    if (!scene.selected)
        return;
    const GeoBox &shown = scene.selected->grid.box();
    const QList<double> shifts = shiftsInView(shown);
    // The copy of the domain nearest the middle of the view carries its labels.
    double nearest = 0;
    for (double shift : shifts) {
        if (std::abs(shown.centre().x() + shift - m_view.centre().x())
            < std::abs(shown.centre().x() + nearest - m_view.centre().x()))
            nearest = shift;
    }
    const GeoBox box{shown.west + nearest, shown.east + nearest, shown.south, shown.north};
    const QRectF rect = m_view.rectOf(box);
    m_painter.setPen(QPen(m_colours.emphasis, 2.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(rect);
    paintLabel(rect.topLeft() + QPointF(4, 3), tr("Domain ") + scene.selected->number, Qt::AlignLeft | Qt::AlignTop,
               m_colours.emphasis);
    if (shown.crossesAntimeridian()) {
        const double x = m_view.toWidget(QPointF((shown.east > 180 ? 180.0 : -180.0) + nearest, 0)).x();
        m_painter.setPen(QPen(m_colours.emphasis, 1.0, Qt::DashLine));
        m_painter.drawLine(QPointF(x, rect.top()), QPointF(x, rect.bottom()));
        // The degree sign as UTF-8 bytes, the encoding tr() reads its source in.
        paintLabel({x + 4, rect.bottom() - 3}, tr("crosses 180\xc2\xb0"), Qt::AlignLeft | Qt::AlignBottom,
                   m_colours.emphasis);
    }
}

void MapPainter::paintTiles(const MapScene &scene)
{
    if (!scene.selected || scene.tiles.isEmpty())
        return;
    const DomainGrid &grid = scene.selected->grid;
    const QFontMetricsF metrics(m_painter.font());
    const auto moved = [](const GeoBox &box, double shift) {
        return GeoBox{box.west + shift, box.east + shift, box.south, box.north};
    };
    const QList<double> shifts = shiftsInView(grid.box());
    for (double shift : shifts) {
        for (const TileCells &tile : scene.tiles) {
            const IndexRange &s = tile.selected;
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(m_colours.tileSelected);
            m_painter.drawRect(m_view.rectOf(moved(grid.cellsBox(s.iFrom, s.iTo, s.jFrom, s.jTo), shift)));
        }
        for (const TileCells &tile : scene.tiles) {
            const IndexRange &r = tile.onTile;
            const QRectF rect = m_view.rectOf(moved(grid.cellsBox(r.iFrom, r.iTo, r.jFrom, r.jTo), shift));
            m_painter.setPen(QPen(m_colours.tile, 1.0));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(rect);
            if (metrics.horizontalAdvance(tile.number) + 4 < rect.width() && metrics.height() + 2 < rect.height()) {
                m_painter.setPen(m_colours.tile);
                m_painter.drawText(rect, Qt::AlignCenter, tile.number);
            }
        }
    }
}

void MapPainter::paintSubdomain(const SubdomainShape &shape, bool beingDrawn)
{
    const QColor colour = shape.outside ? m_colours.warning : m_colours.subdomain;
    const auto onScreen = [this](const QPolygonF &lonLat, double shift) {
        QPolygonF points;
        points.reserve(lonLat.size());
        for (const QPointF &p : lonLat)
            points << m_view.toWidget(p + QPointF(shift, 0));
        return points;
    };
    const QPen pen(colour, 2.0, beingDrawn ? Qt::DashLine : Qt::SolidLine);
    for (double shift : shiftsInView(shape.box)) {
        if (shape.hole.isEmpty()) {
            m_painter.setPen(pen);
            m_painter.setBrush(withAlpha(colour, 45));
            m_painter.drawPolygon(onScreen(shape.outline, shift));
            continue;
        }
        // Everything but the hole is filled; only the hole's edge is a border.
        QPainterPath area;
        area.setFillRule(Qt::OddEvenFill);
        area.addPolygon(onScreen(shape.outline, shift));
        area.addPolygon(onScreen(shape.hole, shift));
        m_painter.fillPath(area, withAlpha(colour, 45));
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPolygon(onScreen(shape.hole, shift));
    }
}

void MapPainter::paintLegend(const QString &text)
{
    const QFontMetricsF metrics(m_painter.font());
    if (metrics.horizontalAdvance(text) + 24 > m_view.size().width())
        return;
    const QRectF box(QPointF(m_view.size().width() - metrics.horizontalAdvance(text) - 16,
                             m_view.size().height() - metrics.height() - 10),
                     QSizeF(metrics.horizontalAdvance(text) + 10, metrics.height() + 4));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(withAlpha(m_colours.water, 210));
    m_painter.drawRoundedRect(box, 3, 3);
    m_painter.setPen(m_colours.label);
    m_painter.drawText(box, Qt::AlignCenter, text);
}

void MapPainter::paintLabel(QPointF at, const QString &text, Qt::Alignment align, const QColor &colour)
{
    const QFontMetricsF metrics(m_painter.font());
    QRectF rect(at, QSizeF(metrics.horizontalAdvance(text) + 2, metrics.height()));
    if (align & Qt::AlignBottom)
        rect.moveBottom(at.y());
    m_painter.setPen(colour);
    m_painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, text);
}
