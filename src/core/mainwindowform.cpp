// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindowform.h"

#include "entry/centrepanel.h"
#include "entry/coordinateentry.h"
#include "entry/indexrangepanel.h"

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
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A member of the form and the objectName of its control, which is the
// member's own name.
template<typename T>
struct Slot
{
    T *&widget;
    const char *name;
};

template<typename T>
Slot<T> slotOf(T *&widget, const char *name)
{
    return {widget, name};
}

#define FORM_SLOT(member) slotOf(form.member, #member)

template<typename T>
T *named(QWidget *parent, Slot<T> slot)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1String(slot.name));
    slot.widget = widget;
    return widget;
}

QLabel *label(QWidget *parent, Slot<QLabel> slot, const QString &caption)
{
    auto *l = named(parent, slot);
    l->setText(caption);
    return l;
}

QGroupBox *frame(QWidget *parent, Slot<QGroupBox> slot, const QString &caption)
{
    auto *group = named(parent, slot);
    group->setTitle(caption);
    return group;
}

// One corner of the latitude/longitude box: its latitude and its longitude.
QGroupBox *cornerFrame(QWidget *parent, Slot<QGroupBox> slot, const QString &caption, CoordinateEntry *latitude,
                       CoordinateEntry *longitude)
{
    QGroupBox *box = frame(parent, slot, caption);
    auto *layout = new QVBoxLayout(box);
    latitude->setParent(box);
    longitude->setParent(box);
    layout->addWidget(latitude);
    layout->addWidget(longitude);
    latitude->pairWith(*longitude);
    longitude->pairWith(*latitude);
    return box;
}

// The entry of one coordinate, its controls set into the form's members.
CoordinateEntry *coordinate(CoordinateEntry::Kind kind, CoordinateEntry::Point point, Slot<QLabel> caption,
                            Slot<QLineEdit> decimal, Slot<QComboBox> hemisphere, Slot<QLineEdit> degrees,
                            Slot<QLineEdit> minutes, Slot<QLineEdit> seconds, Slot<QLabel> degreesCaption,
                            Slot<QLabel> minutesCaption, Slot<QLabel> secondsCaption)
{
    auto *entry = new CoordinateEntry(kind, point,
                                      {caption.name, decimal.name, hemisphere.name, degrees.name, minutes.name,
                                       seconds.name, degreesCaption.name, minutesCaption.name, secondsCaption.name});
    caption.widget = entry->caption();
    decimal.widget = entry->decimal();
    hemisphere.widget = entry->hemisphere();
    degrees.widget = entry->degrees();
    minutes.widget = entry->minutes();
    seconds.widget = entry->seconds();
    degreesCaption.widget = entry->degreesCaption();
    minutesCaption.widget = entry->minutesCaption();
    secondsCaption.widget = entry->secondsCaption();
    return entry;
}

QGroupBox *domainFrame(MainWindowForm &form, QWidget *parent)
{
    QGroupBox *box = frame(parent, FORM_SLOT(Frame2), MainWindowForm::tr("Specify domain information"));
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(label(box, FORM_SLOT(Label5), MainWindowForm::tr("Enter a country from your domain:")));
    auto *countries = named(box, FORM_SLOT(CountriesListBox));
    countries->setMaxVisibleItems(20);
    countries->setMinimumContentsLength(24);
    layout->addWidget(countries);
    layout->addWidget(
        label(box, FORM_SLOT(Label17), MainWindowForm::tr("Available domains for the selected country:")));
    auto *domains = named(box, FORM_SLOT(DomainsAvailableBox));
    domains->setMinimumHeight(domains->fontMetrics().height() * 7);
    layout->addWidget(domains, 1);
    auto *map = named(box, FORM_SLOT(DownloadMapButton));
    map->setText(MainWindowForm::tr("Show map for domain"));
    map->setEnabled(false);
    layout->addWidget(map);
    return box;
}

QGroupBox *limitsFrame(MainWindowForm &form, QWidget *parent)
{
    QGroupBox *box = frame(parent, FORM_SLOT(DomainInfoFrame), MainWindowForm::tr("Selected domain limits"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(label(box, FORM_SLOT(label11), MainWindowForm::tr("From")), 0, 0);
    grid->addWidget(label(box, FORM_SLOT(Label8), MainWindowForm::tr("To")), 0, 1);
    grid->addWidget(label(box, FORM_SLOT(Label9), MainWindowForm::tr("From")), 1, 0);
    grid->addWidget(label(box, FORM_SLOT(Label10), MainWindowForm::tr("To")), 1, 1);
    for (QLabel *l : {form.label11, form.Label8, form.Label9, form.Label10})
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("Index j from    000000")));
    return box;
}

