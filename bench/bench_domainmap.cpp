// SPDX-License-Identifier: GPL-3.0-or-later
// One repaint of the domain map at 1280 x 900: the world, a picked country, a
// domain with a box and 100 tiles. The floor is a fill of an image of the
// same size, measured in the same run.
#include "map/domainmap.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

const QSize Size(1280, 900);

// A 200 x 200 grid over Europe: 10 x 10 tiles of 20 x 20 cells.
std::unique_ptr<DomainMap> europeMap()
{
    auto map = std::make_unique<DomainMap>();
    map->resize(Size);
    const std::optional<DomainGrid> grid = DomainGrid::fromLimits(
        {"1", "1", "200", "200", "0", "0", "-30", "50", "25", "72"});
    const MapDomain domain{QStringLiteral("1"), *grid};
    map->setCountry(QStringLiteral("France"));
    map->setDomains({domain});
    map->setSelectedDomain(domain);
    map->setSubdomain({MapSubdomain::Kind::Box, QPointF(-5, 52), QPointF(12, 40), 0});
    QList<TileCells> tiles;
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const IndexRange cells{1 + 20 * column, 20 + 20 * column, 1 + 20 * row, 20 + 20 * row};
            tiles << TileCells{QString::number(row * 10 + column + 1),
                               cells,
                               {cells.iFrom + 5, cells.iTo, cells.jFrom, cells.jTo - 5}};
        }
    }
    map->setTiles(tiles);
    map->fitDomain();
    return map;
}

void BM_ImageFill(benchmark::State &state)
{
    QImage image(Size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ImageFill)->Unit(benchmark::kMillisecond);

// The view is unchanged: the world layer drawn before is reused.
void BM_MapRepaint(benchmark::State &state)
{
    const std::unique_ptr<DomainMap> map = europeMap();
    QImage image(Size, QImage::Format_ARGB32_Premultiplied);
    map->render(&image);
    for (auto _ : state) {
        map->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_MapRepaint)->Unit(benchmark::kMillisecond);

// Every repaint follows a pan, as while dragging: the world drawn before moves.
void BM_MapRepaintAfterPan(benchmark::State &state)
{
    const std::unique_ptr<DomainMap> map = europeMap();
    QImage image(Size, QImage::Format_ARGB32_Premultiplied);
    MapView view = map->view();
    double step = 1;
    for (auto _ : state) {
        view.panBy(QPointF(step, 0));
        step = -step;
        map->setView(view);
        map->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_MapRepaintAfterPan)->Unit(benchmark::kMillisecond);

// Every repaint follows a small zoom: the world is drawn afresh.
void BM_MapRepaintAfterZoom(benchmark::State &state)
{
    const std::unique_ptr<DomainMap> map = europeMap();
    if (state.range(0))
        map->fitWorld();
    QImage image(Size, QImage::Format_ARGB32_Premultiplied);
    MapView view = map->view();
    double factor = 1.01;
    for (auto _ : state) {
        view.zoomAbout(QPointF(640, 450), factor);
        factor = 1 / factor;
        map->setView(view);
        map->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
// 0: the domain over Europe fitted; 1: the whole world.
BENCHMARK(BM_MapRepaintAfterZoom)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
