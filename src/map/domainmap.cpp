// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domainmap.h"

#include "common/numbertext.h"
#include "map/dragrounding.h"
#include "map/greatcircle.h"
#include "map/mappainter.h"
#include "map/previewcells.h"
#include "map/subdomainfit.h"
#include "map/subdomainshape.h"
#include "map/worldoutline.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

const GeoBox World{-180, 180, -60, 84};

QString latText(double lat)
{
    return QString::number(std::abs(lat), 'f', 3) + QChar(0x00B0) + (lat < 0 ? u'S' : u'N');
}

QString lonText(double lon)
{
    const double x = Longitude::normalized(lon);
    return QString::number(std::abs(x), 'f', 3) + QChar(0x00B0) + (x < 0 ? u'W' : u'E');
}

// Degrees in words for the accessible description: "5.25 degrees W".
QString degreeWords(double value, char positive, char negative)
{
    return NumberText::plain(std::round(std::abs(value) * 1e4) / 1e4) + DomainMap::tr(" degrees ")
           + QLatin1Char(value < 0 ? negative : positive);
}

QString boxText(const GeoBox &box)
{
    return DomainMap::tr("latitude %1 to %2, longitude %3 to %4")
        .arg(degreeWords(box.south, 'N', 'S'), degreeWords(box.north, 'N', 'S'),
             degreeWords(Longitude::normalized(box.west), 'E', 'W'),
             degreeWords(Longitude::normalized(box.east), 'E', 'W'));
}

} // namespace

DomainMap::DomainMap(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Domain map"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    m_fitButton = new QToolButton(this);
    m_fitButton->setObjectName(QStringLiteral("FitToDomainButton"));
    m_fitButton->setText(tr("Fit to domain"));
    m_fitButton->setToolTip(tr("Cut the sub-domain back to the selected domain"));
    m_fitButton->setFocusPolicy(Qt::NoFocus);
    m_fitButton->setAutoRaise(true);
    m_fitButton->hide();
    connect(m_fitButton, &QToolButton::clicked, this, &DomainMap::fitToDomainRequested);
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("DomainMapMenu"));
    m_fitAction = m_menu->addAction(tr("Fit to domain"), this, &DomainMap::fitToDomainRequested);
    m_fitAction->setObjectName(QStringLiteral("FitToDomainAction"));
    m_menu->addAction(tr("Show the whole domain"), this, &DomainMap::fitBest);
    syncViewSize();
    m_view.fit(World);
    sceneChanged();
}

void DomainMap::setCountry(const QString &name)
{
    if (name == m_countryName)
        return;
    m_countryName = name;
    m_scene.country = WorldOutline::builtIn().indexOf(name);
    sceneChanged();
}

void DomainMap::setDomains(const QList<MapDomain> &domains)
{
    m_scene.domains = domains;
    ++m_domainsGeneration;
    sceneChanged();
}

void DomainMap::setEmphasisedDomain(const QString &number)
{
    if (m_scene.emphasised == number)
        return;
    m_scene.emphasised = number;
    ++m_domainsGeneration;
    sceneChanged();
}

void DomainMap::setSelectedDomain(const std::optional<MapDomain> &domain)
{
    m_scene.selected = domain;
    ++m_domainsGeneration;
    sceneChanged();
}

void DomainMap::setMethod(CoordinateMethod method)
{
    m_method = method;
}

void DomainMap::setSubdomain(const MapSubdomain &subdomain)
{
    m_scene.subdomain = subdomain;
    if (m_drag != Drag::Draw)
        showSubdomain();
    sceneChanged();
}

void DomainMap::showSubdomain()
{
    const std::optional<SubdomainShape> shape = SubdomainShape::of(m_scene.subdomain, m_scene.selected);
    if (!shape)
        return;
    syncViewSize();
    const GeoBox visible = m_view.visible();
    const GeoBox &box = shape->box;
    for (double shift : {-360.0, 0.0, 360.0}) {
        if (box.west + shift <= visible.east && box.east + shift >= visible.west && box.south <= visible.north
            && box.north >= visible.south)
            return;
    }
    // With the domain when there is one, to see where it lies against it.
    GeoBox all = box;
    if (m_scene.selected) {
        const GeoBox &domain = m_scene.selected->grid.box();
        const double shift = Longitude::near(box.centre().x(), domain.centre().x()) - box.centre().x();
        all = GeoBox{std::min(domain.west, box.west + shift), std::max(domain.east, box.east + shift),
                     std::min(domain.south, box.south), std::max(domain.north, box.north)};
    }
    fitBox(all);
}

