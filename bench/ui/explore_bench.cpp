// SPDX-License-Identifier: GPL-3.0-or-later
// Explore's response to its inputs: from a new β, Pr or U to the repainted window, with the Pr family behind it.
#include "ui/classic/form_main.h"
#include "ui/explore/form_explore.h"
#include "ui/explore/profile_table_model.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
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
