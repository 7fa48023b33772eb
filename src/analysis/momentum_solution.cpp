// SPDX-License-Identifier: GPL-3.0-or-later
// The exact Falkner-Skan solution for a wedge parameter and a branch, by Newton shooting.
#include "analysis/momentum_solution.h"

#include "analysis/internal/adaptive_march.h"
#include "analysis/internal/similarity_odes.h"
#include "analysis/internal/starting_values.h"
#include "numbertext/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cuneola::analysis {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kMaxNewtonIterations = 30;
// Halvings of a Newton step whose trial blew up before the iteration gives up.
constexpr int kMaxBacktracks = 12;
// The far field grows by this much until f''(0) stops changing.
constexpr double kEtaInfStep = 1.0;
// Newton steps below this fraction of kShootingTolerance count as converged.
constexpr double kNewtonStepTolerance = 0.1 * kShootingTolerance;
// A miss f'(eta_inf) - 1 this small is at the level of the march's own error: no
// further Newton step can improve on it.
constexpr double kMissFloor = 2e-13;
// The miss such a march really reaches (against a long-double march at 1e-18): what
// the error estimate of f''(0) assumes, where kMissFloor is a safe stopping point.
constexpr double kMissError = 1e-14;
// f''(eta_inf) must be this small for eta_inf to count as far.
constexpr double kFarShearTolerance = 1e-8;
// Within this distance of beta_s the solution is the fold's own.
constexpr double kFoldProximity = 1e-14;
// Where the search for the separation point starts; it converges from anywhere near.
constexpr double kSeparationGuess = -0.2;

double scaleOf(double x) { return std::max(1.0, std::fabs(x)); }

// One Newton iteration at a fixed far field: the unknown is f''(0) or beta.
struct Shot {
    bool converged = false;
    double value = kNaN;
    double farShear = kNaN;
    // How far the unknown can move for a miss at the march's own error level: near
    // the fold, where two roots merge, this is far above the shooting tolerance.
    double uncertainty = 0.0;
    double farFSlope = 0.0; // d f(eta_inf) / d unknown
    MarchEnd end = MarchEnd::Reached;
};

// Marches the system with its sensitivity to the far field and returns the miss
// f'(etaInf) - 1 with its derivative by the unknown.
MarchEnd marchMiss(ShootingParameter parameter, double beta, double wallShear, double etaInf, double& miss,
                   double& slope, double& farShear, double& farFSlope)
{
    SensitivityState y{0.0, 0.0, wallShear, 0.0, 0.0, parameter == ShootingParameter::WallShear ? 1.0 : 0.0};
    double dt = 0.01;
    const MarchEnd end = marchAdaptive(SensitivitySystem{beta, parameter}, y, 0.0, etaInf, dt);
    miss = y[1] - 1.0;
    slope = y[4];
    farShear = y[2];
    farFSlope = y[3];
    return end;
}

// Newton on f'(etaInf) = 1, for f''(0) at a fixed beta or for beta at a fixed f''(0).
// A step whose trial blows up is halved until it does not.
Shot newtonShoot(ShootingParameter parameter, double fixed, double guess, double etaInf)
{
    double x = guess;
    double base = guess; // the last unknown whose march arrived
    double step = 0.0;
    int backtracks = 0;
    Shot shot;
    for (int iteration = 0; iteration < kMaxNewtonIterations;) {
        double miss = 0.0, slope = 0.0, farShear = 0.0, farFSlope = 0.0;
        const double beta = parameter == ShootingParameter::WallShear ? fixed : x;
        const double wallShear = parameter == ShootingParameter::WallShear ? x : fixed;
        const MarchEnd end = marchMiss(parameter, beta, wallShear, etaInf, miss, slope, farShear, farFSlope);
        if (end != MarchEnd::Reached) {
            shot.end = end;
            if (iteration == 0 || ++backtracks > kMaxBacktracks) return shot;
            step /= 2.0;
            x = base + step;
            continue;
        }
        ++iteration;
        backtracks = 0;
        if (!(slope != 0.0) || !std::isfinite(miss / slope)) return shot;
        base = x;
        step = -miss / slope;
        x = base + step;
        if (std::fabs(step) <= kNewtonStepTolerance * scaleOf(x) || std::fabs(miss) <= kMissFloor) {
            shot.converged = true;
            shot.value = x;
            shot.farShear = farShear;
            shot.uncertainty = kMissFloor / std::fabs(slope);
            shot.farFSlope = farFSlope;
            shot.end = MarchEnd::Reached;
            return shot;
        }
    }
    return shot;
}

