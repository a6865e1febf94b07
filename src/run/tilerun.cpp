// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/tilerun.h"

#include "common/makerinfo.h"
#include "run/listfilesource.h"
#include "ui/messages.h"
#include "ui/mousepointer.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

namespace {

const QString ListFileName = QStringLiteral("quorvantix.lst");
const char *const EngineTitle = QT_TRANSLATE_NOOP("TileRun", "Quorvantix");
const char *const NoTiles = QT_TRANSLATE_NOOP(
    "TileRun",
    "Unable to process the entered data, please check that your domain limits are within the region selected");

// Messages for faults outside the engine's own list file.
const char *const ListNotReplaced = QT_TRANSLATE_NOOP("TileRun",
                                                      "The list file %1 of an earlier run cannot be replaced.");
const char *const NoListFile = QT_TRANSLATE_NOOP("TileRun",
                                                 "The Quorvantix executable did not leave a readable list file %1.");
const char *const ListNotRegular = QT_TRANSLATE_NOOP("TileRun",
                                                     "The list file %1 is not a regular file, so it is not read.");
const char *const ListTooLarge = QT_TRANSLATE_NOOP("TileRun",
                                                   "The list file %1 is larger than 256 MB, so it is not read.");
const char *const RunCancelled = QT_TRANSLATE_NOOP(
    "TileRun", "The run of the Quorvantix executable was cancelled; no tiles are shown.");
const char *const EngineCrashed = QT_TRANSLATE_NOOP(
    "TileRun", "The Quorvantix executable stopped unexpectedly, so its list file %1 is not used.");

} // namespace

TileRun::TileRun(const TileRunControls &controls, ui::Services services, QString appFolder, RequestSource request)
    : m_controls(controls)
    , m_services(services)
    , m_appFolder(std::move(appFolder))
    , m_request(std::move(request))
{
    connect(m_controls.cmdShow, &QAbstractButton::clicked, this, &TileRun::cmdShow_Click);
}

void TileRun::cmdShow_Click()
{
    ShowTiles();
}

void TileRun::ShowTiles()
{
    const TileRunControls &f = m_controls;
    const std::optional<ControlFileWriter> writer = m_request();
    if (!writer) {
        m_services.messages->critical(tr("No domain has been selected"));
        return;
    }

    std::optional<ui::BusyPointer> busy(std::in_place, *m_services.pointer, f.window);
    f.ShowFileButton->setEnabled(false);
    if (!writeRequest(*writer) || !runToEnd())
        return;
    QString words;
    const std::optional<ListFileContent> content = readList(words);
    if (!content || !showResult(*content, words))
        return;
    busy.reset();
    f.ShowFileButton->setEnabled(true);
    f.WarningLabel->setText(tr("To order tiles, please send your order form and Quorvantix output file to ")
                            + MakerInfo::OrderAddress);
    emit tilesShown(content->rows);
}

// The control file, and no list file of an earlier run: it no longer answers
// the control file and must not pass for this run's.
bool TileRun::writeRequest(const ControlFileWriter &writer)
{
    const ControlFileCheck written = writer.WriteControlFile(QDir::currentPath());
    if (written.refused()) {
        m_services.messages->critical(written.refusal, tr("Error"));
        return false;
    }
    const QFileInfo earlier(listPath());
    if ((earlier.exists() || earlier.isSymLink()) && !QFile::remove(listPath())) {
        m_services.messages->critical(tr(ListNotReplaced).arg(QDir::toNativeSeparators(listPath())));
        return false;
    }
    return true;
}

bool TileRun::runToEnd()
{
    ui::Messages &messages = *m_services.messages;
    if (!RunEngine()) {
        messages.criticalWithDetails(tr("Can not run Quorvantix executable, please make sure it is in the folder ")
                                         + QDir::toNativeSeparators(m_appFolder),
                                     engineWords());
        return false;
    }
    switch (m_lastRun.outcome) {
    case EngineProcess::Outcome::Crashed:
        messages.criticalWithDetails(tr(EngineCrashed).arg(QDir::toNativeSeparators(listPath())), engineWords());
        return false;
    case EngineProcess::Outcome::Cancelled:
    case EngineProcess::Outcome::WindowClosed:
        // Whatever the engine had written of its list is no result.
        QFile::remove(listPath());
        if (m_lastRun.outcome == EngineProcess::Outcome::Cancelled)
            messages.critical(tr(RunCancelled));
        return false;
    case EngineProcess::Outcome::NotStarted:
    case EngineProcess::Outcome::Finished:
        break;
    }
    return true;
}

std::optional<ListFileContent> TileRun::readList(QString &words)
{
    ui::Messages &messages = *m_services.messages;
    const ListFileSource source = ListFileSource::read(listPath());
    const QString shownPath = QDir::toNativeSeparators(listPath());
    switch (source.problem) {
    case ListFileSource::Problem::Unreadable:
        messages.criticalWithDetails(tr(NoListFile).arg(shownPath), engineWords());
        return std::nullopt;
    case ListFileSource::Problem::NotRegular:
        messages.criticalWithDetails(tr(ListNotRegular).arg(shownPath), engineWords());
        return std::nullopt;
    case ListFileSource::Problem::TooLarge:
        messages.criticalWithDetails(tr(ListTooLarge).arg(shownPath), engineWords());
        return std::nullopt;
    case ListFileSource::Problem::None:
        break;
    }
    const ListFileContent content = ReadListFile(source.bytes);
    words = engineWords(ListFileWords(source.bytes));
    switch (content.outcome) {
    case ListFileContent::Outcome::NoHeader:
        messages.criticalWithDetails(tr(NoTiles) + u' ', words, tr(EngineTitle));
        return std::nullopt;
    case ListFileContent::Outcome::ErrorReported:
        // The list file is in the working folder, so that is the folder named.
        messages.criticalWithDetails(
            tr("Unable to find tiles in domain selected, check quorvantix.lst file in your application "
               "folder (")
                + QDir::toNativeSeparators(QDir::currentPath()) + tr(") for details "),
            words, tr(EngineTitle));
        return std::nullopt;
    case ListFileContent::Outcome::TableRead:
        break;
    }
    return content;
}

bool TileRun::showResult(const ListFileContent &content, const QString &words)
{
    const TileRunControls &f = m_controls;
    f.TilesListBox->clear();
    if (content.rows.isEmpty()) {
        m_services.messages->criticalWithDetails(tr(NoTiles), words, tr(EngineTitle));
        return false;
    }
    QStringList items;
    items.reserve(content.rows.size());
    for (const QString &tile : content.TileNumbers())
        items << TileListItem(tile);
    f.TilesListBox->addItems(items);
    f.TilesCountLabel->setText(QString::number(f.TilesListBox->count()));
    return true;
}

bool TileRun::RunEngine()
{
    m_lastRun = {};
    const QString enginePath = m_appFolder + QStringLiteral("/Quorvantix.exe");
    if (!QFileInfo(enginePath).isFile())
        return false;
    m_lastRun = EngineProcess::run(enginePath, QDir::currentPath(), m_controls.window);
    return m_lastRun.outcome != EngineProcess::Outcome::NotStarted;
}

QString TileRun::engineWords(const QString &listText) const
{
    QStringList words;
    for (const QString &text : {listText, m_lastRun.errorOutput}) {
        if (!text.trimmed().isEmpty())
            words << text.trimmed();
    }
    return words.join(u'\n');
}

QString TileRun::listPath() const
{
    return QDir::current().filePath(ListFileName);
}
