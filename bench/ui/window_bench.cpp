// SPDX-License-Identifier: GPL-3.0-or-later
// What the window adds to a search: drawing into the retained image, the log of a very long search, scrolling it.
#include "null_window.h"
#include "solver/shooting_search.h"
#include "ui/classic/form_main.h"
#include "ui/classic/log_model.h"
#include "ui/classic/plot_area.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

namespace {

using namespace cuneola;

using bench::DefaultsHost;
using bench::NullPlot;

double residentMegabytes()
{
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void setBox(Form_Main& window, const char* name, const char* text)
{
    window.findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(text));
}

// The default momentum search (8 marches, 24,000 dots) with a surface that draws nothing.
void BM_DefaultMomentumSearch_NoDrawing(benchmark::State& state)
{
    NullPlot plot;
    DefaultsHost host;
    for (auto _ : state) {
        FormValues form;
        benchmark::DoNotOptimize(runSearch(MarchMode::Momentum, form, plot, host));
    }
}
BENCHMARK(BM_DefaultMomentumSearch_NoDrawing)->Unit(benchmark::kMicrosecond);

// The same search drawing into Picture1's retained image.
void BM_DefaultMomentumSearch_RetainedImage(benchmark::State& state)
{
    PlotArea plot;
    plot.resize(276, 203);
    DefaultsHost host;
    for (auto _ : state) {
        FormValues form;
        benchmark::DoNotOptimize(runSearch(MarchMode::Momentum, form, plot, host));
    }
}
BENCHMARK(BM_DefaultMomentumSearch_RetainedImage)->Unit(benchmark::kMicrosecond);

// A whole click on the shown window: reads, drawing, log, write-back and the final repaint.
void BM_DefaultMomentumClick_Window(benchmark::State& state)
{
    Form_Main window;
    window.show();
    QApplication::processEvents();
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : state) {
        state.PauseTiming();
        setBox(window, "Text_F0_2w", "0.1");
        setBox(window, "Text_dF0_2w", "0.1");
        state.ResumeTiming();
        calculate->click();
    }
}
BENCHMARK(BM_DefaultMomentumClick_Window)->Unit(benchmark::kMicrosecond);

// 100,000 log rows from one click: MaxIter 99999, a step of 0, eta max equal to delta eta.
void BM_HundredThousandRowClick(benchmark::State& state)
{
    double growth = 0.0;
    double logBytes = 0.0;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Form_Main>();
        window->show();
        QApplication::processEvents();
        setBox(*window, "Text_MaxIter", "99999");
        setBox(*window, "Text_dF0_2w", "0");
        setBox(*window, "Text_xMax", "0.01");
        setBox(*window, "Text_h", "0.01");
        const double before = residentMegabytes();
        state.ResumeTiming();
        window->Command1_Click();
        state.PauseTiming();
        QApplication::processEvents(); // the view lays out the rows
        growth = residentMegabytes() - before;
        logBytes = static_cast<double>(window->logModel()->storedBytes());
        rows = window->logModel()->rowCount();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["log_MB"] = logBytes / (1024.0 * 1024.0);
    state.counters["rss_growth_MB"] = growth;
}
BENCHMARK(BM_HundredThousandRowClick)->Unit(benchmark::kMillisecond)->Iterations(3);

// One scroll of the 100,000-row log by a page, painted at once: smooth below ~16 ms.
void BM_ScrollHundredThousandRowLog(benchmark::State& state)
{
    Form_Main window;
    window.show();
    setBox(window, "Text_MaxIter", "99999");
    setBox(window, "Text_dF0_2w", "0");
    setBox(window, "Text_xMax", "0.01");
    setBox(window, "Text_h", "0.01");
    window.Command1_Click();
    QApplication::processEvents();
    auto* list = window.findChild<QListView*>(QStringLiteral("List1"));
    QScrollBar* bar = list->verticalScrollBar();
    int position = 0;
    for (auto _ : state) {
        position = (position + 7 * bar->pageStep()) % (bar->maximum() + 1);
        bar->setValue(position);
        list->viewport()->repaint();
    }
    state.counters["rows"] = window.logModel()->rowCount();
}
BENCHMARK(BM_ScrollHundredThousandRowLog)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
