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
// plot calls, no finite checks. β and Δη come from volatile reads, so that the compiler
// cannot fold them, and only the results pass through DoNotOptimize: applied to the
// inputs and inside the step loop, GCC 12 emitted the loop with Δη read from a stack
// slot it never wrote (the "+m,r" operand), so the loop ran on a stale value, often a
// subnormal one, at up to thirty times the cost. The loop must land where the real
// march does, to the last bit, or the benchmark reports an error.
volatile double g_beta = 0.0;
volatile double g_h = kH;

struct GillStage {
    double a, b, c;
};

// Stage s of Gill's method on one component (q kept in derivative units).
inline void gillUpdate(double& y, double& q, double k, double hA, double threeA, const GillStage& s)
{
    const double d = k - s.b * q;
    y = y + hA * d;
    q = (q + threeA * d) - s.c * k;
}

void BM_PlainGillLoop(benchmark::State& state)
{
    constexpr GillStage stages[4] = {
        {0.5, 2.0, 0.5}, {0.2928932, 1.0, 0.2928932}, {1.707107, 1.0, 1.707107}, {0.1666667, 2.0, 0.5}};
    const double beta = g_beta;
    const double h = g_h;
    double y0 = 0, y1 = 0, y2 = 0, x = 0;
    for (auto _ : state) {
        y0 = 0, y1 = 0, y2 = 0.4696, x = 0;
        double q0 = 0, q1 = 0, q2 = 0;
        for (int n = 0; n < kSteps; ++n) {
            // Unrolled by the compiler: each stage's coefficients are constants.
            for (int s = 0; s < 4; ++s) {
                const double k0 = y1, k1 = y2, k2 = ((-y0) * y2) - (beta * (1.0 - y1 * y1));
                const double hA = h * stages[s].a, threeA = 3.0 * stages[s].a;
                gillUpdate(y0, q0, k0, hA, threeA, stages[s]);
                gillUpdate(y1, q1, k1, hA, threeA, stages[s]);
                gillUpdate(y2, q2, k2, hA, threeA, stages[s]);
                if (s == 0 || s == 2) x = x + h / 2.0;
            }
        }
        const double end = y1 + x;
        benchmark::DoNotOptimize(end);
    }
    reportPerStep(state, kSteps);

    NullPlot plot;
    double fOut = 0.0, gOut = 0.0;
    RK4G(defaults(MarchMode::Momentum), plot, 0.0, 0.0, 0.4696, fOut, 0.0, 0.4696, gOut);
    if (y1 != fOut) state.SkipWithError("the plain loop does not compute what the march does");
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
