// SPDX-License-Identifier: GPL-3.0-or-later
// Newton shooting of the Falkner-Skan equation to the asymptotic far field, over any wall f(0) = f_w.
#pragma once

#include "analysis/branch.h"
#include "analysis/internal/adaptive_march.h"
#include "analysis/internal/similarity_odes.h"
#include "analysis/internal/taylor_march.h"
#include "analysis/momentum_solution.h"
#include "analysis/outcome.h"

#include <limits>
#include <string>

namespace cuneola::analysis {

// What is shot for: f''(0) at a fixed beta, or beta at a fixed f''(0), over the wall
// f(0) = suction (0 on an impermeable wall).
struct ShootingProblem {
    ShootingParameter unknown;
    double fixed;
    double suction = 0.0;

    double betaOf(double value) const { return unknown == ShootingParameter::WallShear ? fixed : value; }
    double wallShearOf(double value) const { return unknown == ShootingParameter::WallShear ? value : fixed; }
};

// What a shooting march sees on its way out: the integral quantities, the first
// f' = 0.99, and what the shape of f' says about the branch.
struct ProfileScan {
    double minFp = 0.0, maxFp = 0.0, minF = 0.0;
    bool crossed99 = false;
    TaylorStep<8> step99; // the step that crossed f' = 0.99, whose series places it

    void observe(const TaylorStep<8>& step);
};

// The condition at the far end: the asymptotic f'' = q (1 - f'), or f' = 1 there as on
// a finite interval.
enum class FarEnd { Asymptotic, Finite };

// One Newton iteration at a fixed far end.
struct Shot {
    bool converged = false;
    double value = std::numeric_limits<double>::quiet_NaN(); // the unknown of the last march
    // How far the unknown can move for a miss at the march's own error level: near
    // the fold, where two roots merge, this is far above the shooting tolerance.
    double uncertainty = 0.0;
    // The Newton step the miss asked for but that was not taken: when the miss fell to the
    // march's own level at once (a very good guess), the unknown is only that good.
    double stepLeft = 0.0;
    MarchEnd end = MarchEnd::Reached;
    ShootingState far{}; // the last march's state at the far end
    ProfileScan scan;    // and what it saw on the way
};

// Newton on the far-end condition at `etaInf` from `guess`. A step whose trial blows up
// is halved until it does not. The converged march is kept whole: it is the profile.
Shot newtonShoot(const ShootingProblem& problem, double guess, double etaInf, FarEnd farEnd);

// The estimated error of a converged shot's unknown: the shooting tolerance, or more near
// the fold, where a miss at the march's own error level moves the unknown further, or the
// step left untaken when Newton stopped on the miss alone.
double shotError(const Shot& shot);

// Whether a converged shot is the kind of solution asked for: shooting on a finite
// interval also has roots whose f' overshoots 1 or, on the attached branch, dips below 0.
bool isWanted(const Shot& shot, Branch branch);

// Shoots once to the far end `etaInf` a starting rule gave; only if that finds no root
// of the kind wanted, or none at all, does it continue outwards from `nearEta` one unit
// at a time. If the layer came out thicker than the rule assumed, the far end moves out
// to where zeta = f(eta_inf) is large enough, starting from the root just found; etaInf
// receives the far end used. `what` names the unknown in the failure's message.
Outcome<Shot> shootToFarField(const ShootingProblem& problem, double guess, Branch branch, double& etaInf,
                              double nearEta, const std::string& what);

// The solution a converged shot's march describes, with the estimated errors of f''(0)
// and delta* where f''(0) was the unknown. Fails if f' left the range of its branch.
Outcome<MomentumSolution> profileOf(const ShootingProblem& problem, double etaInf, const Shot& shot);

} // namespace cuneola::analysis
