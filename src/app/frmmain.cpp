// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include "app/centerform.h"
#include "app/menucommands.h"
#include "app/requestcommands.h"
#include "app/requestform.h"
#include "app/resultcommands.h"
#include "app/tilepreview.h"
#include "catalogue/cataloguetext.h"
#include "catalogue/configreader.h"
#include "domain/domainselection.h"
#include "domain/maplink.h"
#include "domain/methodrefresh.h"
#include "entry/indexrangepanel.h"
#include "map/domainmap.h"
#include "map/domainmapfeed.h"
#include "run/recentrequests.h"
#include "run/tilerun.h"
#include "ui/messages.h"
#include "ui/picklist.h"
#include "update/downloadscontrol.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>

namespace {

// The window's size and how its splitter shares it, kept between sessions
// in the program's settings.
const QString SizeKey = QStringLiteral("Window/size");
const QString MaximizedKey = QStringLiteral("Window/maximized");
const QString SplitterKey = QStringLiteral("Window/splitter");

// Gives the window its remembered size, cut to the room its screen offers,
// and the splitter its remembered parts. Without settings, or with nothing
// remembered in them, the window takes most of the screen's room and the
// splitter keeps its parts.
void restoreLayout(const QSettings *settings, QWidget *window, QSplitter *splitter)
{
    const QSize room = window->screen()->availableSize();
    QSize size(room.width() * 9 / 10, room.height() * 9 / 10);
    if (settings) {
        const QSize remembered = settings->value(SizeKey).toSize();
        if (remembered.isValid() && !remembered.isEmpty())
            size = remembered.boundedTo(room);
        // A splitter state that does not read leaves the parts as they are.
        splitter->restoreState(settings->value(SplitterKey).toByteArray());
        if (settings->value(MaximizedKey).toBool())
            window->setWindowState(window->windowState() | Qt::WindowMaximized);
    }
    // The window never gets smaller than its controls need.
    window->resize(size.expandedTo(window->minimumSizeHint()));
}

// Remembers the window's size (its normal size when maximized) and the
// splitter's parts.
void saveLayout(QSettings &settings, const QWidget *window, const QSplitter *splitter)
{
    const bool maximized = window->isMaximized();
    settings.setValue(SizeKey, maximized ? window->normalGeometry().size() : window->size());
    settings.setValue(MaximizedKey, maximized);
    settings.setValue(SplitterKey, splitter->saveState());
    settings.sync();
}

} // namespace

