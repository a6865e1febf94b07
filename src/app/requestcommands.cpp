// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/requestcommands.h"

#include "common/numbertext.h"
#include "common/regularfile.h"
#include "common/safefilewrite.h"
#include "core/mainwindowform.h"
#include "core/windowcontext.h"
#include "run/controlfilereader.h"
#include "run/controlfilewriter.h"
#include "run/recentrequests.h"
#include "run/requesttext.h"
#include "ui/messages.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace {

const char *const ErrorTitle = QT_TRANSLATE_NOOP("RequestCommands", "Error");
// No control file comes near this size, even with long comments; a larger
// file is refused rather than read in part.
constexpr qint64 LongestControlFile = 1024 * 1024;

QString notOffered(const TileRequest &request)
{
    return RequestCommands::tr("The catalogue no longer offers domain %1 of the year %2 for %3.")
        .arg(request.region, request.year, request.country);
}

} // namespace

RequestCommands::RequestCommands(WindowContext &context, QMainWindow *window)
    : m_context(context)
    , m_window(window)
    , m_form(context.form, context.state)
{
    const MainWindowForm &f = context.form;
    QObject::connect(f.mnuOpenRequest, &QAction::triggered, window, [this] { mnuOpenRequest_Click(); });
    QObject::connect(f.mnuSaveRequestAs, &QAction::triggered, window, [this] { mnuSaveRequestAs_Click(); });
    QObject::connect(f.mnuCopyRequest, &QAction::triggered, window, [this] { mnuCopyRequest_Click(); });
    QObject::connect(f.mnuRecentRequests, &QMenu::aboutToShow, window, [this] { mnuRecentRequests_Show(); });
}

void RequestCommands::mnuCopyRequest_Click()
{
    const std::optional<QStringList> lines = checkedLines();
    if (!lines)
        return;
    QGuiApplication::clipboard()->setText(RequestText::readable(m_form.current(), m_form.resolution(), *lines));
}

void RequestCommands::mnuSaveRequestAs_Click()
{
    const std::optional<QStringList> lines = checkedLines();
    if (!lines)
        return;
    const QString path = fileChosen(true);
    if (path.isEmpty())
        return;
    // All or nothing: the chosen file is either the old one or the whole new one.
    if (const std::optional<QString> reason = SafeFileWrite::replaceFile(path, ControlFileBytes(*lines))) {
        m_context.services.messages->critical(
            tr("Unable to write the control file %1: %2").arg(QDir::toNativeSeparators(path), *reason), tr(ErrorTitle));
    }
}

void RequestCommands::mnuOpenRequest_Click()
{
    const QString path = fileChosen(false);
    if (path.isEmpty())
        return;
    ui::Messages &messages = *m_context.services.messages;
    const RegularFile::Reading file = RegularFile::read(path, LongestControlFile);
    if (!file.bytes) {
        messages.critical(tr("Unable to read the file %1: %2").arg(QDir::toNativeSeparators(path), file.problem),
                          tr(ErrorTitle));
        return;
    }
    const ControlFileReading reading = ReadControlFile(*file.bytes);
    if (!reading.request) {
        messages.critical(ControlFileProblemText(path, reading.problem), tr(ErrorTitle));
        return;
    }
    const ControlFileRequest &read = *reading.request;
    TileRequest request;
    request.region = read.region;
    request.year = read.year;
    request.selectionMethod = read.selectionMethod;
    request.entries = TileRequests::entriesFromLimits(read.selectionMethod, read.limits);
    if (!m_form.restore(request)) {
        messages.critical(tr("The catalogue offers no domain %1 of the year %2, which the file %3 asks for.")
                              .arg(request.region, request.year, QDir::toNativeSeparators(path)),
                          tr(ErrorTitle));
    }
}

void RequestCommands::mnuRecentRequests_Show()
{
    m_context.form.mnuRecentRequests->clear();
    QString problem;
    const std::unique_ptr<QSettings> settings = RecentRequests::openSettings(&problem);
    const QList<TileRequest> requests = settings ? RecentRequests::load(*settings) : QList<TileRequest>();
    if (requests.isEmpty()) {
        QAction *none = m_context.form.mnuRecentRequests->addAction(tr("(none)"));
        none->setEnabled(false);
        none->setToolTip(problem);
        return;
    }
    for (int i = 0; i < requests.size(); ++i) {
        const TileRequest &request = requests.at(i);
        QAction *entry = m_context.form.mnuRecentRequests->addAction(RequestText::shortName(request));
        entry->setObjectName(QStringLiteral("mnuRecentRequest%1").arg(i + 1));
        if (!m_form.find(request)) {
            entry->setEnabled(false);
            entry->setToolTip(notOffered(request));
        }
        QObject::connect(entry, &QAction::triggered, m_window, [this, i] { RecentRequest_Click(i); });
    }
}

void RequestCommands::RecentRequest_Click(int index)
{
    const std::unique_ptr<QSettings> settings = RecentRequests::openSettings();
    if (!settings)
        return;
    const QList<TileRequest> requests = RecentRequests::load(*settings);
    if (index < 0 || index >= requests.size())
        return;
    if (!m_form.restore(requests.at(index)))
        m_context.services.messages->critical(notOffered(requests.at(index)), tr(ErrorTitle));
}

void RequestCommands::RememberRequest()
{
    const TileRequest request = m_form.current();
    if (!TileRequests::isComplete(request))
        return;
    QString problem;
    const std::unique_ptr<QSettings> settings = RecentRequests::openSettings(&problem);
    if (!settings) {
        m_context.services.messages->critical(problem, tr(ErrorTitle));
        return;
    }
    RecentRequests::remember(*settings, request);
}

// The lines of the next run's control file, refused as a run would refuse them.
std::optional<QStringList> RequestCommands::checkedLines()
{
    if (!m_context.state.selectedDomain()) {
        m_context.services.messages->critical(tr("No domain has been selected"));
        return std::nullopt;
    }
    const ControlFileCheck checked =
        ControlFileWriter(m_form.current(), m_context.state.DomainLimits).CheckedControlFileLines();
    if (checked.refused()) {
        m_context.services.messages->critical(checked.refusal, tr(ErrorTitle));
        return std::nullopt;
    }
    return checked.lines;
}

QString RequestCommands::fileChosen(bool save) const
{
    const QString filter = tr("Control files (*.inp);;All files (*)");
    if (save) {
        return QFileDialog::getSaveFileName(m_window, tr("Save request as"),
                                            QDir::current().filePath(QStringLiteral("request.inp")), filter);
    }
    return QFileDialog::getOpenFileName(m_window, tr("Open request"), QDir::currentPath(), filter);
}
