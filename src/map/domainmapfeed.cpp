#include "map/domainmapfeed.h"

#include "catalogue/cataloguetables.h"
#include "common/numbertext.h"
#include "domain/domainentries.h"
#include "map/domainmap.h"
#include "run/listfilesource.h"
#include "ui/picklist.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>

#include <cmath>

namespace {

// A field's value with the sign of its hemisphere list; nothing when the
// field is empty or does not read.
std::optional<double> signedValue(const QLineEdit *field, const QComboBox *hemisphere)
{
    if (NumberText::trimBlanks(field->text()).isEmpty())
        return std::nullopt;
    const std::optional<double> value = NumberText::toNumber(field->text());
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return hemisphere->currentIndex() == 1 ? -std::abs(*value) : std::abs(*value);
}

std::optional<double> number(const QLineEdit *field)
{
    const std::optional<double> value = NumberText::toNumber(field->text());
    return value && std::isfinite(*value) ? value : std::nullopt;
}

// Picks the item as a user does: the list's pick handling runs, also for the
// item already shown.
void pick(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

std::optional<MapDomain> domainOf(const QString &number, const QStringList &limits)
{
    const std::optional<DomainGrid> grid = DomainGrid::fromLimits(limits);
    if (!grid)
        return std::nullopt;
    return MapDomain{number, *grid};
}

} // namespace

DomainMapFeed::DomainMapFeed(DomainMap &map, const Controls &controls, const State &state, QObject *parent)
    : QObject(parent)
    , m_map(map)
    , m_c(controls)
    , m_state(state)
{
    connect(m_c.countries, &QComboBox::activated, this, [this] {
        sync();
        fitDomains();
    });
    connect(m_c.countries->model(), &QAbstractItemModel::modelReset, this, &DomainMapFeed::sync);
    connect(m_c.countries->model(), &QAbstractItemModel::rowsRemoved, this, &DomainMapFeed::sync);
    connect(m_c.domains->model(), &QAbstractItemModel::modelReset, this, &DomainMapFeed::sync);
    connect(m_c.domains->model(), &QAbstractItemModel::rowsInserted, this, &DomainMapFeed::sync);
    connect(m_c.domains, &QListWidget::currentRowChanged, this, &DomainMapFeed::sync);
    connect(m_c.domains, &ui::PickList::picked, this, [this] {
        sync();
        m_map.fitDomain();
    });
    // The entry under the mouse is shown on the map while the mouse is there.
    m_c.domains->setMouseTracking(true);
    m_c.domains->viewport()->installEventFilter(this);
    connect(m_c.domains, &QListWidget::itemEntered, this,
            [this](QListWidgetItem *item) { m_map.setEmphasisedDomain(DomainEntries::numberOf(item->text())); });
    connect(m_c.method, &QComboBox::activated, this, &DomainMapFeed::sync);
    for (QLineEdit *field : {m_c.lat1, m_c.lon1, m_c.lat2, m_c.lon2, m_c.iStart, m_c.iEnd, m_c.jStart, m_c.jEnd,
                             m_c.centreLat, m_c.centreLon, m_c.radius})
        connect(field, &QLineEdit::textChanged, this, &DomainMapFeed::sync);
    for (QComboBox *list : {m_c.latHemisphere1, m_c.lonHemisphere1, m_c.latHemisphere2, m_c.lonHemisphere2,
                            m_c.centreLatHemisphere, m_c.centreLonHemisphere})
        connect(list, &QComboBox::currentIndexChanged, this, &DomainMapFeed::sync);

    // The map's tiles are those of the list: they come with a run and go
    // when the list is emptied.
    connect(m_c.show, &QAbstractButton::clicked, this, [this] { takeTiles(QDir::currentPath()); });
    const auto emptied = [this] {
        if (m_c.tiles->count() == 0)
            m_map.setTiles({});
    };
    connect(m_c.tiles->model(), &QAbstractItemModel::modelReset, this, emptied);
    connect(m_c.tiles->model(), &QAbstractItemModel::rowsRemoved, this, emptied);

    connect(&m_map, &DomainMap::boxDrawn, this, &DomainMapFeed::writeBox);
    connect(&m_map, &DomainMap::indicesDrawn, this, &DomainMapFeed::writeIndices);
    connect(&m_map, &DomainMap::circleDrawn, this, &DomainMapFeed::writeCircle);
    sync();
}

void DomainMapFeed::sync()
{
    const CatalogueTables &tables = m_state.tables();
    m_map.setCountry(m_c.countries->currentIndex() >= 0 ? m_c.countries->currentText() : QString());

    // The domains offered are those of the entries in the domain list.
    QList<MapDomain> domains;
    QStringList numbers;
    for (int row = 0; row < m_c.domains->count(); ++row) {
        const QString number = DomainEntries::numberOf(m_c.domains->item(row)->text());
        if (number.isEmpty() || numbers.contains(number))
            continue;
        numbers << number;
        if (const std::optional<MapDomain> domain = domainOf(
                number, DomainEntries::limitsOf(DomainEntries::padded(number), tables)))
            domains << *domain;
    }
    m_map.setDomains(domains);
    const QListWidgetItem *chosen = m_c.domains->currentItem();
    m_map.setEmphasisedDomain(chosen ? DomainEntries::numberOf(chosen->text()) : QString());

    const QString selected = m_state.selectedDomain();
    const std::optional<double> selectedNumber = NumberText::toNumber(selected);
    std::optional<MapDomain> domain;
    if (selectedNumber && *selectedNumber != -1)
        domain = domainOf(selected, m_state.domainLimits());
    m_map.setSelectedDomain(domain);

    const int method = m_state.selectionMethod();
    m_map.setMethod(method);
    MapSubdomain subdomain;
    if (method == 1) {
        const auto lat1 = signedValue(m_c.lat1, m_c.latHemisphere1);
        const auto lon1 = signedValue(m_c.lon1, m_c.lonHemisphere1);
        const auto lat2 = signedValue(m_c.lat2, m_c.latHemisphere2);
        const auto lon2 = signedValue(m_c.lon2, m_c.lonHemisphere2);
        if (lat1 && lon1 && lat2 && lon2)
            subdomain = {MapSubdomain::Kind::Box, QPointF(*lon1, *lat1), QPointF(*lon2, *lat2), 0};
    } else if (method == 2) {
        const auto i1 = number(m_c.iStart), i2 = number(m_c.iEnd), j1 = number(m_c.jStart), j2 = number(m_c.jEnd);
        if (i1 && i2 && j1 && j2)
            subdomain = {MapSubdomain::Kind::Indices, QPointF(*i1, *j1), QPointF(*i2, *j2), 0};
    } else if (method == 3) {
        const auto lat = signedValue(m_c.centreLat, m_c.centreLatHemisphere);
        const auto lon = signedValue(m_c.centreLon, m_c.centreLonHemisphere);
        const auto radius = number(m_c.radius);
        if (lat && lon && radius)
            subdomain = {MapSubdomain::Kind::Circle, QPointF(*lon, *lat), QPointF(), *radius};
    }
    m_map.setSubdomain(subdomain);
}

void DomainMapFeed::takeTiles(const QString &folder)
{
    // Only the very tiles the list shows, in its order.
    const auto matchList = [this](const QList<TileCells> &tiles) {
        if (tiles.size() != m_c.tiles->count())
            return false;
        for (int row = 0; row < tiles.size(); ++row) {
            if (m_c.tiles->item(row)->text() != QStringLiteral("Tile number: ") + tiles.at(row).number)
                return false;
        }
        return true;
    };
    const ListFileSource list = ListFileSource::read(QDir(folder).filePath(QStringLiteral("quorvantix.lst")));
    const QList<TileCells> tiles = list.problem == ListFileSource::Problem::None ? ReadTileCells(list.bytes)
                                                                                 : QList<TileCells>();
    if (m_c.tiles->count() > 0 && matchList(tiles))
        m_map.setTiles(tiles);
    // A run that failed and left the list as it was leaves the map as it was.
    else if (!matchList(m_map.scene().tiles))
        m_map.setTiles({});
}

void DomainMapFeed::writeBox(QPointF startLonLat, QPointF endLonLat)
{
    const auto corner = [](QPointF lonLat, QComboBox *latList, QLineEdit *lat, QComboBox *lonList, QLineEdit *lon) {
        pick(latList, lonLat.y() < 0 ? 1 : 0);
        lat->setText(NumberText::fixed6(std::abs(lonLat.y())));
        pick(lonList, lonLat.x() < 0 ? 1 : 0);
        lon->setText(NumberText::fixed6(std::abs(lonLat.x())));
    };
    corner(startLonLat, m_c.latHemisphere1, m_c.lat1, m_c.lonHemisphere1, m_c.lon1);
    corner(endLonLat, m_c.latHemisphere2, m_c.lat2, m_c.lonHemisphere2, m_c.lon2);
}

void DomainMapFeed::writeIndices(const IndexRange &range)
{
    m_c.iStart->setText(QString::number(range.iFrom));
    m_c.iEnd->setText(QString::number(range.iTo));
    m_c.jStart->setText(QString::number(range.jFrom));
    m_c.jEnd->setText(QString::number(range.jTo));
}

void DomainMapFeed::writeCircle(QPointF centreLonLat, double radiusKm)
{
    pick(m_c.centreLatHemisphere, centreLonLat.y() < 0 ? 1 : 0);
    m_c.centreLat->setText(NumberText::fixed6(std::abs(centreLonLat.y())));
    pick(m_c.centreLonHemisphere, centreLonLat.x() < 0 ? 1 : 0);
    m_c.centreLon->setText(NumberText::fixed6(std::abs(centreLonLat.x())));
    m_c.radius->setText(NumberText::plain(radiusKm));
}

bool DomainMapFeed::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving the domain list shows the chosen entry again.
    if (watched == m_c.domains->viewport() && event->type() == QEvent::Leave) {
        const QListWidgetItem *chosen = m_c.domains->currentItem();
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