void DomainMap::setTiles(const QList<TileCells> &tiles)
{
    m_scene.tiles = tiles;
    m_scene.tilesStale = false;
    sceneChanged();
}

void DomainMap::setTilesStale(bool stale)
{
    if (m_scene.tilesStale == stale)
        return;
    m_scene.tilesStale = stale;
    sceneChanged();
}

void DomainMap::setPreviewTiles(const QList<TileCells> &tiles)
{
    if (m_scene.preview == tiles)
        return;
    m_scene.preview = tiles;
    update();
}

void DomainMap::fitDomain()
{
    if (!m_scene.selected)
        return;
    m_startView = false;
    syncViewSize();
    m_view.fit(m_scene.selected->grid.box(), 24);
    update();
}

void DomainMap::fitBox(const GeoBox &box)
{
    m_startView = false;
    syncViewSize();
    m_view.fit(box, 24);
    update();
}

void DomainMap::fitCountry()
{
    const QList<WorldOutline::Country> &countries = WorldOutline::builtIn().countries();
    if (m_scene.country < 0 || m_scene.country >= countries.size())
        return;
    const QRectF bounds = countries.at(m_scene.country).bounds;
    m_startView = false;
    syncViewSize();
    m_view.fit(GeoBox{bounds.left(), bounds.right(), bounds.top(), bounds.bottom()}, 24);
    update();
}

void DomainMap::fitWorld()
{
    syncViewSize();
    m_view.fit(World, 4);
    update();
}

void DomainMap::setView(const MapView &view)
{
    m_startView = false;
    m_view = view;
    syncViewSize();
    update();
}

void DomainMap::fitBest()
{
    if (m_scene.selected)
        fitDomain();
    else if (m_scene.country >= 0)
        fitCountry();
    else
        fitWorld();
}

QSize DomainMap::sizeHint() const
{
    return {400, 420};
}

QSize DomainMap::minimumSizeHint() const
{
    return {260, 200};
}

int DomainMap::rowHeight() const
{
    return fontMetrics().height() + 6;
}

int DomainMap::legendHeight() const
{
    return MapPainter::legendRows(QFontMetricsF(font()), width(), rowHeight()) * rowHeight();
}

int DomainMap::statusHeight() const
{
    return legendHeight() + rowHeight();
}

void DomainMap::syncViewSize()
{
    // A widget not shown yet gets its resize event late: take the size as it is.
    m_view.setSize(QSizeF(width(), std::max(height() - statusHeight(), 1)));
}

void DomainMap::sceneChanged()
{
    setAccessibleDescription(describe());
    placeFitButton();
    update();
}

bool DomainMap::subdomainOutside() const
{
    const std::optional<SubdomainShape> shape = SubdomainShape::of(m_scene.subdomain, m_scene.selected);
    return shape && shape->outside;
}

void DomainMap::placeFitButton()
{
    const bool outside = subdomainOutside();
    m_fitAction->setEnabled(outside);
    m_fitButton->setVisible(outside);
    if (!outside)
        return;
    const QSize size(m_fitButton->sizeHint().width(), std::min(m_fitButton->sizeHint().height(), rowHeight()));
    m_fitButton->setGeometry(
        QRect(QPoint(width() - size.width() - 2, height() - rowHeight() / 2 - size.height() / 2), size));
}

