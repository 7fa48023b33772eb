// SPDX-License-Identifier: GPL-3.0-or-later
// Falkner-Skan solutions over a porous wall: suction or blowing through f(0) = f_w.
#pragma once

#include "analysis/momentum_solution.h"
#include "analysis/outcome.h"

namespace cuneola::analysis {

// The transpiration parameter f_w = f(0): above 0 suction, below 0 blowing. The wall
// velocity is v_w = -f_w sqrt((m + 1) nu U / (2 x)).
inline constexpr double kMinSuction = -2.0;
inline constexpr double kMaxSuction = 10.0;
// Below this f''(0) a blown layer has all but lifted off the wall: its shear layer sits
// so far out that shooting can no longer vouch for the digits, and no number is given.
inline constexpr double kBlowOffShear = 5e-3;

// The solution of f''' + f f'' + beta (1 - f'^2) = 0, f(0) = f_w, f'(0) = 0, f'(inf) = 1 on
// `branch`. At f_w = 0 it is solveMomentum(beta, branch) itself. Fails in plain words for
// f_w out of range, below the separation point beta_s(f_w), where blowing has lifted the
// layer off the wall, and when shooting does not settle.
Outcome<MomentumSolution> solveTranspired(double beta, Branch branch, double suction);

// The separation point beta_s(f_w), f''(0) = 0, followed in f_w from the impermeable
// wall's; at f_w = 0 separationSolution() itself. Cached per f_w.
Outcome<MomentumSolution> transpiredSeparation(double suction);

// Whether the reversed-flow branch exists at beta over this wall: beta_s(f_w) <= beta < 0,
// by the same rule as reversedFlowExists(beta) on the impermeable wall.
bool reversedFlowExists(double beta, double suction);

// f_w itself, or why it is refused: not finite, or outside [kMinSuction, kMaxSuction].
Outcome<double> checkSuction(double suction);

} // namespace cuneola::analysis
