#pragma once

#include <QString>

class MethodRefresh;
struct WindowContext;

// The country list and the list of domains offered for the chosen country.
class DomainSelection
{
public:
    DomainSelection(WindowContext &context, MethodRefresh &methodRefresh);

    void CountriesListBox_Click();
    void DomainsAvailableBox_Click();
    void ClearEntryFields();
    void LoadDomainLimits(const QString &paddedNumber);

private:
    WindowContext &m_context;
    MethodRefresh &m_methodRefresh;
};
