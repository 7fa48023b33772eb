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

// Brings the tab of that objectName to the front.
QWidget* showTab(Form_Explore& e, const char* name)
{
    auto* page = e.findChild<QWidget*>(QLatin1String(name));
    e.findChild<QTabWidget*>(QStringLiteral("Tabs_Explore"))->setCurrentWidget(page);
    return page;
}

// Counts the events the window's thread delivers, and the paint events among them that
// reach a given widget or its children.
class EventCount : public QObject {
public:
    explicit EventCount(const QWidget* watched) : m_watched(watched) { qApp->installEventFilter(this); }
    ~EventCount() override { qApp->removeEventFilter(this); }
    int events = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        ++events;
        if (event->type() == QEvent::Paint && receiver->isWidgetType() &&
            (receiver == m_watched || m_watched->isAncestorOf(static_cast<QWidget*>(receiver))))
            ++paints;
        return false;
    }

private:
    const QWidget* m_watched;
};

// Sets each value in turn and lets the window answer it as a student sees it: the solve,
// the tables and the chart data, then every event that follows, down to the window's own
// repaint of what changed, until a round of the event loop finds nothing left to do.
// Reports the median and the 90th percentile of one change, since the target is on the
// median; the same with the whole window repainted at the end besides (which redraws the
// inputs, the tab bar and all else that did not change); and the share of changes after
// which the tab was repainted at all, which should be 1.
void changeAndRepaint(benchmark::State& state, const char* box, const std::vector<double>& values, const char* tab)
{
    Form_Explore& e = explore();
    QWidget* shown = showTab(e, tab);
    auto* spin = e.findChild<QDoubleSpinBox*>(QLatin1String(box));
    spin->setValue(values.back()); // so that the first value timed is a change too
    QApplication::processEvents();
    std::vector<double> ms, wholeMs, setMs;
    int repainted = 0;
    std::size_t i = 0;
    QElapsedTimer clock;
    EventCount count(shown);
    for (auto _ : state) {
        count.paints = 0;
        clock.start();
        spin->setValue(values[i++ % values.size()]);
        setMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        // Events posted while the loop delivers others wait for its next round.
        for (int round = 0; round < 10; ++round) {
            count.events = 0;
            QApplication::processEvents();
            if (count.events == 0) break;
        }
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        repainted += count.paints > 0 ? 1 : 0;
        e.repaint();
        wholeMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    const auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const auto p90 = [](const std::vector<double>& sorted) { return sorted[sorted.size() * 9 / 10]; };
    state.counters["median_ms"] = median(ms);
    state.counters["p90_ms"] = p90(ms);
    state.counters["whole_window_median_ms"] = median(wholeMs);
    state.counters["whole_window_p90_ms"] = p90(wholeMs);
    state.counters["set_ms"] = median(setMs);
    state.counters["repainted"] = static_cast<double>(repainted) / static_cast<double>(ms.size());
    // Leave no family running into the next benchmark.
    while (e.isBusy()) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void BM_BetaChangeToRepaint_Solution(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_Beta", {0.0, 0.25, 0.5, 1.0, 2.0, -0.1, -0.19, 0.1}, "Tab_Solution");
}
BENCHMARK(BM_BetaChangeToRepaint_Solution)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_PrChangeToRepaint_Solution(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_Pr", {0.7, 7.0, 0.01, 100.0, 1.0, 0.001, 1000.0}, "Tab_Solution");
}
BENCHMARK(BM_PrChangeToRepaint_Solution)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_BetaChangeToRepaint_Separation(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_Beta", {0.0, 0.25, 0.5, 1.0, 2.0, -0.1, -0.19, 0.1}, "Tab_Separation");
}
BENCHMARK(BM_BetaChangeToRepaint_Separation)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_PrChangeToRepaint_HeatTransfer(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_Pr", {0.7, 7.0, 0.01, 100.0, 1.0, 0.001, 1000.0}, "Tab_HeatTransfer");
}
BENCHMARK(BM_PrChangeToRepaint_HeatTransfer)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_UChangeToRepaint_Wedge(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_U", {10.0, 2.0, 35.0, 0.5, 100.0, 7.0}, "Tab_Wedge");
}
BENCHMARK(BM_UChangeToRepaint_Wedge)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_BetaChangeToRepaint_Wedge(benchmark::State& state)
{
    changeAndRepaint(state, "Spin_Beta", {0.0, 0.25, 0.5, 1.0, 1.9, -0.1, -0.19, 0.1}, "Tab_Wedge");
}
BENCHMARK(BM_BetaChangeToRepaint_Wedge)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

// A table of 10,001 rows (step 0.001 to eta = 10): filled, then copied as text.
void BM_ProfileTableOfTenThousandRows(benchmark::State& state)
{
    Form_Explore& e = explore();
    showTab(e, "Tab_Solution");
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
    showTab(e, "Tab_Shooting");
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
