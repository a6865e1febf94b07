#include "app/mainwindowform.h"

#include "map/domainmap.h"
#include "ui/picklist.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

template<typename T>
T *named(QWidget *parent, const char *name)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    auto *l = named<QLabel>(parent, name);
    l->setText(caption);
    return l;
}

QLineEdit *field(QWidget *parent, const char *name, const QString &text = {}, int chars = 10)
{
    auto *edit = named<QLineEdit>(parent, name);
    edit->setText(text);
    const int width = edit->fontMetrics().horizontalAdvance(QString(chars, u'0')) + 16;
    edit->setMinimumWidth(width);
    edit->setMaximumWidth(width + width / 2);
    return edit;
}

QComboBox *hemisphere(QWidget *parent, const char *name)
{
    auto *combo = named<QComboBox>(parent, name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption)
{
    auto *group = named<QGroupBox>(parent, name);
    group->setTitle(caption);
    return group;
}

struct CornerNames
{
    const char *frame, *caption;
    const char *lat, *lon, *latHemisphere, *lonHemisphere;
    const char *latD, *latM, *latS, *lonD, *lonM, *lonS;
    const char *latLabel, *lonLabel;
    const char *latDCaption, *latMCaption, *latSCaption, *lonDCaption, *lonMCaption, *lonSCaption;
};

// One corner of the latitude/longitude box: decimal degrees with their
// hemisphere, and the same value in degrees, minutes and seconds.
QGroupBox *cornerFrame(QWidget *parent, const CornerNames &n)
{
    QGroupBox *box = frame(parent, n.frame, QString::fromLatin1(n.caption));
    auto *grid = new QGridLayout(box);
    grid->addWidget(label(box, n.latDCaption, QStringLiteral("dd")), 0, 3, Qt::AlignHCenter);
    grid->addWidget(label(box, n.latMCaption, QStringLiteral("mm")), 0, 4, Qt::AlignHCenter);
    grid->addWidget(label(box, n.latSCaption, QStringLiteral("ss.ss")), 0, 5, Qt::AlignHCenter);
    grid->addWidget(label(box, n.latLabel, QStringLiteral("Latitude:")), 1, 0);
    grid->addWidget(field(box, n.lat), 1, 1);
    grid->addWidget(hemisphere(box, n.latHemisphere), 1, 2);
    grid->addWidget(field(box, n.latD, QStringLiteral("45"), 3), 1, 3);
    grid->addWidget(field(box, n.latM, QStringLiteral("00"), 3), 1, 4);
    grid->addWidget(field(box, n.latS, QStringLiteral("0.00"), 5), 1, 5);
    grid->addWidget(label(box, n.lonDCaption, QStringLiteral("ddd")), 2, 3, Qt::AlignHCenter);
    grid->addWidget(label(box, n.lonMCaption, QStringLiteral("mm")), 2, 4, Qt::AlignHCenter);
    grid->addWidget(label(box, n.lonSCaption, QStringLiteral("ss.ss")), 2, 5, Qt::AlignHCenter);
    grid->addWidget(label(box, n.lonLabel, QStringLiteral("Longitude:")), 3, 0);
    grid->addWidget(field(box, n.lon), 3, 1);
    grid->addWidget(hemisphere(box, n.lonHemisphere), 3, 2);
    grid->addWidget(field(box, n.lonD, QStringLiteral("95"), 3), 3, 3);
    grid->addWidget(field(box, n.lonM, QStringLiteral("00"), 3), 3, 4);
    grid->addWidget(field(box, n.lonS, QStringLiteral("0.00"), 5), 3, 5);
    grid->setColumnStretch(6, 1);
    return box;
}

QGroupBox *domainFrame(QWidget *parent)
{
    QGroupBox *box = frame(parent, "Frame2", QStringLiteral("Specify domain information"));
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(label(box, "Label5", QStringLiteral("Enter a country from your domain:")));
    auto *countries = named<QComboBox>(box, "CountriesListBox");
    countries->setMaxVisibleItems(20);
    countries->setMinimumContentsLength(24);
    layout->addWidget(countries);
    layout->addWidget(label(box, "Label17", QStringLiteral("Available domains for the selected country:")));
    auto *domains = named<ui::PickList>(box, "DomainsAvailableBox");
    domains->setMinimumHeight(domains->fontMetrics().height() * 7);
    layout->addWidget(domains, 1);
    auto *map = named<QPushButton>(box, "DownloadMapButton");
    map->setText(QStringLiteral("Show map for domain"));
    map->setEnabled(false);
    layout->addWidget(map);
    return box;
}

QGroupBox *limitsFrame(QWidget *parent)
{
    QGroupBox *box = frame(parent, "DomainInfoFrame", QStringLiteral("Selected domain limits"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(label(box, "label11", QStringLiteral("From")), 0, 0);
    grid->addWidget(label(box, "Label8", QStringLiteral("To")), 0, 1);
    grid->addWidget(label(box, "Label9", QStringLiteral("From")), 1, 0);
    grid->addWidget(label(box, "Label10", QStringLiteral("To")), 1, 1);
    for (QLabel *l : box->findChildren<QLabel *>())
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("Index j from    000000")));
    return box;
}

QGroupBox *indicesFrame(QWidget *parent)
{
    QGroupBox *box = frame(parent, "Indices", QStringLiteral("(I, J)"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(label(box, "Label6", QStringLiteral("Index I from")), 0, 0);
    grid->addWidget(field(box, "TextIndexiStart", QStringLiteral("0"), 6), 0, 1);
    grid->addWidget(label(box, "Label12", QStringLiteral("To")), 0, 2);
    grid->addWidget(field(box, "TextIndexiEnd", QStringLiteral("0"), 6), 0, 3);
    grid->addWidget(label(box, "Label7", QStringLiteral("Index J from")), 1, 0);
    grid->addWidget(field(box, "TextIndexjStart", QStringLiteral("0"), 6), 1, 1);
    grid->addWidget(label(box, "Label13", QStringLiteral("To")), 1, 2);
    grid->addWidget(field(box, "TextIndexjEnd", QStringLiteral("0"), 6), 1, 3);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(2, 1);
    return box;
}

QGroupBox *centreFrame(QWidget *parent)
{
    QGroupBox *box = frame(parent, "RangeD", QString());
    auto *grid = new QGridLayout(box);
    grid->addWidget(label(box, "Label55", QStringLiteral("Center coordinates (degrees):")), 0, 0, 1, 3);
    grid->addWidget(label(box, "Label54", QStringLiteral("Latitude:")), 1, 0);
    grid->addWidget(field(box, "txtEMRLAT01"), 1, 1);
    grid->addWidget(hemisphere(box, "cboEMRLAT01"), 1, 2);
    grid->addWidget(label(box, "Label53", QStringLiteral("Longitude:")), 2, 0);
    grid->addWidget(field(box, "txtEMRLON01"), 2, 1);
    grid->addWidget(hemisphere(box, "cboEMRLON01"), 2, 2);
    grid->addWidget(label(box, "Label50", QStringLiteral("Radius (km):")), 3, 0);
    grid->addWidget(field(box, "txtRadius1"), 3, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox *configurationFrame(QWidget *parent, QWidget *downloadsControl)
{
    QGroupBox *box = frame(parent, "Frame1", QStringLiteral("Configuration file information"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(label(box, "Label24", QStringLiteral("Check for update on ")), 0, 0);
    downloadsControl->setParent(box);
    grid->addWidget(downloadsControl, 0, 1);
    grid->addWidget(label(box, "Label42", QStringLiteral("Configuration file date:")), 1, 0);
    grid->addWidget(label(box, "ConfigDate", QStringLiteral("--- --- ---")), 1, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

void createMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    QAction *close = file->addAction(QStringLiteral("E&xit"));
    close->setObjectName(QStringLiteral("mnuClose"));
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    QAction *manual = help->addAction(QStringLiteral("&Help"));
    manual->setObjectName(QStringLiteral("mnuManual"));
    QAction *about = help->addAction(QStringLiteral("&About Quorvantix"));
    about->setObjectName(QStringLiteral("mnuAbout"));
}

// The order in which Tab moves the focus; Qt skips hidden and disabled controls.
void setTabOrder(QWidget *window)
{
    static const char *const order[] = {
        "CountriesListBox", "DomainsAvailableBox", "DownloadMapButton", "cboChoice1",
        "txtLat1", "cboLatLL1", "txtLat2", "cboLatLL2", "txtLon1", "cboLonLL1", "txtLon2", "cboLonLL2",
        "cmdShow",
        "TextIndexiStart", "TextIndexiEnd", "TextIndexjStart", "TextIndexjEnd",
        "txtRadius1", "txtEMRLAT01", "cboEMRLAT01", "txtEMRLON01", "cboEMRLON01",
        "ShowFileButton",
        "txtLatD1", "txtLatM1", "txtLatS1", "txtLonD1", "txtLonM1", "txtLonS1",
        "txtLatD2", "txtLatM2", "txtLatS2", "txtLonD2", "txtLonM2", "txtLonS2",
        "TilesListBox"};
    QWidget *previous = nullptr;
    for (const char *name : order) {
        auto *current = window->findChild<QWidget *>(QLatin1String(name));
        Q_ASSERT(current);
        if (previous)
            QWidget::setTabOrder(previous, current);
        previous = current;
    }
}

} // namespace

void MainWindowForm::setup(QMainWindow *window, QWidget *downloadsControl)
{
    window->setObjectName(QStringLiteral("frmMain"));
    window->setWindowTitle(QStringLiteral("Quorvantix"));
    createMenus(window);

    // The form on the left, the map of the domain on the right, parted by a splitter.
    auto *splitter = new QSplitter(Qt::Horizontal, window);
    splitter->setObjectName(QStringLiteral("MapSplitter"));
    splitter->setChildrenCollapsible(false);
    window->setCentralWidget(splitter);
    auto *central = new QWidget(splitter);
    central->setObjectName(QStringLiteral("centralWidget"));
    splitter->addWidget(central);
    splitter->addWidget(named<DomainMap>(splitter, "DomainMap"));
    splitter->setStretchFactor(1, 1);
    // The form keeps the width it needs; the map takes the rest.
    splitter->setSizes({central->minimumSizeHint().width(), 400});
    auto *grid = new QGridLayout(central);

    // Left: the domain choice. Right: its limits, the method and the catalogue.
    grid->addWidget(domainFrame(central), 0, 0, 3, 1);
    grid->addWidget(limitsFrame(central), 0, 1);
    auto *methodRow = new QHBoxLayout;
    methodRow->addWidget(label(central, "Label23", QStringLiteral("Select type of coordinates:")));
    methodRow->addWidget(named<QComboBox>(central, "cboChoice1"), 1);
    grid->addLayout(methodRow, 1, 1);
    grid->addWidget(configurationFrame(central, downloadsControl), 2, 1, Qt::AlignBottom);

    // The three input panels share one place; the box's end corner stands beside it.
    auto *panels = new QGridLayout;
    panels->addWidget(cornerFrame(central, {"Geodetic1", "LL (degrees) Start",
                                            "txtLat1", "txtLon1", "cboLatLL1", "cboLonLL1",
                                            "txtLatD1", "txtLatM1", "txtLatS1", "txtLonD1", "txtLonM1", "txtLonS1",
                                            "Label2", "Label3",
                                            "lblLatD", "lblLatM", "lblLatS", "lblLonD", "lblLonM", "lblLonS"}),
                      0, 0);
    panels->addWidget(indicesFrame(central), 0, 0);
    panels->addWidget(centreFrame(central), 0, 0);
    panels->addWidget(cornerFrame(central, {"Geodetic2", "LL (degrees) End",
                                            "txtLat2", "txtLon2", "cboLatLL2", "cboLonLL2",
                                            "txtLatD2", "txtLatM2", "txtLatS2", "txtLonD2", "txtLonM2", "txtLonS2",
                                            "Label21", "Label22",
                                            "Label20", "Label19", "Label16", "Label15", "Label14", "Label4"}),
                      0, 1);
    panels->setColumnStretch(0, 1);
    panels->setColumnStretch(1, 1);
    grid->addLayout(panels, 3, 0, 1, 2);

    auto *show = named<QPushButton>(central, "cmdShow");
    show->setText(QStringLiteral("Show tiles in domain"));
    show->setEnabled(false);
    grid->addWidget(show, 4, 0);

    auto *line = named<QFrame>(central, "Line1");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 5, 0, 1, 2);

    // The result of the last run: the tiles, their number and how to order them.
    auto *result = new QVBoxLayout;
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(label(central, "Label1", QStringLiteral("Number of tiles needed for the selected domain:")));
    countRow->addWidget(label(central, "TilesCountLabel", QStringLiteral("---")), 1);
    result->addLayout(countRow);
    auto *tiles = named<QListWidget>(central, "TilesListBox");
    tiles->setMinimumHeight(tiles->fontMetrics().height() * 6);
    result->addWidget(tiles, 1);
    auto *temp = named<QListWidget>(central, "TempList");
    temp->setVisible(false);
    result->addWidget(temp);
    grid->addLayout(result, 6, 0);

    auto *side = new QVBoxLayout;
    auto *warning = label(central, "WarningLabel", QString());
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    side->addWidget(warning, 1);
    auto *viewOutput = named<QPushButton>(central, "ShowFileButton");
    viewOutput->setText(QStringLiteral("View output file"));
    side->addWidget(viewOutput, 0, Qt::AlignRight);
    grid->addLayout(side, 6, 1);

    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);

    setTabOrder(window);
}
