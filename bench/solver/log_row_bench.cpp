// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one log row, formatted once per trial: ordinary values, exact ties, and values near 1e14.
#include "solver/iteration_log.h"

#include <benchmark/benchmark.h>

namespace cuneola::bench {
namespace {

void BM_LogRow(benchmark::State& state, double guess, double step, double outer)
{
    std::int64_t iter = 0;
    for (auto _ : state) {
        const LogRow row(++iter, guess, step, outer);
        benchmark::DoNotOptimize(row.text().data());
    }
}
BENCHMARK_CAPTURE(BM_LogRow, ordinary, 0.47, -0.01, 1.0006);
BENCHMARK_CAPTURE(BM_LogRow, exactTies, 0.03125, -2.40625, 1.96875);
BENCHMARK_CAPTURE(BM_LogRow, largeTie, 1.1075, 0.1, -205815527278914.53125);

} // namespace
} // namespace cuneola::bench
