// SPDX-License-Identifier: GPL-3.0-or-later
// Walls heated as x^n and at uniform flux: closed forms at Pr = 1, the flux ratio, the tail, the limits.
#include "analysis/energy_solution.h"
#include "analysis/similarity_solution.h"
#include "analysis/thermal_wall.h"
#include "analysis/transpiration.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cuneola::analysis {
namespace {

MomentumSolution solved(double beta, double fw = 0.0) { return *solveTranspired(beta, Branch::Attached, fw); }

TEST(ThermalWall, ZeroExponentIsTheIsothermalWallToTheLastDigit)
{
    const MomentumSolution m = solved(0.3);
    for (const ThermalWall wall : {ThermalWall{}, ThermalWall{ThermalWallKind::PowerLaw, 0.0}})
        EXPECT_EQ(*wallHeatFlux(m, 0.7, wall), *wallTemperatureGradient(m, 0.7));
    // Uniform flux at beta = 1 (m = 1) has n = 0 as well.
    EXPECT_EQ(*wallHeatFlux(solved(1.0), 2.0, {ThermalWallKind::UniformFlux}),
              *wallTemperatureGradient(solved(1.0), 2.0));
}

struct ClosedFormCase {
    double beta;
    double suction;
};

class PrandtlOne : public ::testing::TestWithParam<ClosedFormCase> {};

// Differentiating the momentum equation shows that G = f''/f''(0) solves
// G'' + f G' + (1 - 2 beta) f' G = 0: at Pr = 1 that is the wall n (2 - beta) = 2 beta - 1,
// and then g'(0) = -f'''(0)/f''(0) = f_w + beta / f''(0).
TEST_P(PrandtlOne, ShearProfileIsTheTemperatureProfile)
{
    const auto [beta, fw] = GetParam();
    const MomentumSolution m = solved(beta, fw);
    const ThermalWall wall{ThermalWallKind::PowerLaw, (2.0 * beta - 1.0) / (2.0 - beta)};
    const Outcome<double> g = wallHeatFlux(m, 1.0, wall);
    ASSERT_TRUE(g) << g.failure().message;
    EXPECT_NEAR(*g, fw + beta / m.wallShear, 1e-9) << "n = " << wall.exponent;
}

// k = 2 beta - 1 runs from -1.2 (below -1, where the tail needs the recurrence) to 1.4.
INSTANTIATE_TEST_SUITE_P(SeveralWedges, PrandtlOne,
                         ::testing::Values(ClosedFormCase{-0.1, 0.0}, ClosedFormCase{0.0, 0.0},
                                           ClosedFormCase{0.2, 0.0}, ClosedFormCase{1.0, 0.0}, ClosedFormCase{1.2, 0.0},
                                           ClosedFormCase{0.2, 0.5}, ClosedFormCase{1.0, -0.4}));

TEST(ThermalWall, UniformFluxPlateTransfersAboutAThirdMore)
{
    const MomentumSolution m = solved(0.0);
    const double ratio = *wallHeatFlux(m, 0.7, {ThermalWallKind::UniformFlux}) / *wallTemperatureGradient(m, 0.7);
    EXPECT_NEAR(ratio, 1.387, 2e-3);
}

TEST(ThermalWall, FarTailDoesNotDependOnWhereTheMarchStops)
{
    // At small Pr most of the thermal layer lies beyond eta_inf, in the closed-form tail.
    const MomentumSolution m = solved(0.0);
    MomentumSolution further = m;
    further.etaInf += 15.0;
    further.outerF += 15.0;
    for (const ThermalWall wall :
         {ThermalWall{ThermalWallKind::UniformFlux}, ThermalWall{ThermalWallKind::PowerLaw, -0.4},
          ThermalWall{ThermalWallKind::PowerLaw, 2.0}}) {
        const double near = *wallHeatFlux(m, 0.01, wall), far = *wallHeatFlux(further, 0.01, wall);
        EXPECT_NEAR(near, far, 1e-10 * std::fabs(far)) << wall.exponent;
    }
}

TEST(ThermalWall, LimitsAtSmallAndLargePrandtl)
{
    const MomentumSolution m = solved(0.0);
    for (double n : {-0.3, 0.5, 1.5}) {
        const ThermalWall wall{ThermalWallKind::PowerLaw, n};
        const double k = wallCoefficient(wall, 0.0);
        const double small = *wallHeatFlux(m, 1e-3, wall) / *smallPrandtlLimit(1e-3, k);
        const double smallish = *wallHeatFlux(m, 1e-2, wall) / *smallPrandtlLimit(1e-2, k);
        EXPECT_NEAR(small, 1.0, 0.07) << n;
        EXPECT_LT(std::fabs(small - 1.0), std::fabs(smallish - 1.0)) << n;
        EXPECT_NEAR(*wallHeatFlux(m, 1e3, wall) / *largePrandtlLimit(1e3, m.wallShear, k), 1.0, 1e-3) << n;
    }
    EXPECT_FALSE(smallPrandtlLimit(1.0, -1.0));
}

TEST(ThermalWall, ProfileStartsAtTheWallGradientAndReachesOne)
{
    const MomentumSolution m = solved(0.0);
    const ThermalWall wall{ThermalWallKind::UniformFlux};
    for (double Pr : {0.01, 0.7, 100.0}) {
        const ThermalProfile p = sampleThermalProfile(m, Pr, wall, m.etaInf + 100.0, 300);
        ASSERT_EQ(p.g.size(), 300u);
        EXPECT_NEAR(p.gp.front(), *wallHeatFlux(m, Pr, wall), 1e-12);
        EXPECT_EQ(p.g.front(), 0.0);
        EXPECT_NEAR(p.g.back(), 1.0, 1e-6) << Pr;
    }
}

TEST(ThermalWall, FullSolutionCarriesTheWallIntoProfilesAndPublishedValues)
{
    const WallConditions wall{0.0, {ThermalWallKind::UniformFlux}};
    const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, 1.0, wall);
    ASSERT_TRUE(s && s->wallGradient);
    EXPECT_EQ(*s->wallGradient, *wallHeatFlux(s->momentum, 1.0, wall.thermal));
    EXPECT_NEAR(sampleProfiles(*s, 10.0, 50).gp.front(), *s->wallGradient, 1e-12);
    // g'(0) = f''(0) at Pr = 1 holds for the isothermal plate only.
    EXPECT_FALSE(publishedValue(*s, Quantity::WallGradient));
    EXPECT_TRUE(publishedValue(*s, Quantity::WallShear));
    EXPECT_FALSE(publishedValue(*solveSimilarity(0.0, Branch::Attached, 1.0, {0.5, {}}), Quantity::WallShear));
}

TEST(ThermalWall, BadInputIsRefusedInWords)
{
    const MomentumSolution m = solved(0.0);
    for (double n : {std::nan(""), 3.5, -1.5}) {
        const Outcome<double> g = wallHeatFlux(m, 0.7, {ThermalWallKind::PowerLaw, n});
        ASSERT_FALSE(g);
        EXPECT_EQ(g.failure().kind, FailureKind::OutOfRange);
    }
    EXPECT_FALSE(wallHeatFlux(m, -1.0, {ThermalWallKind::UniformFlux}));
}

} // namespace
} // namespace cuneola::analysis
