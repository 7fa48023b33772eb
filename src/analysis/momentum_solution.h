// SPDX-License-Identifier: GPL-3.0-or-later
// The exact Falkner-Skan solution for a wedge parameter and a branch, by Newton shooting.
#pragma once

#include "analysis/branch.h"
#include "analysis/outcome.h"

namespace cuneola::analysis {

// The range of beta the library solves. Below the separation point there is no
// solution at all; above kMaxBeta the starting values are not trusted.
inline constexpr double kMaxBeta = 4.0;
// Shooting never takes the far field further out than this.
inline constexpr double kMaxEtaInf = 80.0;
// The Newton iteration on f''(0) stops at this
// relative (and, below 1, absolute) change.
inline constexpr double kShootingTolerance = 1e-12;

// A converged solution of f''' + f f'' + beta (1 - f'^2) = 0, f(0) = f'(0) = 0,
// f'(inf) = 1, with what a march of the converged profile yields.
struct MomentumSolution {
    double beta = 0.0;
    Branch branch = Branch::Attached;
    double suction = 0.0;           // f(0) = f_w: 0 on an impermeable wall
    double wallShear = 0.0;         // f''(0)
    double etaInf = 0.0;            // the far end, where the asymptotic far-field condition was imposed
    double farShear = 0.0;          // f''(eta_inf), which should be negligible
    double outerF = 0.0;            // f(eta_inf); beyond, f = outerF + (eta - eta_inf)
    double displacement = 0.0;      // delta* = int (1 - f') = eta_inf - (f(eta_inf) - f_w)
    double momentumThickness = 0.0; // theta = int f'(1 - f')
    double minF = 0.0;              // min of F = int_0^eta f, 0 unless the flow reverses
    // The first eta with f' = 0.99; the reversed-flow branch has none worth the name.
    Outcome<double> eta99 = Failure{FailureKind::NotDefined, "η99 is given for the attached branch only."};

    // Estimated absolute errors: of f''(0) from the shooting (large near the fold, where
    // the two roots merge), of delta* from that carried through the profile.
    double wallShearError = 0.0;
    double displacementError = 0.0;

    double shapeFactor() const { return displacement / momentumThickness; } // H = delta* / theta
};

// The separation point beta_s: the beta at which the attached and the reversed-flow
// branches meet with f''(0) = 0, solved once with beta as the unknown and cached.
Outcome<double> separationBeta();
// The solution at beta_s itself.
Outcome<MomentumSolution> separationSolution();

// Whether the reversed-flow branch exists at `beta`: from beta_s (where it meets the
// attached one) up to, not including, 0. The attached branch exists for all beta >= beta_s.
bool reversedFlowExists(double beta);

// The solution on `branch` at `beta`. Fails in plain words below beta_s (the layer
// separates), above kMaxBeta, for the reversed-flow branch at beta >= 0, and when the
// shooting does not settle (it then says why). Never depends on a user's first guess.
Outcome<MomentumSolution> solveMomentum(double beta, Branch branch);

// The solution on the finite interval [0, etaEnd] with f'(etaEnd) = 1 instead of the
// far field, starting Newton from `wallShearGuess` (used by the error budget).
Outcome<MomentumSolution> solveMomentumOnInterval(double beta, double etaEnd, double wallShearGuess);

// A solution with f''(0) prescribed and beta the unknown (used through the fold,
// where beta is a smooth function of f''(0) while f''(0) is not one of beta).
Outcome<MomentumSolution> solveBetaForWallShear(double wallShear, double betaGuess);

} // namespace cuneola::analysis
