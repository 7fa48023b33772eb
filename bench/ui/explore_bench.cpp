// SPDX-License-Identifier: GPL-3.0-or-later
// Explore's response to its inputs: from a new β, Pr or U to the repainted window, with the Pr family behind it.
#include "ui/classic/form_main.h"
#include "ui/explore/form_explore.h"
#include "ui/explore/profile_table_model.h"
#include "ui/explore/shooting_tab.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include <time.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The window as a student has it: Explore open after the default Calculate. Made in
// main(), since it must go before the application does.
Form_Main* g_window = nullptr;

Form_Explore& explore()
{
    Form_Explore* e = g_window->exploreWindow();
    if (!e) {
        g_window->show();
        g_window->Command1_Click();
        g_window->Mn_Explore_Click();
        e = g_window->exploreWindow();
        while (e->isBusy()) QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return *e;
}

// Sets each value in turn and repaints the whole window; reports the median and the
// 90th percentile of one change, since the target is on the median.
void changeAndRepaint(benchmark::State& state, const char* box, const std::vector<double>& values, int tab)
{
    Form_Explore& e = explore();
    e.findChild<QTabWidget*>(QStringLiteral("Tabs_Explore"))->setCurrentIndex(tab);
    auto* spin = e.findChild<QDoubleSpinBox*>(QLatin1String(box));
    QApplication::processEvents();
    // The whole change; until setValue returned (solve, table, chart data); until the
    // posted layout events were handled.
    std::vector<double> ms, setMs, eventMs;
    std::size_t i = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        spin->setValue(values[i++ % values.size()]);
        setMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        QApplication::processEvents(); // the charts lay themselves out in posted events
        eventMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        e.repaint();
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p90_ms"] = ms[ms.size() * 9 / 10];
    std::sort(setMs.begin(), setMs.end());
    std::sort(eventMs.begin(), eventMs.end());
    state.counters["set_ms"] = setMs[setMs.size() / 2];
    state.counters["events_ms"] = eventMs[eventMs.size() / 2];
    // Leave no family running into the next benchmark.
    while (e.isBusy()) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void BM_BetaChangeToRepaint_Solution(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_Beta", {0.0, 0.25, 0.5, 1.0, 2.0, -0.1, -0.19, 0.1}, 0);
}
BENCHMARK(BM_BetaChangeToRepaint_Solution)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_PrChangeToRepaint_Solution(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_Pr", {0.7, 7.0, 0.01, 100.0, 1.0, 0.001, 1000.0}, 0);
}
BENCHMARK(BM_PrChangeToRepaint_Solution)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_BetaChangeToRepaint_Separation(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_Beta", {0.0, 0.25, 0.5, 1.0, 2.0, -0.1, -0.19, 0.1}, 2);
}
BENCHMARK(BM_BetaChangeToRepaint_Separation)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_PrChangeToRepaint_HeatTransfer(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_Pr", {0.7, 7.0, 0.01, 100.0, 1.0, 0.001, 1000.0}, 3);
}
BENCHMARK(BM_PrChangeToRepaint_HeatTransfer)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_UChangeToRepaint_Wedge(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_U", {10.0, 2.0, 35.0, 0.5, 100.0, 7.0}, 4);
}
BENCHMARK(BM_UChangeToRepaint_Wedge)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_BetaChangeToRepaint_Wedge(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_Beta", {0.0, 0.25, 0.5, 1.0, 1.9, -0.1, -0.19, 0.1}, 4);
}
BENCHMARK(BM_BetaChangeToRepaint_Wedge)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

// A table of 10,001 rows (step 0.001 to eta = 10): filled, then copied as text.
void BM_ProfileTableOfTenThousandRows(benchmark::State& state)
{
    Form_Explore& e = explore();
    e.findChild<QTabWidget*>(QStringLiteral("Tabs_Explore"))->setCurrentIndex(0);
    auto* model = e.findChild<ProfileTableModel*>();
    const auto solution = cuneola::analysis::solveSimilarity(0.0, cuneola::analysis::Branch::Attached, 0.7);
    std::size_t copied = 0;
    for (auto _ : state) {
        model->setProfiles(*solution, 0.001, 10.0);
        copied += static_cast<std::size_t>(model->copyText().size());
    }
    benchmark::DoNotOptimize(copied);
}
BENCHMARK(BM_ProfileTableOfTenThousandRows)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
// The window's thread's own processor time, in ms: unlike the clock on the wall, it does
// not count the time the thread waited for a processor on a busy machine.
double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double residentMegabytes()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

// A main-window search of 100,000 trials (short marches to η max = 0.5 that creep up in
// steps of 1e-6 and run out of rounds), shown again on the visible Shooting tab: from showSearch
// until the map is drawn and painted. stall_ms is the longest the window's thread went
// without returning to its event loop (a 5 ms heartbeat's longest gap, and the final
// repaint), stall_cpu_ms the same in the thread's own processor time; rss_growth_MB the resident memory the process
// gained over all rounds, the first showing of the window with the search included.
void BM_LongSearchToShootingTab(benchmark::State& state)
{
    Form_Explore& e = explore();
    e.findChild<QTabWidget*>(QStringLiteral("Tabs_Explore"))->setCurrentIndex(1);
    static std::optional<cuneola::SearchRecord> record;
    if (!record) {
        // Hidden, Explore only keeps the search: the first round shows the window.
        e.hide();
        for (const auto& [box, text] :
             {std::pair{"Text_dF0_2w", "0.000001"}, std::pair{"Text_MaxIter", "99999"}, std::pair{"Text_xMax", "0.5"}})
            g_window->findChild<QLineEdit*>(QLatin1String(box))->setText(QLatin1String(text));
        g_window->setWarningHandler([&state](const QString& message) { state.SkipWithError(qPrintable(message)); });
        g_window->Command1_Click();
        record = g_window->lastSearchRecord();
    }
    while (e.isBusy()) QApplication::processEvents(QEventLoop::AllEvents, 10);
    const double rssBefore = residentMegabytes();
    std::vector<double> stalls, cpuStalls;
    for (auto _ : state) {
        double stall = 0.0, cpuStall = 0.0, cpuAt = threadMs();
        QEventLoop loop;
        QElapsedTimer gap;
        QTimer beat;
        beat.setInterval(5);
        QObject::connect(&beat, &QTimer::timeout, &loop, [&] {
            stall = std::max(stall, static_cast<double>(gap.nsecsElapsed()) / 1e6);
            gap.restart();
            const double now = threadMs();
            cpuStall = std::max(cpuStall, now - cpuAt);
            cpuAt = now;
            if (!e.isBusy()) loop.quit();
        });
        gap.start();
        if (e.isVisible())
            e.showSearch(*record);
        else
            e.show();
        beat.start();
        loop.exec();
        QElapsedTimer paint;
        paint.start();
        cpuAt = threadMs();
        e.repaint();
        stalls.push_back(std::max(stall, static_cast<double>(paint.nsecsElapsed()) / 1e6));
        cpuStalls.push_back(std::max(cpuStall, threadMs() - cpuAt));
    }
    state.counters["trials"] = static_cast<double>(record->trials.size());
    state.counters["stall_ms"] = *std::max_element(stalls.begin(), stalls.end());
    state.counters["stall_cpu_ms"] = *std::max_element(cpuStalls.begin(), cpuStalls.end());
    state.counters["rss_growth_MB"] = residentMegabytes() - rssBefore;
}
BENCHMARK(BM_LongSearchToShootingTab)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Form_Main window;
    g_window = &window;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
