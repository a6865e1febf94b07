// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/mappainter.h"

#include "map/graticulelabels.h"
#include "map/rectcoverage.h"
#include "map/subdomainshape.h"
#include "map/worldoutline.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
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

double luminance(const QColor &colour)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

// `text` mixed towards `soft` as far as it stays readable on every one of `grounds`.
QColor readable(const QColor &text, const QColor &soft, std::initializer_list<QColor> grounds)
{
    for (double share : {0.35, 0.25, 0.15, 0.05}) {
        const QColor candidate = mixed(text, soft, share);
        if (std::all_of(grounds.begin(), grounds.end(),
                        [&](const QColor &g) { return MapColours::contrast(candidate, g) >= 4.5; }))
            return candidate;
    }
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
    countryTint = withAlpha(palette.color(QPalette::Highlight), 80);
    const QColor tinted = mixed(land, countryTint, countryTint.alphaF());
    label = readable(text, base, {water, land, tinted});
    domain = mixed(base, text, 0.55);
    emphasis = palette.color(QPalette::Highlight);
    emphasisText = readable(emphasis, emphasis, {water, land, tinted});
    if (contrast(emphasisText, tinted) < 4.5)
        emphasisText = label;
    subdomain = palette.color(QPalette::Link);
    warning = dark ? QColor(255, 110, 100) : QColor(200, 30, 30);
    // The tiles in a colour of their own, apart from the domains' and the sub-domain's.
    tile = dark ? QColor(255, 170, 60) : QColor(190, 90, 0);
    tileSelected = withAlpha(tile, 45);
    // A preview's tiles apart from the last run's.
    preview = dark ? QColor(80, 200, 230) : QColor(0, 110, 160);
    plate = withAlpha(base, 225);
    tileText = readable(text, tile, {base});
    legendText = palette.color(QPalette::WindowText);
}

double MapColours::contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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
    const QList<WorldOutline::Country> &countries = world.countries();
    // All countries in one path, the picked one in another: each path is
    // filled and outlined at once, which costs far less than a country at a
    // time.
    QPainterPath land;
    land.setFillRule(Qt::OddEvenFill);
    QPainterPath picked;
    picked.setFillRule(Qt::OddEvenFill);
    // The map repeats east and west of the 180th meridian.
    for (double shift : {-360.0, 0.0, 360.0}) {
        for (int k = 0; k < countries.size(); ++k) {
            if (countries.at(k).bounds.translated(shift, 0).intersects(view))
                addCountry(world, k, shift, k == country ? picked : land);
        }
    }
    // The fill without antialiasing, the antialiased border over its edge:
    // the same look at half the cost of an antialiased fill.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(m_colours.land);
    m_painter.drawPath(land);
    m_painter.setBrush(mixed(m_colours.land, m_colours.countryTint, m_colours.countryTint.alphaF()));
    m_painter.drawPath(picked);
    // Hairlines: the cosmetic stroker is several times faster than outlining
    // a pen of some width along thousands of border points.
    QPen border(m_colours.border, 1.0);
    border.setCosmetic(true);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(border);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(land);
    m_painter.drawPath(picked);
}

void MapPainter::addCountry(const WorldOutline &world, int index, double shift, QPainterPath &path) const
{
    const QRectF visible = QRectF(QPointF(0, 0), m_view.size()).adjusted(-2, -2, 2, 2);
    const double scaleX = m_view.pixelsPerDegree() * m_view.aspect();
    const double scaleY = m_view.pixelsPerDegree();
    const QPointF origin = m_view.toWidget(QPointF(0, 0));
    // Which side of the view a point lies beyond: bits for left, right,
    // above and below; 0 inside.
    const auto outside = [&visible](QPointF s) {
        return (s.x() < visible.left() ? 1 : 0) | (s.x() > visible.right() ? 2 : 0) | (s.y() < visible.top() ? 4 : 0)
               | (s.y() > visible.bottom() ? 8 : 0);
    };
    for (const QPolygonF &ring : world.countries().at(index).rings) {
        // Points closer than a pixel or so to the last one kept add nothing
        // seen. Of a run of points beyond one side of the view only its ends
        // are kept: the straight line between them stays beyond that side,
        // so what is seen is drawn the same, with a fraction of the points
        // when the view is zoomed in.
        QPolygonF screen;
        screen.reserve(ring.size());
        QPointF last(1e18, 1e18);
        int lastSide = 0;
        bool runEndPending = false;
        QPointF runEnd;
        for (const QPointF &p : ring) {
            const QPointF s(origin.x() + (p.x() + shift) * scaleX, origin.y() - p.y() * scaleY);
            const int side = outside(s);
            if (side != 0 && side == lastSide && !screen.isEmpty()) {
                runEnd = s;
                runEndPending = true;
                continue;
            }
            if (runEndPending) {
                screen << runEnd;
                last = runEnd;
                runEndPending = false;
            }
            lastSide = side;
            if (std::abs(s.x() - last.x()) + std::abs(s.y() - last.y()) >= 1.2) {
                screen << s;
                last = s;
            }
        }
        if (runEndPending)
            screen << runEnd;
        if (screen.size() >= 3 && screen.boundingRect().intersects(visible))
            path.addPolygon(screen);
    }
    path.closeSubpath();
}

