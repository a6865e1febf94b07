// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/cataloguetables.h"
#include "state/coordinatemethod.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// What the main window holds besides its controls.
struct MainState
{
    CatalogueTables tables;
    // Number of the selected domain without leading zeros; "-1" for none.
    QString SelectedDomain;
    // The selected domain's number; nothing while none is chosen, or before
    // a catalogue was read (an empty text).
    std::optional<int> selectedDomain() const
    {
        bool ok = false;
        const int number = SelectedDomain.toInt(&ok);
        return ok && number >= 0 ? std::optional<int>(number) : std::nullopt;
    }
    // The selected domain's ten limits as written in the catalogue; empty
    // until a domain was loaded.
    QStringList DomainLimits;
    // The active way of describing the sub-domain.
    CoordinateMethod SelectionMethod = CoordinateMethod::None;
    // Date of the catalogue in use; invalid until a catalogue's first line was read.
    QDate ConfigFileDate;
    // The folder of the program: catalogue, engine and help document.
    QString appFolder;
};
