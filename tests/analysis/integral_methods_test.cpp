// SPDX-License-Identifier: GPL-3.0-or-later
// Thwaites' method and Pohlhausen's quartic against their published figures and the exact solution.
#include "analysis/integral_methods.h"
#include "analysis/momentum_solution.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cuneola::analysis {
namespace {

struct PublishedFigure {
    const char* name;
    IntegralMethod method;
    double beta;
    double IntegralEstimate::*field;
    double value;
    double tolerance;
};

class PublishedFigures : public ::testing::TestWithParam<PublishedFigure> {};

TEST_P(PublishedFigures, MethodGivesItsTextbookNumber)
{
    const PublishedFigure c = GetParam();
    const Outcome<IntegralEstimate> e = integralEstimate(c.method, c.beta);
    ASSERT_TRUE(e) << e.failure().message;
    EXPECT_NEAR((*e).*c.field, c.value, c.tolerance);
}

// delta/x sqrt(Re_x) = 5.84 for Pohlhausen's flat plate is thickness * sqrt(2); the
// stagnation point has Lambda = 7.052 (Schlichting); Thwaites' stagnation point lambda = 0.075.
INSTANTIATE_TEST_SUITE_P(FlatPlateAndStagnation, PublishedFigures,
                         ::testing::Values(PublishedFigure{"ThwaitesTheta", IntegralMethod::Thwaites, 0.0,
                                                           &IntegralEstimate::momentumX, 0.671, 5e-4},
                                           PublishedFigure{"ThwaitesShape", IntegralMethod::Thwaites, 0.0,
                                                           &IntegralEstimate::shapeFactor, 2.59, 5e-3},
                                           PublishedFigure{"ThwaitesSkin", IntegralMethod::Thwaites, 0.0,
                                                           &IntegralEstimate::skinFriction, 0.670, 1e-3},
                                           PublishedFigure{"ThwaitesStagnationLambda", IntegralMethod::Thwaites, 1.0,
                                                           &IntegralEstimate::parameter, 0.075, 1e-15},
                                           PublishedFigure{"PohlhausenSkin", IntegralMethod::Pohlhausen, 0.0,
                                                           &IntegralEstimate::skinFriction, 0.686, 1e-3},
                                           PublishedFigure{"PohlhausenThickness", IntegralMethod::Pohlhausen, 0.0,
                                                           &IntegralEstimate::thickness, 5.84 / std::sqrt(2.0), 5e-3},
                                           PublishedFigure{"PohlhausenDisplacement", IntegralMethod::Pohlhausen, 0.0,
                                                           &IntegralEstimate::displacementX, 1.751, 5e-4},
                                           PublishedFigure{"PohlhausenStagnationLambda", IntegralMethod::Pohlhausen,
                                                           1.0, &IntegralEstimate::parameter, 7.052, 5e-4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IntegralMethods, ThwaitesWithWhitesFitsIsNinePerMilleAboveTheExactFlatPlate)
{
    const Outcome<IntegralEstimate> e = integralEstimate(IntegralMethod::Thwaites, 0.0);
    const Outcome<MomentumSolution> exact = solveMomentum(0.0, Branch::Attached);
    ASSERT_TRUE(e && exact);
    EXPECT_NEAR(e->wallShear / exact->wallShear - 1.0, 0.009, 1e-3);
    // The similarity and x-based forms of one estimate agree with each other.
    EXPECT_NEAR(e->skinFriction, 2.0 * e->wallShear / std::sqrt(2.0), 1e-15);
}

TEST(IntegralMethods, SeparationAtMinusTwoNinthsWithZeroShearAndNoAnswerBelow)
{
    for (IntegralMethod method : {IntegralMethod::Thwaites, IntegralMethod::Pohlhausen}) {
        const double bs = integralSeparationBeta(method);
        EXPECT_NEAR(bs, -2.0 / 9.0, 1e-15);
        const Outcome<IntegralEstimate> at = integralEstimate(method, bs);
        ASSERT_TRUE(at) << at.failure().message;
        EXPECT_NEAR(at->wallShear, 0.0, 1e-6);
        for (double beta : {bs - 1e-9, 2.0, 3.0, std::nan("")}) {
            const Outcome<IntegralEstimate> e = integralEstimate(method, beta);
            ASSERT_FALSE(e) << beta;
            EXPECT_FALSE(e.failure().message.empty());
        }
    }
}

TEST(IntegralMethods, QuarticProfileRunsFromTheWallToTheEdge)
{
    const Outcome<IntegralEstimate> e = integralEstimate(IntegralMethod::Pohlhausen, 0.5);
    ASSERT_TRUE(e);
    EXPECT_EQ(pohlhausenVelocity(*e, 0.0), 0.0);
    EXPECT_NEAR(pohlhausenVelocity(*e, e->eta99), 0.99, 1e-12);
    EXPECT_EQ(pohlhausenVelocity(*e, 2.0 * e->thickness), 1.0);
    // Its slope at the wall is the estimate's f''(0).
    const double h = 1e-7;
    EXPECT_NEAR(pohlhausenVelocity(*e, h) / h, e->wallShear, 1e-5);
}

} // namespace
} // namespace cuneola::analysis
