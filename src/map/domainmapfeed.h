#pragma once

#include "map/tilecells.h"

#include <QObject>
#include <QPointF>

#include <functional>

class DomainMap;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QListWidget;
struct CatalogueTables;

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
    // The window's controls the map reads and writes.
    struct Controls
    {
        QComboBox *countries;
        ui::PickList *domains;
        QComboBox *method;
        QLineEdit *lat1, *lon1, *lat2, *lon2;
        QComboBox *latHemisphere1, *lonHemisphere1, *latHemisphere2, *lonHemisphere2;
        QLineEdit *iStart, *iEnd, *jStart, *jEnd;
        QLineEdit *centreLat, *centreLon, *radius;
        QComboBox *centreLatHemisphere, *centreLonHemisphere;
        QListWidget *tiles;
        QAbstractButton *show;
    };
    // What the window holds besides its controls.
    struct State
    {
        std::function<const CatalogueTables &()> tables;
        std::function<QString()> selectedDomain;
        std::function<QStringList()> domainLimits;
        std::function<int()> selectionMethod;
    };

    // Connect after the window's own handlers: the map follows what they did.
    DomainMapFeed(DomainMap &map, const Controls &controls, const State &state, QObject *parent = nullptr);

    // Reads everything the map shows from the window, the tiles excepted.
    void sync();
    // After a run: the tiles of the list file in `folder` when they are the
    // ones the tile list shows (none when their ranges do not read); a run
    // that failed and left the list as it was leaves the map's tiles too.
    void takeTiles(const QString &folder);

    void writeBox(QPointF startLonLat, QPointF endLonLat);
    void writeIndices(const IndexRange &range);
    void writeCircle(QPointF centreLonLat, double radiusKm);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitDomains();

    DomainMap &m_map;
    Controls m_c;
    State m_state;
};