void createEntryPanels(MainWindowForm &form)
{
    using Kind = CoordinateEntry::Kind;
    using Point = CoordinateEntry::Point;
    form.startLatitude = coordinate(Kind::Latitude, Point::Start, FORM_SLOT(Label2), FORM_SLOT(txtLat1),
                                    FORM_SLOT(cboLatLL1), FORM_SLOT(txtLatD1), FORM_SLOT(txtLatM1), FORM_SLOT(txtLatS1),
                                    FORM_SLOT(lblLatD), FORM_SLOT(lblLatM), FORM_SLOT(lblLatS));
    form.startLongitude = coordinate(Kind::Longitude, Point::Start, FORM_SLOT(Label3), FORM_SLOT(txtLon1),
                                     FORM_SLOT(cboLonLL1), FORM_SLOT(txtLonD1), FORM_SLOT(txtLonM1),
                                     FORM_SLOT(txtLonS1), FORM_SLOT(lblLonD), FORM_SLOT(lblLonM), FORM_SLOT(lblLonS));
    form.endLatitude = coordinate(Kind::Latitude, Point::End, FORM_SLOT(Label21), FORM_SLOT(txtLat2),
                                  FORM_SLOT(cboLatLL2), FORM_SLOT(txtLatD2), FORM_SLOT(txtLatM2), FORM_SLOT(txtLatS2),
                                  FORM_SLOT(Label20), FORM_SLOT(Label19), FORM_SLOT(Label16));
    form.endLongitude = coordinate(Kind::Longitude, Point::End, FORM_SLOT(Label22), FORM_SLOT(txtLon2),
                                   FORM_SLOT(cboLonLL2), FORM_SLOT(txtLonD2), FORM_SLOT(txtLonM2), FORM_SLOT(txtLonS2),
                                   FORM_SLOT(Label15), FORM_SLOT(Label14), FORM_SLOT(Label4));

    IndexRangePanel *indices = form.indexRange = new IndexRangePanel;
    form.Indices = indices;
    form.Label6 = indices->Label6;
    form.TextIndexiStart = indices->TextIndexiStart;
    form.Label12 = indices->Label12;
    form.TextIndexiEnd = indices->TextIndexiEnd;
    form.Label7 = indices->Label7;
    form.TextIndexjStart = indices->TextIndexjStart;
    form.Label13 = indices->Label13;
    form.TextIndexjEnd = indices->TextIndexjEnd;

    CentrePanel *centre = form.centre = new CentrePanel;
    form.RangeD = centre;
    form.Label55 = centre->Label55;
    form.Label54 = centre->Label54;
    form.txtEMRLAT01 = centre->txtEMRLAT01;
    form.cboEMRLAT01 = centre->cboEMRLAT01;
    form.Label53 = centre->Label53;
    form.txtEMRLON01 = centre->txtEMRLON01;
    form.cboEMRLON01 = centre->cboEMRLON01;
    form.Label50 = centre->Label50;
    form.txtRadius1 = centre->txtRadius1;
}

