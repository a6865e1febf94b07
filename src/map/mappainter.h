// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/mapscene.h"
#include "map/mapview.h"

#include <QColor>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPalette>

class QPainter;
class QPainterPath;
class WorldOutline;
struct SubdomainShape;

// The map's colours, all derived from the palette so a dark theme works.
struct MapColours
{
    explicit MapColours(const QPalette &palette);

    QColor water, land, border, graticule, label, countryTint;
    QColor domain, emphasis, subdomain, warning, tile, tileSelected, preview;
    // Texts: on the map (the label colour above), the emphasised domain's,
    // a tile number's and the plate behind it.
    QColor emphasisText, tileText, plate;
    // The legend's text, on the window's colour under the map.
    QColor legendText;

    // The contrast ratio of two colours, 1 to 21 (as the web's guidelines
    // reckon it).
    static double contrast(const QColor &a, const QColor &b);
};

// Paints the layers of the map for one view: the world (water, land,
// borders, the picked country, the graticule) and what lies on top of it.
class MapPainter
{
    Q_DECLARE_TR_FUNCTIONS(MapPainter)

public:
    MapPainter(QPainter &painter, const MapView &view, const MapColours &colours);

    void paintWorld(const WorldOutline &world, int country);
    // The lines, straight into the pixels of `image` (drawn for `view`),
    // and their degrees along the top and left edges.
    static void paintGraticule(QImage &image, const MapView &view, const QColor &colour);
    void paintGraticuleLabels();
    void paintDomains(const MapScene &scene);
    // The cells of the tiles, and their numbers: the numbers go on top of
    // everything else.
    void paintTiles(const MapScene &scene);
    void paintTileNumbers(const MapScene &scene);
    void paintSubdomain(const SubdomainShape &shape, bool beingDrawn);
    // What the colours mean, in rows of `rowHeight` across `strip`, then
    // `note` where room is left.
    void paintLegend(const QRectF &strip, double rowHeight, const MapScene &scene, const QString &note);
    // The legend's names, and where each (its swatch and name) lies in
    // rows across `width`. The last run's tiles and the preview's are
    // named at these places.
    static constexpr qsizetype LastRunEntry = 3, PreviewEntry = 4;
    static QStringList legendTexts(bool staleTiles);
    static QList<QRectF> legendPlaces(const QFontMetricsF &metrics, double width, double rowHeight,
                                      const QStringList &texts);
    // The rows the legend needs across `width`.
    static int legendRows(const QFontMetricsF &metrics, double width, double rowHeight);

private:
    // The outline of a country, moved east by `shift` degrees, as seen in the view.
    void addCountry(const WorldOutline &world, int index, double shift, QPainterPath &path) const;
    // The pixels a rectangle covers, for a fill without antialiasing.
    static QRect onPixels(const QRectF &rect);
    // The domains not emphasised, as one image.
    void layFadedDomains(const MapScene &scene);
    void paintLabel(QPointF at, const QString &text, Qt::Alignment align, const QColor &colour);
    // The turns (-360, 0, 360) by which a longitude/latitude box is moved to
    // be in view: the map repeats east and west of the 180th meridian.
    QList<double> shiftsInView(const GeoBox &box) const;
    // The rectangles of the tiles' cells on the map, for each copy in view.
    template<typename Each>
    void forEachTile(const MapScene &scene, bool selected, const Each &each) const;

    QPainter &m_painter;
    MapView m_view;
    const MapColours &m_colours;
};
