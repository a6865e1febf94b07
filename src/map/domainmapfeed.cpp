// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domainmapfeed.h"

#include "catalogue/cataloguetables.h"
#include "common/numbertext.h"
#include "domain/domainentries.h"
#include "entry/centrepanel.h"
#include "entry/coordinateentry.h"
#include "entry/indexrangepanel.h"
#include "map/domainmap.h"
#include "map/subdomainfit.h"
#include "run/requesttext.h"
#include "state/mainstate.h"
#include "ui/picklist.h"
#include "ui/userpick.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>

#include <cmath>

namespace {

std::optional<MapDomain> domainOf(const QString &number, const QStringList &limits)
{
    const std::optional<DomainGrid> grid = DomainGrid::fromLimits(limits);
    if (!grid)
        return std::nullopt;
    return MapDomain{number, *grid};
}

} // namespace

DomainMapFeed::DomainMapFeed(DomainMap &map, const Controls &controls, const MainState &state, QObject *parent)
    : QObject(parent)
    , m_map(map)
    , m_form(controls)
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
    const QAbstractItemModel *domainModel = m_form.DomainsAvailableBox->model();
    const auto dirty = [this] { m_domainsDirty = true; };
    connect(domainModel, &QAbstractItemModel::rowsRemoved, this, dirty);
    connect(domainModel, &QAbstractItemModel::rowsMoved, this, dirty);
    connect(domainModel, &QAbstractItemModel::dataChanged, this, dirty);
    connect(domainModel, &QAbstractItemModel::layoutChanged, this, dirty);
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
    for (CoordinateEntry *entry :
         {m_form.startLatitude, m_form.startLongitude, m_form.endLatitude, m_form.endLongitude})
        connect(entry, &CoordinateEntry::valueChanged, this, &DomainMapFeed::syncSubdomain);
    connect(m_form.indexRange, &IndexRangePanel::valuesChanged, this, &DomainMapFeed::syncSubdomain);
    connect(m_form.centre, &CentrePanel::valuesChanged, this, &DomainMapFeed::syncSubdomain);

    // The map's tiles are those of the list: they come with a run
    // (takeTiles) and go when the list is emptied.
    const auto emptied = [this] {
        if (m_form.TilesListBox->count() == 0) {
            m_map.setTiles({});
            m_tilesRequest.reset();
            markTiles();
        }
    };
    connect(m_form.TilesListBox->model(), &QAbstractItemModel::modelReset, this, emptied);
    connect(m_form.TilesListBox->model(), &QAbstractItemModel::rowsRemoved, this, emptied);

    connect(&m_map, &DomainMap::boxDrawn, this, &DomainMapFeed::writeBox);
    connect(&m_map, &DomainMap::indicesDrawn, this, &DomainMapFeed::writeIndices);
    connect(&m_map, &DomainMap::circleDrawn, this, &DomainMapFeed::writeCircle);
    connect(&m_map, &DomainMap::fitToDomainRequested, this, &DomainMapFeed::fitToDomain);
    sync();
}

void DomainMapFeed::sync()
{
    syncDomains();
    syncSubdomain();
}

void DomainMapFeed::domainsChanged()
{
    m_domainsDirty = true;
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

    // The domains offered are those of the entries in the domain list,
    // gathered again only when the list changed: a pick in it leaves them.
    if (std::exchange(m_domainsDirty, false)) {
        QList<MapDomain> domains;
        QSet<QString> numbers;
        // A domain's entries (one a year) follow one another and begin alike
        // up to the first comma, which names the domain: only the first of
        // them is read.
        QString previous;
        for (int row = 0; row < m_form.DomainsAvailableBox->count(); ++row) {
            const QString text = m_form.DomainsAvailableBox->item(row)->text();
            const QStringView head = QStringView(text).left(text.indexOf(u','));
            if (!previous.isNull() && head == previous)
                continue;
            previous = head.toString();
            const KnownDomain &known = knownDomain(previous, tables);
            if (known.number.isEmpty() || numbers.contains(known.number))
                continue;
            numbers.insert(known.number);
            if (known.domain)
                domains << *known.domain;
        }
        m_map.setDomains(domains);
    }
    emphasiseCurrent();

    std::optional<MapDomain> domain;
    if (m_state.selectedDomain())
        domain = domainOf(m_state.SelectedDomain, m_state.DomainLimits);
    m_map.setSelectedDomain(domain);
    markTiles();
}

const DomainMapFeed::KnownDomain &DomainMapFeed::knownDomain(const QString &head, const CatalogueTables &tables)
{
    // Kept with the catalogue line it was read from, which a new catalogue replaces.
    auto known = m_knownDomains.find(head);
    if (known != m_knownDomains.end() && known->line == tables.DomainLines.value(known->number.toInt() - 1))
        return *known;
    const QString number = DomainEntries::numberOf(head);
    return *m_knownDomains.insert(
        head, {number, tables.DomainLines.value(number.toInt() - 1),
               number.isEmpty() ? std::nullopt
                                : domainOf(number, DomainEntries::limitsOf(DomainEntries::padded(number), tables))});
}

