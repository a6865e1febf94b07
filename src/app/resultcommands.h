// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/mapscene.h"
#include "run/listfile.h"

#include <QCoreApplication>
#include <QList>

class QMainWindow;
struct WindowContext;

// The last run's result taken out of the window: its tile numbers onto the
// clipboard (Edit, Copy tiles) and its area into a GeoJSON file (File,
// Export area). Both wait for a run that listed its tiles.
class ResultCommands
{
    Q_DECLARE_TR_FUNCTIONS(ResultCommands)

public:
    ResultCommands(WindowContext &context, QMainWindow *window);

    void mnuCopyTiles_Click();
    void mnuExportArea_Click();
    // After a run that listed its tiles: the rows of its list file, and the
    // map's picture of the request that ran.
    void takeRun(const QList<ListFileRow> &rows, const MapScene &scene);

private:
    WindowContext &m_context;
    QMainWindow *m_window;
    QList<ListFileRow> m_rows;
    MapScene m_scene;
};
