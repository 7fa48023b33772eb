// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the march per step against a plain loop of the same arithmetic, and of a whole search.
#include "null_window.h"
#include "solver/rk4g.h"
#include "solver/shooting_search.h"

#include <benchmark/benchmark.h>

namespace cuneola::bench {
namespace {

constexpr double kH = 0.01;
constexpr double kEtaMax = 10.0;
constexpr int kSteps = 1000; // eta 0 to 10 in steps of 0.01

FormValues defaults(MarchMode mode)
{
    FormValues v;
    v.xMax = kEtaMax;
    v.yMax = 1.5;
    v.yMin = -1.0;
    v.h = kH;
    v.Beta = 0.0;
    v.Pr = 1.0;
    v.DotRadius = kEtaMax / 2000.0;
    v.Mode = mode;
    return v;
}

void reportPerStep(benchmark::State& state, double steps)
{
    state.counters["per_step"] = benchmark::Counter(steps * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The floor: Gill's four stages for (f, f', f'') in plain scalars, no arrays, no
// plot calls, no finite checks.
void BM_PlainGillLoop(benchmark::State& state)
{
    const double A[5] = {0, 0.5, 0.2928932, 1.707107, 0.1666667};
    const double B[5] = {0, 2, 1, 1, 2};
    const double C[5] = {0, 0.5, 0.2928932, 1.707107, 0.5};
    double beta = 0.0;
    double h = kH;
    benchmark::DoNotOptimize(beta);
    benchmark::DoNotOptimize(h);
    for (auto _ : state) {
        double y0 = 0, y1 = 0, y2 = 0.4696, q0 = 0, q1 = 0, q2 = 0, x = 0;
        for (int n = 0; n < kSteps; ++n) {
            for (int s = 1; s <= 4; ++s) {
                const double k0 = y1, k1 = y2, k2 = ((-y0) * y2) - (beta * (1.0 - y1 * y1));
                const double ha = h * A[s], ta = 3.0 * A[s];
                double d = k0 - B[s] * q0;
                y0 = y0 + ha * d;
                q0 = (q0 + ta * d) - C[s] * k0;
                d = k1 - B[s] * q1;
                y1 = y1 + ha * d;
                q1 = (q1 + ta * d) - C[s] * k1;
                d = k2 - B[s] * q2;
                y2 = y2 + ha * d;
                q2 = (q2 + ta * d) - C[s] * k2;
                if (s == 1 || s == 3) x = x + h / 2.0;
            }
            benchmark::DoNotOptimize(y1);
        }
        benchmark::DoNotOptimize(x);
    }
    reportPerStep(state, kSteps);
}
BENCHMARK(BM_PlainGillLoop);

void BM_March(benchmark::State& state)
{
    const auto mode = static_cast<MarchMode>(state.range(0));
    const FormValues v = defaults(mode);
    NullPlot plot;
    double fOut = 0, gOut = 0;
    for (auto _ : state) {
        RK4G(v, plot, 0.0, 0.0, 0.4696, fOut, 0.0, 0.4696, gOut);
        benchmark::DoNotOptimize(fOut);
        benchmark::DoNotOptimize(gOut);
    }
    reportPerStep(state, kSteps);
}
BENCHMARK(BM_March)->Arg(1)->Arg(2)->ArgName("mode");

// Eight marches of 1000 steps, as the default Calculate of the momentum equation.
void BM_DefaultMomentumSearch(benchmark::State& state)
{
    FormValues form;
    NullPlot plot;
    DefaultsHost host;
    for (auto _ : state) benchmark::DoNotOptimize(runSearch(MarchMode::Momentum, form, plot, host));
    reportPerStep(state, 8.0 * kSteps);
}
BENCHMARK(BM_DefaultMomentumSearch)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace cuneola::bench

BENCHMARK_MAIN();