void MapPainter::paintGraticule(QImage &image, const MapView &view, const QColor &colour)
{
    // Dotted lines of one pixel, one pixel in three blended straight into the
    // image: with a pen, or a brush, each line costs as much as a large fill.
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const qreal ratio = image.devicePixelRatio();
    const GeoBox visible = view.visible();
    const double step = Graticule::latitudeStep(view);
    const double stepX = Graticule::longitudeStep(view);
    const QRgb dot = qPremultiply(colour.rgba());
    const uint alpha = qAlpha(dot);
    const auto blend = [&](int x, int y) {
        QRgb &pixel = reinterpret_cast<QRgb *>(image.scanLine(y))[x];
        // dot over pixel, premultiplied, channel by channel
        const auto over = [&](int shift) {
            const uint d = (dot >> shift) & 0xff;
            const uint p = (pixel >> shift) & 0xff;
            return (d + (p * (255 - alpha) + 127) / 255) << shift;
        };
        pixel = over(24) | over(16) | over(8) | over(0);
    };
    const int width = image.width();
    const int height = image.height();
    const int top = std::clamp(int(std::lround(view.toWidget(QPointF(0, 90)).y() * ratio)), 0, height);
    const int bottom = std::clamp(int(std::lround(view.toWidget(QPointF(0, -90)).y() * ratio)), 0, height);
    for (double lon = std::ceil(visible.west / stepX) * stepX; lon <= visible.east; lon += stepX) {
        const int x = int(std::floor(view.toWidget(QPointF(lon, 0)).x() * ratio));
        if (x < 0 || x >= width)
            continue;
        for (int y = top; y < bottom; y += 3)
            blend(x, y);
    }
    for (double lat = std::max(std::ceil(visible.south / step) * step, -90.0); lat <= std::min(visible.north, 90.0);
         lat += step) {
        const int y = int(std::floor(view.toWidget(QPointF(0, lat)).y() * ratio));
        if (y < 0 || y >= height)
            continue;
        for (int x = 0; x < width; x += 3)
            blend(x, y);
    }
}

