#include "domain/domainselection.h"

#include "app/windowcontext.h"
#include "common/numbertext.h"
#include "domain/domainentries.h"
#include "domain/methodrefresh.h"
#include "ui/picklist.h"

#include <QComboBox>

DomainSelection::DomainSelection(WindowContext &context, MethodRefresh &methodRefresh)
    : m_context(context)
    , m_methodRefresh(methodRefresh)
{
    QWidget *window = m_context.controls.window();
    QObject::connect(m_context.controls.comboBox(QStringLiteral("CountriesListBox")), &QComboBox::activated,
                     window, [this] { CountriesListBox_Click(); });
    auto *domains = qobject_cast<ui::PickList *>(m_context.controls.listWidget(QStringLiteral("DomainsAvailableBox")));
    Q_ASSERT(domains);
    QObject::connect(domains, &ui::PickList::picked, window, [this] { DomainsAvailableBox_Click(); });
}

void DomainSelection::CountriesListBox_Click()
{
    const ui::Controls &c = m_context.controls;
    const int k = c.selectedIndex(QStringLiteral("CountriesListBox"));
    const CatalogueTables &tables = m_context.state.tables;

    c.clearItems(QStringLiteral("DomainsAvailableBox"));
    ClearEntryFields();
    // After a catalogue failed to read, the country list still describes the
    // previous one while the tables hold part of the new one: offer nothing.
    if (!tables.ConfigLoaded || k < 0 || k >= tables.CountryDomains.size())
        return;
    // One insertion for all entries: a country may offer thousands.
    c.listWidget(QStringLiteral("DomainsAvailableBox"))
        ->addItems(DomainEntries::entriesFor(c.text(QStringLiteral("CountriesListBox")),
                                             tables.CountryDomains.at(k), tables));
}

void DomainSelection::DomainsAvailableBox_Click()
{
    const ui::Controls &c = m_context.controls;
    const QString number = DomainEntries::numberOf(c.text(QStringLiteral("DomainsAvailableBox")));
    bool ok = false;
    number.toInt(&ok);
    if (!ok)
        return;
    const QString padded = DomainEntries::padded(number);
    LoadDomainLimits(padded);
    m_context.state.SelectedDomain = QString::number(padded.toInt());
    c.setEnabled(QStringLiteral("DownloadMapButton"), true);
    c.setText(QStringLiteral("DownloadMapButton"), QStringLiteral("Show map for domain ") + padded);
}

void DomainSelection::ClearEntryFields()
{
    static const char *const fields[] = {"txtLat1", "txtLat2", "txtLon1", "txtLon2",
                                         "TextIndexiStart", "TextIndexiEnd", "TextIndexjStart", "TextIndexjEnd"};
    for (const char *name : fields)
        m_context.controls.setText(QLatin1String(name), QString());
}

void DomainSelection::LoadDomainLimits(const QString &paddedNumber)
{
    const ui::Controls &c = m_context.controls;
    const CatalogueTables &tables = m_context.state.tables;
    const QStringList limits =
        tables.ConfigLoaded ? DomainEntries::limitsOf(paddedNumber, tables) : QStringList();
    const bool found = !limits.isEmpty();
    if (found)
        m_context.state.DomainLimits = limits;

    // The hemispheres follow the limits held, also when the new domain's
    // could not be loaded; with no readable limits they stay as they are.
    const QStringList &held = m_context.state.DomainLimits;
    const auto selectBySign = [&](const char *list, int position) {
        const std::optional<double> value = NumberText::toNumber(held.value(position));
        if (value)
            c.setSelectedIndex(QLatin1String(list), *value >= 0 ? 0 : 1);
    };
    selectBySign("cboLatLL1", 8);
    selectBySign("cboLatLL2", 9);
    selectBySign("cboLonLL1", 6);
    selectBySign("cboLonLL2", 7);

    if (found) {
        m_methodRefresh.cboChoice1_Click();
        c.setEnabled(QStringLiteral("cmdShow"), true);
    }
}
