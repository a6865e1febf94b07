// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/controlfilewriter.h"
#include "run/engineprocess.h"
#include "run/listfile.h"

#include <QObject>
#include <QStringList>

#include <optional>

struct WindowContext;

// "Show tiles in domain": writes the control file, runs the engine and lists
// the tiles it found.
class TileRun : public QObject
{
    Q_OBJECT

public:
    explicit TileRun(WindowContext &context);

    void cmdShow_Click();
    void ShowTiles();
    // True when the engine was found in the application folder and started,
    // and its run is over; how it ended is in lastRun().
    bool RunEngine();

    const EngineProcess::Result &lastRun() const { return m_lastRun; }

signals:
    // A run ended with its tiles listed.
    void tilesShown();

private:
    bool domainSelected() const;
    // The steps of ShowTiles; each shows its own message and returns false
    // (or nothing) when the run ends there.
    bool writeRequest();
    bool runToEnd();
    // `words`: what the engine said, for the messages of a failed run.
    std::optional<ListFileContent> readList(QString &words);
    bool showResult(const ListFileContent &content, const QString &words);

    // What the engine said about a failed run: its list file's words, then
    // its standard error.
    QString engineWords(const QString &listText = {}) const;
    QString listPath() const;

    WindowContext &m_context;
    ControlFileWriter m_writer;
    QStringList m_tileNumbers;
    EngineProcess::Result m_lastRun;
};
