// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QPushButton;
struct MainState;

namespace ui {
class Shell;
}

// "Show map for domain": opens the selected domain's map document on the
// maker's web site.
class MapLink
{
public:
    MapLink(QPushButton *DownloadMapButton, const MainState &state, ui::Shell &shell);

    void DownloadMapButton_Click();

    // The address of a domain's map document, named by its number without
    // leading zeros (...MM5_D7.pdf); empty when no domain is selected.
    static QString MapAddress(std::optional<int> domain);

private:
    const MainState &m_state;
    ui::Shell &m_shell;
};
