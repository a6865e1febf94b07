#pragma once

#include "app/mainstate.h"
#include "app/windowcontext.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <memory>

class DomainMapFeed;
class DomainSelection;
class DownloadsControl;
class EntryController;
class MapLink;
class MenuCommands;
class MethodRefresh;
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
    explicit frmMain(ui::Services services,
                     const QString &appFolder = QCoreApplication::applicationDirPath(),
                     QWidget *parent = nullptr);
    ~frmMain() override;

    // Reads the catalogue and fills the country list; run at start-up and
    // again after the catalogue was updated.
    void InitMainForm();

    ui::Controls &controls() { return m_controls; }
    MainState &state() { return m_state; }
    WindowContext &context() { return m_context; }
    MethodRefresh &methodRefresh() { return *m_methodRefresh; }
    DomainSelection &domainSelection() { return *m_domainSelection; }
    EntryController &entry() { return *m_entry; }
    TileRun &tileRun() { return *m_tileRun; }
    MenuCommands &menuCommands() { return *m_menuCommands; }
    DownloadsControl &downloadsControl() { return *m_downloadsControl; }

private:
    void Form_Load();
    void FillChoiceLists();

    MainState m_state;
    DownloadsControl *m_downloadsControl;
    ui::Controls m_controls;
    WindowContext m_context;
    std::unique_ptr<MethodRefresh> m_methodRefresh;
    std::unique_ptr<DomainSelection> m_domainSelection;
    std::unique_ptr<MapLink> m_mapLink;
    std::unique_ptr<EntryController> m_entry;
    std::unique_ptr<TileRun> m_tileRun;
    std::unique_ptr<MenuCommands> m_menuCommands;
    std::unique_ptr<DomainMapFeed> m_mapFeed;
};
