// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/tilerequest.h"

#include <QString>

#include <optional>

class QWidget;
struct MainState;
struct MainWindowForm;

// The request a window shows, read from its controls and put back into them.
// Putting one back goes the user's way: the country, the domain entry and the
// method are picked (so their handlers run as for a click) and the entries
// are written (so their change handling runs as for typing).
class RequestForm
{
public:
    RequestForm(const MainWindowForm &form, const MainState &state);

    // The country, the chosen domain entry, the method and its entries now.
    TileRequest current() const;
    // The resolution of the chosen domain entry, as its text gives it ("12").
    QString resolution() const;

    // Where the catalogue offers the request: the country list's item and
    // the domain entry of its region and year. A request without a country
    // is looked for under the country its domain belongs to.
    struct Place
    {
        int country = -1;
        QString entry;
    };
    std::optional<Place> find(const TileRequest &request) const;

    // Puts the request into the window; false, changing nothing, when the
    // catalogue no longer offers its domain and year.
    bool restore(const TileRequest &request);

private:
    QWidget *entry(const QString &name) const;

    const MainWindowForm &m_form;
    const MainState &m_state;
};