void MapPainter::paintGraticuleLabels()
{
    m_painter.setPen(m_colours.label);
    const QFontMetricsF metrics(m_painter.font());
    const auto advance = [&metrics](const QString &text) { return metrics.horizontalAdvance(text); };
    for (const MapLabel &label : Graticule::labels(m_view, advance, metrics.height()))
        m_painter.drawText(label.rect, Qt::AlignLeft | Qt::AlignVCenter, label.text);
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
    const QFontMetricsF metrics(m_painter.font());
    const QRectF area(QPointF(0, 0), m_view.size());
    // The domains but the emphasised ones faded, so that those stand out.
    const QColor faded = withAlpha(m_colours.domain, 120);
    QList<QRectF> numbered;
    constexpr int MostNumbers = 150;
    // Many faded domains are laid in one pass over the pixels, which costs
    // the same for a thousand as for one; the emphasised ones go over them.
    constexpr int LaidFrom = 64;
    const bool laid = scene.domains.size() >= LaidFrom;
    if (laid)
        layFadedDomains(scene);
    // The width of a number from the widths of its characters, measured
    // once each: a thousand numbers are measured in no time.
    std::array<qreal, 128> widths;
    widths.fill(-1);
    const auto widthOf = [&](const QString &text) {
        qreal sum = 0;
        for (const QChar c : text) {
            if (c.unicode() >= widths.size())
                return metrics.horizontalAdvance(text);
            qreal &width = widths[c.unicode()];
            if (width < 0)
                width = metrics.horizontalAdvance(c);
            sum += width;
        }
        return sum;
    };
    for (const MapDomain &domain : scene.domains) {
        const bool emphasised = domain.number == scene.emphasised || domain.number == selected;
        const GeoBox &box = domain.grid.box();
        for (double shift : shiftsInView(box)) {
            const QRectF rect = m_view.rectOf(GeoBox{box.west + shift, box.east + shift, box.south, box.north});
            if (emphasised || !laid) {
                // The fill on whole pixels: a domain may cover the whole map.
                m_painter.fillRect(onPixels(rect),
                                   withAlpha(emphasised ? m_colours.emphasis : m_colours.domain, emphasised ? 40 : 10));
                m_painter.setPen(QPen(emphasised ? m_colours.emphasis : faded, emphasised ? 2.0 : 1.0));
                m_painter.setBrush(Qt::NoBrush);
                m_painter.drawRect(rect);
            }
            // Numbered where the rectangle holds its number and no other number is there.
            if (domain.number == selected || numbered.size() >= MostNumbers)
                continue;
            const qreal width = widthOf(domain.number);
            const QRectF label(rect.bottomRight() - QPointF(width + 6, metrics.height() + 3),
                               QSizeF(width + 2, metrics.height()));
            if (rect.width() < label.width() * 2 || rect.height() < label.height() * 2 || !area.contains(label)
                || std::any_of(numbered.cbegin(), numbered.cend(),
                               [&](const QRectF &r) { return r.intersects(label); }))
                continue;
            numbered << label;
            m_painter.setPen(emphasised ? m_colours.emphasisText : m_colours.label);
            m_painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, domain.number);
        }
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
               m_colours.emphasisText);
    if (shown.crossesAntimeridian()) {
        const double x = m_view.toWidget(QPointF((shown.east > 180 ? 180.0 : -180.0) + nearest, 0)).x();
        m_painter.setPen(QPen(m_colours.emphasis, 1.0, Qt::DashLine));
        m_painter.drawLine(QPointF(x, rect.top()), QPointF(x, rect.bottom()));
        // The degree sign as UTF-8 bytes, the encoding tr() reads its source in.
        paintLabel({x + 4, rect.bottom() - 3}, tr("crosses 180\xc2\xb0"), Qt::AlignLeft | Qt::AlignBottom,
                   m_colours.emphasisText);
    }
}

void MapPainter::layFadedDomains(const MapScene &scene)
{
    const QString selected = scene.selected ? scene.selected->number : QString();
    const qreal ratio = m_painter.device() ? m_painter.device()->devicePixelRatioF() : 1.0;
    QList<QRectF> rects;
    rects.reserve(scene.domains.size());
    for (const MapDomain &domain : scene.domains) {
        if (domain.number == scene.emphasised || domain.number == selected)
            continue;
        const GeoBox &box = domain.grid.box();
        for (double shift : shiftsInView(box)) {
            const QRectF rect = m_view.rectOf(GeoBox{box.west + shift, box.east + shift, box.south, box.north});
            rects << QRectF(rect.topLeft() * ratio, rect.size() * ratio);
        }
    }
    QImage laid = RectCoverage::image((m_view.size() * ratio).toSize(), rects, m_colours.domain, 10, 120, ratio);
    laid.setDevicePixelRatio(ratio);
    m_painter.drawImage(QPointF(0, 0), laid);
}

template<typename Each>
void MapPainter::forEachTile(const MapScene &scene, bool selected, const Each &each) const
{
    if (!scene.selected || scene.tiles.isEmpty())
        return;
    const DomainGrid &grid = scene.selected->grid;
    for (double shift : shiftsInView(grid.box())) {
        for (const TileCells &tile : scene.tiles) {
            const IndexRange &r = selected ? tile.selected : tile.onTile;
            const GeoBox cells = grid.cellsBox(r.iFrom, r.iTo, r.jFrom, r.jTo);
            each(tile, m_view.rectOf(GeoBox{cells.west + shift, cells.east + shift, cells.south, cells.north}));
        }
    }
}

void MapPainter::paintTiles(const MapScene &scene)
{
    // The tiles of an earlier request faded and dashed.
    const QColor colour = scene.tilesStale ? withAlpha(m_colours.tile, 150) : m_colours.tile;
    // On whole pixels, without antialiasing: neighbouring tiles meet
    // without a seam, and a map full of tiles is filled at a fraction of the
    // cost.
    const bool antialiased = m_painter.testRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor fill = scene.tilesStale ? withAlpha(m_colours.tileSelected, 20) : m_colours.tileSelected;
    forEachTile(scene, true, [&](const TileCells &, const QRectF &rect) { m_painter.fillRect(onPixels(rect), fill); });
    QPen edge(colour, 1.0, scene.tilesStale ? Qt::DashLine : Qt::SolidLine);
    edge.setCosmetic(true);
    m_painter.setPen(edge);
    m_painter.setBrush(Qt::NoBrush);
    forEachTile(scene, false, [&](const TileCells &, const QRectF &rect) {
        m_painter.drawRect(onPixels(rect).adjusted(0, 0, -1, -1));
    });
    m_painter.setRenderHint(QPainter::Antialiasing, antialiased);
}

