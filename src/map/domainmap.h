// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/mapscene.h"
#include "map/mapview.h"
#include "state/coordinatemethod.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <optional>

class QAction;
class QMenu;
class QToolButton;
struct SubdomainShape;

// A live map of the world, the domains of the picked country, the selected
// domain with the sub-domain being entered and the tiles of the last run.
// A left drag draws a new sub-domain in the terms of the active method and
// reports it; the wheel zooms, a right or middle drag pans, a double click
// fits the selected domain (or the country, or the world). It never takes
// the keyboard focus.
class DomainMap : public QWidget
{
    Q_OBJECT

public:
    explicit DomainMap(QWidget *parent = nullptr);

    // The picked country, by the name the catalogue gives it; a name the
    // world outline does not know tints nothing.
    void setCountry(const QString &name);
    void setDomains(const QList<MapDomain> &domains);
    // The domain under the mouse or chosen in a list; empty for none.
    void setEmphasisedDomain(const QString &number);
    void setSelectedDomain(const std::optional<MapDomain> &domain);
    // 1 latitude/longitude box, 2 grid indices, 3 centre and radius: what a
    // left drag draws.
    void setMethod(CoordinateMethod method);
    void setSubdomain(const MapSubdomain &subdomain);
    void setTiles(const QList<TileCells> &tiles);
    // Whether the tiles belong to an earlier request than the one entered.
    void setTilesStale(bool stale);
    // The tiles a preview found for the request being entered; none to clear.
    void setPreviewTiles(const QList<TileCells> &tiles);

    void fitDomain();
    void fitBox(const GeoBox &box);
    void fitCountry();
    void fitWorld();

    const MapScene &scene() const { return m_scene; }
    CoordinateMethod method() const { return m_method; }
    const MapView &view() const { return m_view; }
    void setView(const MapView &view);
    // The widget position of a longitude/latitude, and back.
    QPointF toWidget(QPointF lonLat) const { return m_view.toWidget(lonLat); }
    QPointF toLonLat(QPointF widget) const { return m_view.toLonLat(widget); }
    // The text of the status line under the map.
    QString statusText() const;
    // Whether the sub-domain shown reaches outside the selected domain.
    bool subdomainOutside() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A latitude/longitude box: the corner where the drag began and the one
    // where it ended (x longitude, y latitude, signed, rounded to what a
    // pixel can tell).
    void boxDrawn(QPointF startLonLat, QPointF endLonLat);
    // Whole indices on the selected domain's grid, from <= to.
    void indicesDrawn(const IndexRange &range);
    // A centre (x longitude, y latitude) and a radius in km.
    void circleDrawn(QPointF centreLonLat, double radiusKm);
    // "Fit to domain" was chosen: the sub-domain is to be cut back to the domain.
    void fitToDomainRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    enum class Drag { None, Draw, Pan };

    // The strip under the map: the legend, then the status line.
    int rowHeight() const;
    int legendHeight() const;
    int statusHeight() const;
    void placeFitButton();
    // Brings a sub-domain typed outside the view into it.
    void showSubdomain();
    void syncViewSize();
    void sceneChanged();
    void fitBest();
    // The world drawn for a view a margin larger than the map's, and where
    // its top left corner lies on the map: a pan moves it without drawing.
    QPointF worldLayer();
    const QPixmap &domainLayer();
    QPointF roundedLonLat(QPointF widget) const;
    // What the drag in progress would report, as a sub-domain.
    MapSubdomain dragged() const;
    std::optional<SubdomainShape> shownShape() const;
    QString describe() const;
    void paintStatus(QPainter &painter);

    MapScene m_scene;
    QString m_countryName;
    MapView m_view;
    CoordinateMethod m_method = CoordinateMethod::LatLonBox;

    // Until the user moves the view or a fit is asked for, the world is
    // fitted to the map whatever its size.
    bool m_startView = true;
    QToolButton *m_fitButton = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_fitAction = nullptr;

    Drag m_drag = Drag::None;
    QPointF m_pressAt;
    QPointF m_dragAt;
    std::optional<QPointF> m_cursor;

    // The world as last drawn, for the scale, size and palette it was drawn with.
    QImage m_world;
    MapView m_worldView;
    struct WorldKey
    {
        double scale = 0;
        double aspect = 0;
        QSizeF size;
        qreal ratio = 0;
        qint64 palette = 0;
        int country = -2;
        bool operator==(const WorldKey &) const = default;
    } m_worldKey;

    // The country's domains as last drawn: a country may offer a thousand
    // and more, too many to draw again for every change of a field.
    QPixmap m_domains;
    quint64 m_domainsGeneration = 0;
    struct DomainsKey
    {
        double scale = 0;
        double aspect = 0;
        QPointF centre;
        QSizeF size;
        qreal ratio = 0;
        qint64 palette = 0;
        quint64 generation = 0;
        bool operator==(const DomainsKey &) const = default;
    } m_domainsKey;
};
