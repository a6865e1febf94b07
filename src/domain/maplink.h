// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct WindowContext;

// "Show map for domain": opens the selected domain's map document on the
// maker's web site.
class MapLink
{
public:
    explicit MapLink(WindowContext &context);

    void DownloadMapButton_Click();

    // The address of a domain's map document; the number is used without
    // leading zeros (007 and 7 both give ...MM5_D7.pdf). Empty for a text that
    // names no domain ("-1", nothing, not a number).
    static QString MapAddress(const QString &domain);

private:
    WindowContext &m_context;
};