QString DomainMap::describe() const
{
    QStringList parts;
    if (m_scene.selected) {
        parts << tr("Domain %1, %2%3.")
                     .arg(m_scene.selected->number, boxText(m_scene.selected->grid.box()),
                          m_scene.selected->grid.box().crossesAntimeridian() ? tr(", crossing 180 degrees")
                                                                             : QString());
    } else {
        parts << tr("No domain selected.");
    }
    if (!m_scene.domains.isEmpty())
        parts << (m_scene.domains.size() == 1 ? tr("1 domain of the country outlined.")
                                              : tr("%1 domains of the country outlined.").arg(m_scene.domains.size()));
    if (const std::optional<SubdomainShape> shape = SubdomainShape::of(m_scene.subdomain, m_scene.selected)) {
        parts << tr("Sub-domain %1, %2%3.")
                     .arg(m_scene.subdomain.kind == MapSubdomain::Kind::Circle ? tr("circle") : tr("box"),
                          boxText(shape->box) + QStringLiteral(", ") + shape->size,
                          shape->outside ? tr(", reaching outside the domain") : QString());
    }
    const qsizetype tiles = m_scene.selected ? m_scene.tiles.size() : 0;
    parts << (tiles == 1 ? tr("1 tile drawn.") : tr("%1 tiles drawn.").arg(tiles));
    if (tiles > 0 && m_scene.tilesStale)
        parts << tr("They are from an earlier request.");
    return parts.join(u' ');
}

QString DomainMap::statusText() const
{
    QStringList parts;
    // What reaches outside the domain comes first: it is what to act on.
    const std::optional<SubdomainShape> shape = shownShape();
    if (shape && shape->outside && m_scene.selected) {
        const MapSubdomain shown = m_drag == Drag::Draw ? dragged() : m_scene.subdomain;
        parts << (shown.kind == MapSubdomain::Kind::Indices
                      ? SubdomainFit::outsideText(
                          IndexRange{int(std::min(shown.a.x(), shown.b.x())), int(std::max(shown.a.x(), shown.b.x())),
                                     int(std::min(shown.a.y(), shown.b.y())), int(std::max(shown.a.y(), shown.b.y()))},
                          m_scene.selected->grid)
                      : SubdomainFit::outsideText(shape->box, m_scene.selected->grid.box()));
    }
    if (m_cursor) {
        const QPointF at = m_view.toLonLat(*m_cursor);
        if (at.y() >= -90 && at.y() <= 90) {
            QString where = latText(at.y()) + QStringLiteral("  ") + lonText(at.x());
            if (m_scene.selected && m_scene.selected->grid.box().contains(at.x(), at.y())) {
                const DomainGrid &grid = m_scene.selected->grid;
                where += tr("  I %1 J %2").arg(grid.wholeI(grid.iOf(at.x()))).arg(grid.wholeJ(grid.jOf(at.y())));
            }
            parts << where;
        }
    }
    if (shape)
        parts << shape->size;
    return parts.join(QStringLiteral("   |   "));
}

QPointF DomainMap::roundedLonLat(QPointF widget) const
{
    const QPointF at = m_view.toLonLat(widget);
    const double lonStep = DragRounding::degreeStep(m_view.pixelsPerDegree() * m_view.aspect());
    const double latStep = DragRounding::degreeStep(m_view.pixelsPerDegree());
    return {DragRounding::roundTo(Longitude::normalized(at.x()), lonStep),
            DragRounding::roundTo(std::clamp(at.y(), -90.0, 90.0), latStep)};
}

MapSubdomain DomainMap::dragged() const
{
    MapSubdomain out;
    const QPointF start = roundedLonLat(m_pressAt);
    const QPointF end = roundedLonLat(m_dragAt);
    switch (m_method) {
    case CoordinateMethod::LatLonBox:
        out.kind = MapSubdomain::Kind::Box;
        out.a = start;
        out.b = end;
        break;
    case CoordinateMethod::Indices: {
        if (!m_scene.selected)
            break;
        const DomainGrid &grid = m_scene.selected->grid;
        const QPointF from = m_view.toLonLat(m_pressAt);
        const QPointF to = m_view.toLonLat(m_dragAt);
        const int i1 = grid.wholeI(grid.iOf(from.x()));
        const int i2 = grid.wholeI(grid.iOf(to.x()));
        const int j1 = grid.wholeJ(grid.jOf(from.y()));
        const int j2 = grid.wholeJ(grid.jOf(to.y()));
        out.kind = MapSubdomain::Kind::Indices;
        out.a = QPointF(std::min(i1, i2), std::min(j1, j2));
        out.b = QPointF(std::max(i1, i2), std::max(j1, j2));
        break;
    }
    case CoordinateMethod::CentreRadius:
        out.kind = MapSubdomain::Kind::Circle;
        out.a = start;
        out.radiusKm = DragRounding::radiusKm(GreatCircle::distanceKm(start, m_view.toLonLat(m_dragAt)));
        break;
    case CoordinateMethod::None:
        break;
    }
    return out;
}

