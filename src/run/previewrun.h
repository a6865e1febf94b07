// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/listfile.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

class ControlFileWriter;

// What a preview found: the tiles of the request, none, the engine's reason
// for failing, or that previews are off for the rest of the session.
struct PreviewResult
{
    enum class Kind {
        Nothing,     // the writer refuses the request: nothing to preview
        Tiles,       // the list file names tiles (rows)
        NoTiles,     // its table names none
        Failed,      // the engine failed; reason says why, shortly
        SwitchedOff, // too slow, or no engine: reason is the note
    };
    Kind kind = Kind::Nothing;
    QList<ListFileRow> rows;
    QString reason;
};

// Runs the tile engine on a request while the user is still entering it, in
// a private temporary folder of its own (removed when this object goes), so
// the working folder and its files are never touched. The control file is
// written by the writer's own rules and its refusals stay silent. The engine
// runs asynchronously; a new request ends the preview that runs, with every
// process the engine started. A preview that takes longer than TimeLimitMs,
// or an engine that is missing, switches previews off for good.
class PreviewRun : public QObject
{
    Q_OBJECT

public:
    static constexpr int TimeLimitMs = 2000;
    // The most of the engine's reason shown, in characters.
    static constexpr qsizetype ShortReasonLength = 60;

    // `enginePath`: the engine's program file.
    explicit PreviewRun(QString enginePath, QObject *parent = nullptr);
    ~PreviewRun() override;

    // Ends the preview that runs, if any, and starts one of the writer's
    // request. Its result comes by finished(), also when there is nothing
    // to run.
    void start(const ControlFileWriter &writer);
    // Ends the preview that runs, if any; it reports nothing.
    void cancel();

    bool isRunning() const { return m_job != nullptr; }
    bool isSwitchedOff() const { return m_switchedOff; }
    // The private folder; empty when it could not be made.
    QString folder() const;

    // The engine's reason in a short form: the first line of its words that
    // speaks of an error, else the first line, cut to ShortReasonLength.
    static QString shortReason(const QString &words);

signals:
    void finished(const PreviewResult &result);

private:
    struct Job;

    void engineFinished();
    void engineFailedToStart();
    void switchOff(const QString &note);
    void report(const PreviewResult &result);
    // Lets a job that was told to end go once its engine has ended.
    void retire(std::unique_ptr<Job> job);

    QString m_enginePath;
    QTemporaryDir m_folder;
    std::unique_ptr<Job> m_job;
    QTimer m_limit;
    bool m_switchedOff = false;
};
