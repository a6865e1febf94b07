// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/mapscene.h"
#include "map/tilecells.h"
#include "run/tilerequest.h"

#include <QHash>
#include <QObject>
#include <QPointF>

#include <functional>
#include <optional>

class CentrePanel;
class CoordinateEntry;
class QAbstractButton;
class QLabel;
class DomainMap;
class IndexRangePanel;
class QComboBox;
struct CatalogueTables;
class QListWidget;
struct MainState;

namespace ui {
class PickList;
}

// Keeps the domain map in step with the window: the country and domain
// lists, the selected domain, the fields of the active method and the tile
// list of the last run. A sub-domain drawn on the map is written back into
// the fields the way a user enters it: the hemisphere lists are picked (their
// pick handling runs) and the texts set, so every change handling follows.
class DomainMapFeed : public QObject
{
    Q_OBJECT

public:
    // The lists it follows and the entry panels whose values it shows.
    struct Controls
    {
        QComboBox *CountriesListBox;
        ui::PickList *DomainsAvailableBox;
        QComboBox *cboChoice1;
        QListWidget *TilesListBox;
        CoordinateEntry *startLatitude, *startLongitude, *endLatitude, *endLongitude;
        IndexRangePanel *indexRange;
        CentrePanel *centre;
    };

    // Connect after the window's own handlers: the map follows what they did.
    DomainMapFeed(DomainMap &map, const Controls &controls, const MainState &state, QObject *parent = nullptr);

    // Reads everything the map shows from the window, the tiles excepted.
    void sync();
    // The country, its domains and the selected one: after a change of the lists.
    void syncDomains();
    // The sub-domain of the active method: after a change of a field.
    void syncSubdomain();
    // After a run that listed its tiles: the rows of its list file (none
    // drawn when their ranges do not read). A run that failed leaves the
    // map's tiles as it leaves the list.
    void takeTiles(const QList<ListFileRow> &rows);

    // Follows the runs of `cmdShow`: `lastRun` names the request the map's
    // tiles belong to, and the tiles are marked as an earlier request's once
    // the request entered differs from it or a later run fails. `request`
    // gives the request entered now.
    void followRuns(QAbstractButton *cmdShow, QLabel *lastRun, std::function<TileRequest()> request);
    // Cuts the sub-domain back to the selected domain, writing the fields
    // as a drag does.
    void fitToDomain();

    void writeBox(QPointF startLonLat, QPointF endLonLat);
    void writeIndices(const IndexRange &range);
    void writeCircle(QPointF centreLonLat, double radiusKm);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitDomains();
    // Gathers the domains once the event loop is back, however many list
    // changes come before.
    void domainsChanged();
    void emphasiseCurrent();
    // A domain as the map draws it, by the start of its entries ("Domain 7"),
    // read once from its catalogue line.
    struct KnownDomain
    {
        QString number;
        QString line;
        std::optional<MapDomain> domain;
    };
    const KnownDomain &knownDomain(const QString &head, const CatalogueTables &tables);
    void markTiles();

    DomainMap &m_map;
    const Controls m_form;
    const MainState &m_state;
    bool m_domainsPending = false;
    // Whether the domain list changed since its domains were gathered.
    bool m_domainsDirty = true;
    QHash<QString, KnownDomain> m_knownDomains;

    QLabel *m_lastRun = nullptr;
    std::function<TileRequest()> m_request;
    // The request of the tiles drawn, and whether a run failed after theirs.
    std::optional<TileRequest> m_tilesRequest;
    bool m_failedSince = false;
    bool m_tookTiles = false;
};
