// SPDX-License-Identifier: GPL-3.0-or-later
// The window at the limits of the catalogue and of the list file. Every
// figure is printed beside its floor, measured in the same run:
//   start-up: time to the shown window with the limit catalogue minus the
//             same with the sample one, against a bare pass over the file;
//   country pick, domain pick, method switch: the handler and a repaint of
//             the window with the domain map shown, against one frame (16 ms);
//   tile list: list file read and list filled, against 100 ms, with the bare
//             pass over the file beside it.
#include "limitfiles.h"
#include "quietservices.h"

#include "app/frmmain.h"
#include "map/domainmap.h"
#include "run/listfile.h"
#include "ui/picklist.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

constexpr double FrameMs = 16.0;

// The processor time of the program, in milliseconds: on a machine shared
// with other work it counts only what this program does.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Wall and processor time of one piece of work.
struct Spent
{
    double wallMs = 0;
    double cpuMs = 0;
};

template<typename Work>
Spent measure(Work work)
{
    QElapsedTimer timer;
    const double cpuAtStart = cpuMs();
    timer.start();
    work();
    return {msSince(timer), cpuMs() - cpuAtStart};
}

// An application folder holding the given catalogue.
struct AppFolder
{
    explicit AppFolder(const QByteArray &catalogue)
    {
        QFile file(folder.filePath(QStringLiteral("tiles.cfg")));
        ok = file.open(QIODevice::WriteOnly) && file.write(catalogue) == catalogue.size();
    }
    QTemporaryDir folder;
    bool ok = false;
};

