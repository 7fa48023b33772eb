// SPDX-License-Identifier: GPL-3.0-or-later
// The exact Falkner-Skan solution for a wedge parameter and a branch, by Newton shooting.
#include "analysis/momentum_solution.h"

#include "analysis/internal/adaptive_march.h"
#include "analysis/internal/far_field.h"
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
// How far f' may pass 1, or below 0 on the attached branch, in a wanted solution.
constexpr double kOvershoot = 1e-7;
constexpr double kUndershoot = 1e-9;
// Within this distance of beta_s the solution is the fold's own.
constexpr double kFoldProximity = 1e-14;
// Where the search for the separation point starts; it converges from anywhere near.
constexpr double kSeparationGuess = -0.2;

double scaleOf(double x) { return std::max(1.0, std::fabs(x)); }

// What a shooting march sees on its way out: the integral quantities, the first
// f' = 0.99, and what the shape of f' says about the branch.
struct ProfileScan {
    double minFp = 0.0, maxFp = 0.0, minF = 0.0;
    bool crossed99 = false;
    ShootingState before99{};
    double eta0 = 0.0, eta1 = 0.0, fp99 = 0.0;

    void observe(const ShootingState& before, double e0, const ShootingState& after, double e1)
    {
        minFp = std::min(minFp, after[1]);
        maxFp = std::max(maxFp, after[1]);
        minF = std::min(minF, after[6]);
        if (!crossed99 && before[1] < 0.99 && after[1] >= 0.99) {
            crossed99 = true;
            before99 = before;
            eta0 = e0;
            eta1 = e1;
            fp99 = after[1];
        }
    }
};

// The condition at the far end: the asymptotic f'' = q (1 - f'), or f' = 1 there as on
// a finite interval.
enum class FarEnd { Asymptotic, Finite };

// One Newton iteration at a fixed far end: the unknown is f''(0) or beta.
struct Shot {
    bool converged = false;
    double value = kNaN; // the unknown of the last march
    // How far the unknown can move for a miss at the march's own error level: near
    // the fold, where two roots merge, this is far above the shooting tolerance.
    double uncertainty = 0.0;
    MarchEnd end = MarchEnd::Reached;
    ShootingState far{}; // the last march's state at the far end
    ProfileScan scan;    // and what it saw on the way
};

// The miss of the far-end condition, scaled like f'(eta_inf) - 1, with its derivative
// by the unknown (through u = df/dunknown; q's own change with beta is second order).
struct Miss {
    double miss, slope;
};

Miss missAt(FarEnd farEnd, double beta, const ShootingState& y)
{
    if (farEnd == FarEnd::Finite) return {y[1] - 1.0, y[4]};
    const FarFieldRatio r = farFieldRatio(beta, y[0]);
    return {y[1] - 1.0 + y[2] / r.q, y[4] + y[5] / r.q - y[2] * r.slope * y[3] / (r.q * r.q)};
}

// Newton on the far-end condition, for f''(0) at a fixed beta or for beta at a fixed
// f''(0). A step whose trial blows up is halved until it does not. The converged
// march is kept whole: it is the profile.
Shot newtonShoot(ShootingParameter parameter, double fixed, double guess, double etaInf, FarEnd farEnd)
{
    double x = guess;
    double base = guess; // the last unknown whose march arrived
    double step = 0.0;
    int backtracks = 0;
    Shot shot;
    for (int iteration = 0; iteration < kMaxNewtonIterations;) {
        const double beta = parameter == ShootingParameter::WallShear ? fixed : x;
        const double wallShear = parameter == ShootingParameter::WallShear ? x : fixed;
        ShootingState y{0.0, 0.0, wallShear, 0.0, 0.0, parameter == ShootingParameter::WallShear ? 1.0 : 0.0, 0.0, 0.0};
        ProfileScan scan;
        double dt = 0.01;
        const MarchEnd end = marchAdaptive(ShootingSystem{{beta, parameter}}, y, 0.0, etaInf, dt,
                                           [&scan](const ShootingState& before, double e0, const ShootingState& after,
                                                   double e1) { scan.observe(before, e0, after, e1); });
        if (end != MarchEnd::Reached) {
            shot.end = end;
            if (iteration == 0 || ++backtracks > kMaxBacktracks) return shot;
            step /= 2.0;
            x = base + step;
            continue;
        }
        ++iteration;
        backtracks = 0;
        const Miss m = missAt(farEnd, beta, y);
        if (!(m.slope != 0.0) || !std::isfinite(m.miss / m.slope)) return shot;
        base = x;
        step = -m.miss / m.slope;
        if (std::fabs(step) <= kNewtonStepTolerance * scaleOf(x) || std::fabs(m.miss) <= kMissFloor) {
            shot.converged = true;
            shot.value = x;
            shot.uncertainty = kMissFloor / std::fabs(m.slope);
            shot.end = MarchEnd::Reached;
            shot.far = y;
            shot.scan = scan;
            return shot;
        }
        x = base + step;
    }
    return shot;
}

