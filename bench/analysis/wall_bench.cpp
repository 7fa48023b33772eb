// SPDX-License-Identifier: GPL-3.0-or-later
// What a porous or heated wall costs: one full solve with f_w and n set, and its two families.
#include "analysis/similarity_solution.h"
#include "analysis/wall_families.h"
#include "full_solve.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace cuneola::analysis;

struct WallInput {
    double beta;
    double Pr;
    WallConditions wall;
};

// Suction and blowing from -0.5 to 1 over beta in [0, 2], walls heated as x^0.5 and at
// uniform flux, Pr from 0.07 to 7.
std::vector<WallInput> spreadOfWalls()
{
    std::vector<WallInput> inputs;
    for (int i = 0; i < 12; ++i) {
        const double beta = 2.0 * i / 11.0;
        const double fw = -0.5 + 1.5 * ((i * 5) % 12) / 11.0;
        const ThermalWall thermal =
            i % 2 ? ThermalWall{ThermalWallKind::PowerLaw, 0.5} : ThermalWall{ThermalWallKind::UniformFlux};
        inputs.push_back({beta, i % 3 == 0 ? 0.07 : i % 3 == 1 ? 0.7 : 7.0, {fw, thermal}});
    }
    return inputs;
}

// Both equations, every tabulated quantity and 300 points of each profile, as after a change in the window.
void BM_FullSolveOverAPorousHeatedWall(benchmark::State& state)
{
    cuneola::bench::solveInTurn(state, spreadOfWalls(), [](const WallInput& in) {
        return solveSimilarity(in.beta, Branch::Attached, in.Pr, in.wall);
    });
}
// Ten passes over the twelve inputs per repetition, so that every input counts alike.
BENCHMARK(BM_FullSolveOverAPorousHeatedWall)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(120)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_BetaFamilyWithSuction(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(betaFamily(0.3, {}).ok());
}
BENCHMARK(BM_BetaFamilyWithSuction)->Unit(benchmark::kMillisecond);

void BM_PrandtlFamilyUniformFlux(benchmark::State& state)
{
    const WallConditions wall{0.2, {ThermalWallKind::UniformFlux}};
    for (auto _ : state) benchmark::DoNotOptimize(prandtlFamily(0.5, Branch::Attached, wall, 121, {}).ok());
}
BENCHMARK(BM_PrandtlFamilyUniformFlux)->Unit(benchmark::kMillisecond);

} // namespace
