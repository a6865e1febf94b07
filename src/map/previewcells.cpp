// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/previewcells.h"

#include "map/mappainter.h"

#include <QPainter>
#include <QPalette>

QColor PreviewCells::colour(const QPalette &palette)
{
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    return dark ? QColor(80, 200, 230) : QColor(0, 110, 160);
}

QString PreviewCells::legendName()
{
    return tr("Preview");
}

void PreviewCells::paint(QPainter &painter, const MapView &view, const MapScene &scene, const QPalette &palette,
                         const QRectF &legend, double rowHeight)
{
    if (!scene.selected || scene.preview.isEmpty())
        return;
    const QColor colour = PreviewCells::colour(palette);
    QColor fill = colour;
    fill.setAlpha(40);
    painter.save();
    painter.setClipRect(QRectF(QPointF(0, 0), view.size()));
    painter.setPen(QPen(colour, 1.5, Qt::DotLine));
    painter.setBrush(fill);
    const DomainGrid &grid = scene.selected->grid;
    const QRectF shown(QPointF(0, 0), view.size());
    // The map repeats east and west of the 180th meridian.
    for (double shift : {-360.0, 0.0, 360.0}) {
        for (const TileCells &tile : scene.preview) {
            const IndexRange &r = tile.selected;
            const GeoBox cells = grid.cellsBox(r.iFrom, r.iTo, r.jFrom, r.jTo);
            const QRectF rect = view.rectOf(GeoBox{cells.west + shift, cells.east + shift, cells.south, cells.north});
            if (rect.intersects(shown))
                painter.drawRect(rect);
        }
    }
    painter.setClipping(false);

    // The entry follows the legend's own, on its last row.
    const QFontMetricsF metrics(painter.font());
    QStringList texts = MapPainter::legendTexts(scene.tilesStale);
    texts << legendName();
    const QList<QRectF> places = MapPainter::legendPlaces(metrics, legend.width(), rowHeight, texts);
    const QRectF place = places.last().translated(legend.topLeft());
    if (place.bottom() <= legend.bottom() + 0.5) {
        const double swatch = metrics.height() * 0.9;
        painter.fillRect(QRectF(place.left(), place.top(), legend.right() - place.left(), rowHeight),
                         palette.color(QPalette::Window));
        painter.setPen(QPen(colour, 2.0, Qt::DotLine));
        painter.drawRect(QRectF(place.left(), place.center().y() - swatch / 2, swatch, swatch));
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(place.adjusted(swatch + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, legendName());
    }
    painter.restore();
}
