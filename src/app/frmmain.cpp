#include "app/frmmain.h"

#include "app/basmodule.h"
#include "app/centerform.h"
#include "app/mainwindowform.h"
#include "app/menucommands.h"
#include "catalogue/cataloguetext.h"
#include "catalogue/configreader.h"
#include "domain/domainselection.h"
#include "domain/maplink.h"
#include "domain/methodrefresh.h"
#include "entry/entrycontroller.h"
#include "map/domainmap.h"
#include "map/domainmapfeed.h"
#include "run/tilerun.h"
#include "ui/messages.h"
#include "ui/picklist.h"
#include "update/downloadscontrol.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

frmMain::frmMain(ui::Services services, const QString &appFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_downloadsControl(new DownloadsControl)
    , m_controls(this)
    , m_context{m_controls, m_state, services, [this] { InitMainForm(); }}
{
    m_state.appFolder = appFolder;
    // One window per process: it starts from the process's initial state.
    basModule::ConfigFileDate = QDate();

    MainWindowForm::setup(this, m_downloadsControl);
    m_downloadsControl->setObjectName(QStringLiteral("DownloadsControl1"));

    m_methodRefresh = std::make_unique<MethodRefresh>(m_context);
    m_domainSelection = std::make_unique<DomainSelection>(m_context, *m_methodRefresh);
    m_mapLink = std::make_unique<MapLink>(m_context);
    m_entry = std::make_unique<EntryController>(m_context);
    m_tileRun = std::make_unique<TileRun>(m_context);
    m_menuCommands = std::make_unique<MenuCommands>(m_context, this);
    m_downloadsControl->attach(m_context);
    // After the handlers above, so the map shows what they did.
    const ui::Controls &c = m_controls;
    const auto combo = [&c](const char *name) { return c.comboBox(QLatin1String(name)); };
    const auto edit = [&c](const char *name) { return c.lineEdit(QLatin1String(name)); };
    const DomainMapFeed::Controls mapControls{combo("CountriesListBox"), findChild<ui::PickList *>(QStringLiteral("DomainsAvailableBox")),
                       combo("cboChoice1"), edit("txtLat1"), edit("txtLon1"), edit("txtLat2"), edit("txtLon2"),
                       combo("cboLatLL1"), combo("cboLonLL1"), combo("cboLatLL2"), combo("cboLonLL2"),
                       edit("TextIndexiStart"), edit("TextIndexiEnd"), edit("TextIndexjStart"), edit("TextIndexjEnd"),
                       edit("txtEMRLAT01"), edit("txtEMRLON01"), edit("txtRadius1"), combo("cboEMRLAT01"),
                       combo("cboEMRLON01"), c.listWidget(QStringLiteral("TilesListBox")), c.button(QStringLiteral("cmdShow"))};
    const DomainMapFeed::State mapState{[this]() -> const CatalogueTables & { return m_state.tables; },
                       [this] { return m_state.SelectedDomain; }, [this] { return m_state.DomainLimits; },
                       [] { return int(basModule::SelectionMethod); }};
    m_mapFeed = std::make_unique<DomainMapFeed>(*findChild<DomainMap *>(QStringLiteral("DomainMap")), mapControls,
                                                mapState);

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::Form_Load()
{
    adjustSize();
    CenterForm(this);
    basModule::VersionDate = QStringLiteral("04_19_2011");
    InitMainForm();
    FillChoiceLists();
    m_controls.setEnabled(QStringLiteral("txtEMRLAT01"), false);
    setWindowTitle(QStringLiteral("Quorvantix"));
    m_controls.setSelectedIndex(QStringLiteral("cboChoice1"), 0);
    m_methodRefresh->cboChoice1_Click();
    basModule::SelectionMethod = 1;
    m_controls.setVisible(QStringLiteral("Geodetic1"), true);
}

void frmMain::InitMainForm()
{
    const QString catalogue = QStringLiteral("tiles.cfg");
    const QFileInfo file(QDir(m_state.appFolder).filePath(catalogue));
    if (!file.isFile() || file.isHidden()) {
        m_context.services.messages->critical(
            QStringLiteral("The file tiles.cfg required by the Quorvantix interface is missing, "
                           "please download it from the QMT website"));
        return;
    }

    ConfigReader reader(m_state.tables, *m_context.services.messages);
    const ConfigReadResult read = reader.ReadConfigFile(m_state.appFolder, catalogue);
    if (read.date) {
        basModule::ConfigFileDate = *read.date;
        m_controls.setText(QStringLiteral("ConfigDate"), read.dateCaption);
    }
    if (!m_state.tables.ConfigLoaded)
        return;

    const QString countries = QStringLiteral("CountriesListBox");
    m_controls.clearItems(countries);
    const QStringList &names = m_state.tables.CountryNames;
    // A table still in its initial state (one empty entry) names no country.
    const bool noCountry = names.size() == 1 && names.first().isEmpty();
    if (!noCountry) {
        for (const QString &name : names)
            m_controls.addItem(countries, name);
    }
    m_controls.setSelectedIndex(countries, -1);
    m_state.tables.CountryDomains =
        MapCountriesToDomains(m_controls.items(countries), m_state.tables.DomainCountries);

    m_state.SelectedDomain = QStringLiteral("-1");
    m_controls.setText(QStringLiteral("label11"), QStringLiteral("From"));
    m_controls.setText(QStringLiteral("Label9"), QStringLiteral("From"));
    m_controls.setText(QStringLiteral("Label8"), QStringLiteral("To"));
    m_controls.setText(QStringLiteral("Label10"), QStringLiteral("To"));
    m_controls.setEnabled(QStringLiteral("ShowFileButton"), false);
}

void frmMain::FillChoiceLists()
{
    QComboBox *choice = m_controls.comboBox(QStringLiteral("cboChoice1"));
    choice->insertItem(0, QStringLiteral("Geodetic (Latitude/Longitude):"));
    choice->insertItem(1, QStringLiteral("Indices (i,j):"));
    choice->insertItem(2, QStringLiteral("Center (Latitude/Longitude) with radius:"));

    const auto fill = [this](const char *name, const char *first, const char *second) {
        QComboBox *combo = m_controls.comboBox(QLatin1String(name));
        combo->addItem(QLatin1String(first));
        combo->addItem(QLatin1String(second));
        combo->setCurrentIndex(0);
    };
    fill("cboLatLL1", "N", "S");
    fill("cboLonLL1", "E", "W");
    fill("cboLatLL2", "N", "S");
    fill("cboLonLL2", "E", "W");
    fill("cboEMRLAT01", "N", "S");
    fill("cboEMRLON01", "E", "W");
    m_controls.setEnabled(QStringLiteral("cboEMRLAT01"), false);
}