std::optional<SubdomainShape> DomainMap::shownShape() const
{
    return SubdomainShape::of(m_drag == Drag::Draw ? dragged() : m_scene.subdomain, m_scene.selected);
}

QPointF DomainMap::worldLayer()
{
    // Enough for a pan of a good stretch before the world is drawn again.
    constexpr double PanMargin = 256;
    const qreal ratio = devicePixelRatioF();
    const WorldKey key{m_view.pixelsPerDegree(), m_view.aspect(), m_view.size(), ratio,
                       palette().cacheKey(),     m_scene.country};
    const QSizeF layer = m_worldView.size();
    const QPointF offset = m_view.toWidget(m_worldView.centre()) - QPointF(layer.width() / 2, layer.height() / 2);
    // Reused only when it covers the map and lands on whole device pixels.
    const QPointF device = offset * ratio;
    const bool covers = offset.x() <= 0 && offset.y() <= 0 && offset.x() + layer.width() >= m_view.size().width()
                        && offset.y() + layer.height() >= m_view.size().height();
    const bool whole = std::abs(device.x() - std::round(device.x())) < 1e-3
                       && std::abs(device.y() - std::round(device.y())) < 1e-3;
    if (key == m_worldKey && !m_world.isNull() && covers && whole)
        return QPointF(std::round(device.x()), std::round(device.y())) / ratio;

    // A new scale draws just the map, so zooming stays quick; a pan past the
    // layer's edge draws it with a margin, so the pans after it are quick.
    const double margin = key == m_worldKey && !m_world.isNull() ? PanMargin : 0.0;
    m_worldKey = key;
    m_worldView = MapView(m_view.size() + QSizeF(2 * margin, 2 * margin), m_view.centre(), m_view.pixelsPerDegree(),
                          m_view.aspect());
    const QSize pixels = (m_worldView.size() * ratio).toSize().expandedTo(QSize(1, 1));
    if (m_world.size() != pixels)
        m_world = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_world.setDevicePixelRatio(ratio);
    const MapColours colours(palette());
    {
        QPainter painter(&m_world);
        painter.setRenderHint(QPainter::Antialiasing);
        MapPainter layers(painter, m_worldView, colours);
        layers.paintWorld(WorldOutline::builtIn(), m_scene.country);
    }
    MapPainter::paintGraticule(m_world, m_worldView, colours.graticule);
    return {-margin, -margin};
}

const QPixmap &DomainMap::domainLayer()
{
    const qreal ratio = devicePixelRatioF();
    const DomainsKey key{m_view.pixelsPerDegree(), m_view.aspect(),    m_view.centre(), m_view.size(), ratio,
                         palette().cacheKey(),     m_domainsGeneration};
    if (key == m_domainsKey && !m_domains.isNull())
        return m_domains;
    m_domainsKey = key;
    const QSize pixels = (m_view.size() * ratio).toSize().expandedTo(QSize(1, 1));
    if (m_domains.size() != pixels)
        m_domains = QPixmap(pixels);
    m_domains.setDevicePixelRatio(ratio);
    m_domains.fill(Qt::transparent);
    QPainter painter(&m_domains);
    painter.setRenderHint(QPainter::Antialiasing);
    const MapColours colours(palette());
    MapPainter(painter, m_view, colours).paintDomains(m_scene);
    return m_domains;
}

