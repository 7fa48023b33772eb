// SPDX-License-Identifier: GPL-3.0-or-later
// Families of exact solutions: f''(0) and H along beta through the fold, g'(0) along Pr.
#pragma once

#include "analysis/family_control.h"
#include "analysis/momentum_solution.h"
#include "analysis/outcome.h"

#include <functional>
#include <vector>

namespace cuneola::analysis {

struct BetaFamilyPoint {
    double beta;
    double wallShear;   // f''(0)
    double shapeFactor; // H
    Branch branch;
};

// Both branches as one curve: the attached branch from beta = 2.4 down to the fold,
// the fold itself (exact: f''(0) = 0 at beta_s), and the reversed-flow branch back up
// towards beta = 0 as far as shooting converges. Near the fold f''(0) is the parameter
// and beta the unknown, since beta is a smooth function of f''(0) there.
struct BetaFamily {
    std::vector<BetaFamilyPoint> points; // in order along the curve
    BetaFamilyPoint fold;
};
Outcome<BetaFamily> betaFamily(const FamilyControl& control = {});

// The Prandtl numbers the power fit spans unless the caller chooses others.
inline constexpr double kPowerFitFromPr = 0.6;
inline constexpr double kPowerFitToPr = 10.0;

// g'(0) ~ a Pr^b by least squares on log g'(0) against log Pr, over fromPr <= Pr <= toPr.
struct PowerFit {
    double a = 0.0;
    double b = 0.0;
    double fromPr = kPowerFitFromPr;
    double toPr = kPowerFitToPr;
};

// The fit over 25 points evenly spaced in log Pr from fromPr to toPr, g'(0) = wallGradient(Pr).
// OutOfRange, before anything is solved, for a range that is empty, inverted, not finite or
// outside kMinPr..kMaxPr; NotDefined when fewer than two of its points have g'(0) > 0.
Outcome<PowerFit> powerFit(const std::function<Outcome<double>(double)>& wallGradient, double fromPr, double toPr,
                           const FamilyControl& control = {});

struct PrandtlFamilyPoint {
    double Pr;
    Outcome<double> wallGradient; // g'(0), or why there is none
};

struct PrandtlFamily {
    MomentumSolution momentum;
    std::vector<PrandtlFamilyPoint> points; // log-spaced from kMinPr to kMaxPr
    // Over the range asked for; missing where g'(0) is.
    Outcome<PowerFit> fit = Failure{FailureKind::NotDefined, "g'(0) is missing over the range of the fit."};
};
// g'(0) for the given beta and branch at `count` log-spaced Pr from 0.001 to 1000.
// The power fit spans fromPr..toPr (see powerFit; a range it refuses leaves only the fit missing).
Outcome<PrandtlFamily> prandtlFamily(double beta, Branch branch, int count = 121, const FamilyControl& control = {},
                                     double fitFromPr = kPowerFitFromPr, double fitToPr = kPowerFitToPr);

// The thick thermal layer of Pr -> 0 sees f = eta - delta*: g'(0) -> sqrt(2 Pr / pi).
double smallPrandtlAsymptote(double Pr);
// The thin thermal layer of Pr -> inf sees f = f''(0) eta^2 / 2:
// g'(0) -> (Pr f''(0) / 6)^(1/3) / Gamma(4/3). NotDefined where f''(0) <= 0.
Outcome<double> largePrandtlAsymptote(double Pr, double wallShear);

} // namespace cuneola::analysis
