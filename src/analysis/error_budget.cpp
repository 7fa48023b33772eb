// SPDX-License-Identifier: GPL-3.0-or-later
// Where the error of a classic search result comes from: its tolerance, its step, its far field.
#include "analysis/error_budget.h"

#include "analysis/energy_solution.h"
#include "analysis/momentum_solution.h"
#include "numbertext/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace cuneola::analysis {
namespace {

// The branch a classic result aims at: the reversed-flow one only where it exists and
// the wall shear is negative.
Branch branchFor(double beta, double wallShear)
{
    return wallShear < 0.0 && reversedFlowExists(beta) ? Branch::ReversedFlow : Branch::Attached;
}

// Half a unit in the fourth decimal, the last one the log shows.
constexpr double kLogHalfUnit = 0.5e-4;

} // namespace

Outcome<ErrorBudget> errorBudget(const ClassicResult& result, const FamilyControl& control)
{
    const ClassicSetting& s = result.setting;
    const bool energy = s.mode == MarchMode::Energy;
    if (!(s.xMax > 0.0) || !(s.h > 0.0))
        return fail(FailureKind::NotDefined, "The classic march had no length, so it has no error to split.");

    ErrorBudget b;
    b.mode = s.mode;
    b.written = result.written;

    const double shear = energy ? s.wallShear : result.written;
    const Outcome<MomentumSolution> exact = solveMomentum(s.Beta, branchFor(s.Beta, shear));
    if (!exact) return exact.failure();

    // The Gill march's own root, and where that march ends.
    const Outcome<double> root =
        classicRoot(s, result.written, 1e-3 * std::max(1.0, std::fabs(result.written)), control);
    if (!root) return root.failure();
    b.gillRoot = *root;
    b.marchEnd = marchClassic(s, b.gillRoot).endEta;

    if (!energy) {
        const Outcome<MomentumSolution> finite = solveMomentumOnInterval(s.Beta, s.xMax, b.gillRoot);
        if (!finite) return finite.failure();
        b.exact = exact->wallShear;
        b.finiteInterval = finite->wallShear;
        b.finiteWithExactShear = b.finiteInterval;
    } else {
        const Outcome<double> exactGradient = wallTemperatureGradient(*exact, s.Pr);
        if (!exactGradient) return exactGradient.failure();
        const Outcome<double> finite = wallTemperatureGradientOnInterval(s.Beta, s.wallShear, s.xMax, s.Pr);
        if (!finite) return finite.failure();
        const Outcome<double> finiteExactShear =
            wallTemperatureGradientOnInterval(s.Beta, exact->wallShear, s.xMax, s.Pr);
        if (!finiteExactShear) return finiteExactShear.failure();
        b.exact = *exactGradient;
        b.finiteInterval = *finite;
        b.finiteWithExactShear = *finiteExactShear;
    }
    b.tolerancePart = b.written - b.gillRoot;
    b.stepPart = b.gillRoot - b.finiteInterval;
    b.wallShearPart = b.finiteInterval - b.finiteWithExactShear;
    b.farFieldPart = b.finiteWithExactShear - b.exact;
    return b;
}

std::string budgetAdvice(const ErrorBudget& b, const ClassicResult& result)
{
    const ClassicSetting& s = result.setting;
    const std::string unknown = b.mode == MarchMode::Energy ? "g'(0)" : "f''(0)";
    const std::array<std::pair<double, std::string>, 4> parts{{
        {std::fabs(b.tolerancePart), "ε = " + shortNumber(result.Eps)},
        {std::fabs(b.stepPart), "the step Δη = " + shortNumber(s.h) + ": take a smaller step"},
        {std::fabs(b.wallShearPart), "the f''(0) = " + shortNumber(s.wallShear) +
                                         " the energy search used: refine it with the Falkner-Skan search first"},
        {std::fabs(b.farFieldPart), "η max = " + shortNumber(s.xMax) + ": the far field is too close, raise η max"},
    }};
    const auto largest =
        std::max_element(parts.begin(), parts.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    const bool toleranceLimits = largest == parts.begin();
    const double total = std::fabs(b.total());
    const double relative = total / std::max(std::fabs(b.exact), 1e-300);
    std::string text;
    // A lower tolerance would only make a search that never got there run longer.
    if (!result.converged)
        text = "The search did not converge: it ran out of rounds before the miss fell below ε, so the value "
               "written back is where it stopped, not its result. Reset the guess and the trial step (a guess "
               "nearer the root, a step about the distance to it) or allow more rounds, and calculate again. ";
    text += "The written-back " + unknown + " = " + shortNumber(b.written, 15) + " is off by " +
            shortNumber(b.total(), 3) + " (" + shortNumber(100.0 * relative, 2) + " %). ";
    if (total == 0.0) return text + "It is exact to the last digit.";
    if (result.converged) {
        if (toleranceLimits)
            text += "Most of the error comes from " + largest->second + ": lower it.";
        else
            text += "Most of the error comes from " + largest->second +
                    "; a lower ε cannot help until that part is "
                    "smaller.";
        // The log shows four decimals: an error below half of the last one is invisible there.
        if (total < kLogHalfUnit)
            text += " The value is already as accurate as the log's four decimals show: change this only for more "
                    "digits.";
    }
    // The march stops at the first step that reaches eta max; more than rounding past it
    // is a whole step, which the step's part carries.
    if (b.marchEnd - s.xMax > s.h / 2.0)
        text += " The march ends at η = " + shortNumber(b.marchEnd) + ", one step past η max.";
    return text;
}

} // namespace cuneola::analysis
