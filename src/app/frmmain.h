// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mainwindowform.h"
#include "core/windowcontext.h"
#include "state/mainstate.h"
#include "ui/services.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <memory>

class DomainMapFeed;
class DomainSelection;
class DownloadsControl;
class MapLink;
class MenuCommands;
class MethodRefresh;
class RequestCommands;
class ResultCommands;
class TilePreview;
class TileRun;

// The program's one window. It owns the catalogue tables and the selected
// domain, builds its controls and hands the events of each subsystem to the
// part that handles them.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // appFolder is where the catalogue, the engine and the help document are:
    // the folder of the executable, unless a test gives another.
    explicit frmMain(ui::Services services, const QString &appFolder = QCoreApplication::applicationDirPath(),
                     QWidget *parent = nullptr);
    ~frmMain() override;

    // Reads the catalogue and fills the country list; run at start-up and
    // again after the catalogue was updated.
    void InitMainForm();

protected:
    // Remembers the window's size and the splitter for the next session.
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void FillChoiceLists();
    // Hands the entry panels what they check against and the map what it shows.
    void wirePanels();

    MainWindowForm m_form;
    MainState m_state;
    WindowContext m_context;
    DownloadsControl *m_downloadsControl;
    std::unique_ptr<MethodRefresh> m_methodRefresh;
    std::unique_ptr<DomainSelection> m_domainSelection;
    std::unique_ptr<MapLink> m_mapLink;
    std::unique_ptr<TilePreview> m_tilePreview;
    std::unique_ptr<TileRun> m_tileRun;
    std::unique_ptr<MenuCommands> m_menuCommands;
    std::unique_ptr<RequestCommands> m_requestCommands;
    std::unique_ptr<ResultCommands> m_resultCommands;
    std::unique_ptr<DomainMapFeed> m_mapFeed;
};
