// SPDX-License-Identifier: GPL-3.0-or-later
// Which inputs a search refuses before it runs, and the message that says why.
#pragma once

#include "solver/search_host.h"

#include <optional>
#include <string>
#include <vector>

namespace cuneola {

// The longest march a click may ask for, in steps (eta max / delta eta).
inline constexpr double kMaxMarchSteps = 10'000'000.0;
// The most rounds a search may run: each logs a line, and nobody reads more.
inline constexpr double kMaxIterationLimit = 100'000.0;
// The most march steps a search that never converges may take in all (its
// 1 + MaxIter marches times the steps of one). Marching and drawing cost about
// 0.1 microseconds a step, so this bounds a click to about three seconds.
inline constexpr double kMaxSearchSteps = 30'000'000.0;

// One box as a search read it.
struct ReadBox {
    InputBox box;
    NumberReading reading;
};

// The plot and march values that decide whether a run can start.
struct MarchLimits {
    double xMax = 0.0;
    double yMax = 0.0;
    double yMin = 0.0;
    double h = 0.0;
    double MaxIter = 0.0;
};

// The message of the first rule the inputs break, or nothing when they can run.
// `boxes` are in the order the search reads them; a box whose text holds no
// representable number is named first.
std::optional<std::string> refusalFor(const std::vector<ReadBox>& boxes, const MarchLimits& limits);

} // namespace cuneola
