// SPDX-License-Identifier: GPL-3.0-or-later
// Falkner-Skan solutions over a porous wall: suction or blowing through f(0) = f_w.
#include "analysis/transpiration.h"

#include "analysis/internal/shooting.h"
#include "analysis/internal/starting_values.h"
#include "numbertext/number_text.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace cuneola::analysis {
namespace {

// Steps in f_w when a solution is followed from the impermeable wall's.
constexpr double kContinuationStep = 0.1;
// A far end short enough for a rough guess of f''(0) to find its root on the attached branch.
constexpr double kShortFarEnd = 4.0;
// From this beta up the first guess on the attached branch is sharpened at kShortFarEnd.
constexpr double kSharpenAbove = 0.3;

// The solution on `branch` at beta over the wall f_w, shot from `guess` to the far end
// etaInf (continuing outwards from nearEta if need be); nothing if it is not that branch's.
std::optional<MomentumSolution> shoot(double beta, Branch branch, double suction, double guess, double etaInf,
                                      double nearEta)
{
    const ShootingProblem problem{ShootingParameter::WallShear, beta, suction};
    const Outcome<Shot> shot = shootToFarField(problem, guess, branch, etaInf, nearEta, "f''(0)");
    if (!shot) return std::nullopt;
    const Outcome<MomentumSolution> s = profileOf(problem, etaInf, *shot);
    if (!s || s->branch != branch) return std::nullopt;
    return *s;
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
        const double fw = i == steps ? suction : suction * i / steps; // the last exactly f_w
        double guess = last.wallShear;
        if (branch == Branch::Attached)
            guess = attachedGuess(fw, last.suction, last.wallShear);
        else if (i > 1)
            guess = 2.0 * last.wallShear - beforeLast.wallShear;
        // If the shot to the far end misses, the attached branch is found again from a short
        // far end, where even a rough guess finds its root.
        const bool attached = branch == Branch::Attached;
        const std::optional<MomentumSolution> next =
            shoot(beta, branch, fw, guess, attached ? attachedFarEnd(beta, fw) : last.etaInf,
                  attached ? 3.0 : std::max(3.0, last.etaInf - 3.0));
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

Outcome<MomentumSolution> computeFold(double suction)
{
    // Followed from the impermeable wall's fold in small steps of f_w.
    const Outcome<double> impermeable = separationBeta();
    if (!impermeable) return impermeable.failure();
    double beta = *impermeable;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(suction) / kContinuationStep)));
    const ShootingProblem problem{ShootingParameter::Beta, 0.0, suction};
    Outcome<Shot> fold = Failure{};
    double etaInf = 0.0;
    double previousBeta = beta, previousFw = 0.0;
    for (int i = 1; i <= steps; ++i) {
        const double fw = i == steps ? suction : suction * i / steps; // the last exactly f_w
        // Extrapolate linearly along f_w from the last two points.
        const double guess = i == 1 ? beta : beta + (beta - previousBeta) / (fw - previousFw) * (suction / steps);
        etaInf = attachedFarEnd(guess, fw);
        fold = shootToFarField({ShootingParameter::Beta, 0.0, fw}, guess, Branch::Attached, etaInf, 6.0,
                               "The separation point");
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
    const Outcome<MomentumSolution> s = profileOf(problem, etaInf, *fold);
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
        double guess = attachedGuess(suction, 0.0, s0);
        // At large beta f'(eta_inf) grows so sensitive to f''(0) that Newton's basin at the
        // far end is narrower than this guess is good; a short far end, where it is wide,
        // sharpens it first. (Only far from the fold, whose digits a sharp guess would cost.)
        if (beta >= kSharpenAbove) {
            const Shot near =
                newtonShoot({ShootingParameter::WallShear, beta, suction}, guess, kShortFarEnd, FarEnd::Asymptotic);
            if (isWanted(near, branch)) guess = near.value;
        }
        s = shoot(beta, branch, suction, guess, attachedFarEnd(beta, suction), kShortFarEnd);
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