frmMain::frmMain(ui::Services services, const QString &appFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_form{}
    , m_context{m_form, m_state, services}
    , m_downloadsControl(new DownloadsControl(m_context.services, m_state))
{
    m_state.appFolder = appFolder;

    m_form.setupUi(this, m_downloadsControl);
    connect(m_downloadsControl, &DownloadsControl::catalogueReplaced, this, [this] { InitMainForm(); });

    wirePanels();
    const auto request = [this]() -> std::optional<ControlFileWriter> {
        if (!m_state.selectedDomain())
            return std::nullopt;
        return ControlFileWriter(RequestForm(m_form, m_state).current(), m_state.DomainLimits);
    };
    // Before the run, which ends a preview that runs.
    const MainWindowForm &f = m_form;
    m_tilePreview = std::make_unique<TilePreview>(
        TilePreview::Controls{f.CountriesListBox, f.DomainsAvailableBox, f.cboChoice1, f.startLatitude,
                              f.startLongitude, f.endLatitude, f.endLongitude, f.indexRange, f.centre, f.cmdShow,
                              f.TilesPreviewLabel, f.mnuLiveTileCount, f.DomainMap},
        m_state.appFolder, request);
    const TileRunControls runControls{m_form.cmdShow,      m_form.TilesListBox,   m_form.TilesCountLabel,
                                      m_form.WarningLabel, m_form.ShowFileButton, this};
    m_tileRun = std::make_unique<TileRun>(runControls, services, m_state.appFolder, request);
    m_menuCommands = std::make_unique<MenuCommands>(m_context, this);
    m_requestCommands = std::make_unique<RequestCommands>(m_context, this);
    m_resultCommands = std::make_unique<ResultCommands>(m_context, this);
    // After the handlers above, so the map shows what they did.
    m_mapFeed = std::make_unique<DomainMapFeed>(*f.DomainMap,
                                                DomainMapFeed::Controls{f.CountriesListBox, f.DomainsAvailableBox,
                                                                        f.cboChoice1, f.TilesListBox, f.startLatitude,
                                                                        f.startLongitude, f.endLatitude, f.endLongitude,
                                                                        f.indexRange, f.centre},
                                                m_state);
    m_mapFeed->followRuns(f.cmdShow, f.LastRunLabel, [this] { return RequestForm(m_form, m_state).current(); });
    connect(m_tileRun.get(), &TileRun::tilesShown, this, [this](const QList<ListFileRow> &rows) {
        m_requestCommands->RememberRequest();
        m_mapFeed->takeTiles(rows);
        m_resultCommands->takeRun(rows, m_form.DomainMap->scene());
    });

    Form_Load();
}

void frmMain::wirePanels()
{
    const MainWindowForm &f = m_form;
    m_methodRefresh = std::make_unique<MethodRefresh>(
        MethodRefresh::Controls{f.cboChoice1, f.Geodetic1, f.Geodetic2, f.indexRange, f.centre, f.startLatitude,
                                f.startLongitude, f.endLatitude, f.endLongitude, f.label11, f.Label8, f.Label9,
                                f.Label10, f.TilesListBox},
        m_state);
    m_domainSelection = std::make_unique<DomainSelection>(
        DomainSelection::Controls{f.CountriesListBox, f.DomainsAvailableBox, f.DownloadMapButton, f.cmdShow,
                                  f.startLatitude, f.startLongitude, f.endLatitude, f.endLongitude, f.indexRange},
        m_state, *m_methodRefresh);
    m_mapLink = std::make_unique<MapLink>(f.DownloadMapButton, m_state, *m_context.services.shell);
    f.indexRange->setChecks(m_state, *m_context.services.messages);
}

frmMain::~frmMain() = default;

void frmMain::Form_Load()
{
    // The size of the last session, if the settings read; the start-up
    // says nothing about settings that do not, the recent requests do.
    restoreLayout(RecentRequests::openSettings().get(), this, m_form.MapSplitter);
    CenterForm(this);
    InitMainForm();
    FillChoiceLists();
    m_form.fitFormColumn();
    m_form.txtEMRLAT01->setEnabled(false);
    setWindowTitle(tr("Quorvantix"));
    m_form.cboChoice1->setCurrentIndex(0);
    m_methodRefresh->cboChoice1_Click();
    m_state.SelectionMethod = CoordinateMethod::LatLonBox;
    m_form.Geodetic1->setVisible(true);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (const std::unique_ptr<QSettings> settings = RecentRequests::openSettings())
        saveLayout(*settings, this, m_form.MapSplitter);
    QMainWindow::closeEvent(event);
}

void frmMain::InitMainForm()
{
    const QString catalogue = QStringLiteral("tiles.cfg");
    const QFileInfo file(QDir(m_state.appFolder).filePath(catalogue));
    if (!file.isFile() || file.isHidden()) {
        m_context.services.messages->critical(tr("The file tiles.cfg required by the Quorvantix interface is missing, "
                                                 "please download it from the QMT website"));
        return;
    }

    ConfigReader reader(m_state.tables);
    const ConfigReadResult read = reader.ReadConfigFile(m_state.appFolder, catalogue);
    for (const CatalogueComplaint &complaint : read.complaints) {
        if (complaint.box == CatalogueComplaint::Box::Critical)
            m_context.services.messages->critical(complaint.text);
        else
            m_context.services.messages->plain(complaint.text);
    }
    if (read.date) {
        m_state.ConfigFileDate = *read.date;
        m_form.ConfigDate->setText(read.dateCaption);
    }
    if (!m_state.tables.ConfigLoaded)
        return;

    const QStringList &names = m_state.tables.CountryNames;
    // A table still in its initial state (one empty entry) names no country.
    const bool noCountry = names.size() == 1 && names.first().isEmpty();
    const QStringList listed = noCountry ? QStringList() : names;
    // One insertion for the whole list; the map is built from the same texts.
    QComboBox *countries = m_form.CountriesListBox;
    countries->clear();
    countries->addItems(listed);
    countries->setCurrentIndex(-1);
    m_state.tables.CountryDomains = MapCountriesToDomains(listed, m_state.tables.DomainCountries);

    m_state.SelectedDomain = QStringLiteral("-1");
    m_form.label11->setText(tr("From"));
    m_form.Label9->setText(tr("From"));
    m_form.Label8->setText(tr("To"));
    m_form.Label10->setText(tr("To"));
    m_form.ShowFileButton->setEnabled(false);
}

void frmMain::FillChoiceLists()
{
    QComboBox *choice = m_form.cboChoice1;
    // The method list's captions share their context with MethodRefresh,
    // which tells the chosen method by its caption.
    choice->insertItem(0, QCoreApplication::translate("MethodList", "Geodetic (Latitude/Longitude):"));
    choice->insertItem(1, QCoreApplication::translate("MethodList", "Indices (i,j):"));
    choice->insertItem(2, QCoreApplication::translate("MethodList", "Center (Latitude/Longitude) with radius:"));

    // The hemisphere letters are values as much as captions: the entries,
    // the request and the control file compare and store them, so they are
    // not translated.
    const auto fill = [](QComboBox *combo, const char *first, const char *second) {
        combo->addItem(QLatin1String(first));
        combo->addItem(QLatin1String(second));
        combo->setCurrentIndex(0);
    };
    fill(m_form.cboLatLL1, "N", "S");
    fill(m_form.cboLonLL1, "E", "W");
    fill(m_form.cboLatLL2, "N", "S");
    fill(m_form.cboLonLL2, "E", "W");
    fill(m_form.cboEMRLAT01, "N", "S");
    fill(m_form.cboEMRLON01, "E", "W");
    m_form.cboEMRLAT01->setEnabled(false);
}
