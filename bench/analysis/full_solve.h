// SPDX-License-Identifier: GPL-3.0-or-later
// One full solve as the window uses it, over a spread of inputs taken in turn.
#pragma once

#include "analysis/similarity_solution.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

namespace cuneola::bench {

// Every tabulated quantity and 300 points of each profile; a solve that failed ends the
// benchmark with its message.
inline bool useFully(benchmark::State& state, const analysis::Outcome<analysis::SimilaritySolution>& s)
{
    if (!s) {
        state.SkipWithError(s.failure().message.c_str());
        return false;
    }
    double sum = 0.0;
    for (analysis::Quantity q : analysis::kQuantities)
        if (const analysis::Outcome<double> v = analysis::quantityValue(*s, q)) sum += *v;
    const analysis::Profiles p = analysis::sampleProfiles(*s, 10.0, 300);
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(p.g.data());
    return true;
}

// Each iteration solves the next input with `solve` and uses the solution fully.
template <class Input, class Solve>
void solveInTurn(benchmark::State& state, const std::vector<Input>& inputs, Solve solve)
{
    std::size_t i = 0;
    for (auto _ : state)
        if (!useFully(state, solve(inputs[i++ % inputs.size()]))) break;
}

} // namespace cuneola::bench
