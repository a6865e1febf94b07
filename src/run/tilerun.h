// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/controlfilewriter.h"
#include "run/engineprocess.h"
#include "run/listfile.h"
#include "ui/services.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

class QAbstractButton;
class QLabel;
class QListWidget;
class QWidget;

// The controls a run reads from and fills.
struct TileRunControls
{
    QAbstractButton *cmdShow = nullptr;
    QListWidget *TilesListBox = nullptr;
    QLabel *TilesCountLabel = nullptr;
    QLabel *WarningLabel = nullptr;
    QWidget *ShowFileButton = nullptr;
    // The window: the hourglass shows over it, and it owns the run's progress window.
    QWidget *window = nullptr;
};

// "Show tiles in domain": writes the control file, runs the engine and lists
// the tiles it found.
class TileRun : public QObject
{
    Q_OBJECT

public:
    // The writer of the request the window shows; nothing while no domain is selected.
    using RequestSource = std::function<std::optional<ControlFileWriter>()>;

    // `appFolder`: where the engine is.
    TileRun(const TileRunControls &controls, ui::Services services, QString appFolder, RequestSource request);

    void cmdShow_Click();
    void ShowTiles();
    // True when the engine was found in the application folder and started,
    // and its run is over.
    bool RunEngine();

signals:
    // A run ended with its tiles listed: the rows of its list file.
    void tilesShown(const QList<ListFileRow> &rows);

private:
    // The steps of ShowTiles; each shows its own message and returns false
    // (or nothing) when the run ends there.
    bool writeRequest(const ControlFileWriter &writer);
    bool runToEnd();
    // `words`: what the engine said, for the messages of a failed run.
    std::optional<ListFileContent> readList(QString &words);
    bool showResult(const ListFileContent &content, const QString &words);

    // What the engine said about a failed run: its list file's words, then
    // its standard error.
    QString engineWords(const QString &listText = {}) const;
    QString listPath() const;

    TileRunControls m_controls;
    ui::Services m_services;
    QString m_appFolder;
    RequestSource m_request;
    EngineProcess::Result m_lastRun;
};
