// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domainmapfeed.h"

#include "catalogue/cataloguetables.h"
#include "common/fieldvalue.h"
#include "common/numbertext.h"
#include "core/mainstate.h"
#include "core/mainwindowform.h"
#include "domain/domainentries.h"
#include "map/domainmap.h"
#include "ui/picklist.h"
#include "ui/userpick.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>

#include <cmath>

namespace {

// A field's value as the control file gives it: negated when its list shows
// the second letter (S or W); nothing when the field is empty or does not read.
std::optional<double> signedValue(const QLineEdit *field, const QComboBox *hemisphere, const char *negative)
{
    return FieldValue::coordinate(field->text(), hemisphere->currentText(), QLatin1String(negative));
}

// An index as the control file gives it: whole, or nothing.
std::optional<double> index(const QLineEdit *field)
{
    const std::optional<qint16> value = FieldValue::index(field->text());
    return value ? std::optional<double>(*value) : std::nullopt;
}

std::optional<double> number(const QLineEdit *field)
{
    const std::optional<double> value = NumberText::toNumber(field->text());
    return value && std::isfinite(*value) ? value : std::nullopt;
}

std::optional<MapDomain> domainOf(const QString &number, const QStringList &limits)
{
    const std::optional<DomainGrid> grid = DomainGrid::fromLimits(limits);
    if (!grid)
        return std::nullopt;
    return MapDomain{number, *grid};
}

} // namespace

DomainMapFeed::DomainMapFeed(DomainMap &map, const MainWindowForm &form, const MainState &state, QObject *parent)
    : QObject(parent)
    , m_map(map)
    , m_form(form)
    , m_state(state)
{
    connect(m_form.CountriesListBox, &QComboBox::activated, this, [this] {
        sync();
        fitDomains();
    });
    // The lists change in several steps for one pick; the domains are
    // gathered once, after the last of them.
    connect(m_form.CountriesListBox->model(), &QAbstractItemModel::modelReset, this, &DomainMapFeed::domainsChanged);
    connect(m_form.CountriesListBox->model(), &QAbstractItemModel::rowsRemoved, this, &DomainMapFeed::domainsChanged);
    connect(m_form.DomainsAvailableBox->model(), &QAbstractItemModel::modelReset, this, &DomainMapFeed::domainsChanged);
    connect(m_form.DomainsAvailableBox->model(), &QAbstractItemModel::rowsInserted, this,
            &DomainMapFeed::domainsChanged);
    connect(m_form.DomainsAvailableBox, &QListWidget::currentRowChanged, this, &DomainMapFeed::emphasiseCurrent);
    connect(m_form.DomainsAvailableBox, &ui::PickList::picked, this, [this] {
        sync();
        m_map.fitDomain();
    });
    // The entry under the mouse is shown on the map while the mouse is there.
    m_form.DomainsAvailableBox->setMouseTracking(true);
    m_form.DomainsAvailableBox->viewport()->installEventFilter(this);
    connect(m_form.DomainsAvailableBox, &QListWidget::itemEntered, this,
            [this](QListWidgetItem *item) { m_map.setEmphasisedDomain(DomainEntries::numberOf(item->text())); });
    connect(m_form.cboChoice1, &QComboBox::activated, this, &DomainMapFeed::syncSubdomain);
    for (QLineEdit *field :
         {m_form.txtLat1, m_form.txtLon1, m_form.txtLat2, m_form.txtLon2, m_form.TextIndexiStart, m_form.TextIndexiEnd,
          m_form.TextIndexjStart, m_form.TextIndexjEnd, m_form.txtEMRLAT01, m_form.txtEMRLON01, m_form.txtRadius1})
        connect(field, &QLineEdit::textChanged, this, &DomainMapFeed::syncSubdomain);
    for (QComboBox *list : {m_form.cboLatLL1, m_form.cboLonLL1, m_form.cboLatLL2, m_form.cboLonLL2, m_form.cboEMRLAT01,
                            m_form.cboEMRLON01})
        connect(list, &QComboBox::currentIndexChanged, this, &DomainMapFeed::syncSubdomain);

    // The map's tiles are those of the list: they come with a run
    // (takeTiles) and go when the list is emptied.
    const auto emptied = [this] {
        if (m_form.TilesListBox->count() == 0)
            m_map.setTiles({});
    };
    connect(m_form.TilesListBox->model(), &QAbstractItemModel::modelReset, this, emptied);
    connect(m_form.TilesListBox->model(), &QAbstractItemModel::rowsRemoved, this, emptied);

    connect(&m_map, &DomainMap::boxDrawn, this, &DomainMapFeed::writeBox);
    connect(&m_map, &DomainMap::indicesDrawn, this, &DomainMapFeed::writeIndices);
    connect(&m_map, &DomainMap::circleDrawn, this, &DomainMapFeed::writeCircle);
    sync();
}

void DomainMapFeed::sync()
{
    syncDomains();
    syncSubdomain();
}

void DomainMapFeed::domainsChanged()
{
    if (m_domainsPending)
        return;
    m_domainsPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_domainsPending)
                syncDomains();
        },
        Qt::QueuedConnection);
}

void DomainMapFeed::emphasiseCurrent()
{
    const QListWidgetItem *current = m_form.DomainsAvailableBox->currentItem();
    m_map.setEmphasisedDomain(current ? DomainEntries::numberOf(current->text()) : QString());
}