struct Settled {
    double value;
    double etaInf;
    double farShear;
    double error;     // of value: the shooting tolerance, or more near the fold
    double farFSlope; // d f(eta_inf) / d value
};

// Grows the far field from eta0 until the unknown no longer changes at the shooting
// tolerance and f'' has died away; each far field starts Newton from the last answer.
Outcome<Settled> settleFarField(ShootingParameter parameter, double fixed, double guess, double eta0,
                                const std::string& what)
{
    double previous = kNaN;
    int failuresInARow = 0;
    double etaInf = eta0;
    for (; etaInf <= kMaxEtaInf; etaInf += kEtaInfStep) {
        const Shot shot = newtonShoot(parameter, fixed, guess, etaInf);
        if (!shot.converged) {
            // Before the first success a short far field may simply have no root yet.
            if (std::isfinite(previous) || ++failuresInARow > 6) break;
            continue;
        }
        failuresInARow = 0;
        const double settledWithin = std::max(kShootingTolerance * scaleOf(shot.value), 4.0 * shot.uncertainty);
        if (std::isfinite(previous) && std::fabs(shot.value - previous) <= settledWithin &&
            std::fabs(shot.farShear) <= kFarShearTolerance)
            return Settled{
                shot.value, etaInf, shot.farShear,
                std::max(kNewtonStepTolerance * scaleOf(shot.value), shot.uncertainty * kMissError / kMissFloor),
                shot.farFSlope};
        previous = shot.value;
        guess = shot.value;
    }
    if (std::isfinite(previous))
        return fail(FailureKind::NotConverged,
                    what +
                        " did not settle: it still changed, or Newton shooting failed, as the far field grew to η∞ = " +
                        shortNumber(std::min(etaInf, kMaxEtaInf)) + ".");
    return fail(FailureKind::NotConverged,
                what + " did not converge: Newton shooting from the tabulated starting value found no root of "
                       "f'(η∞) = 1.");
}

// The profile march of a converged f''(0): the integral quantities, the first
// f' = 0.99, and what the shape of f' says about the branch.
struct ProfileScan {
    double minFp = 0.0, maxFp = 0.0, minF = 0.0;
    bool crossed99 = false;
    ProfileState before99{};
    double eta0 = 0.0, eta1 = 0.0;
};

// Newton on f'(eta) = 0.99 inside the step [eta0, eta1] that crossed it, marching
// afresh from the state at eta0 for every iterate.
double refineEta99(const ProfileSystem& system, const ProfileState& atEta0, double eta0, double eta1, double fp1)
{
    double eta = eta0 + (eta1 - eta0) * (0.99 - atEta0[1]) / (fp1 - atEta0[1]);
    for (int i = 0; i < 20; ++i) {
        ProfileState y = atEta0;
        double dt = eta - eta0;
        if (eta > eta0) marchAdaptive(system, y, eta0, eta, dt);
        const double correction = (y[1] - 0.99) / y[2];
        eta = std::clamp(eta - correction, eta0, eta1);
        if (std::fabs(correction) < 1e-14 * scaleOf(eta)) break;
    }
    return eta;
}

