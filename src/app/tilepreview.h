// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/controlfilewriter.h"
#include "run/previewrun.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

class CentrePanel;
class CoordinateEntry;
class DomainMap;
class IndexRangePanel;
class QAbstractButton;
class QAction;
class QComboBox;
class QLabel;

namespace ui {
class PickList;
}

// The live tile count: a while after each change of the request, the engine
// is run on it in a private folder (PreviewRun) and the count it finds is
// shown beside "Show tiles in domain", its tiles on the map. It touches
// nothing a run fills. "Live tile count" in the View menu turns it on and off,
// remembered in the program's settings.
class TilePreview : public QObject
{
    Q_OBJECT

public:
    // How long the request must rest before a preview runs.
    static constexpr int DebounceMs = 300;

    // What changes the request, and where the preview shows.
    struct Controls
    {
        QComboBox *CountriesListBox;
        ui::PickList *DomainsAvailableBox;
        QComboBox *cboChoice1;
        CoordinateEntry *startLatitude, *startLongitude, *endLatitude, *endLongitude;
        IndexRangePanel *indexRange;
        CentrePanel *centre;
        QAbstractButton *cmdShow;
        QLabel *TilesPreviewLabel;
        QAction *mnuLiveTileCount;
        DomainMap *map;
    };
    // The writer of the request the window shows; nothing while no domain is selected.
    using RequestSource = std::function<std::optional<ControlFileWriter>()>;

    // Connect before the run of cmdShow: a run ends the preview first.
    TilePreview(const Controls &controls, const QString &appFolder, RequestSource request, QObject *parent = nullptr);

    // The label's text for a preview's result.
    static QString labelText(const PreviewResult &result);

    const PreviewRun &run() const { return m_run; }

private:
    void requestChanged();
    void preview();
    void show(const PreviewResult &result);
    void switched(bool on);
    void clear();

    Controls m_controls;
    RequestSource m_request;
    PreviewRun m_run;
    QTimer m_debounce;
    // The control file lines of the preview shown or running.
    QStringList m_lines;
};
