// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

struct WindowContext;

// "Show map for domain": opens the selected domain's map document on the
// maker's web site.
class MapLink
{
public:
    explicit MapLink(WindowContext &context);

    void DownloadMapButton_Click();

    // The address of a domain's map document, named by its number without
    // leading zeros (...MM5_D7.pdf); empty when no domain is selected.
    static QString MapAddress(std::optional<int> domain);

private:
    WindowContext &m_context;
};