void DomainMapFeed::syncDomains()
{
    m_domainsPending = false;
    const CatalogueTables &tables = m_state.tables;
    m_map.setCountry(m_form.CountriesListBox->currentIndex() >= 0 ? m_form.CountriesListBox->currentText() : QString());

    // The domains offered are those of the entries in the domain list.
    QList<MapDomain> domains;
    QSet<QString> numbers;
    for (int row = 0; row < m_form.DomainsAvailableBox->count(); ++row) {
        const QString number = DomainEntries::numberOf(m_form.DomainsAvailableBox->item(row)->text());
        if (number.isEmpty() || numbers.contains(number))
            continue;
        numbers.insert(number);
        if (const std::optional<MapDomain> domain = domainOf(
                number, DomainEntries::limitsOf(DomainEntries::padded(number), tables)))
            domains << *domain;
    }
    m_map.setDomains(domains);
    emphasiseCurrent();

    std::optional<MapDomain> domain;
    if (m_state.selectedDomain())
        domain = domainOf(m_state.SelectedDomain, m_state.DomainLimits);
    m_map.setSelectedDomain(domain);
}

void DomainMapFeed::syncSubdomain()
{
    const int method = int(m_state.SelectionMethod);
    m_map.setMethod(method);
    MapSubdomain subdomain;
    if (method == 1) {
        const auto lat1 = signedValue(m_form.txtLat1, m_form.cboLatLL1, "S");
        const auto lon1 = signedValue(m_form.txtLon1, m_form.cboLonLL1, "W");
        const auto lat2 = signedValue(m_form.txtLat2, m_form.cboLatLL2, "S");
        const auto lon2 = signedValue(m_form.txtLon2, m_form.cboLonLL2, "W");
        if (lat1 && lon1 && lat2 && lon2)
            subdomain = {MapSubdomain::Kind::Box, QPointF(*lon1, *lat1), QPointF(*lon2, *lat2), 0};
    } else if (method == 2) {
        const auto i1 = index(m_form.TextIndexiStart), i2 = index(m_form.TextIndexiEnd),
                   j1 = index(m_form.TextIndexjStart), j2 = index(m_form.TextIndexjEnd);
        if (i1 && i2 && j1 && j2)
            subdomain = {MapSubdomain::Kind::Indices, QPointF(*i1, *j1), QPointF(*i2, *j2), 0};
    } else if (method == 3) {
        const auto lat = signedValue(m_form.txtEMRLAT01, m_form.cboEMRLAT01, "S");
        const auto lon = signedValue(m_form.txtEMRLON01, m_form.cboEMRLON01, "W");
        const auto radius = number(m_form.txtRadius1);
        if (lat && lon && radius)
            subdomain = {MapSubdomain::Kind::Circle, QPointF(*lon, *lat), QPointF(), *radius};
    }
    m_map.setSubdomain(subdomain);
}

void DomainMapFeed::takeTiles(const QList<ListFileRow> &rows)
{
    m_map.setTiles(TileCellsOf(rows));
}

void DomainMapFeed::writeBox(QPointF startLonLat, QPointF endLonLat)
{
    const auto corner = [](QPointF lonLat, QComboBox *latList, QLineEdit *lat, QComboBox *lonList, QLineEdit *lon) {
        ui::pickAsUser(latList, lonLat.y() < 0 ? 1 : 0);
        lat->setText(NumberText::fixed6(std::abs(lonLat.y())));
        ui::pickAsUser(lonList, lonLat.x() < 0 ? 1 : 0);
        lon->setText(NumberText::fixed6(std::abs(lonLat.x())));
    };
    corner(startLonLat, m_form.cboLatLL1, m_form.txtLat1, m_form.cboLonLL1, m_form.txtLon1);
    corner(endLonLat, m_form.cboLatLL2, m_form.txtLat2, m_form.cboLonLL2, m_form.txtLon2);
}

void DomainMapFeed::writeIndices(const IndexRange &range)
{
    m_form.TextIndexiStart->setText(QString::number(range.iFrom));
    m_form.TextIndexiEnd->setText(QString::number(range.iTo));
    m_form.TextIndexjStart->setText(QString::number(range.jFrom));
    m_form.TextIndexjEnd->setText(QString::number(range.jTo));
}

void DomainMapFeed::writeCircle(QPointF centreLonLat, double radiusKm)
{
    ui::pickAsUser(m_form.cboEMRLAT01, centreLonLat.y() < 0 ? 1 : 0);
    m_form.txtEMRLAT01->setText(NumberText::fixed6(std::abs(centreLonLat.y())));
    ui::pickAsUser(m_form.cboEMRLON01, centreLonLat.x() < 0 ? 1 : 0);
    m_form.txtEMRLON01->setText(NumberText::fixed6(std::abs(centreLonLat.x())));
    m_form.txtRadius1->setText(NumberText::plain(radiusKm));
}

bool DomainMapFeed::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving the domain list shows the chosen entry again.
    if (watched == m_form.DomainsAvailableBox->viewport() && event->type() == QEvent::Leave) {
        const QListWidgetItem *chosen = m_form.DomainsAvailableBox->currentItem();
        m_map.setEmphasisedDomain(chosen ? DomainEntries::numberOf(chosen->text()) : QString());
    }
    return QObject::eventFilter(watched, event);
}

void DomainMapFeed::fitDomains()
{
    const QList<MapDomain> &domains = m_map.scene().domains;
    if (domains.isEmpty()) {
        m_map.fitCountry();
        return;
    }
    GeoBox all = domains.first().grid.box();
    for (const MapDomain &domain : domains) {
        const GeoBox &box = domain.grid.box();
        all = GeoBox{std::min(all.west, box.west), std::max(all.east, box.east), std::min(all.south, box.south),
                     std::max(all.north, box.north)};
    }
    m_map.fitBox(all);
}
