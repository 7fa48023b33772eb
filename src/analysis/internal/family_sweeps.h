// SPDX-License-Identifier: GPL-3.0-or-later
// What the families over the impermeable isothermal wall and over other walls share.
#pragma once

#include "analysis/families.h"

#include <functional>
#include <vector>

namespace cuneola::analysis {

Failure familyCancelled();

// beta = 2.4 down to -0.15 in steps of 0.05, as exact decimals.
std::vector<double> attachedSweepBetas();

// g'(0) = wallGradient(Pr) at `count` log-spaced Pr from kMinPr to kMaxPr over `momentum`,
// and the power fit over fitFromPr to fitToPr.
Outcome<PrandtlFamily> prandtlSweep(const MomentumSolution& momentum, int count, const FamilyControl& control,
                                    const std::function<Outcome<double>(double)>& wallGradient, double fitFromPr,
                                    double fitToPr);

} // namespace cuneola::analysis
