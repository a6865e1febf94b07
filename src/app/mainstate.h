#pragma once

#include "catalogue/cataloguetables.h"

#include <QString>
#include <QStringList>

// What the main window holds besides its controls.
struct MainState
{
    CatalogueTables tables;
    // Number of the selected domain without leading zeros; "-1" for none.
    QString SelectedDomain;
    // The selected domain's ten limits as written in the catalogue; empty
    // until a domain was loaded.
    QStringList DomainLimits;
    // The folder of the program: catalogue, engine and help document.
    QString appFolder;
};
