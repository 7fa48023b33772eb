// SPDX-License-Identifier: GPL-3.0-or-later
// The families of exact solutions over a porous or non-isothermal wall.
#pragma once

#include "analysis/families.h"
#include "analysis/similarity_solution.h"

namespace cuneola::analysis {

// f''(0) and H along beta at this f_w: the attached branch from beta = 2.4 down to the
// fold beta_s(f_w), the fold, and the reversed-flow branch as far as it converges.
// At f_w = 0 it is betaFamily() itself.
Outcome<BetaFamily> betaFamily(double suction, const FamilyControl& control);

// g'(0) along Pr for this wall over the momentum solution for (beta, branch, f_w), with the
// power fit over 0.6 <= Pr <= 10; at default conditions prandtlFamily() itself.
Outcome<PrandtlFamily> prandtlFamily(double beta, Branch branch, const WallConditions& wall, int count,
                                     const FamilyControl& control, double fitFromPr = kPowerFitFromPr,
                                     double fitToPr = kPowerFitToPr);

// The power fit of g'(0) for this wall over `momentum`, fromPr to toPr (see powerFit).
Outcome<PowerFit> powerFit(const MomentumSolution& momentum, const ThermalWall& wall, double fromPr, double toPr,
                           const FamilyControl& control = {});

// The two limits of g'(0) for this wall (see smallPrandtlLimit, largePrandtlLimit); for the
// isothermal wall exactly today's smallPrandtlAsymptote and largePrandtlAsymptote.
Outcome<double> smallPrandtlAsymptote(double Pr, double beta, const ThermalWall& wall);
Outcome<double> largePrandtlAsymptote(double Pr, double beta, double wallShear, const ThermalWall& wall);

} // namespace cuneola::analysis
