// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/previewcells.h"

#include <QPainter>

void PreviewCells::paint(QPainter &painter, const MapView &view, const MapScene &scene, const QColor &colour)
{
    if (!scene.selected || scene.preview.isEmpty())
        return;
    QColor fill = colour;
    fill.setAlpha(40);
    painter.save();
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
    painter.restore();
}
