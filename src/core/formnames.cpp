// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindowform.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

// What a screen reader says for a control and what its tooltip shows.
struct Naming
{
    QWidget *widget;
    const char *name;
    const char *tip;
};

// The tooltips: each field's unit and range. The sign of a coordinate is
// never typed; its hemisphere list carries it.
const char *const LatitudeDecimalTip = QT_TRANSLATE_NOOP(
    "MainWindowForm", "Latitude in decimal degrees, 0 to 90; the hemisphere list gives N or S");
const char *const LongitudeDecimalTip = QT_TRANSLATE_NOOP(
    "MainWindowForm", "Longitude in decimal degrees, 0 to 180; the hemisphere list gives E or W");
const char *const LatitudeHemisphereTip = QT_TRANSLATE_NOOP("MainWindowForm", "N for north, S for south");
const char *const LongitudeHemisphereTip = QT_TRANSLATE_NOOP("MainWindowForm", "E for east, W for west");
const char *const LatitudeDegreesTip = QT_TRANSLATE_NOOP("MainWindowForm", "Whole degrees of latitude, 0 to 90");
const char *const LongitudeDegreesTip = QT_TRANSLATE_NOOP("MainWindowForm", "Whole degrees of longitude, 0 to 180");
const char *const MinutesTip = QT_TRANSLATE_NOOP("MainWindowForm", "Whole minutes of arc, 0 to 59");
const char *const SecondsTip = QT_TRANSLATE_NOOP("MainWindowForm", "Seconds of arc, 0 to 59.99");
const char *const IndexIFromTip = QT_TRANSLATE_NOOP("MainWindowForm",
                                                    "First grid index I, a whole number from the domain's lowest I up");
const char *const IndexIToTip = QT_TRANSLATE_NOOP("MainWindowForm",
                                                  "Last grid index I, a whole number up to the domain's highest I");
const char *const IndexJFromTip = QT_TRANSLATE_NOOP("MainWindowForm",
                                                    "First grid index J, a whole number from the domain's lowest J up");
const char *const IndexJToTip = QT_TRANSLATE_NOOP("MainWindowForm",
                                                  "Last grid index J, a whole number up to the domain's highest J");
const char *const RadiusTip = QT_TRANSLATE_NOOP("MainWindowForm",
                                                "Radius around the centre in kilometres, greater than 0");

QList<Naming> namings(const MainWindowForm &f)
{
#define N(text) QT_TRANSLATE_NOOP("MainWindowForm", text)
    return {
        {f.txtLat1, N("Start latitude, decimal degrees"), LatitudeDecimalTip},
        {f.cboLatLL1, N("Start latitude hemisphere"), LatitudeHemisphereTip},
        {f.txtLatD1, N("Start latitude, degrees"), LatitudeDegreesTip},
        {f.txtLatM1, N("Start latitude, minutes"), MinutesTip},
        {f.txtLatS1, N("Start latitude, seconds"), SecondsTip},
        {f.txtLon1, N("Start longitude, decimal degrees"), LongitudeDecimalTip},
        {f.cboLonLL1, N("Start longitude hemisphere"), LongitudeHemisphereTip},
        {f.txtLonD1, N("Start longitude, degrees"), LongitudeDegreesTip},
        {f.txtLonM1, N("Start longitude, minutes"), MinutesTip},
        {f.txtLonS1, N("Start longitude, seconds"), SecondsTip},
        {f.txtLat2, N("End latitude, decimal degrees"), LatitudeDecimalTip},
        {f.cboLatLL2, N("End latitude hemisphere"), LatitudeHemisphereTip},
        {f.txtLatD2, N("End latitude, degrees"), LatitudeDegreesTip},
        {f.txtLatM2, N("End latitude, minutes"), MinutesTip},
        {f.txtLatS2, N("End latitude, seconds"), SecondsTip},
        {f.txtLon2, N("End longitude, decimal degrees"), LongitudeDecimalTip},
        {f.cboLonLL2, N("End longitude hemisphere"), LongitudeHemisphereTip},
        {f.txtLonD2, N("End longitude, degrees"), LongitudeDegreesTip},
        {f.txtLonM2, N("End longitude, minutes"), MinutesTip},
        {f.txtLonS2, N("End longitude, seconds"), SecondsTip},
        {f.TextIndexiStart, N("Index i from"), IndexIFromTip},
        {f.TextIndexiEnd, N("Index i to"), IndexIToTip},
        {f.TextIndexjStart, N("Index j from"), IndexJFromTip},
        {f.TextIndexjEnd, N("Index j to"), IndexJToTip},
        {f.txtEMRLAT01, N("Centre latitude, decimal degrees"), LatitudeDecimalTip},
        {f.cboEMRLAT01, N("Centre latitude hemisphere"), LatitudeHemisphereTip},
        {f.txtEMRLON01, N("Centre longitude, decimal degrees"), LongitudeDecimalTip},
        {f.cboEMRLON01, N("Centre longitude hemisphere"), LongitudeHemisphereTip},
        {f.txtRadius1, N("Radius in kilometres"), RadiusTip},
    };
#undef N
}

} // namespace

void MainWindowForm::setupNamesAndKeys(QMainWindow *window)
{
    for (const Naming &n : namings(*this)) {
        n.widget->setAccessibleName(tr(n.name));
        n.widget->setToolTip(tr(n.tip));
    }

    // Ctrl+Return is a click on "Show tiles in domain": a disabled button
    // ignores it as it ignores the mouse.
    auto *show = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), window);
    QObject::connect(show, &QShortcut::activated, cmdShow, &QAbstractButton::click);
    auto *showOnKeypad = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Enter), window);
    QObject::connect(showOnKeypad, &QShortcut::activated, cmdShow, &QAbstractButton::click);
    cmdShow->setToolTip(tr("Run the engine for the request (Ctrl+Return)"));
    mnuManual->setShortcut(QKeySequence(Qt::Key_F1));

    // The last run's result, to take away.
    mnuCopyTiles = new QAction(tr("Copy &tiles"), mnuEdit);
    mnuCopyTiles->setObjectName(QStringLiteral("mnuCopyTiles"));
    mnuCopyTiles->setEnabled(false);
    mnuEdit->addAction(mnuCopyTiles);
    mnuExportArea = new QAction(tr("&Export area..."), mnuFile);
    mnuExportArea->setObjectName(QStringLiteral("mnuExportArea"));
    mnuExportArea->setEnabled(false);
    mnuFile->insertAction(mnuRecentRequests->menuAction(), mnuExportArea);
}
