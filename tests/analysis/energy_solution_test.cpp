// SPDX-License-Identifier: GPL-3.0-or-later
// g'(0) of the energy equation: the Pr = 1 identity, the two asymptotes, and the closed-form tail.
#include "analysis/energy_solution.h"
#include "analysis/families.h"
#include "analysis/similarity_solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace cuneola::analysis {
namespace {

MomentumSolution blasius() { return *solveMomentum(0.0, Branch::Attached); }

TEST(WallGradient, EqualsWallShearAtPrandtlOneOnAFlatPlate)
{
    // With beta = 0 and Pr = 1, g = f' solves the energy equation.
    const MomentumSolution m = blasius();
    EXPECT_NEAR(*wallTemperatureGradient(m, 1.0), m.wallShear, 1e-13);
}

TEST(WallGradient, KnownFlatPlateValues)
{
    // Nu_x / sqrt(Re_x) = 0.29268 at Pr = 0.7 (g'(0) = sqrt(2) times it).
    EXPECT_NEAR(*wallTemperatureGradient(blasius(), 0.7), 0.413912, 1e-6);
}

struct AsymptoteCase {
    double beta;
    double smallPr, smallRatioBelow; // g'(0) / sqrt(2 Pr / pi) lies within this of 1
    double largePr, largeRatioBelow;
};

class Asymptotes : public ::testing::TestWithParam<AsymptoteCase> {};

TEST_P(Asymptotes, ApproachedAtBothEnds)
{
    const AsymptoteCase c = GetParam();
    const MomentumSolution m = *solveMomentum(c.beta, Branch::Attached);
    const double small = *wallTemperatureGradient(m, c.smallPr) / smallPrandtlAsymptote(c.smallPr);
    const double smaller = *wallTemperatureGradient(m, c.smallPr / 10.0) / smallPrandtlAsymptote(c.smallPr / 10.0);
    EXPECT_NEAR(small, 1.0, c.smallRatioBelow);
    EXPECT_LT(std::fabs(smaller - 1.0), std::fabs(small - 1.0)); // closer as Pr falls
    const double large = *wallTemperatureGradient(m, c.largePr) / *largePrandtlAsymptote(c.largePr, m.wallShear);
    EXPECT_NEAR(large, 1.0, c.largeRatioBelow);
}

INSTANTIATE_TEST_SUITE_P(SmallAndLargePrandtl, Asymptotes,
                         ::testing::Values(AsymptoteCase{0.0, 0.01, 0.1, 1000.0, 5e-5},
                                           AsymptoteCase{1.0, 0.01, 0.06, 1000.0, 0.02},
                                           AsymptoteCase{-0.19, 0.01, 0.15, 1000.0, 0.08}));

TEST(FarTail, ResultDoesNotDependOnWhereTheMarchStops)
{
    // At small Pr most of the integral lies beyond eta_inf and comes from the closed
    // form: moving eta_inf out by 15 must not change g'(0).
    const MomentumSolution m = blasius();
    MomentumSolution further = m;
    further.etaInf = m.etaInf + 15.0;
    further.outerF = m.outerF + 15.0; // f' = 1 out there
    for (double Pr : {0.001, 0.01, 0.1, 1.0})
        EXPECT_NEAR(*wallTemperatureGradient(further, Pr), *wallTemperatureGradient(m, Pr), 2e-12) << "Pr = " << Pr;
}

TEST(FarTail, LeavingItOutAtSmallPrandtlIsFarOff)
{
    // The classic march stops at eta max = 10; at Pr = 0.01 that overstates g'(0) by 53 %.
    const MomentumSolution m = blasius();
    const double truncated = *wallTemperatureGradientOnInterval(0.0, m.wallShear, 10.0, 0.01);
    EXPECT_NEAR(truncated / *wallTemperatureGradient(m, 0.01), 1.53, 0.01);
}

TEST(ScaledErfc, ContinuousWhereTheSeriesTakesOver)
{
    for (double x : {0.0, 0.5, 3.0, 10.0, 25.9})
        EXPECT_NEAR(scaledErfc(x), std::exp(x * x) * std::erfc(x), 1e-13 * scaledErfc(x));
    EXPECT_NEAR(scaledErfc(26.0) / scaledErfc(std::nextafter(26.0, 0.0)), 1.0, 1e-12);
    EXPECT_NEAR(scaledErfc(1e4) * 1e4 * std::sqrt(std::numbers::pi), 1.0, 1e-8);
}

TEST(Prandtl, OutsideTheRangeIsRefusedButTheMomentumResultsStay)
{
    for (double Pr : {0.0, -1.0, std::nan(""), double(INFINITY), 0.0009, 1000.5}) {
        const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, Pr);
        ASSERT_TRUE(s);
        ASSERT_FALSE(s->wallGradient) << "Pr = " << Pr;
        EXPECT_EQ(s->wallGradient.failure().kind, FailureKind::OutOfRange);
        EXPECT_FALSE(quantityValue(*s, Quantity::Nusselt));
        EXPECT_TRUE(quantityValue(*s, Quantity::WallShear));
    }
}

TEST(Prandtl, ReversedFlowAtLargePrandtlSaysTheGradientIsBelowTheRange)
{
    const MomentumSolution m = *solveMomentum(-0.02, Branch::ReversedFlow);
    const Outcome<double> g = wallTemperatureGradient(m, 1000.0);
    ASSERT_FALSE(g);
    EXPECT_EQ(g.failure().kind, FailureKind::NotDefined);
    EXPECT_GT(*wallTemperatureGradient(m, 1.0), 0.0);
}

} // namespace
} // namespace cuneola::analysis