Outcome<MomentumSolution> profileOf(double beta, double wallShear, double etaInf, double farShear)
{
    const ProfileSystem system{beta};
    ProfileState y{0.0, 0.0, wallShear, 0.0, 0.0, 0.0};
    ProfileScan scan;
    double fp99 = 0.0;
    double dt = 0.01;
    const MarchEnd end = marchAdaptive(
        system, y, 0.0, etaInf, dt, [&](const ProfileState& before, double e0, const ProfileState& after, double e1) {
            scan.minFp = std::min(scan.minFp, after[1]);
            scan.maxFp = std::max(scan.maxFp, after[1]);
            scan.minF = std::min(scan.minF, after[3]);
            if (!scan.crossed99 && before[1] < 0.99 && after[1] >= 0.99) {
                scan.crossed99 = true;
                scan.before99 = before;
                scan.eta0 = e0;
                scan.eta1 = e1;
                fp99 = after[1];
            }
        });
    if (end != MarchEnd::Reached)
        return fail(FailureKind::NotConverged, "The converged profile at β = " + shortNumber(beta) +
                                                   " could not be marched to η∞: it grew without bound.");
    MomentumSolution s;
    s.beta = beta;
    s.branch = wallShear < 0.0 ? Branch::ReversedFlow : Branch::Attached;
    s.wallShear = wallShear;
    s.etaInf = etaInf;
    s.farShear = farShear;
    s.outerF = y[0];
    s.displacement = etaInf - y[0];
    // Integrating the momentum equation across the layer gives
    //   f''(0) = (1 + beta) theta + beta delta*.
    // On the reversed-flow branch theta is a small difference of large parts of a long
    // layer, and its quadrature loses digits as beta -> 0-; the identity keeps them.
    s.momentumThickness = s.branch == Branch::ReversedFlow ? (wallShear - beta * s.displacement) / (1.0 + beta) : y[4];
    s.wallShearError = kShootingTolerance * scaleOf(wallShear);
    s.displacementError = kShootingTolerance * s.displacement;
    s.minF = scan.minF;
    if (s.branch == Branch::Attached && scan.crossed99)
        s.eta99 = refineEta99(system, scan.before99, scan.eta0, scan.eta1, fp99);
    // Shooting at a finite far field also has roots whose f' overshoots 1 or, on the
    // attached branch, dips below 0: those are other solutions, not the one asked for.
    if (scan.maxFp > 1.0 + 1e-7 || (s.branch == Branch::Attached && scan.minFp < -1e-9))
        return fail(FailureKind::NotConverged, "Shooting at β = " + shortNumber(beta) +
                                                   " converged to another solution of the Falkner-Skan "
                                                   "equation (f' leaves the range of the " +
                                                   std::string(branchName(s.branch)) + " branch).");
    return s;
}

Outcome<MomentumSolution> foldSolution()
{
    const Outcome<Settled> fold =
        settleFarField(ShootingParameter::Beta, 0.0, kSeparationGuess, 6.0, "The separation point");
    if (!fold) return fold.failure();
    return profileOf(fold->value, 0.0, fold->etaInf, fold->farShear);
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
    return separation && beta >= *separation && beta < 0.0;
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

    StartingValue start = startingValue(beta, branch, separation);
    // Near the fold both branches' roots lie close together; shoot there only once the
    // far field is long enough for the fold to sit where it finally does.
    if (beta - separation < 0.01) start.etaInf = std::max(start.etaInf, 10.0);
    const std::string what = "f''(0) on the " + std::string(branchName(branch)) + " branch at β = " + shortNumber(beta);
    const Outcome<Settled> settled =
        settleFarField(ShootingParameter::WallShear, beta, start.wallShear, start.etaInf, what);
    if (!settled) return settled.failure();
    Outcome<MomentumSolution> solution = profileOf(beta, settled->value, settled->etaInf, settled->farShear);
    if (solution) {
        // delta* = eta_inf - f(eta_inf) moves with f''(0) as f(eta_inf) does.
        solution.value().wallShearError = settled->error;
        solution.value().displacementError =
            std::fabs(settled->farFSlope) * settled->error + kShootingTolerance * solution->displacement;
    }
    if (solution && solution->branch != branch)
        return fail(FailureKind::NotConverged, "Shooting for the " + std::string(branchName(branch)) +
                                                   " branch at β = " + shortNumber(beta) +
                                                   " converged to the other branch.");
    return solution;
}

Outcome<MomentumSolution> solveMomentumOnInterval(double beta, double etaEnd, double wallShearGuess)
{
    const Shot shot = newtonShoot(ShootingParameter::WallShear, beta, wallShearGuess, etaEnd);
    if (!shot.converged)
        return fail(FailureKind::NotConverged, "No f''(0) with f'(" + shortNumber(etaEnd) + ") = 1 was found near " +
                                                   shortNumber(wallShearGuess) + ".");
    MomentumSolution s;
    s.beta = beta;
    s.branch = shot.value < 0.0 ? Branch::ReversedFlow : Branch::Attached;
    s.wallShear = shot.value;
    s.etaInf = etaEnd;
    s.farShear = shot.farShear;
    return s;
}

Outcome<MomentumSolution> solveBetaForWallShear(double wallShear, double betaGuess)
{
    const Outcome<Settled> settled =
        settleFarField(ShootingParameter::Beta, wallShear, betaGuess, 4.0, "β for f''(0) = " + shortNumber(wallShear));
    if (!settled) return settled.failure();
    return profileOf(settled->value, wallShear, settled->etaInf, settled->farShear);
}

} // namespace cuneola::analysis