// Whether a converged shot is the kind of solution asked for: shooting on a finite
// interval also has roots whose f' overshoots 1 or, on the attached branch, dips below 0.
bool isWanted(const Shot& shot, Branch branch)
{
    return shot.converged && shot.scan.maxFp <= 1.0 + kOvershoot &&
           (branch == Branch::ReversedFlow || shot.scan.minFp >= -kUndershoot);
}

// The careful way out for a rough guess: roots on far ends growing from `nearEta` one
// unit at a time, each the next one's guess. Before the first root a short far end may
// simply have none yet.
Shot continueOutwards(ShootingParameter parameter, double fixed, double guess, double nearEta, double etaInf)
{
    Shot shot;
    bool found = false;
    int missesInARow = 0;
    for (double eta = nearEta;; eta = std::min(eta + 1.0, etaInf)) {
        shot = newtonShoot(parameter, fixed, guess, eta, FarEnd::Asymptotic);
        if (shot.converged) {
            found = true;
            guess = shot.value;
        } else if (found || ++missesInARow > 6) {
            return shot;
        }
        if (eta >= etaInf) return shot;
    }
}

// Shoots once to the far end `etaInf` the starting rule gives; only if that finds no
// root of the kind wanted, or none at all, does it continue outwards from `nearEta`. If
// the layer came out thicker than the rule assumed, the far end moves out to where
// zeta = f(eta_inf) is large enough, starting from the root just found.
Outcome<Shot> shootToFarField(ShootingParameter parameter, double fixed, double guess, Branch branch, double& etaInf,
                              double nearEta, const std::string& what)
{
    Shot shot = newtonShoot(parameter, fixed, guess, etaInf, FarEnd::Asymptotic);
    if (!isWanted(shot, branch) && nearEta < etaInf) shot = continueOutwards(parameter, fixed, guess, nearEta, etaInf);
    for (int moves = 0; shot.converged && moves < 2; ++moves) {
        const double shortBy = farZeta(parameter == ShootingParameter::Beta ? shot.value : fixed) - shot.far[0];
        if (shortBy <= 0.0 && std::fabs(shot.far[2]) <= kFarShearTolerance) break;
        etaInf = std::min(etaInf + std::max(std::ceil(shortBy), 0.0) + 1.0, kMaxEtaInf);
        shot = newtonShoot(parameter, fixed, shot.value, etaInf, FarEnd::Asymptotic);
    }
    if (!shot.converged)
        return fail(FailureKind::NotConverged,
                    what +
                        " did not converge: Newton shooting from the tabulated starting value found no profile "
                        "that meets the far field at η∞ = " +
                        shortNumber(etaInf) + ".");
    return shot;
}

// The estimated error of a converged unknown: the shooting tolerance, or more near the
// fold where the miss at the march's own error level moves it further.
double shotError(const Shot& shot)
{
    return std::max(kNewtonStepTolerance * scaleOf(shot.value), shot.uncertainty * kMissError / kMissFloor);
}

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

