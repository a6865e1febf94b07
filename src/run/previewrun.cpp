// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/previewrun.h"

#include "run/controlfilewriter.h"
#include "run/enginestart.h"
#include "run/enginetree.h"
#include "run/listfilesource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QString ListFileName = QStringLiteral("quorvantix.lst");

} // namespace

// One engine run of a preview: the process and its tree, ended together.
// The tree is declared after the process, so it goes first.
struct PreviewRun::Job : QObject
{
    QProcess engine;
    EngineTree tree{engine};
    QByteArray errorOutput;
};

PreviewRun::PreviewRun(QString enginePath, QObject *parent)
    : QObject(parent)
    , m_enginePath(std::move(enginePath))
    , m_folder(QDir::tempPath() + QStringLiteral("/quorvantix-preview-XXXXXX"))
{
    m_limit.setSingleShot(true);
    m_limit.setInterval(TimeLimitMs);
    connect(&m_limit, &QTimer::timeout, this, [this] {
        cancel();
        switchOff(tr("Live tile count is off: the engine took longer than 2 s."));
    });
}

PreviewRun::~PreviewRun()
{
    cancel();
    // The engines told to end were killed; they are reaped here, as a
    // QProcess going would, without its warning.
    for (QObject *child : children()) {
        if (auto *ending = dynamic_cast<Job *>(child))
            ending->engine.waitForFinished(1000);
    }
}

QString PreviewRun::folder() const
{
    return m_folder.isValid() ? m_folder.path() : QString();
}

void PreviewRun::start(const ControlFileWriter &writer)
{
    cancel();
    if (m_switchedOff)
        return;
    if (!m_folder.isValid()) {
        switchOff(tr("Live tile count is off: no private folder for it."));
        return;
    }
    if (!QFileInfo(m_enginePath).isFile()) {
        switchOff(tr("Live tile count is off: the Quorvantix executable is missing."));
        return;
    }
    // A list of an earlier preview must never pass for this one's.
    QFile::remove(QDir(m_folder.path()).filePath(ListFileName));
    if (writer.WriteControlFile(m_folder.path()).refused()) {
        report({});
        return;
    }

    auto job = std::make_unique<Job>();
    QProcess &engine = job->engine;
    EngineStart::prepare(engine, m_enginePath, m_folder.path());
    Job *running = job.get();
    connect(&engine, &QProcess::started, running, [running] { running->tree.adopt(); });
    connect(&engine, &QProcess::readyReadStandardError, running, [running] {
        running->errorOutput += running->engine.readAllStandardError().left(EngineStart::MaxErrorOutput
                                                                            - running->errorOutput.size());
    });
    connect(&engine, &QProcess::finished, this, &PreviewRun::engineFinished);
    connect(&engine, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            engineFailedToStart();
    });
    m_job = std::move(job);
    m_limit.start();
    engine.start();
}

void PreviewRun::cancel()
{
    m_limit.stop();
    if (m_job) {
        m_job->engine.disconnect(this);
        m_job->tree.kill();
        retire(std::move(m_job));
    }
}

void PreviewRun::retire(std::unique_ptr<Job> job)
{
    // The process is let go once it has ended, never waited for: its end
    // comes as a signal, and the tree goes with it.
    if (job->engine.state() == QProcess::NotRunning)
        return;
    Job *ending = job.release();
    ending->setParent(this);
    connect(&ending->engine, &QProcess::finished, ending, &QObject::deleteLater);
}

void PreviewRun::engineFailedToStart()
{
    m_limit.stop();
    // Never deleted inside its own signal; with this object at the latest.
    Job *job = m_job.release();
    job->setParent(this);
    job->deleteLater();
    report({PreviewResult::Kind::Failed, {}, tr("the Quorvantix executable did not start")});
}

void PreviewRun::engineFinished()
{
    m_limit.stop();
    if (!m_job)
        return;
    // Let go once the signal that brought its end is over, with this
    // object at the latest.
    Job *job = m_job.release();
    job->setParent(this);
    job->deleteLater();
    job->errorOutput += job->engine.readAllStandardError().left(EngineStart::MaxErrorOutput - job->errorOutput.size());
    const QString errorOutput = QString::fromLocal8Bit(job->errorOutput);
    // Whatever the engine left running is ended with its tree.
    job->tree.kill();
    if (job->engine.exitStatus() == QProcess::CrashExit) {
        report({PreviewResult::Kind::Failed, {}, tr("the Quorvantix executable stopped unexpectedly")});
        return;
    }
    const ListFileSource source = ListFileSource::read(QDir(m_folder.path()).filePath(ListFileName));
    if (source.problem != ListFileSource::Problem::None) {
        const QString reason = shortReason(errorOutput);
        report({PreviewResult::Kind::Failed,
                {},
                reason.isEmpty() ? tr("the Quorvantix executable left no list file") : reason});
        return;
    }
    const ListFileContent content = ReadListFile(source.bytes);
    if (content.outcome == ListFileContent::Outcome::TableRead) {
        report({content.rows.isEmpty() ? PreviewResult::Kind::NoTiles : PreviewResult::Kind::Tiles, content.rows, {}});
        return;
    }
    QString reason = shortReason(ListFileWords(source.bytes));
    if (reason.isEmpty())
        reason = shortReason(errorOutput);
    report({PreviewResult::Kind::Failed, {}, reason.isEmpty() ? tr("the engine found no tiles") : reason});
}

void PreviewRun::switchOff(const QString &note)
{
    m_switchedOff = true;
    report({PreviewResult::Kind::SwitchedOff, {}, note});
}

void PreviewRun::report(const PreviewResult &result)
{
    emit finished(result);
}

QString PreviewRun::shortReason(const QString &words)
{
    const QStringList lines = words.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    QString chosen;
    for (const QString &line : lines) {
        const QString trimmed = line.simplified();
        if (trimmed.isEmpty())
            continue;
        if (chosen.isEmpty())
            chosen = trimmed;
        if (trimmed.contains(QLatin1String("error"), Qt::CaseInsensitive)) {
            chosen = trimmed;
            break;
        }
    }
    if (chosen.size() > ShortReasonLength)
        chosen = chosen.left(ShortReasonLength - 1).trimmed() + QChar(0x2026);
    return chosen;
}