// The window at 1280 x 900, its domain map shown.
struct Window
{
    explicit Window(const QString &appFolder)
        : window(std::make_unique<frmMain>(ui::Services{&messages, &pointer, &shell}, appFolder))
    {
        window->resize(1280, 900);
        window->show();
        const DomainMap *map = child<DomainMap>("DomainMap");
        exposed = QTest::qWaitForWindowExposed(window.get()) && map && map->isVisible() && map->width() > 0;
    }
    template<typename T>
    T *child(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    SilentMessages messages;
    StillPointer pointer;
    NoShell shell;
    std::unique_ptr<frmMain> window;
    bool exposed = false;
};

// From creating the window to its being shown (closing it is not counted).
Spent timeToShownWindow(const QString &appFolder, bool &ok)
{
    std::unique_ptr<Window> window;
    const Spent spent = measure([&] { window = std::make_unique<Window>(appFolder); });
    ok = ok && window->exposed && window->messages.shown == 0;
    return spent;
}

// The best of five bare passes over the file, read from the disk cache.
Spent barePass(const QString &path)
{
    Spent best{1e9, 1e9};
    for (int run = 0; run < 5; ++run) {
        const Spent spent = measure([&] {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                benchmark::DoNotOptimize(LimitFiles::barePass(file.readAll()));
        });
        best = {qMin(best.wallMs, spent.wallMs), qMin(best.cpuMs, spent.cpuMs)};
    }
    return best;
}

// Figures and floors in processor time (the best of the runs, which the load
// of other programs disturbs least), the wall time beside them.
void report(benchmark::State &state, const Spent &figure, double floorMs, double targetMs)
{
    state.counters["figure_ms"] = figure.cpuMs;
    state.counters["wall_ms"] = figure.wallMs;
    state.counters["floor_ms"] = floorMs;
    state.counters["ratio"] = floorMs > 0 ? figure.cpuMs / floorMs : 0;
    state.counters["target_ms"] = targetMs;
}

Spent least(const Spent &a, const Spent &b)
{
    return {qMin(a.wallMs, b.wallMs), qMin(a.cpuMs, b.cpuMs)};
}

constexpr Spent Unmeasured{1e9, 1e9};

void BM_StartupOverhead(benchmark::State &state, QByteArray (*make)())
{
    const AppFolder limit(make());
    QFile sample(QStringLiteral(QUORVANTIX_SOURCE_DIR "/data/tiles.cfg"));
    const AppFolder samplesFolder(sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray());
    bool ok = limit.ok && samplesFolder.ok;
    timeToShownWindow(samplesFolder.folder.path(), ok); // the first window pays for fonts and styles
    Spent atLimit = Unmeasured;
    Spent withSample = Unmeasured;
    for (auto _ : state) {
        const Spent l = timeToShownWindow(limit.folder.path(), ok);
        const Spent s = timeToShownWindow(samplesFolder.folder.path(), ok);
        state.SetIterationTime(qMax(0.0, l.wallMs - s.wallMs) / 1e3);
        atLimit = least(atLimit, l);
        withSample = least(withSample, s);
    }
    if (!ok)
        state.SkipWithError("the window did not open on the catalogue");
    const Spent floor = barePass(limit.folder.filePath(QStringLiteral("tiles.cfg")));
    state.counters["limit_ms"] = atLimit.cpuMs;
    state.counters["sample_ms"] = withSample.cpuMs;
    state.counters["bare_pass_ms"] = floor.cpuMs;
    report(state, {atLimit.wallMs - withSample.wallMs, atLimit.cpuMs - withSample.cpuMs}, floor.cpuMs, 2 * floor.cpuMs);
}
BENCHMARK_CAPTURE(BM_StartupOverhead, limit_catalogue, [] { return LimitFiles::catalogue(); })
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(7);
BENCHMARK_CAPTURE(BM_StartupOverhead, many_countries, [] { return LimitFiles::manyCountriesCatalogue(); })
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The window on the limit catalogue, shared by the picks; main() closes it
// while the application still exists.
std::unique_ptr<Window> sharedLimitWindow;

Window &limitWindow()
{
    static const AppFolder folder(LimitFiles::catalogue());
    if (!sharedLimitWindow)
        sharedLimitWindow = std::make_unique<Window>(folder.folder.path());
    return *sharedLimitWindow;
}

// The country offering the most entries.
int busiestCountry(Window &w)
{
    auto *countries = w.child<QComboBox>("CountriesListBox");
    auto *domains = w.child<QListWidget>("DomainsAvailableBox");
    int busiest = 0;
    int most = -1;
    for (int k = 0; k < countries->count(); ++k) {
        countries->setCurrentIndex(k);
        emit countries->activated(k);
        if (domains->count() > most) {
            most = domains->count();
            busiest = k;
        }
    }
    return busiest;
}

void BM_CountryPick(benchmark::State &state)
{
    Window &w = limitWindow();
    auto *countries = w.child<QComboBox>("CountriesListBox");
    auto *domains = w.child<QListWidget>("DomainsAvailableBox");
    const int busiest = busiestCountry(w);
    if (!w.exposed)
        state.SkipWithError("the window and its map are not shown");
    Spent best = Unmeasured;
    for (auto _ : state) {
        const Spent spent = measure([&] {
            countries->setCurrentIndex(busiest);
            emit countries->activated(busiest);
            w.window->repaint();
        });
        state.SetIterationTime(spent.wallMs / 1e3);
        best = least(best, spent);
    }
    state.counters["entries"] = domains->count();
    state.counters["map_domains"] = double(w.child<DomainMap>("DomainMap")->scene().domains.size());
    report(state, best, FrameMs, FrameMs);
}
BENCHMARK(BM_CountryPick)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_DomainPick(benchmark::State &state)
{
    Window &w = limitWindow();
    auto *countries = w.child<QComboBox>("CountriesListBox");
    auto *domains = w.child<ui::PickList>("DomainsAvailableBox");
    const int busiest = busiestCountry(w);
    countries->setCurrentIndex(busiest);
    emit countries->activated(busiest);
    if (!w.exposed)
        state.SkipWithError("the window and its map are not shown");
    Spent best = Unmeasured;
    int row = 0;
    for (auto _ : state) {
        row = (row + 997) % domains->count();
        const Spent spent = measure([&] {
            domains->setCurrentRow(row);
            w.window->repaint();
        });
        state.SetIterationTime(spent.wallMs / 1e3);
        best = least(best, spent);
    }
    report(state, best, FrameMs, FrameMs);
}
BENCHMARK(BM_DomainPick)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_MethodSwitch(benchmark::State &state)
{
    Window &w = limitWindow();
    auto *choice = w.child<QComboBox>("cboChoice1");
    Spent best = Unmeasured;
    int method = 0;
    for (auto _ : state) {
        method = (method + 1) % choice->count();
        const Spent spent = measure([&] {
            choice->setCurrentIndex(method);
            emit choice->activated(method);
            w.window->repaint();
        });
        state.SetIterationTime(spent.wallMs / 1e3);
        best = least(best, spent);
    }
    report(state, best, FrameMs, FrameMs);
}
BENCHMARK(BM_MethodSwitch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

// From the list file to the filled list, the way a run shows its tiles.
void BM_TileList(benchmark::State &state)
{
    Window &w = limitWindow();
    auto *tiles = w.child<QListWidget>("TilesListBox");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("quorvantix.lst"));
    const QByteArray bytes = LimitFiles::listFile(int(state.range(0)));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the list file");
        return;
    }
    out.close();
    Spent best = Unmeasured;
    for (auto _ : state) {
        const Spent spent = measure([&] {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const ListFileContent content = ReadListFile(file.readAll());
            QStringList items;
            items.reserve(content.rows.size());
            for (const QString &tile : content.TileNumbers())
                items << TileListItem(tile);
            tiles->clear();
            tiles->addItems(items);
            w.window->repaint();
        });
        state.SetIterationTime(spent.wallMs / 1e3);
        best = least(best, spent);
        if (tiles->count() != state.range(0))
            state.SkipWithError("not every tile was listed");
    }
    state.counters["bare_pass_ms"] = barePass(path).cpuMs;
    report(state, best, 100.0, 100.0);
}
BENCHMARK(BM_TileList)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedLimitWindow.reset();
    return 0;
}