// The solution a converged shot's march describes.
Outcome<MomentumSolution> profileOf(double beta, double wallShear, double etaInf, const Shot& shot)
{
    const ShootingState& y = shot.far;
    const ProfileScan& scan = shot.scan;
    MomentumSolution s;
    s.beta = beta;
    s.branch = wallShear < 0.0 ? Branch::ReversedFlow : Branch::Attached;
    s.wallShear = wallShear;
    s.etaInf = etaInf;
    s.farShear = y[2];
    s.outerF = y[0];
    s.displacement = etaInf - y[0];
    // Integrating the momentum equation across the layer gives
    //   f''(0) = (1 + beta) theta + beta delta*.
    // On the reversed-flow branch theta is a small difference of large parts of a long
    // layer, and its quadrature loses digits as beta -> 0-; the identity keeps them.
    s.momentumThickness = s.branch == Branch::ReversedFlow ? (wallShear - beta * s.displacement) / (1.0 + beta) : y[7];
    s.wallShearError = kShootingTolerance * scaleOf(wallShear);
    s.displacementError = kShootingTolerance * s.displacement;
    s.minF = scan.minF;
    if (s.branch == Branch::Attached && scan.crossed99) {
        const ShootingState& b = scan.before99;
        s.eta99 = refineEta99(ProfileSystem{beta}, ProfileState{b[0], b[1], b[2], b[6], b[7], 0.0}, scan.eta0,
                              scan.eta1, scan.fp99);
    }
    // Shooting at a finite far field also has roots whose f' overshoots 1 or, on the
    // attached branch, dips below 0: those are other solutions, not the one asked for.
    if (!isWanted(shot, s.branch))
        return fail(FailureKind::NotConverged, "Shooting at β = " + shortNumber(beta) +
                                                   " converged to another solution of the Falkner-Skan "
                                                   "equation (f' leaves the range of the " +
                                                   std::string(branchName(s.branch)) + " branch).");
    return s;
}

Outcome<MomentumSolution> foldSolution()
{
    double etaInf = attachedFarEnd(kSeparationGuess);
    const Outcome<Shot> fold = shootToFarField(ShootingParameter::Beta, 0.0, kSeparationGuess, Branch::Attached, etaInf,
                                               6.0, "The separation point");
    if (!fold) return fold.failure();
    return profileOf(fold->value, 0.0, etaInf, *fold);
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

    const StartingValue start = startingValue(beta, branch, separation);
    const std::string what = "f''(0) on the " + std::string(branchName(branch)) + " branch at β = " + shortNumber(beta);
    double etaInf = start.farEnd;
    const Outcome<Shot> shot =
        shootToFarField(ShootingParameter::WallShear, beta, start.wallShear, branch, etaInf, start.etaInf, what);
    if (!shot) return shot.failure();
    Outcome<MomentumSolution> solution = profileOf(beta, shot->value, etaInf, *shot);
    if (solution) {
        // delta* = eta_inf - f(eta_inf) moves with f''(0) as f(eta_inf) does.
        const double error = shotError(*shot);
        solution.value().wallShearError = error;
        solution.value().displacementError =
            std::fabs(shot->far[3]) * error + kShootingTolerance * solution->displacement;
    }
    if (solution && solution->branch != branch)
        return fail(FailureKind::NotConverged, "Shooting for the " + std::string(branchName(branch)) +
                                                   " branch at β = " + shortNumber(beta) +
                                                   " converged to the other branch.");
    return solution;
}

Outcome<MomentumSolution> solveMomentumOnInterval(double beta, double etaEnd, double wallShearGuess)
{
    const Shot shot = newtonShoot(ShootingParameter::WallShear, beta, wallShearGuess, etaEnd, FarEnd::Finite);
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
    const Outcome<Shot> shot = shootToFarField(ShootingParameter::Beta, wallShear, betaGuess,
                                               wallShear < 0.0 ? Branch::ReversedFlow : Branch::Attached, etaInf, 4.0,
                                               "β for f''(0) = " + shortNumber(wallShear));
    if (!shot) return shot.failure();
    return profileOf(shot->value, wallShear, etaInf, *shot);
}

} // namespace cuneola::analysis
