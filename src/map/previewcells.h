// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/mapscene.h"
#include "map/mapview.h"

#include <QColor>

class QPainter;

// The tiles a preview found for the request being entered, drawn apart from
// the last run's: the cells each tile covers outlined in dots of their own
// colour.
class PreviewCells
{
public:
    // Draws the scene's previewed tiles in the map's `view`; nothing while
    // there are none.
    static void paint(QPainter &painter, const MapView &view, const MapScene &scene, const QColor &colour);
};
