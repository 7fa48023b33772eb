// SPDX-License-Identifier: GPL-3.0-or-later
// The two solution branches of the Falkner-Skan equation.
#pragma once

#include <string_view>

namespace cuneola::analysis {

enum class Branch {
    Attached,    // f''(0) > 0, f' rises monotonically from 0 to 1
    ReversedFlow // f''(0) < 0 and f' < 0 near the wall; only for beta_s <= beta < 0
};

// The reversed-flow branch exists from the separation point beta_s, where it meets the
// attached one, up to, not including, beta = 0.
constexpr bool reversedFlowBetween(double beta, double separation) { return beta >= separation && beta < 0.0; }

constexpr std::string_view branchName(Branch branch)
{
    return branch == Branch::Attached ? "attached" : "reversed flow";
}

} // namespace cuneola::analysis
