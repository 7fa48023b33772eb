// SPDX-License-Identifier: GPL-3.0-or-later
// The families of exact solutions over a porous or non-isothermal wall.
#include "analysis/wall_families.h"

#include "analysis/energy_solution.h"
#include "analysis/internal/family_sweeps.h"
#include "analysis/transpiration.h"

#include <cmath>

namespace cuneola::analysis {
namespace {

BetaFamilyPoint pointOf(const MomentumSolution& m) { return {m.beta, m.wallShear, m.shapeFactor(), m.branch}; }

// Distances above the fold at which both branches are sampled close to it.
constexpr double kNearFold[] = {1e-4, 4e-4, 1e-3, 2.5e-3, 5e-3, 0.01, 0.02, 0.035};

} // namespace

Outcome<BetaFamily> betaFamily(double suction, const FamilyControl& control)
{
    if (suction == 0.0) return betaFamily(control);
    if (const Outcome<double> checked = checkSuction(suction); !checked) return checked.failure();
    const Outcome<MomentumSolution> fold = transpiredSeparation(suction);
    if (!fold) return fold.failure();
    BetaFamily family;
    family.fold = pointOf(*fold);
    const double bs = fold->beta;

    std::vector<double> attached = attachedSweepBetas();
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
        if (control.cancelled()) return familyCancelled();
        if (beta > bs + 0.035) add(beta, Branch::Attached);
        advance();
    }
    for (auto b = near.rbegin(); b != near.rend(); ++b) {
        if (control.cancelled()) return familyCancelled();
        add(*b, Branch::Attached);
        advance();
    }
    family.points.push_back(family.fold);
    for (double beta : near) {
        if (control.cancelled()) return familyCancelled();
        if (beta < 0.0) add(beta, Branch::ReversedFlow);
        advance();
    }
    for (double beta : reversed) {
        if (control.cancelled()) return familyCancelled();
        if (beta > bs + 0.035) add(beta, Branch::ReversedFlow);
        advance();
    }
    control.report(1.0);
    return family;
}

Outcome<PrandtlFamily> prandtlFamily(double beta, Branch branch, const WallConditions& wall, int count,
                                     const FamilyControl& control, double fitFromPr, double fitToPr)
{
    if (wall.isDefault()) return prandtlFamily(beta, branch, count, control, fitFromPr, fitToPr);
    if (const Outcome<ThermalWall> checked = checkThermalWall(wall.thermal); !checked) return checked.failure();
    const Outcome<MomentumSolution> momentum = solveTranspired(beta, branch, wall.suction);
    if (!momentum) return momentum.failure();
    const MomentumSolution& m = *momentum;
    const ThermalWall& thermal = wall.thermal;
    return prandtlSweep(
        m, count, control, [&m, &thermal](double Pr) { return wallHeatFlux(m, Pr, thermal); }, fitFromPr, fitToPr);
}

Outcome<PowerFit> powerFit(const MomentumSolution& momentum, const ThermalWall& wall, double fromPr, double toPr,
                           const FamilyControl& control)
{
    return powerFit([&momentum, &wall](double Pr) { return wallHeatFlux(momentum, Pr, wall); }, fromPr, toPr, control);
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
