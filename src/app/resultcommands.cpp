// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resultcommands.h"

#include "common/safefilewrite.h"
#include "core/mainwindowform.h"
#include "core/windowcontext.h"
#include "map/areaexport.h"
#include "map/subdomainshape.h"
#include "ui/messages.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMainWindow>

ResultCommands::ResultCommands(WindowContext &context, QMainWindow *window)
    : m_context(context)
    , m_window(window)
{
    const MainWindowForm &f = context.form;
    QObject::connect(f.mnuCopyTiles, &QAction::triggered, window, [this] { mnuCopyTiles_Click(); });
    QObject::connect(f.mnuExportArea, &QAction::triggered, window, [this] { mnuExportArea_Click(); });
}

void ResultCommands::takeRun(const QList<ListFileRow> &rows, const MapScene &scene)
{
    m_rows = rows;
    m_scene = scene;
    m_context.form.mnuCopyTiles->setEnabled(true);
    m_context.form.mnuExportArea->setEnabled(m_scene.selected.has_value());
}

void ResultCommands::mnuCopyTiles_Click()
{
    QStringList numbers;
    for (const ListFileRow &row : m_rows)
        numbers << row.tileNumber;
    QGuiApplication::clipboard()->setText(numbers.join(u'\n'));
}

void ResultCommands::mnuExportArea_Click()
{
    if (!m_scene.selected)
        return;
    const QString path = QFileDialog::getSaveFileName(m_window, tr("Export area"),
                                                      QDir::current().filePath(QStringLiteral("area.geojson")),
                                                      tr("GeoJSON files (*.geojson *.json);;All files (*)"));
    if (path.isEmpty())
        return;
    const std::optional<SubdomainShape> shape = SubdomainShape::of(m_scene.subdomain, m_scene.selected);
    const QByteArray bytes = AreaGeoJson(*m_scene.selected, shape ? shape->outline : QPolygonF(), m_scene.tiles);
    // All or nothing: the chosen file is either the old one or the whole new one.
    if (const std::optional<QString> reason = SafeFileWrite::replaceFile(path, bytes)) {
        m_context.services.messages->critical(
            tr("Unable to write the file %1: %2").arg(QDir::toNativeSeparators(path), *reason), tr("Error"));
    }
}
