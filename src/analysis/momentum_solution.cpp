// SPDX-License-Identifier: GPL-3.0-or-later
// The exact Falkner-Skan solution for a wedge parameter and a branch, by Newton shooting.
#include "analysis/momentum_solution.h"

#include "analysis/internal/shooting.h"
#include "analysis/internal/starting_values.h"
#include "numbertext/number_text.h"

#include <cmath>
#include <string>

namespace cuneola::analysis {
namespace {

// Within this distance of beta_s the solution is the fold's own.
constexpr double kFoldProximity = 1e-14;
// Where the search for the separation point starts; it converges from anywhere near.
constexpr double kSeparationGuess = -0.2;

Outcome<MomentumSolution> foldSolution()
{
    double etaInf = attachedFarEnd(kSeparationGuess);
    const ShootingProblem problem{ShootingParameter::Beta, 0.0};
    const Outcome<Shot> fold =
        shootToFarField(problem, kSeparationGuess, Branch::Attached, etaInf, 6.0, "The separation point");
    if (!fold) return fold.failure();
    return profileOf(problem, etaInf, *fold);
}

} // namespace

Outcome<MomentumSolution> separationSolution()
{
    static const Outcome<MomentumSolution> solution = foldSolution();
    return solution;
}

Outcome<double> separationBeta()
{
    const Outcome<MomentumSolution> fold = separationSolution();
    if (!fold) return fold.failure();
    return fold->beta;
}

bool reversedFlowExists(double beta)
{
    const Outcome<double> separation = separationBeta();
    return separation && reversedFlowBetween(beta, *separation);
}

Outcome<MomentumSolution> solveMomentum(double beta, Branch branch)
{
    if (!std::isfinite(beta)) return fail(FailureKind::OutOfRange, "β must be a finite number.");
    if (beta > kMaxBeta)
        return fail(FailureKind::OutOfRange, "β = " + shortNumber(beta) + " is above " + shortNumber(kMaxBeta) +
                                                 ", the largest β this tool solves.");
    const Outcome<double> separationOutcome = separationBeta();
    if (!separationOutcome) return separationOutcome.failure();
    const double separation = *separationOutcome;
    if (beta < separation)
        return fail(FailureKind::BeyondSeparation,
                    "At β = " + shortNumber(beta, 9) + " the boundary layer has separated: below β_s = " +
                        shortNumber(separation, 9) + " there is no similarity solution.");
    if (branch == Branch::ReversedFlow && !reversedFlowExists(beta))
        return fail(FailureKind::NoSuchBranch, "The reversed-flow branch exists only for β_s < β < 0; at β = " +
                                                   shortNumber(beta) + " there is only the attached solution.");
    if (beta - separation <= kFoldProximity) {
        Outcome<MomentumSolution> fold = separationSolution();
        if (fold && branch == Branch::ReversedFlow) {
            fold.value().branch = branch;
            fold.value().eta99 = MomentumSolution{}.eta99;
        }
        return fold;
    }
    if (branch == Branch::ReversedFlow && beta > kReversedFlowLimit)
        return fail(FailureKind::NotConverged,
                    "The reversed-flow solution is not computed for " + shortNumber(kReversedFlowLimit) +
                        " < β < 0: its reversed region lies so far out (beyond η = 45) that shooting loses all "
                        "precision.");

    const StartingValue start = startingValue(beta, branch, separation);
    const std::string what = "f''(0) on the " + std::string(branchName(branch)) + " branch at β = " + shortNumber(beta);
    double etaInf = start.farEnd;
    const ShootingProblem problem{ShootingParameter::WallShear, beta};
    const Outcome<Shot> shot = shootToFarField(problem, start.wallShear, branch, etaInf, start.etaInf, what);
    if (!shot) return shot.failure();
    Outcome<MomentumSolution> solution = profileOf(problem, etaInf, *shot);
    if (solution && solution->branch != branch)
        return fail(FailureKind::NotConverged, "Shooting for the " + std::string(branchName(branch)) +
                                                   " branch at β = " + shortNumber(beta) +
                                                   " converged to the other branch.");
    return solution;
}

Outcome<MomentumSolution> solveMomentumOnInterval(double beta, double etaEnd, double wallShearGuess)
{
    const Shot shot = newtonShoot({ShootingParameter::WallShear, beta}, wallShearGuess, etaEnd, FarEnd::Finite);
    if (!shot.converged)
        return fail(FailureKind::NotConverged, "No f''(0) with f'(" + shortNumber(etaEnd) + ") = 1 was found near " +
                                                   shortNumber(wallShearGuess) + ".");
    MomentumSolution s;
    s.beta = beta;
    s.branch = shot.value < 0.0 ? Branch::ReversedFlow : Branch::Attached;
    s.wallShear = shot.value;
    s.etaInf = etaEnd;
    s.farShear = shot.far[2];
    return s;
}

Outcome<MomentumSolution> solveBetaForWallShear(double wallShear, double betaGuess)
{
    double etaInf = attachedFarEnd(betaGuess);
    const ShootingProblem problem{ShootingParameter::Beta, wallShear};
    const Outcome<Shot> shot =
        shootToFarField(problem, betaGuess, wallShear < 0.0 ? Branch::ReversedFlow : Branch::Attached, etaInf, 4.0,
                        "β for f''(0) = " + shortNumber(wallShear));
    if (!shot) return shot.failure();
    return profileOf(problem, etaInf, *shot);
}

} // namespace cuneola::analysis
