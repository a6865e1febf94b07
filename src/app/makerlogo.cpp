// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/makerlogo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace MakerLogo {

void paint(QPainter &painter, const QRectF &bounds)
{
    const qreal side = qMin(bounds.width(), bounds.height());
    const QRectF square(bounds.center().x() - side / 2, bounds.center().y() - side / 2, side, side);
    const qreal unit = side / 64.0; // the design is laid out on a 64 x 64 grid

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(square.topLeft(), square.bottomRight());
    sky.setColorAt(0.0, QColor(0x1f, 0x7a, 0x8c));
    sky.setColorAt(1.0, QColor(0x12, 0x2c, 0x5a));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(square.adjusted(unit, unit, -unit, -unit), 12 * unit, 12 * unit);

    // The tile field: three picked tiles form the selection a user orders.
    const qreal cell = 12 * unit;
    const qreal gap = 3 * unit;
    const QPointF origin(square.left() + 11 * unit, square.top() + 17 * unit);
    const bool picked[3][3] = {{false, false, false}, {false, true, true}, {false, true, false}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF tile(origin.x() + column * (cell + gap), origin.y() + row * (cell + gap), cell, cell);
            painter.setBrush(picked[row][column] ? QColor(0xf2, 0x9e, 0x38) : QColor(255, 255, 255, 215));
            painter.drawRoundedRect(tile, 2 * unit, 2 * unit);
        }
    }

    // A meridian arc over the field, the globe the tiles are cut from.
    QPainterPath arc;
    arc.moveTo(square.left() + 11 * unit, square.top() + 13 * unit);
    arc.quadTo(square.center().x(), square.top() + 2 * unit, square.right() - 11 * unit, square.top() + 13 * unit);
    QPen pen(QColor(255, 255, 255, 235), 2.6 * unit, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);

    painter.restore();
}

QImage image(int size)
{
    QImage logo(size, size, QImage::Format_ARGB32_Premultiplied);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    paint(painter, QRectF(0, 0, size, size));
    painter.end();
    return logo;
}

} // namespace MakerLogo
