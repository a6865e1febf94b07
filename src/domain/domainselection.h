// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class MethodRefresh;
struct WindowContext;

// The country list and the list of domain entries offered for the chosen
// country; choosing an entry makes its domain the selected domain.
class DomainSelection
{
public:
    DomainSelection(WindowContext &context, MethodRefresh &methodRefresh);

    void CountriesListBox_Click();
    void DomainsAvailableBox_Click();
    void ClearEntryFields();
    // paddedNumber: the domain number with at least three digits ("007").
    void LoadDomainLimits(const QString &paddedNumber);

private:
    WindowContext &m_context;
    MethodRefresh &m_methodRefresh;
};
