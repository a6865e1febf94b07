// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/rectcoverage.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A rectangle of whole pixels, right and bottom exclusive, within the image.
struct PixelRect
{
    int left, top, right, bottom;
};

PixelRect pixelRect(const QRectF &rect, const QSize &size)
{
    const auto clampX = [&](double x) { return std::clamp(int(std::lround(x)), 0, size.width()); };
    const auto clampY = [&](double y) { return std::clamp(int(std::lround(y)), 0, size.height()); };
    return {clampX(rect.left()), clampY(rect.top()), clampX(rect.right()), clampY(rect.bottom())};
}

// Counts, row by row, how many rectangles cover each pixel: a rectangle
// adds one over its columns from its top row and takes it back at its
// bottom row.
class RowCounter
{
public:
    explicit RowCounter(const QSize &size)
        : m_width(size.width())
        , m_starts(size_t(size.height()) + 1)
        , m_columns(size_t(size.width()) + 1, 0)
        , m_counts(size_t(size.width()), 0)
    {
    }

    void add(const PixelRect &r, int sign = 1)
    {
        if (r.left >= r.right || r.top >= r.bottom)
            return;
        m_starts[size_t(r.top)].push_back({r.left, r.right, sign});
        m_starts[size_t(r.bottom)].push_back({r.left, r.right, -sign});
    }

    // The counts of row `y`, rows taken in order from the top.
    const std::vector<int> &row(int y)
    {
        for (const Change &c : m_starts[size_t(y)]) {
            m_columns[size_t(c.left)] += c.step;
            m_columns[size_t(c.right)] -= c.step;
        }
        if (!m_starts[size_t(y)].empty() || y == 0) {
            int running = 0;
            for (int x = 0; x < m_width; ++x) {
                running += m_columns[size_t(x)];
                m_counts[size_t(x)] = running;
            }
        }
        return m_counts;
    }

private:
    struct Change
    {
        int left, right, step;
    };
    int m_width;
    std::vector<std::vector<Change>> m_starts;
    std::vector<int> m_columns;
    std::vector<int> m_counts;
};

// (1 - alpha)^k for k = 0..count.
std::vector<double> powers(int alpha, qsizetype count)
{
    std::vector<double> out(size_t(count) + 1, 1.0);
    for (size_t k = 1; k < out.size(); ++k)
        out[k] = out[k - 1] * (1.0 - alpha / 255.0);
    return out;
}

} // namespace

QImage RectCoverage::image(const QSize &size, const QList<QRectF> &rects, const QColor &colour, int fillAlpha,
                           int edgeAlpha, double edgeWidth)
{
    QImage out(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    const QSize area = out.size();
    RowCounter fills(area);
    RowCounter edges(area);
    const double half = std::max(edgeWidth, 1.0) / 2;
    const int width = std::max(int(std::lround(edgeWidth)), 1);
    // Sides far beyond the image are as good as just beyond its edge, and
    // stay within an int once rounded.
    const double reach = 2.0 * width + 2;
    const auto within = [&](double v, int extent) { return std::clamp(v, -reach, extent + reach); };
    for (const QRectF &rect : rects) {
        const QRectF n = rect.normalized();
        if (!std::isfinite(n.left()) || !std::isfinite(n.top()) || !std::isfinite(n.right())
            || !std::isfinite(n.bottom()))
            continue;
        const QRectF r(QPointF(within(n.left(), area.width()), within(n.top(), area.height())),
                       QPointF(within(n.right(), area.width()), within(n.bottom(), area.height())));
        fills.add(pixelRect(r, area));
        // The edge: the rectangle widened by half the edge's width, less
        // that rectangle narrowed by the edge's width.
        const QRectF outer = r.adjusted(-half, -half, half, half);
        const PixelRect o = pixelRect(outer, area);
        const int ol = int(std::lround(outer.left())), ot = int(std::lround(outer.top()));
        const int orr = int(std::lround(outer.right())), ob = int(std::lround(outer.bottom()));
        edges.add(o);
        if (orr - ol > 2 * width && ob - ot > 2 * width)
            edges.add(pixelRect(QRectF(QPointF(ol + width, ot + width), QPointF(orr - width, ob - width)), area), -1);
    }
    std::vector<double> fillPowers = powers(fillAlpha, rects.size());
    // However many lie on one another, the fills stay faded: three at most
    // add up.
    for (size_t k = 4; k < fillPowers.size(); ++k)
        fillPowers[k] = fillPowers[3];
    const std::vector<double> edgePowers = powers(edgeAlpha, 2 * rects.size());
    const QRgb rgb = colour.rgb();
    const auto pixel = [&](int f, int s) -> QRgb {
        const double opacity = 1.0 - fillPowers[size_t(f)] * edgePowers[size_t(s)];
        const int a = int(std::lround(opacity * 255));
        return qPremultiply(qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), a));
    };
    // Neighbouring pixels mostly lie under the same rectangles.
    int lastF = 0, lastS = 0;
    QRgb last = 0;
    for (int y = 0; y < area.height(); ++y) {
        const std::vector<int> &f = fills.row(y);
        const std::vector<int> &s = edges.row(y);
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < area.width(); ++x) {
            const int fx = std::max(f[size_t(x)], 0), sx = std::max(s[size_t(x)], 0);
            if (fx != lastF || sx != lastS) {
                lastF = fx;
                lastS = sx;
                last = pixel(fx, sx);
            }
            line[x] = last;
        }
    }
    return out;
}
