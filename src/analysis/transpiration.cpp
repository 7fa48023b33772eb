// SPDX-License-Identifier: GPL-3.0-or-later
// Falkner-Skan solutions over a porous wall: suction or blowing through f(0) = f_w.
#include "analysis/transpiration.h"

#include "analysis/internal/adaptive_march.h"
#include "analysis/internal/similarity_odes.h"
#include "analysis/internal/starting_values.h"
#include "numbertext/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace cuneola::analysis {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kMaxNewtonIterations = 30;
constexpr int kMaxBacktracks = 12;
// Misses at the level of the march's own error, as for the impermeable wall.
constexpr double kMissFloor = 2e-13;
constexpr double kFarShearTolerance = 1e-8;
// Steps in f_w when a solution is followed from the impermeable wall's.
constexpr double kContinuationStep = 0.1;

double scaleOf(double x) { return std::max(1.0, std::fabs(x)); }

struct Problem {
    ShootingParameter parameter; // WallShear: beta fixed; Beta: f''(0) fixed
    double fixed;
    double suction;
};

// Newton on f'(etaInf) = 1 with the variation along the unknown; a step whose trial
// blows up is halved. NaN when it does not converge.
double newton(const Problem& p, double guess, double etaInf, double& farShear)
{
    double x = guess, base = guess, step = 0.0;
    int backtracks = 0;
    for (int iteration = 0; iteration < kMaxNewtonIterations;) {
        const double beta = p.parameter == ShootingParameter::WallShear ? p.fixed : x;
        const double shear = p.parameter == ShootingParameter::WallShear ? x : p.fixed;
        SensitivityState y{p.suction, 0.0, shear, 0.0, 0.0, p.parameter == ShootingParameter::WallShear ? 1.0 : 0.0};
        double dt = 0.01;
        if (marchAdaptive(SensitivitySystem{beta, p.parameter}, y, 0.0, etaInf, dt) != MarchEnd::Reached) {
            if (iteration == 0 || ++backtracks > kMaxBacktracks) return kNaN;
            step /= 2.0;
            x = base + step;
            continue;
        }
        ++iteration;
        backtracks = 0;
        const double miss = y[1] - 1.0, slope = y[4];
        if (!(slope != 0.0) || !std::isfinite(miss / slope)) return kNaN;
        base = x;
        step = -miss / slope;
        x = base + step;
        if (std::fabs(step) <= 0.1 * kShootingTolerance * scaleOf(x) || std::fabs(miss) <= kMissFloor) {
            farShear = y[2];
            return x;
        }
    }
    return kNaN;
}

struct Settled {
    double value = kNaN, etaInf = 0.0, farShear = 0.0;
};

// Grows the far field until the unknown stops changing and f'' has died away.
std::optional<Settled> settle(const Problem& p, double guess, double eta0)
{
    double previous = kNaN;
    int misses = 0;
    for (double etaInf = eta0; etaInf <= kMaxEtaInf; etaInf += 1.0) {
        double farShear = kNaN;
        const double value = newton(p, std::isfinite(previous) ? previous : guess, etaInf, farShear);
        if (!std::isfinite(value)) {
            if (std::isfinite(previous) || ++misses > 6) return std::nullopt;
            continue;
        }
        if (std::isfinite(previous) && std::fabs(value - previous) <= kShootingTolerance * scaleOf(value) &&
            std::fabs(farShear) < kFarShearTolerance)
            return Settled{value, etaInf, farShear};
        previous = value;
    }
    return std::nullopt;
}

// The converged profile: the integrals, eta99, and whether f' stayed in its branch's range.
std::optional<MomentumSolution> profileOf(double beta, double shear, double suction, const Settled& settled)
{
    const ProfileSystem system{beta};
    ProfileState y{suction, 0.0, shear, 0.0, 0.0, 0.0};
    double minFp = 0.0, maxFp = 0.0, minF = 0.0, eta99 = kNaN;
    double dt = 0.01;
    const MarchEnd end =
        marchAdaptive(system, y, 0.0, settled.etaInf, dt,
                      [&](const ProfileState& before, double e0, const ProfileState& after, double e1) {
                          minFp = std::min(minFp, after[1]);
                          maxFp = std::max(maxFp, after[1]);
                          minF = std::min(minF, after[3]);
                          if (std::isfinite(eta99) || !(before[1] < 0.99 && after[1] >= 0.99)) return;
                          // Newton on f' = 0.99 inside the step, marching afresh from its start.
                          double eta = e0 + (e1 - e0) * (0.99 - before[1]) / (after[1] - before[1]);
                          for (int i = 0; i < 20; ++i) {
                              ProfileState z = before;
                              double h = eta - e0;
                              if (eta > e0) marchAdaptive(system, z, e0, eta, h);
                              const double correction = (z[1] - 0.99) / z[2];
                              eta = std::clamp(eta - correction, e0, e1);
                              if (std::fabs(correction) < 1e-14 * scaleOf(eta)) break;
                          }
                          eta99 = eta;
                      });
    const Branch branch = shear < 0.0 ? Branch::ReversedFlow : Branch::Attached;
    if (end != MarchEnd::Reached || maxFp > 1.0 + 1e-7 || (branch == Branch::Attached && minFp < -1e-9))
        return std::nullopt;
    MomentumSolution s;
    s.beta = beta;
    s.branch = branch;
    s.suction = suction;
    s.wallShear = shear;
    s.etaInf = settled.etaInf;
    s.farShear = settled.farShear;
    s.outerF = y[0];
    s.displacement = settled.etaInf - (y[0] - suction);
    s.momentumThickness = y[4];
    s.minF = minF;
    if (branch == Branch::Attached && std::isfinite(eta99)) s.eta99 = eta99;
    return s;
}

