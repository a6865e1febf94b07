#include "domain/domainselection.h"

#include "app/windowcontext.h"
#include "domain/methodrefresh.h"

DomainSelection::DomainSelection(WindowContext &context, MethodRefresh &methodRefresh)
    : m_context(context)
    , m_methodRefresh(methodRefresh)
{
}

void DomainSelection::CountriesListBox_Click() {}
void DomainSelection::DomainsAvailableBox_Click() {}
void DomainSelection::ClearEntryFields() {}
void DomainSelection::LoadDomainLimits(const QString &) {}
