// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class QPainter;
class QRectF;

// The maker's logo, drawn rather than shipped as a file: a rounded square
// holding a three-by-three field of tiles, three of them picked out, under a
// meridian arc. The About box shows it, the help document opens with it and
// the desktop icon is rendered from it at build time.
namespace MakerLogo {

// Draws the logo into the largest square that fits bounds, centred.
void paint(QPainter &painter, const QRectF &bounds);

// The logo on a transparent square image of size x size pixels.
QImage image(int size);

} // namespace MakerLogo