std::optional<MomentumSolution> shoot(double beta, Branch branch, double suction, double guess, double eta0)
{
    const std::optional<Settled> settled = settle({ShootingParameter::WallShear, beta, suction}, guess, eta0);
    if (!settled) return std::nullopt;
    std::optional<MomentumSolution> s = profileOf(beta, settled->value, suction, *settled);
    if (!s || s->branch != branch) return std::nullopt;
    return s;
}

// 2 s = f_w + sqrt(f_w^2 + 4 s0^2) runs from s0 at f_w = 0 towards f_w under strong
// suction and towards 0 under strong blowing; through (f_w, s) it has s0^2 = s (s - f_w).
double attachedGuess(double suction, double atSuction, double shear)
{
    const double s0Squared = std::max(shear * (shear - atSuction), 0.0);
    return 0.5 * (suction + std::sqrt(suction * suction + 4.0 * s0Squared));
}

// Follows the solution at f_w = 0 out to `suction` in steps, each starting from the
// last: on the attached branch along the curve above, on the other by extrapolation.
// `reached` receives the last solution found on the way.
std::optional<MomentumSolution> continueFromImpermeable(double beta, Branch branch, double suction,
                                                        std::optional<MomentumSolution>& reached)
{
    const Outcome<MomentumSolution> start = solveMomentum(beta, branch);
    if (!start) return std::nullopt;
    reached = *start;
    MomentumSolution last = *start, beforeLast = *start;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(suction) / kContinuationStep)));
    for (int i = 1; i <= steps; ++i) {
        const double fw = suction * i / steps;
        double guess = last.wallShear;
        if (branch == Branch::Attached)
            guess = attachedGuess(fw, last.suction, last.wallShear);
        else if (i > 1)
            guess = 2.0 * last.wallShear - beforeLast.wallShear;
        const std::optional<MomentumSolution> next = shoot(beta, branch, fw, guess, std::max(3.0, last.etaInf - 3.0));
        if (!next) return std::nullopt;
        beforeLast = last;
        last = *next;
        reached = last;
    }
    return last;
}

std::string blownOff(double beta, double suction)
{
    return "At f_w = " + shortNumber(suction) + " and β = " + shortNumber(beta) +
           " the blowing has lifted the boundary layer off the wall: the wall shear has fallen to almost nothing, "
           "and there is no reliable solution to show.";
}

Failure separated(double beta, double suction, double separation)
{
    return fail(FailureKind::BeyondSeparation, "At β = " + shortNumber(beta, 9) + " and f_w = " + shortNumber(suction) +
                                                   " the boundary layer has separated: below β_s = " +
                                                   shortNumber(separation, 9) + " there is no similarity solution.");
}

// Why the reversed-flow branch asked for at beta does not exist over this wall.
Failure noReversedFlow(double beta, double suction)
{
    if (beta < 0.0) {
        const Outcome<MomentumSolution> fold = transpiredSeparation(suction);
        if (!fold) return fold.failure();
        if (beta < fold->beta) return separated(beta, suction, fold->beta);
    }
    return fail(FailureKind::NoSuchBranch, "The reversed-flow branch exists only for β_s < β < 0; at β = " +
                                               shortNumber(beta) + " there is only the attached solution.");
}

std::optional<Settled> settleFold(double suction, double betaGuess)
{
    return settle({ShootingParameter::Beta, 0.0, suction}, betaGuess, 6.0);
}

