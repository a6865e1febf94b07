// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>

// Many translucent rectangles of one colour, each filled and outlined, laid
// over one another as a painter would lay them, in one pass over the pixels
// whatever their number: a pixel under f fills and s outlines gets the
// colour at the opacity 1 - (1 - fill)^min(f, 3) (1 - edge)^s, so that many
// rectangles on one another stay faded. Edges fall on whole pixels.
class RectCoverage
{
public:
    // `rects` in pixels of an image of `size`; `fillAlpha` and `edgeAlpha`
    // 0 to 255; `edgeWidth` in pixels, at least one.
    static QImage image(const QSize &size, const QList<QRectF> &rects, const QColor &colour, int fillAlpha,
                        int edgeAlpha, double edgeWidth);
};
