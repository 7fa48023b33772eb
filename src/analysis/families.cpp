// SPDX-License-Identifier: GPL-3.0-or-later
// Families of exact solutions: f''(0) and H along beta through the fold, g'(0) along Pr.
#include "analysis/families.h"

#include "analysis/energy_solution.h"
#include "analysis/internal/family_sweeps.h"
#include "analysis/internal/starting_values.h"
#include "numbertext/number_text.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace cuneola::analysis {
namespace {

// The attached branch is stepped in beta down to here, then f''(0) takes over.
constexpr double kFoldSegmentTop = 0.12;     // largest f''(0) solved for beta near the fold
constexpr double kFoldSegmentBottom = -0.09; // most negative one
constexpr double kFoldSegmentStep = 0.01;

BetaFamilyPoint pointOf(const MomentumSolution& m, Branch branch)
{
    return {m.beta, m.wallShear, m.shapeFactor(), branch};
}

std::vector<double> attachedBetas()
{
    std::vector<double> betas = attachedSweepBetas();
    for (double b : {-0.16, -0.17, -0.175}) betas.push_back(b);
    return betas;
}

std::vector<double> reversedBetas()
{
    std::vector<double> betas;
    for (int i = 18; i >= 1; --i) betas.push_back(-i / 100.0); // -0.18 .. -0.01
    for (double b : {-0.008, -0.006, -0.005, -0.004, -0.003, -0.002, -0.0015, -0.001, -0.0007, -0.0005, -0.0004})
        betas.push_back(b);
    betas.push_back(kReversedFlowLimit);
    return betas;
}

} // namespace

Failure familyCancelled() { return fail(FailureKind::Cancelled, "The computation was cancelled."); }

std::vector<double> attachedSweepBetas()
{
    std::vector<double> betas;
    for (int i = 0; i <= 51; ++i) betas.push_back((240 - 5 * i) / 100.0); // 2.4 .. -0.15, exact decimals
    return betas;
}

Outcome<BetaFamily> betaFamily(const FamilyControl& control)
{
    BetaFamily family;
    const Outcome<MomentumSolution> fold = separationSolution();
    if (!fold) return fold.failure();
    family.fold = pointOf(*fold, Branch::Attached);

    const std::vector<double> attached = attachedBetas();
    const std::vector<double> reversed = reversedBetas();
    const int foldSteps = static_cast<int>(std::lround((kFoldSegmentTop - kFoldSegmentBottom) / kFoldSegmentStep));
    const double total = static_cast<double>(attached.size() + reversed.size()) + foldSteps + 1;
    double done = 0.0;
    auto advance = [&] { control.report(++done / total); };

    for (double beta : attached) {
        if (control.cancelled()) return familyCancelled();
        if (const Outcome<MomentumSolution> m = solveMomentum(beta, Branch::Attached))
            family.points.push_back(pointOf(*m, Branch::Attached));
        advance();
    }
    // Through the fold with f''(0) prescribed; beta follows from the last point.
    double betaGuess = family.points.empty() ? fold->beta : family.points.back().beta;
    for (int i = 0; i <= foldSteps; ++i) {
        if (control.cancelled()) return familyCancelled();
        const double shear = kFoldSegmentTop - kFoldSegmentStep * i;
        const Branch branch = shear < 0.0 ? Branch::ReversedFlow : Branch::Attached;
        if (std::fabs(shear) < kFoldSegmentStep / 2.0) {
            family.points.push_back(family.fold);
        } else if (const Outcome<MomentumSolution> m = solveBetaForWallShear(shear, betaGuess)) {
            family.points.push_back(pointOf(*m, branch));
            betaGuess = m->beta;
        }
        advance();
    }
    // Back up the reversed-flow branch until shooting no longer converges.
    for (double beta : reversed) {
        if (control.cancelled()) return familyCancelled();
        if (beta <= family.points.back().beta) {
            advance();
            continue;
        }
        const Outcome<MomentumSolution> m = solveMomentum(beta, Branch::ReversedFlow);
        if (!m) break;
        family.points.push_back(pointOf(*m, Branch::ReversedFlow));
        advance();
    }
    control.report(1.0);
    return family;
}