Outcome<MomentumSolution> computeFold(double suction)
{
    // Followed from the impermeable wall's fold in small steps of f_w.
    const Outcome<double> impermeable = separationBeta();
    if (!impermeable) return impermeable.failure();
    double beta = *impermeable;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(suction) / 0.1)));
    std::optional<Settled> fold;
    double previousBeta = beta, previousFw = 0.0;
    for (int i = 1; i <= steps; ++i) {
        const double fw = suction * i / steps;
        // Extrapolate linearly along f_w from the last two points.
        const double guess = i == 1 ? beta : beta + (beta - previousBeta) / (fw - previousFw) * (suction / steps);
        fold = settleFold(fw, guess);
        if (!fold) break;
        previousBeta = beta, previousFw = suction * (i - 1) / steps;
        beta = fold->value;
    }
    if (!fold)
        return fail(FailureKind::NotConverged,
                    suction < 0.0 ? "With f_w = " + shortNumber(suction) +
                                        " the blowing lifts the layer off the wall before any adverse pressure "
                                        "gradient separates it: there is no separation point to give."
                                  : "The separation point at f_w = " + shortNumber(suction) + " did not converge.");
    std::optional<MomentumSolution> s = profileOf(fold->value, 0.0, suction, *fold);
    if (!s)
        return fail(FailureKind::NotConverged, "The separation profile at f_w = " + shortNumber(suction) +
                                                   " left the range of an attached profile.");
    return *s;
}

} // namespace

Outcome<double> checkSuction(double suction)
{
    if (!std::isfinite(suction)) return fail(FailureKind::OutOfRange, "f_w must be a finite number.");
    if (suction < kMinSuction || suction > kMaxSuction)
        return fail(FailureKind::OutOfRange, "f_w = " + shortNumber(suction) + " is outside " +
                                                 shortNumber(kMinSuction) + " to " + shortNumber(kMaxSuction) +
                                                 ", the range this tool solves.");
    return suction;
}

Outcome<MomentumSolution> transpiredSeparation(double suction)
{
    if (const Outcome<double> checked = checkSuction(suction); !checked) return checked.failure();
    if (suction == 0.0) return separationSolution();
    static std::mutex mutex;
    static std::map<double, Outcome<MomentumSolution>> cache;
    {
        const std::lock_guard lock(mutex);
        if (const auto hit = cache.find(suction); hit != cache.end()) return hit->second;
    }
    Outcome<MomentumSolution> fold = computeFold(suction);
    const std::lock_guard lock(mutex);
    if (cache.size() > 256) cache.clear();
    cache.emplace(suction, fold);
    return fold;
}

bool reversedFlowExists(double beta, double suction)
{
    if (suction == 0.0) return reversedFlowExists(beta);
    if (!(beta < 0.0)) return false; // no fold needs computing for that
    const Outcome<MomentumSolution> fold = transpiredSeparation(suction);
    return fold && reversedFlowBetween(beta, fold->beta);
}

Outcome<MomentumSolution> solveTranspired(double beta, Branch branch, double suction)
{
    if (const Outcome<double> checked = checkSuction(suction); !checked) return checked.failure();
    if (suction == 0.0) return solveMomentum(beta, branch);
    if (!std::isfinite(beta)) return fail(FailureKind::OutOfRange, "β must be a finite number.");
    if (beta > kMaxBeta)
        return fail(FailureKind::OutOfRange, "β = " + shortNumber(beta) + " is above " + shortNumber(kMaxBeta) +
                                                 ", the largest β this tool solves.");
    if (branch == Branch::ReversedFlow && !reversedFlowExists(beta, suction)) return noReversedFlow(beta, suction);

    std::optional<MomentumSolution> s;
    if (branch == Branch::Attached) {
        const double s0 = startingValue(std::max(beta, *separationBeta() + 0.002), branch, *separationBeta()).wallShear;
        s = shoot(beta, branch, suction, attachedGuess(suction, 0.0, s0), 4.0);
    }
    std::optional<MomentumSolution> reached;
    if (!s) s = continueFromImpermeable(beta, branch, suction, reached);
    if (s && branch == Branch::Attached && suction < 0.0 && s->wallShear < kBlowOffShear)
        return fail(FailureKind::BeyondSeparation, blownOff(beta, suction));
    if (s) return *s;
    // Blowing that drove the wall shear almost to zero on the way has lifted the layer off.
    if (branch == Branch::Attached && suction < 0.0 && reached && reached->wallShear < 4.0 * kBlowOffShear)
        return fail(FailureKind::BeyondSeparation, blownOff(beta, suction));

    const Outcome<MomentumSolution> fold = transpiredSeparation(suction);
    if (fold && beta < fold->beta) return separated(beta, suction, fold->beta);
    return fail(FailureKind::NotConverged, "f''(0) on the " + std::string(branchName(branch)) +
                                               " branch at β = " + shortNumber(beta) +
                                               " and f_w = " + shortNumber(suction) + " did not converge.");
}

} // namespace cuneola::analysis
