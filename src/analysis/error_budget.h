// SPDX-License-Identifier: GPL-3.0-or-later
// Where the error of a classic search result comes from: its tolerance, its step, its far field.
#pragma once

#include "analysis/classic_march.h"
#include "analysis/family_control.h"
#include "analysis/outcome.h"

#include <string>

namespace cuneola::analysis {

// A classic search's result and the settings it ran with.
struct ClassicResult {
    ClassicSetting setting;
    double Eps = 0.01;     // the tolerance on the miss
    double written = 0.0;  // the f''(0) or g'(0) it wrote back
    bool converged = true; // false: it ran out of rounds and wrote back where it stopped
};

// written - exact, split into parts whose sum it is:
//   tolerance: written - the exact root of the Gill march at that delta eta and eta max;
//   step:      that root - the exact solution with the outer condition at eta max as typed
//              (so a march that ends a step past eta max books that overshoot here);
//   wallShear: (energy only) that - the same with the exact f''(0) instead of the one used;
//   farField:  that - the exact value with the far field at infinity.
struct ErrorBudget {
    MarchMode mode = MarchMode::Momentum;
    double exact = 0.0;
    double written = 0.0;
    double gillRoot = 0.0;
    double finiteInterval = 0.0;       // exact, outer condition at the eta max typed
    double finiteWithExactShear = 0.0; // energy only; equals finiteInterval for momentum
    double marchEnd = 0.0;             // where the Gill march really ends (4.01 for eta max 4, delta eta 0.01)
    double tolerancePart = 0.0;
    double stepPart = 0.0;
    double wallShearPart = 0.0;
    double farFieldPart = 0.0;
    double total() const { return written - exact; }
};

// Fails in plain words when the exact solution does not exist for the setting (beta
// below separation, Pr out of range) or the Gill march has no root near the result.
// `control` can stop the search for the Gill march's root between its marches.
Outcome<ErrorBudget> errorBudget(const ClassicResult& result, const FamilyControl& control = {});

// A few sentences a student can act on: first whether the search converged at all,
// then whether the value is already as good as the log's four decimals, which part
// dominates and what to change (never a lower ε when ε is not what limits it).
std::string budgetAdvice(const ErrorBudget& budget, const ClassicResult& result);

} // namespace cuneola::analysis
