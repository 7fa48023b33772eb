// SPDX-License-Identifier: GPL-3.0-or-later
// What the exact-solution library costs: one full solve, the two families, a shooting map.
#include "analysis/error_budget.h"
#include "analysis/families.h"
#include "analysis/shooting_map.h"
#include "analysis/similarity_solution.h"
#include "full_solve.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using namespace cuneola::analysis;

// Inputs spread over beta in [beta_s + 1e-3, 2.4] and Pr in [0.01, 100], both branches.
struct Input {
    double beta;
    Branch branch;
    double Pr;
};

std::vector<Input> spreadOfInputs()
{
    const double start = *separationBeta() + 1e-3;
    std::vector<Input> inputs;
    for (int i = 0; i < 16; ++i) {
        const double beta = start + (2.4 - start) * i / 15.0;
        const double Pr = std::pow(10.0, -2.0 + 4.0 * ((i * 7) % 16) / 15.0);
        inputs.push_back({beta, Branch::Attached, Pr});
        if (beta < -0.01) inputs.push_back({beta, Branch::ReversedFlow, Pr});
    }
    return inputs;
}

// Both equations, every tabulated quantity, and 300 points of each profile: what the
// window needs after a change of beta or Pr.
void BM_FullSolve(benchmark::State& state)
{
    cuneola::bench::solveInTurn(state, spreadOfInputs(),
                                [](const Input& in) { return solveSimilarity(in.beta, in.branch, in.Pr); });
}
BENCHMARK(BM_FullSolve)->Unit(benchmark::kMicrosecond);

// One exact solve alone (both equations, delta*, theta, eta99, no profiles); successive
// runs take successive inputs of the spread, so the median and the 90th percentile over
// the repetitions weigh them alike.
double percentile90(const std::vector<double>& v)
{
    std::vector<double> sorted = v;
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<std::size_t>(0.9 * static_cast<double>(sorted.size() - 1))];
}

void BM_ExactSolve(benchmark::State& state)
{
    static const std::vector<Input> inputs = spreadOfInputs();
    static std::size_t next = 0;
    const Input in = inputs[next++ % inputs.size()];
    for (auto _ : state) benchmark::DoNotOptimize(solveSimilarity(in.beta, in.branch, in.Pr));
}
BENCHMARK(BM_ExactSolve)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(31)
    ->ComputeStatistics("p90", percentile90)
    ->ReportAggregatesOnly(true);

// The same over the wedges of the spread at one Pr each, from 0.001 to 1000: the energy
// march takes more steps as the thermal layer thins, and no Pr may be slow.
void BM_ExactSolveAtPr(benchmark::State& state)
{
    static const std::vector<Input> inputs = spreadOfInputs();
    const double Pr = std::pow(10.0, static_cast<double>(state.range(0)));
    std::size_t next = 0;
    for (auto _ : state) {
        const Input in = inputs[next++ % inputs.size()];
        benchmark::DoNotOptimize(solveSimilarity(in.beta, in.branch, Pr));
    }
}
BENCHMARK(BM_ExactSolveAtPr)->Unit(benchmark::kMicrosecond)->DenseRange(-3, 3);

void BM_BetaFamily(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(betaFamily());
}
BENCHMARK(BM_BetaFamily)->Unit(benchmark::kMillisecond);

void BM_PrandtlFamily(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(prandtlFamily(0.0, Branch::Attached));
}
BENCHMARK(BM_PrandtlFamily)->Unit(benchmark::kMillisecond);

// The default momentum search's map: 200 evenly spaced trials and its 8 own, 1000 steps each.
void BM_ShootingMap(benchmark::State& state)
{
    const ClassicSetting setting{cuneola::MarchMode::Momentum, 0.0, 0.01, 10.0, -1.0, 1.0, 0.0};
    const std::array<double, 8> trials{0.1, 0.2, 0.3, 0.4, 0.5, 0.49, 0.48, 0.47};
    for (auto _ : state) benchmark::DoNotOptimize(shootingMap(setting, trials, 200));
}
BENCHMARK(BM_ShootingMap)->Unit(benchmark::kMillisecond);

void BM_ErrorBudget(benchmark::State& state)
{
    ClassicResult result;
    result.setting = {cuneola::MarchMode::Energy, 0.0, 0.01, 10.0, -1.0, 0.7, 0.47};
    result.written = 0.414;
    for (auto _ : state) benchmark::DoNotOptimize(errorBudget(result));
}
BENCHMARK(BM_ErrorBudget)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
