// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/domainselection.h"

#include "common/numbertext.h"
#include "domain/domainentries.h"
#include "domain/methodrefresh.h"
#include "entry/coordinateentry.h"
#include "entry/indexrangepanel.h"
#include "state/mainstate.h"
#include "ui/picklist.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

DomainSelection::DomainSelection(const Controls &controls, MainState &state, MethodRefresh &methodRefresh)
    : m_form(controls)
    , m_state(state)
    , m_methodRefresh(methodRefresh)
{
    // The lists are the connections' context: they end with them.
    QObject::connect(m_form.CountriesListBox, &QComboBox::activated, m_form.CountriesListBox,
                     [this] { CountriesListBox_Click(); });
    QObject::connect(m_form.DomainsAvailableBox, &ui::PickList::picked, m_form.DomainsAvailableBox,
                     [this] { DomainsAvailableBox_Click(); });
}

void DomainSelection::CountriesListBox_Click()
{
    const Controls &form = m_form;
    const int k = form.CountriesListBox->currentIndex();
    const CatalogueTables &tables = m_state.tables;

    form.DomainsAvailableBox->clear();
    ClearEntryFields();
    // After a catalogue failed to read, the country list still describes the
    // previous one while the tables hold part of the new one: offer nothing.
    if (!tables.ConfigLoaded || k < 0 || k >= tables.CountryDomains.size())
        return;
    // One insertion for all entries: a country may offer thousands.
    form.DomainsAvailableBox->addItems(
        DomainEntries::entriesFor(form.CountriesListBox->currentText(), tables.CountryDomains.at(k), tables));
}

void DomainSelection::DomainsAvailableBox_Click()
{
    const Controls &form = m_form;
    const QString number = DomainEntries::numberOf(form.DomainsAvailableBox->chosenText());
    bool ok = false;
    number.toInt(&ok);
    if (!ok)
        return;
    const QString padded = DomainEntries::padded(number);
    LoadDomainLimits(padded);
    m_state.SelectedDomain = QString::number(padded.toInt());
    form.DownloadMapButton->setEnabled(true);
    form.DownloadMapButton->setText(tr("Show map for domain ") + padded);
}

void DomainSelection::ClearEntryFields()
{
    for (CoordinateEntry *entry :
         {m_form.startLatitude, m_form.endLatitude, m_form.startLongitude, m_form.endLongitude})
        entry->clear();
    m_form.indexRange->setTexts(QString(), QString(), QString(), QString());
}

void DomainSelection::LoadDomainLimits(const QString &paddedNumber)
{
    const Controls &form = m_form;
    const CatalogueTables &tables = m_state.tables;
    const QStringList limits = tables.ConfigLoaded ? DomainEntries::limitsOf(paddedNumber, tables) : QStringList();
    const bool found = !limits.isEmpty();
    if (found)
        m_state.DomainLimits = limits;

    // The hemispheres follow the limits held, also when the new domain's
    // could not be loaded; with no readable limits they stay as they are.
    const QStringList &held = m_state.DomainLimits;
    const auto selectBySign = [&](QComboBox *list, int position) {
        const std::optional<double> value = NumberText::toNumber(held.value(position));
        if (value)
            list->setCurrentIndex(*value >= 0 ? 0 : 1);
    };
    selectBySign(form.startLatitude->hemisphere(), 8);
    selectBySign(form.endLatitude->hemisphere(), 9);
    selectBySign(form.startLongitude->hemisphere(), 6);
    selectBySign(form.endLongitude->hemisphere(), 7);

    if (found) {
        m_methodRefresh.cboChoice1_Click();
        form.cmdShow->setEnabled(true);
    }
}