double smallPrandtlAsymptote(double Pr) { return std::sqrt(2.0 * Pr / std::numbers::pi); }

Outcome<double> largePrandtlAsymptote(double Pr, double wallShear)
{
    if (!(wallShear > 0.0)) return fail(FailureKind::NotDefined, "The large-Pr asymptote needs f''(0) > 0.");
    return std::cbrt(Pr * wallShear / 6.0) / std::tgamma(4.0 / 3.0);
}

Outcome<PowerFit> powerFit(const std::function<Outcome<double>(double)>& wallGradient, double fromPr, double toPr,
                           const FamilyControl& control)
{
    if (!(fromPr >= kMinPr && toPr <= kMaxPr))
        return fail(FailureKind::OutOfRange, "The range of the fit must lie within " + shortNumber(kMinPr) +
                                                 " <= Pr <= " + shortNumber(kMaxPr) + ".");
    if (!(fromPr < toPr))
        return fail(FailureKind::OutOfRange, "The range of the fit is empty: the first Pr must be below the last.");
    constexpr int kFitPoints = 25;
    // Least squares of y = log g'(0) on x = log Pr over points evenly spaced in x.
    double sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    int n = 0;
    const double x0 = std::log(fromPr), x1 = std::log(toPr);
    for (int i = 0; i < kFitPoints; ++i) {
        if (control.cancelled()) return familyCancelled();
        // The ends exactly, so that Pr stays within the range asked for.
        const double Pr = i == 0                ? fromPr
                          : i == kFitPoints - 1 ? toPr
                                                : std::exp(x0 + (x1 - x0) * i / (kFitPoints - 1));
        const double x = std::log(Pr);
        const Outcome<double> g = wallGradient(Pr);
        control.report((i + 1.0) / kFitPoints);
        if (!g || !(*g > 0.0)) continue;
        const double y = std::log(*g);
        sx += x, sy += y, sxx += x * x, sxy += x * y;
        ++n;
    }
    if (n < 2) return fail(FailureKind::NotDefined, "g'(0) is missing over the range of the fit.");
    PowerFit fit;
    fit.b = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    fit.a = std::exp((sy - fit.b * sx) / n);
    fit.fromPr = fromPr;
    fit.toPr = toPr;
    return fit;
}

Outcome<PrandtlFamily> prandtlSweep(const MomentumSolution& momentum, int count, const FamilyControl& control,
                                    const std::function<Outcome<double>(double)>& wallGradient, double fitFromPr,
                                    double fitToPr)
{
    PrandtlFamily family;
    family.momentum = momentum;
    count = std::max(count, 2);

    constexpr int kFitPoints = 25;
    const double total = count + kFitPoints;
    const double logMin = std::log10(kMinPr), logMax = std::log10(kMaxPr);
    for (int i = 0; i < count; ++i) {
        if (control.cancelled()) return familyCancelled();
        // The ends exactly, so that rounding of the powers never leaves the range.
        const double Pr = i == 0           ? kMinPr
                          : i == count - 1 ? kMaxPr
                                           : std::pow(10.0, logMin + (logMax - logMin) * i / (count - 1));
        family.points.push_back({Pr, wallGradient(Pr)});
        control.report((i + 1) / total);
    }

    FamilyControl fitControl{control.cancel, [&control, count, total](double fraction) {
                                 control.report((count + fraction * kFitPoints) / total);
                             }};
    family.fit = powerFit(wallGradient, fitFromPr, fitToPr, fitControl);
    if (control.cancelled()) return familyCancelled();
    return family;
}

Outcome<PrandtlFamily> prandtlFamily(double beta, Branch branch, int count, const FamilyControl& control,
                                     double fitFromPr, double fitToPr)
{
    const Outcome<MomentumSolution> momentum = solveMomentum(beta, branch);
    if (!momentum) return momentum.failure();
    const MomentumSolution& m = *momentum;
    return prandtlSweep(
        m, count, control, [&m](double Pr) { return wallTemperatureGradient(m, Pr); }, fitFromPr, fitToPr);
}

} // namespace cuneola::analysis
