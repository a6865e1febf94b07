// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tilepreview.h"

#include "entry/centrepanel.h"
#include "entry/coordinateentry.h"
#include "entry/indexrangepanel.h"
#include "map/domainmap.h"
#include "run/recentrequests.h"
#include "ui/picklist.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSettings>

namespace {

// Whether previews run, kept with the recent requests.
const QString LiveTileCountKey = QStringLiteral("View/liveTileCount");

} // namespace

TilePreview::TilePreview(const Controls &controls, const QString &appFolder, RequestSource request, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_request(std::move(request))
    , m_run(appFolder + QStringLiteral("/Quorvantix.exe"))
{
    m_debounce.setSingleShot(true);
    // On time, not up to 5 % early as a coarse timer may be.
    m_debounce.setTimerType(Qt::PreciseTimer);
    m_debounce.setInterval(DebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, &TilePreview::preview);
    connect(&m_run, &PreviewRun::finished, this, &TilePreview::show);

    const Controls &f = m_controls;
    connect(f.CountriesListBox, &QComboBox::activated, this, &TilePreview::requestChanged);
    connect(f.DomainsAvailableBox, &ui::PickList::picked, this, &TilePreview::requestChanged);
    connect(f.DomainsAvailableBox->model(), &QAbstractItemModel::modelReset, this, &TilePreview::requestChanged);
    connect(f.cboChoice1, &QComboBox::activated, this, &TilePreview::requestChanged);
    for (CoordinateEntry *entry : {f.startLatitude, f.startLongitude, f.endLatitude, f.endLongitude})
        connect(entry, &CoordinateEntry::valueChanged, this, &TilePreview::requestChanged);
    connect(f.indexRange, &IndexRangePanel::valuesChanged, this, &TilePreview::requestChanged);
    connect(f.centre, &CentrePanel::valuesChanged, this, &TilePreview::requestChanged);
    // A run of the request ends the preview first, so that only the run's
    // engine works while the run lasts.
    connect(f.cmdShow, &QAbstractButton::clicked, this, [this] {
        if (m_debounce.isActive() || m_run.isRunning()) {
            m_debounce.stop();
            m_run.cancel();
            clear();
        }
    });

    bool on = true;
    if (const std::unique_ptr<QSettings> settings = RecentRequests::openSettings())
        on = settings->value(LiveTileCountKey, true).toBool();
    f.mnuLiveTileCount->setChecked(on);
    connect(f.mnuLiveTileCount, &QAction::toggled, this, [this](bool checked) {
        if (const std::unique_ptr<QSettings> settings = RecentRequests::openSettings()) {
            settings->setValue(LiveTileCountKey, checked);
            settings->sync();
        }
        switched(checked);
    });
}

QString TilePreview::labelText(const PreviewResult &result)
{
    switch (result.kind) {
    case PreviewResult::Kind::Tiles:
        return result.rows.size() == 1 ? tr("1 tile") : tr("%1 tiles").arg(result.rows.size());
    case PreviewResult::Kind::NoTiles:
        return tr("no tiles");
    case PreviewResult::Kind::Failed:
    case PreviewResult::Kind::SwitchedOff:
        return result.reason;
    case PreviewResult::Kind::Nothing:
        break;
    }
    return {};
}

void TilePreview::requestChanged()
{
    if (!m_controls.mnuLiveTileCount->isChecked() || m_run.isSwitchedOff())
        return;
    // The preview that runs is of an earlier request: it ends now, and the
    // request runs afresh once it rests.
    if (m_run.isRunning()) {
        m_run.cancel();
        m_lines.clear();
    }
    m_debounce.start();
}

void TilePreview::preview()
{
    if (!m_controls.mnuLiveTileCount->isChecked() || m_run.isSwitchedOff())
        return;
    const std::optional<ControlFileWriter> writer = m_request();
    const ControlFileCheck check = writer ? writer->CheckedControlFileLines() : ControlFileCheck{};
    if (!writer || check.refused()) {
        m_run.cancel();
        clear();
        return;
    }
    // The same request again: its preview stands or is on its way.
    if (check.lines == m_lines)
        return;
    m_lines = check.lines;
    m_run.start(*writer);
}

void TilePreview::show(const PreviewResult &result)
{
    QLabel *label = m_controls.TilesPreviewLabel;
    const QString text = labelText(result);
    label->setText(text);
    label->setToolTip(result.kind == PreviewResult::Kind::Failed ? text : QString());
    m_controls.map->setPreviewTiles(result.kind == PreviewResult::Kind::Tiles ? TileCellsOf(result.rows)
                                                                              : QList<TileCells>());
    if (result.kind == PreviewResult::Kind::Nothing)
        m_lines.clear();
    if (result.kind == PreviewResult::Kind::SwitchedOff) {
        // Off for the rest of the session, which the menu tells.
        m_debounce.stop();
        const QSignalBlocker quiet(m_controls.mnuLiveTileCount);
        m_controls.mnuLiveTileCount->setChecked(false);
        m_controls.mnuLiveTileCount->setEnabled(false);
    }
}

void TilePreview::switched(bool on)
{
    m_debounce.stop();
    m_run.cancel();
    clear();
    if (on)
        preview();
}

void TilePreview::clear()
{
    m_lines.clear();
    m_controls.TilesPreviewLabel->clear();
    m_controls.TilesPreviewLabel->setToolTip(QString());
    m_controls.map->setPreviewTiles({});
}
