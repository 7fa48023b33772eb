// SPDX-License-Identifier: GPL-3.0-or-later
// The families of exact solutions over a porous or non-isothermal wall.
#include "analysis/wall_families.h"

#include "analysis/energy_solution.h"
#include "analysis/transpiration.h"

#include <cmath>

namespace cuneola::analysis {
namespace {

Failure cancelled() { return fail(FailureKind::Cancelled, "The computation was cancelled."); }

BetaFamilyPoint pointOf(const MomentumSolution& m)
{
    return {m.beta, m.wallShear, m.displacement / m.momentumThickness, m.branch};
}

// Distances above the fold at which both branches are sampled close to it.
constexpr double kNearFold[] = {1e-4, 4e-4, 1e-3, 2.5e-3, 5e-3, 0.01, 0.02, 0.035};

} // namespace

Outcome<BetaFamily> betaFamily(double suction, const FamilyControl& control)
{
    if (suction == 0.0) return betaFamily(control);
    if (auto refusal = checkSuction(suction)) return *refusal;
    const Outcome<MomentumSolution> fold = transpiredSeparation(suction);
    if (!fold) return fold.failure();
    BetaFamily family;
    family.fold = pointOf(*fold);
    const double bs = fold->beta;

    std::vector<double> attached;
    for (int i = 0; i <= 51; ++i) attached.push_back((240 - 5 * i) / 100.0); // 2.4 .. -0.15
    for (int i = 16; (-i / 100.0) > bs + 0.05; ++i) attached.push_back(-i / 100.0);
    std::vector<double> near;
    for (double d : kNearFold) near.push_back(bs + d);
    std::vector<double> reversed;
    for (int i = 20; i >= 1; --i) reversed.push_back(-i / 100.0);

    const double total = static_cast<double>(attached.size() + 2 * near.size() + reversed.size());
    double done = 0.0;
    auto advance = [&] { control.report(++done / total); };
    auto add = [&](double beta, Branch branch) {
        if (const Outcome<MomentumSolution> m = solveTranspired(beta, branch, suction))
            family.points.push_back(pointOf(*m));
    };
    for (double beta : attached) {
        if (control.cancelled()) return cancelled();
        if (beta > bs + 0.035) add(beta, Branch::Attached);
        advance();
    }
    for (auto b = near.rbegin(); b != near.rend(); ++b) {
        if (control.cancelled()) return cancelled();
        add(*b, Branch::Attached);
        advance();
    }
    family.points.push_back(family.fold);
    for (double beta : near) {
        if (control.cancelled()) return cancelled();
        if (beta < 0.0) add(beta, Branch::ReversedFlow);
        advance();
    }
    for (double beta : reversed) {
        if (control.cancelled()) return cancelled();
        if (beta > bs + 0.035) add(beta, Branch::ReversedFlow);
        advance();
    }
    control.report(1.0);
    return family;
}

Outcome<PrandtlFamily> prandtlFamily(double beta, Branch branch, const WallConditions& wall, int count,
                                     const FamilyControl& control)
{
    if (wall.isDefault()) return prandtlFamily(beta, branch, count, control);
    if (auto refusal = checkThermalWall(wall.thermal)) return *refusal;
    const Outcome<MomentumSolution> momentum = solveTranspired(beta, branch, wall.suction);
    if (!momentum) return momentum.failure();
    PrandtlFamily family;
    family.momentum = *momentum;
    count = std::max(count, 2);
    constexpr int kFitPoints = 25;
    const double total = count + kFitPoints;
    const double logMin = std::log10(kMinPr), logMax = std::log10(kMaxPr);
    for (int i = 0; i < count; ++i) {
        if (control.cancelled()) return cancelled();
        const double Pr = i == 0           ? kMinPr
                          : i == count - 1 ? kMaxPr
                                           : std::pow(10.0, logMin + (logMax - logMin) * i / (count - 1));
        family.points.push_back({Pr, wallHeatFlux(family.momentum, Pr, wall.thermal)});
        control.report((i + 1) / total);
    }
    // Least squares of log g'(0) on log Pr, as for the isothermal wall.
    double sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    int n = 0;
    const double x0 = std::log(kPowerFitFromPr), x1 = std::log(kPowerFitToPr);
    for (int i = 0; i < kFitPoints; ++i) {
        if (control.cancelled()) return cancelled();
        const double x = x0 + (x1 - x0) * i / (kFitPoints - 1);
        const Outcome<double> g = wallHeatFlux(family.momentum, std::exp(x), wall.thermal);
        control.report((count + i + 1) / total);
        if (!g || !(*g > 0.0)) continue;
        const double y = std::log(*g);
        sx += x, sy += y, sxx += x * x, sxy += x * y;
        ++n;
    }
    if (n >= 2) {
        PowerFit fit;
        fit.b = (n * sxy - sx * sy) / (n * sxx - sx * sx);
        fit.a = std::exp((sy - fit.b * sx) / n);
        family.fit = fit;
    }
    return family;
}

Outcome<double> smallPrandtlAsymptote(double Pr, double beta, const ThermalWall& wall)
{
    const double k = wallCoefficient(wall, beta);
    if (k == 0.0) return smallPrandtlAsymptote(Pr);
    return smallPrandtlLimit(Pr, k);
}

Outcome<double> largePrandtlAsymptote(double Pr, double beta, double wallShear, const ThermalWall& wall)
{
    const double k = wallCoefficient(wall, beta);
    if (k == 0.0) return largePrandtlAsymptote(Pr, wallShear);
    return largePrandtlLimit(Pr, wallShear, k);
}

} // namespace cuneola::analysis