QRect MapPainter::onPixels(const QRectF &rect)
{
    const QRectF r = rect.normalized();
    return QRect(QPoint(int(std::lround(r.left())), int(std::lround(r.top()))),
                 QPoint(int(std::lround(r.right())) - 1, int(std::lround(r.bottom())) - 1));
}

void MapPainter::paintTileNumbers(const MapScene &scene)
{
    const QFontMetricsF metrics(m_painter.font());
    forEachTile(scene, false, [&](const TileCells &tile, const QRectF &rect) {
        const QSizeF text(metrics.horizontalAdvance(tile.number) + 6, metrics.height() + 2);
        if (text.width() + 2 >= rect.width() || text.height() + 2 >= rect.height())
            return;
        const QRectF plate(rect.center() - QPointF(text.width() / 2, text.height() / 2), text);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(m_colours.plate);
        m_painter.drawRect(plate);
        m_painter.setPen(m_colours.tileText);
        m_painter.drawText(plate, Qt::AlignCenter, tile.number);
    });
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

QStringList MapPainter::legendTexts(bool staleTiles)
{
    return {tr("Domain"), tr("Sub-domain"), tr("Outside the domain"),
            staleTiles ? tr("Tiles of an earlier request") : tr("Tiles of the last run"), tr("Preview")};
}

QList<QRectF> MapPainter::legendPlaces(const QFontMetricsF &metrics, double width, double rowHeight,
                                       const QStringList &texts)
{
    const double swatch = metrics.height() * 0.9;
    QList<QRectF> places;
    QPointF at(6, 0);
    for (const QString &text : texts) {
        const double wide = swatch + 4 + metrics.horizontalAdvance(text);
        if (at.x() > 6 && at.x() + wide > width - 6)
            at = QPointF(6, at.y() + rowHeight);
        places << QRectF(at, QSizeF(wide, rowHeight));
        at.rx() += wide + 14;
    }
    return places;
}

int MapPainter::legendRows(const QFontMetricsF &metrics, double width, double rowHeight)
{
    // Laid out for the longer of the tiles' two names, so that the map
    // keeps its size when the tiles become an earlier request's.
    QStringList texts = legendTexts(false);
    const QString stale = legendTexts(true).at(LastRunEntry);
    if (metrics.horizontalAdvance(stale) > metrics.horizontalAdvance(texts.at(LastRunEntry)))
        texts[LastRunEntry] = stale;
    const QList<QRectF> places = legendPlaces(metrics, width, rowHeight, texts);
    return int(std::lround(places.last().bottom() / rowHeight));
}

void MapPainter::paintLegend(const QRectF &strip, double rowHeight, const MapScene &scene, const QString &note)
{
    const QFontMetricsF metrics(m_painter.font());
    const QStringList texts = legendTexts(scene.tilesStale);
    const QList<QColor> colours{m_colours.emphasis, m_colours.subdomain, m_colours.warning, m_colours.tile,
                                m_colours.preview};
    const QList<QRectF> places = legendPlaces(metrics, strip.width(), rowHeight, texts);
    const double swatch = metrics.height() * 0.9;
    for (qsizetype k = 0; k < texts.size(); ++k) {
        // The tiles' entries only while there are such tiles.
        if ((k == LastRunEntry && scene.tiles.isEmpty()) || (k == PreviewEntry && scene.preview.isEmpty()))
            continue;
        const QRectF place = places.at(k).translated(strip.topLeft());
        const Qt::PenStyle style = k == PreviewEntry                       ? Qt::DotLine
                                   : k == LastRunEntry && scene.tilesStale ? Qt::DashLine
                                                                           : Qt::SolidLine;
        m_painter.setPen(QPen(colours.at(k), 2.0, style));
        m_painter.setBrush(withAlpha(colours.at(k), 45));
        m_painter.drawRect(QRectF(place.left(), place.center().y() - swatch / 2, swatch, swatch));
        m_painter.setPen(m_colours.legendText);
        m_painter.drawText(place.adjusted(swatch + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, texts.at(k));
    }
    // The note at the end of the last row, where there is room.
    const QRectF last = places.last().translated(strip.topLeft());
    const QRectF room(last.right() + 14, last.top(), strip.right() - 6 - last.right() - 14, rowHeight);
    if (!note.isEmpty() && metrics.horizontalAdvance(note) <= room.width())
        m_painter.drawText(room, Qt::AlignRight | Qt::AlignVCenter, note);
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