void DomainMap::paintEvent(QPaintEvent *)
{
    syncViewSize();
    QPainter painter(this);
    painter.drawImage(worldLayer(), m_world);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(QRectF(QPointF(0, 0), m_view.size()));
    const MapColours colours(palette());
    MapPainter layers(painter, m_view, colours);
    layers.paintGraticuleLabels();
    // Laying a whole layer over the map costs more than drawing a few
    // domains; many are drawn once and kept while they and the view stay.
    constexpr int KeptFromDomains = 64;
    if (m_scene.domains.size() >= KeptFromDomains)
        painter.drawPixmap(QPointF(0, 0), domainLayer());
    else
        layers.paintDomains(m_scene);
    layers.paintTiles(m_scene);
    PreviewCells::paint(painter, m_view, m_scene, colours.preview);
    if (const std::optional<SubdomainShape> shape = shownShape())
        layers.paintSubdomain(*shape, m_drag == Drag::Draw);
    layers.paintTileNumbers(m_scene);
    painter.setClipping(false);
    const QRectF legend(0, m_view.size().height(), width(), legendHeight());
    painter.fillRect(legend, palette().color(QPalette::Window));
    layers.paintLegend(legend, rowHeight(), m_scene,
                       m_scene.selected ? tr("I/J: linear over the domain's limits, as in the engine") : QString());
    paintStatus(painter);
}

void DomainMap::paintStatus(QPainter &painter)
{
    const QRectF strip(0, m_view.size().height() + legendHeight(), width(), rowHeight());
    painter.fillRect(strip, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    const double button = m_fitButton->isVisible() ? m_fitButton->width() + 4 : 0;
    const QRectF text = strip.adjusted(6, 0, -6 - button, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(statusText(), Qt::ElideRight, int(text.width())));
}

void DomainMap::resizeEvent(QResizeEvent *)
{
    syncViewSize();
    if (m_startView)
        fitWorld();
    placeFitButton();
}

void DomainMap::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

void DomainMap::wheelEvent(QWheelEvent *event)
{
    syncViewSize();
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0)
        return;
    m_view.zoomAbout(event->position(), std::pow(1.25, steps));
    m_startView = false;
    m_cursor = event->position();
    update();
    event->accept();
}

void DomainMap::mousePressEvent(QMouseEvent *event)
{
    syncViewSize();
    m_cursor = event->position();
    if (event->button() == Qt::LeftButton && (m_method != CoordinateMethod::Indices || m_scene.selected)) {
        m_drag = Drag::Draw;
    } else if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
        m_drag = Drag::Pan;
    } else {
        return;
    }
    m_pressAt = event->position();
    m_dragAt = event->position();
    update();
}

void DomainMap::mouseMoveEvent(QMouseEvent *event)
{
    m_cursor = event->position();
    if (m_drag == Drag::Pan) {
        m_view.panBy(event->position() - m_dragAt);
        m_startView = false;
    }
    m_dragAt = event->position();
    update();
}

void DomainMap::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_drag == Drag::None)
        return;
    const Drag drag = std::exchange(m_drag, Drag::None);
    m_dragAt = event->position();
    update();
    // A click is not a drag; a right click opens the menu.
    const bool click = (m_dragAt - m_pressAt).manhattanLength() < 4;
    if (drag == Drag::Pan && click && event->button() == Qt::RightButton)
        m_menu->popup(event->globalPosition().toPoint());
    if (drag != Drag::Draw || click)
        return;
    const MapSubdomain drawn = dragged();
    switch (drawn.kind) {
    case MapSubdomain::Kind::Box:
        emit boxDrawn(drawn.a, drawn.b);
        break;
    case MapSubdomain::Kind::Indices:
        emit indicesDrawn(IndexRange{int(drawn.a.x()), int(drawn.b.x()), int(drawn.a.y()), int(drawn.b.y())});
        break;
    case MapSubdomain::Kind::Circle:
        if (drawn.radiusKm > 0)
            emit circleDrawn(drawn.a, drawn.radiusKm);
        break;
    case MapSubdomain::Kind::None:
        break;
    }
}

void DomainMap::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        fitBest();
}

void DomainMap::leaveEvent(QEvent *)
{
    m_cursor.reset();
    update();
}