QGroupBox *configurationFrame(MainWindowForm &form, QWidget *parent, QWidget *downloadsControl)
{
    QGroupBox *box = frame(parent, FORM_SLOT(Frame1), MainWindowForm::tr("Configuration file information"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(label(box, FORM_SLOT(Label24), MainWindowForm::tr("Check for update on ")), 0, 0);
    downloadsControl->setParent(box);
    downloadsControl->setObjectName(QStringLiteral("DownloadsControl1"));
    grid->addWidget(downloadsControl, 0, 1);
    grid->addWidget(label(box, FORM_SLOT(Label42), MainWindowForm::tr("Configuration file date:")), 1, 0);
    grid->addWidget(label(box, FORM_SLOT(ConfigDate), QStringLiteral("--- --- ---")), 1, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

void createMenus(MainWindowForm &form, QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    form.mnuFile = bar->addMenu(MainWindowForm::tr("&File"));
    form.mnuFile->setObjectName(QStringLiteral("mnuFile"));
    form.mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    form.mnuOpenRequest = form.mnuFile->addAction(MainWindowForm::tr("&Open request..."));
    form.mnuOpenRequest->setObjectName(QStringLiteral("mnuOpenRequest"));
    form.mnuSaveRequestAs = form.mnuFile->addAction(MainWindowForm::tr("&Save request as..."));
    form.mnuSaveRequestAs->setObjectName(QStringLiteral("mnuSaveRequestAs"));
    form.mnuRecentRequests = form.mnuFile->addMenu(MainWindowForm::tr("&Recent requests"));
    form.mnuRecentRequests->setObjectName(QStringLiteral("mnuRecentRequests"));
    form.mnuRecentRequests->menuAction()->setObjectName(QStringLiteral("mnuRecentRequests"));
    form.mnuRecentRequests->setToolTipsVisible(true);
    form.mnuFile->addSeparator();
    form.mnuClose = form.mnuFile->addAction(MainWindowForm::tr("E&xit"));
    form.mnuClose->setObjectName(QStringLiteral("mnuClose"));
    form.mnuEdit = bar->addMenu(MainWindowForm::tr("&Edit"));
    form.mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    form.mnuEdit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    form.mnuCopyRequest = form.mnuEdit->addAction(MainWindowForm::tr("&Copy request"));
    form.mnuCopyRequest->setObjectName(QStringLiteral("mnuCopyRequest"));
    form.mnuCopyRequest->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    form.mnuView = bar->addMenu(MainWindowForm::tr("&View"));
    form.mnuView->setObjectName(QStringLiteral("mnuView"));
    form.mnuView->menuAction()->setObjectName(QStringLiteral("mnuView"));
    form.mnuLiveTileCount = form.mnuView->addAction(MainWindowForm::tr("&Live tile count"));
    form.mnuLiveTileCount->setObjectName(QStringLiteral("mnuLiveTileCount"));
    form.mnuLiveTileCount->setCheckable(true);
    form.mnuLiveTileCount->setChecked(true);
    form.mnuHelp = bar->addMenu(MainWindowForm::tr("&Help"));
    form.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    form.mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    form.mnuManual = form.mnuHelp->addAction(MainWindowForm::tr("&Help"));
    form.mnuManual->setObjectName(QStringLiteral("mnuManual"));
    form.mnuAbout = form.mnuHelp->addAction(MainWindowForm::tr("&About Quorvantix"));
    form.mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

// The order in which Tab moves the focus; Qt skips hidden and disabled controls.
void setTabOrder(const MainWindowForm &f)
{
    QWidget *const order[] = {f.CountriesListBox,  f.DomainsAvailableBox,
                              f.DownloadMapButton, f.cboChoice1,
                              f.txtLat1,           f.cboLatLL1,
                              f.txtLat2,           f.cboLatLL2,
                              f.txtLon1,           f.cboLonLL1,
                              f.txtLon2,           f.cboLonLL2,
                              f.cmdShow,           f.TextIndexiStart,
                              f.TextIndexiEnd,     f.TextIndexjStart,
                              f.TextIndexjEnd,     f.txtRadius1,
                              f.txtEMRLAT01,       f.cboEMRLAT01,
                              f.txtEMRLON01,       f.cboEMRLON01,
                              f.ShowFileButton,    f.txtLatD1,
                              f.txtLatM1,          f.txtLatS1,
                              f.txtLonD1,          f.txtLonM1,
                              f.txtLonS1,          f.txtLatD2,
                              f.txtLatM2,          f.txtLatS2,
                              f.txtLonD2,          f.txtLonM2,
                              f.txtLonS2,          f.TilesListBox};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

void MainWindowForm::setupUi(QMainWindow *window, QWidget *downloadsControl)
{
    MainWindowForm &form = *this;
    window->setObjectName(QStringLiteral("frmMain"));
    window->setWindowTitle(tr("Quorvantix"));
    createMenus(form, window);

    // The form, one column that scrolls, beside the map of the domain, which
    // takes the room the form leaves. The map never takes the focus, and
    // neither does the scrolling frame: both stay out of the tab order.
    auto *splitter = named(window, FORM_SLOT(MapSplitter));
    splitter->setChildrenCollapsible(false);
    window->setCentralWidget(splitter);
    auto *scroll = named(splitter, FORM_SLOT(FormScrollArea));
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    centralWidget = new QWidget(scroll->viewport());
    centralWidget->setObjectName(QStringLiteral("centralWidget"));
    scroll->setWidget(centralWidget);
    splitter->addWidget(scroll);
    splitter->addWidget(named(splitter, FORM_SLOT(DomainMap)));
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    QWidget *central = centralWidget;
    auto *column = new QVBoxLayout(central);

    // The column follows the user's moves: the domain, its limits and the
    // method, the method's entries, then the run and its tiles. The widgets
    // are made in the order that gives the controls left out of the tab
    // order below their place in the focus chain.
    column->addWidget(domainFrame(form, central), 1);
    column->addWidget(limitsFrame(form, central));
    column->addWidget(label(central, FORM_SLOT(Label23), tr("Select type of coordinates:")));
    auto *choice = named(central, FORM_SLOT(cboChoice1));
    // Sized by its items whenever they change, so every method reads whole.
    choice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    column->addWidget(choice, 0, Qt::AlignLeft);
    QGroupBox *configuration = configurationFrame(form, central, downloadsControl);

    // The three input panels share one place; the box's end corner stands below it.
    createEntryPanels(form);
    auto *panels = new QGridLayout;
    panels->addWidget(
        cornerFrame(central, FORM_SLOT(Geodetic1), tr("LL (degrees) Start"), startLatitude, startLongitude), 0, 0);
    indexRange->setParent(central);
    panels->addWidget(indexRange, 0, 0);
    centre->setParent(central);
    panels->addWidget(centre, 0, 0);
    panels->addWidget(cornerFrame(central, FORM_SLOT(Geodetic2), tr("LL (degrees) End"), endLatitude, endLongitude), 1,
                      0);
    column->addLayout(panels);

    auto *show = named(central, FORM_SLOT(cmdShow));
    show->setText(tr("Show tiles in domain"));
    show->setEnabled(false);
    auto *showRow = new QHBoxLayout;
    showRow->addWidget(show);
    column->addLayout(showRow);

    auto *line = named(central, FORM_SLOT(Line1));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);

    // The result of the last run: the tiles, their number and how to order them.
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(label(central, FORM_SLOT(Label1), tr("Number of tiles needed for the selected domain:")));
    countRow->addWidget(label(central, FORM_SLOT(TilesCountLabel), QStringLiteral("---")), 1);
    column->addLayout(countRow);
    auto *tiles = named(central, FORM_SLOT(TilesListBox));
    tiles->setMinimumHeight(tiles->fontMetrics().height() * 6);
    tiles->setUniformItemSizes(true);
    column->addWidget(tiles, 1);
    column->addWidget(label(central, FORM_SLOT(LastRunLabel), QString()));
    auto *temp = named(central, FORM_SLOT(TempList));
    temp->setVisible(false);
    column->addWidget(temp);
    auto *warning = label(central, FORM_SLOT(WarningLabel), QString());
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(warning);
    auto *viewOutput = named(central, FORM_SLOT(ShowFileButton));
    viewOutput->setText(tr("View output file"));
    column->addWidget(viewOutput, 0, Qt::AlignRight);
    column->addWidget(configuration);
    // Made after the other controls, so their focus chain stays as it was;
    // a label takes no focus. Its texts never widen the column.
    auto *preview = label(central, FORM_SLOT(TilesPreviewLabel), QString());
    preview->setWordWrap(true);
    preview->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    showRow->addWidget(preview, 1);

    fitFormColumn();
    // The form keeps the width it needs; the map takes the rest.
    splitter->setSizes({scroll->minimumWidth(), DomainMap->sizeHint().width()});

    setTabOrder(form);
    setupNamesAndKeys(window);
}

void MainWindowForm::fitFormColumn()
{
    // The column never scrolls sideways: its frame is as wide as the column
    // at its narrowest, with room for the vertical scroll bar.
    QScrollArea *scroll = FormScrollArea;
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    scroll->setMinimumWidth(centralWidget->minimumSizeHint().width() + bar + 2 * scroll->frameWidth());
}

QList<QWidget *> MainWindowForm::entryWidgets() const
{
    return {txtLat1,     cboLatLL1,   txtLatD1,        txtLatM1,      txtLatS1,        txtLon1,
            cboLonLL1,   txtLonD1,    txtLonM1,        txtLonS1,      txtLat2,         cboLatLL2,
            txtLatD2,    txtLatM2,    txtLatS2,        txtLon2,       cboLonLL2,       txtLonD2,
            txtLonM2,    txtLonS2,    TextIndexiStart, TextIndexiEnd, TextIndexjStart, TextIndexjEnd,
            txtEMRLAT01, cboEMRLAT01, txtEMRLON01,     cboEMRLON01,   txtRadius1};
}