void DomainMapFeed::syncSubdomain()
{
    const CoordinateMethod method = m_state.SelectionMethod;
    m_map.setMethod(method);
    MapSubdomain subdomain;
    if (method == CoordinateMethod::LatLonBox) {
        const auto lat1 = m_form.startLatitude->value(), lon1 = m_form.startLongitude->value(),
                   lat2 = m_form.endLatitude->value(), lon2 = m_form.endLongitude->value();
        if (lat1 && lon1 && lat2 && lon2)
            subdomain = {MapSubdomain::Kind::Box, QPointF(*lon1, *lat1), QPointF(*lon2, *lat2), 0};
    } else if (method == CoordinateMethod::Indices) {
        const IndexRangePanel::Values v = m_form.indexRange->values();
        if (v.iStart && v.iEnd && v.jStart && v.jEnd)
            subdomain = {MapSubdomain::Kind::Indices, QPointF(*v.iStart, *v.jStart), QPointF(*v.iEnd, *v.jEnd), 0};
    } else if (method == CoordinateMethod::CentreRadius) {
        const CentrePanel::Values v = m_form.centre->values();
        if (v.latitude && v.longitude && v.radius)
            subdomain = {MapSubdomain::Kind::Circle, QPointF(*v.longitude, *v.latitude), QPointF(), *v.radius};
    }
    m_map.setSubdomain(subdomain);
    markTiles();
}

void DomainMapFeed::takeTiles(const QList<ListFileRow> &rows)
{
    m_map.setTiles(TileCellsOf(rows));
    m_tookTiles = true;
    m_failedSince = false;
    if (m_request)
        m_tilesRequest = m_request();
    markTiles();
}

void DomainMapFeed::followRuns(QAbstractButton *cmdShow, QLabel *lastRun, std::function<TileRequest()> request)
{
    m_lastRun = lastRun;
    m_lastRun->setWordWrap(true);
    m_request = std::move(request);
    // Connected after the run's own handling: by now the run is over, and
    // its tiles came (takeTiles) or the run failed.
    connect(cmdShow, &QAbstractButton::clicked, this, [this] {
        if (!std::exchange(m_tookTiles, false))
            m_failedSince = true;
        markTiles();
    });
    markTiles();
}

void DomainMapFeed::markTiles()
{
    if (!m_request)
        return;
    const bool drawn = m_tilesRequest && m_form.TilesListBox->count() > 0;
    const bool stale = drawn && (m_failedSince || m_request() != *m_tilesRequest);
    m_map.setTilesStale(stale);
    if (!m_lastRun)
        return;
    const QString text =
        !drawn  ? QString()
        : stale ? tr("These tiles are from an earlier request: %1").arg(RequestText::shortName(*m_tilesRequest))
                : tr("Tiles of %1").arg(RequestText::shortName(*m_tilesRequest));
    m_lastRun->setText(text);
    m_lastRun->setVisible(drawn);
}

void DomainMapFeed::fitToDomain()
{
    const std::optional<MapDomain> &domain = m_map.scene().selected;
    if (!domain)
        return;
    const std::optional<MapSubdomain> fitted = SubdomainFit::clamped(m_map.scene().subdomain, *domain);
    if (!fitted)
        return;
    switch (fitted->kind) {
    case MapSubdomain::Kind::Box:
        writeBox(fitted->a, fitted->b);
        break;
    case MapSubdomain::Kind::Indices:
        writeIndices(IndexRange{int(fitted->a.x()), int(fitted->b.x()), int(fitted->a.y()), int(fitted->b.y())});
        break;
    case MapSubdomain::Kind::Circle:
        writeCircle(fitted->a, fitted->radiusKm);
        break;
    case MapSubdomain::Kind::None:
        break;
    }
}

void DomainMapFeed::writeBox(QPointF startLonLat, QPointF endLonLat)
{
    m_form.startLatitude->enter(startLonLat.y());
    m_form.startLongitude->enter(startLonLat.x());
    m_form.endLatitude->enter(endLonLat.y());
    m_form.endLongitude->enter(endLonLat.x());
}

void DomainMapFeed::writeIndices(const IndexRange &range)
{
    m_form.indexRange->setTexts(QString::number(range.iFrom), QString::number(range.iTo), QString::number(range.jFrom),
                                QString::number(range.jTo));
}

void DomainMapFeed::writeCircle(QPointF centreLonLat, double radiusKm)
{
    m_form.centre->enter(centreLonLat.y(), centreLonLat.x(), radiusKm);
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
