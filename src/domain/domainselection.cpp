// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/domainselection.h"

#include "common/numbertext.h"
#include "core/mainwindowform.h"
#include "core/windowcontext.h"
#include "domain/domainentries.h"
#include "domain/methodrefresh.h"
#include "ui/picklist.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

DomainSelection::DomainSelection(WindowContext &context, MethodRefresh &methodRefresh)
    : m_context(context)
    , m_methodRefresh(methodRefresh)
{
    const MainWindowForm &form = m_context.form;
    QObject::connect(form.CountriesListBox, &QComboBox::activated, form.centralWidget,
                     [this] { CountriesListBox_Click(); });
    QObject::connect(form.DomainsAvailableBox, &ui::PickList::picked, form.centralWidget,
                     [this] { DomainsAvailableBox_Click(); });
}

void DomainSelection::CountriesListBox_Click()
{
    const MainWindowForm &form = m_context.form;
    const int k = form.CountriesListBox->currentIndex();
    const CatalogueTables &tables = m_context.state.tables;

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
    const MainWindowForm &form = m_context.form;
    const QString number = DomainEntries::numberOf(form.DomainsAvailableBox->chosenText());
    bool ok = false;
    number.toInt(&ok);
    if (!ok)
        return;
    const QString padded = DomainEntries::padded(number);
    LoadDomainLimits(padded);
    m_context.state.SelectedDomain = QString::number(padded.toInt());
    form.DownloadMapButton->setEnabled(true);
    form.DownloadMapButton->setText(QStringLiteral("Show map for domain ") + padded);
}

void DomainSelection::ClearEntryFields()
{
    const MainWindowForm &f = m_context.form;
    for (QLineEdit *field : {f.txtLat1, f.txtLat2, f.txtLon1, f.txtLon2, f.TextIndexiStart, f.TextIndexiEnd,
                             f.TextIndexjStart, f.TextIndexjEnd})
        field->setText(QString());
}

void DomainSelection::LoadDomainLimits(const QString &paddedNumber)
{
    const MainWindowForm &form = m_context.form;
    const CatalogueTables &tables = m_context.state.tables;
    const QStringList limits = tables.ConfigLoaded ? DomainEntries::limitsOf(paddedNumber, tables) : QStringList();
    const bool found = !limits.isEmpty();
    if (found)
        m_context.state.DomainLimits = limits;

    // The hemispheres follow the limits held, also when the new domain's
    // could not be loaded; with no readable limits they stay as they are.
    const QStringList &held = m_context.state.DomainLimits;
    const auto selectBySign = [&](QComboBox *list, int position) {
        const std::optional<double> value = NumberText::toNumber(held.value(position));
        if (value)
            list->setCurrentIndex(*value >= 0 ? 0 : 1);
    };
    selectBySign(form.cboLatLL1, 8);
    selectBySign(form.cboLatLL2, 9);
    selectBySign(form.cboLonLL1, 6);
    selectBySign(form.cboLonLL2, 7);

    if (found) {
        m_methodRefresh.cboChoice1_Click();
        form.cmdShow->setEnabled(true);
    }
}
