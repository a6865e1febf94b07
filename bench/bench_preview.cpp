// SPDX-License-Identifier: GPL-3.0-or-later
// The live tile count with the stand-in engine on the sample catalogue:
//   count shown: from the last keystroke to the count in the label, minus
//                the debounce (TilePreview::DebounceMs), against 150 ms;
//   keystroke:   the longest time a keystroke takes, the window repainted,
//                while previews run, against one frame (16 ms).
#include "quietservices.h"

#include "app/frmmain.h"
#include "app/tilepreview.h"
#include "ui/picklist.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

constexpr double FrameMs = 16.0;
constexpr double CountTargetMs = 150.0;

// The window on the sample catalogue with the stand-in engine, France's
// domain 7 of 2001 picked and the indices method chosen.
struct Window
{
    Window()
    {
        QFile::copy(QStringLiteral(QUORVANTIX_SOURCE_DIR "/data/tiles.cfg"), app.filePath("tiles.cfg"));
        QFile::copy(QStringLiteral(QUORVANTIX_APP_DIR "/Quorvantix.exe"), app.filePath("Quorvantix.exe"));
        QDir::setCurrent(work.path());
        window = std::make_unique<frmMain>(ui::Services{&messages, &pointer, &shell}, app.path());
        window->show();
        exposed = QTest::qWaitForWindowExposed(window.get());
        auto *countries = window->findChild<QComboBox *>(QStringLiteral("CountriesListBox"));
        countries->setCurrentIndex(countries->findText(QStringLiteral("France")));
        emit countries->activated(countries->currentIndex());
        auto *domains = window->findChild<ui::PickList *>(QStringLiteral("DomainsAvailableBox"));
        const QList<QListWidgetItem *> found = domains->findItems(QStringLiteral("Domain 7,*2001"), Qt::MatchWildcard);
        domains->setCurrentItem(found.value(0));
        emit domains->picked(domains->currentRow());
        auto *method = window->findChild<QComboBox *>(QStringLiteral("cboChoice1"));
        method->setCurrentIndex(1);
        emit method->activated(1);
        for (const char *name : {"TextIndexiStart", "TextIndexiEnd", "TextIndexjStart", "TextIndexjEnd"})
            field(name)->setText(QString::fromLatin1(name).contains(u'S') ? QStringLiteral("10")
                                                                          : QStringLiteral("40"));
        label = window->findChild<QLabel *>(QStringLiteral("TilesPreviewLabel"));
        QCoreApplication::processEvents();
    }
    QLineEdit *field(const char *name) const { return window->findChild<QLineEdit *>(QLatin1String(name)); }

    // A keystroke into the field, with the repaint it causes; its time in ms.
    double keystroke(QLineEdit *into, Qt::Key key) const
    {
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(into, key);
        window->repaint();
        return msSince(clock);
    }

    QTemporaryDir app;
    QTemporaryDir work;
    SilentMessages messages;
    StillPointer pointer;
    NoShell shell;
    std::unique_ptr<frmMain> window;
    QLabel *label = nullptr;
    bool exposed = false;
};

std::unique_ptr<Window> shown;

// Turns the last index between 40 and 60 by two keystrokes and waits for the
// count of the new request: 4 tiles and 6 tiles take turns.
void BM_CountShown(benchmark::State &state)
{
    QLineEdit *into = shown->field("TextIndexiEnd");
    bool sixty = false;
    double worst = 0;
    for (auto _ : state) {
        sixty = !sixty;
        const QString expected = sixty ? QStringLiteral("6 tiles") : QStringLiteral("4 tiles");
        QTest::keyClick(into, Qt::Key_Backspace);
        QTest::keyClick(into, Qt::Key_Backspace);
        QTest::keyClick(into, sixty ? Qt::Key_6 : Qt::Key_4);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(into, Qt::Key_0);
        while (shown->label->text() != expected && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        if (!shown->exposed || shown->label->text() != expected) {
            state.SkipWithError("the count did not show");
            break;
        }
        const double beyond = msSince(clock) - TilePreview::DebounceMs;
        worst = std::max(worst, beyond);
        state.SetIterationTime(beyond / 1e3);
    }
    state.counters["worst_ms"] = worst;
    state.counters["target_ms"] = CountTargetMs;
}

// Keystrokes 100 ms apart while the engine of a preview runs (made slow, so
// each lands on a running preview and ends it).
void BM_KeystrokeWhilePreviewing(benchmark::State &state)
{
    qputenv("QUORVANTIX_ENGINE_TEST_DELAY_MS", "400");
    QLineEdit *into = shown->field("TextIndexjEnd");
    double longest = 0;
    bool grow = true;
    for (auto _ : state) {
        QTest::qWait(TilePreview::DebounceMs + 30);
        const double ms = shown->keystroke(into, grow ? Qt::Key_1 : Qt::Key_Backspace);
        grow = !grow;
        longest = std::max(longest, ms);
        state.SetIterationTime(ms / 1e3);
    }
    qunsetenv("QUORVANTIX_ENGINE_TEST_DELAY_MS");
    state.counters["longest_ms"] = longest;
    state.counters["frame_ms"] = FrameMs;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    shown = std::make_unique<Window>();
    benchmark::RegisterBenchmark("preview/count_shown_beyond_debounce", BM_CountShown)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(30);
    benchmark::RegisterBenchmark("preview/keystroke_while_previewing", BM_KeystrokeWhilePreviewing)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(30);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shown.reset();
    return 0;
}
