// SPDX-License-Identifier: GPL-3.0-or-later
// How fast g'(0) moves with f''(0): what turns the uncertainty of f''(0) into one of g'(0).
#pragma once

#include "analysis/momentum_solution.h"

namespace cuneola::analysis {

// |d g'(0) / d f''(0)| at `gradient` = g'(0) of `momentum`, by a difference over a
// nearby f''(0) whose march keeps about nine digits: an error needs no more.
double wallGradientSlope(const MomentumSolution& momentum, double Pr, double gradient);

} // namespace cuneola::analysis
