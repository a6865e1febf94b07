// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/mapscene.h"
#include "map/mapview.h"

#include <QColor>
#include <QCoreApplication>
#include <QRectF>

class QPainter;
class QPalette;

// The tiles a preview found for the request being entered, drawn apart from
// the last run's: the cells each tile covers outlined in dots of their own
// colour, and their entry "Preview" in the legend.
class PreviewCells
{
    Q_DECLARE_TR_FUNCTIONS(PreviewCells)

public:
    static QColor colour(const QPalette &palette);
    static QString legendName();

    // Draws the scene's previewed tiles in the map's `view`, then their
    // entry at the end of the last row of the legend in `legend`, in place
    // of the note there. Nothing while there are none.
    static void paint(QPainter &painter, const MapView &view, const MapScene &scene, const QPalette &palette,
                      const QRectF &legend, double rowHeight);
};
