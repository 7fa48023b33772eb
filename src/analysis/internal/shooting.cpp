// SPDX-License-Identifier: GPL-3.0-or-later
// Newton shooting of the Falkner-Skan equation to the asymptotic far field, over any wall f(0) = f_w.
#include "analysis/internal/shooting.h"

#include "analysis/internal/far_field.h"
#include "numbertext/number_text.h"

#include <algorithm>
#include <cmath>

namespace cuneola::analysis {
namespace {

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

double scaleOf(double x) { return std::max(1.0, std::fabs(x)); }

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

// The careful way out for a rough guess: roots on far ends growing from `nearEta` one
// unit at a time, each the next one's guess. Before the first root a short far end may
// simply have none yet.
Shot continueOutwards(const ShootingProblem& problem, double guess, double nearEta, double etaInf)
{
    Shot shot;
    bool found = false;
    int missesInARow = 0;
    for (double eta = nearEta;; eta = std::min(eta + 1.0, etaInf)) {
        shot = newtonShoot(problem, guess, eta, FarEnd::Asymptotic);
        if (shot.converged) {
            found = true;
            guess = shot.value;
        } else if (found || ++missesInARow > 6) {
            return shot;
        }
        if (eta >= etaInf) return shot;
    }
}

// Newton on f'(eta) = 0.99 on the series of the step that crossed it.
double refineEta99(const TaylorStep<8>& step)
{
    const double fp0 = step.c[1][0], fp1 = step.at(step.h)[1];
    double t = step.h * (0.99 - fp0) / (fp1 - fp0);
    for (int i = 0; i < 20; ++i) {
        const ShootingState y = step.at(t);
        const double correction = (y[1] - 0.99) / y[2];
        t = std::clamp(t - correction, 0.0, step.h);
        if (std::fabs(correction) < 1e-14 * scaleOf(step.eta0 + t)) break;
    }
    return step.eta0 + t;
}

} // namespace

double shotError(const Shot& shot)
{
    return std::max(
        {kNewtonStepTolerance * scaleOf(shot.value), shot.uncertainty * kMissError / kMissFloor, shot.stepLeft});
}

void ProfileScan::observe(const TaylorStep<8>& step)
{
    const ShootingState after = step.at(step.h);
    minFp = std::min(minFp, after[1]);
    maxFp = std::max(maxFp, after[1]);
    minF = std::min(minF, after[6]);
    if (!crossed99 && step.c[1][0] < 0.99 && after[1] >= 0.99) {
        crossed99 = true;
        step99 = step;
    }
}

Shot newtonShoot(const ShootingProblem& problem, double guess, double etaInf, FarEnd farEnd)
{
    const bool forWallShear = problem.unknown == ShootingParameter::WallShear;
    double x = guess;
    double base = guess; // the last unknown whose march arrived
    double step = 0.0;
    int backtracks = 0;
    Shot shot;
    for (int iteration = 0; iteration < kMaxNewtonIterations;) {
        const double beta = problem.betaOf(x);
        ShootingState y{problem.suction, 0.0, problem.wallShearOf(x), 0.0, 0.0, forWallShear ? 1.0 : 0.0, 0.0, 0.0};
        ProfileScan scan;
        const MarchEnd end = marchTaylor(ShootingSystem{{beta, problem.unknown}}, y, 0.0, etaInf,
                                         [&scan](const TaylorStep<8>& step) { scan.observe(step); });
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
            shot.stepLeft = std::fabs(step);
            shot.end = MarchEnd::Reached;
            shot.far = y;
            shot.scan = scan;
            return shot;
        }
        x = base + step;
    }
    return shot;
}

bool isWanted(const Shot& shot, Branch branch)
{
    return shot.converged && shot.scan.maxFp <= 1.0 + kOvershoot &&
           (branch == Branch::ReversedFlow || shot.scan.minFp >= -kUndershoot);
}

Outcome<Shot> shootToFarField(const ShootingProblem& problem, double guess, Branch branch, double& etaInf,
                              double nearEta, const std::string& what)
{
    Shot shot = newtonShoot(problem, guess, etaInf, FarEnd::Asymptotic);
    if (!isWanted(shot, branch) && nearEta < etaInf) shot = continueOutwards(problem, guess, nearEta, etaInf);
    for (int moves = 0; shot.converged && moves < 2; ++moves) {
        const double shortBy = farZeta(problem.betaOf(shot.value)) - shot.far[0];
        if (shortBy <= 0.0 && std::fabs(shot.far[2]) <= kFarShearTolerance) break;
        etaInf = std::min(etaInf + std::max(std::ceil(shortBy), 0.0) + 1.0, kMaxEtaInf);
        shot = newtonShoot(problem, shot.value, etaInf, FarEnd::Asymptotic);
    }
    if (!shot.converged)
        return fail(FailureKind::NotConverged,
                    what +
                        " did not converge: Newton shooting from the tabulated starting value found no profile "
                        "that meets the far field at η∞ = " +
                        shortNumber(etaInf) + ".");
    return shot;
}

Outcome<MomentumSolution> profileOf(const ShootingProblem& problem, double etaInf, const Shot& shot)
{
    const ShootingState& y = shot.far;
    const ProfileScan& scan = shot.scan;
    const double beta = problem.betaOf(shot.value);
    const double wallShear = problem.wallShearOf(shot.value);
    MomentumSolution s;
    s.beta = beta;
    s.branch = wallShear < 0.0 ? Branch::ReversedFlow : Branch::Attached;
    s.suction = problem.suction;
    s.wallShear = wallShear;
    s.etaInf = etaInf;
    s.farShear = y[2];
    s.outerF = y[0];
    s.displacement = etaInf - (y[0] - problem.suction);
    // Integrating the momentum equation across the layer gives
    //   f''(0) = (1 + beta) theta + beta delta* + f_w.
    // On the reversed-flow branch theta is a small difference of large parts of a long
    // layer, and its quadrature loses digits as beta -> 0-; the identity keeps them.
    s.momentumThickness =
        s.branch == Branch::ReversedFlow ? (wallShear - beta * s.displacement - problem.suction) / (1.0 + beta) : y[7];
    if (problem.unknown == ShootingParameter::WallShear) {
        // delta* = eta_inf - (f(eta_inf) - f_w) moves with f''(0) as f(eta_inf) does.
        const double error = shotError(shot);
        s.wallShearError = error;
        s.displacementError = std::fabs(y[3]) * error + kShootingTolerance * s.displacement;
    } else {
        s.wallShearError = kShootingTolerance * scaleOf(wallShear);
        s.displacementError = kShootingTolerance * s.displacement;
    }
    s.minF = scan.minF;
    if (s.branch == Branch::Attached && scan.crossed99) s.eta99 = refineEta99(scan.step99);
    // Shooting at a finite far field also has roots whose f' overshoots 1 or, on the
    // attached branch, dips below 0: those are other solutions, not the one asked for.
    if (!isWanted(shot, s.branch))
        return fail(FailureKind::NotConverged, "Shooting at β = " + shortNumber(beta) +
                                                   " converged to another solution of the Falkner-Skan "
                                                   "equation (f' leaves the range of the " +
                                                   std::string(branchName(s.branch)) + " branch).");
    return s;
}

} // namespace cuneola::analysis
