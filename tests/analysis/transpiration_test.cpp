// SPDX-License-Identifier: GPL-3.0-or-later
// Suction and blowing: the momentum identity, the asymptotic-suction limit, the moving fold, blow-off.
#include "analysis/internal/shooting.h"
#include "analysis/transpiration.h"
#include "analysis/wall_families.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace cuneola::analysis {
namespace {

struct PorousCase {
    double beta;
    Branch branch;
    double suction;
};

class PorousWall : public ::testing::TestWithParam<PorousCase> {};

// Integrating the momentum equation across the layer: f''(0) = (1 + beta) theta + beta delta* + f_w.
TEST_P(PorousWall, MomentumIntegralKeepsItsWallTerm)
{
    const auto [beta, branch, fw] = GetParam();
    const Outcome<MomentumSolution> s = solveTranspired(beta, branch, fw);
    ASSERT_TRUE(s) << s.failure().message;
    EXPECT_EQ(s->branch, branch);
    EXPECT_EQ(s->suction, fw);
    // At large beta f'(eta_inf) is so sensitive to f''(0) that the integrals keep about 8 digits.
    EXPECT_NEAR(s->wallShear, (1.0 + beta) * s->momentumThickness + beta * s->displacement + fw,
                beta > 2.0 ? 5e-8 : 1e-9);
    EXPECT_LT(std::fabs(s->farShear), 1e-8);
}

INSTANTIATE_TEST_SUITE_P(
    SuctionAndBlowing, PorousWall,
    ::testing::Values(PorousCase{0.0, Branch::Attached, 0.5}, PorousCase{0.0, Branch::Attached, -0.5},
                      PorousCase{1.0, Branch::Attached, 2.0}, PorousCase{2.4, Branch::Attached, -1.0},
                      PorousCase{4.0, Branch::Attached, -0.5}, PorousCase{-0.15, Branch::Attached, -0.1},
                      PorousCase{-0.25, Branch::Attached, 0.5}, PorousCase{-0.1, Branch::ReversedFlow, 0.1}));

TEST(PorousWall, ImpermeableWallIsTodaysSolutionToTheLastDigit)
{
    for (const PorousCase c : {PorousCase{0.0, Branch::Attached, 0.0}, PorousCase{-0.1, Branch::ReversedFlow, 0.0}}) {
        const Outcome<MomentumSolution> s = solveTranspired(c.beta, c.branch, 0.0);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->wallShear, solveMomentum(c.beta, c.branch)->wallShear);
    }
}

struct ErrorCase {
    double suction;
    Branch branch;
    double farBeta; // well away from the fold
};

class PorousWallError : public ::testing::TestWithParam<ErrorCase> {};

// The shooting's error estimate, as on the impermeable wall: never zero, and growing
// towards the moved fold, where the two roots merge and fewer digits can be vouched for.
// (Blown layers are refused on the attached branch that close to the fold: f''(0) < kBlowOffShear.)
TEST_P(PorousWallError, GrowsTowardsTheMovedFold)
{
    const auto [fw, branch, farBeta] = GetParam();
    const Outcome<MomentumSolution> fold = transpiredSeparation(fw);
    ASSERT_TRUE(fold) << fold.failure().message;
    const Outcome<MomentumSolution> far = solveTranspired(farBeta, branch, fw);
    const Outcome<MomentumSolution> near = solveTranspired(fold->beta + 1e-6, branch, fw);
    ASSERT_TRUE(far) << far.failure().message;
    ASSERT_TRUE(near) << near.failure().message;
    EXPECT_GT(far->wallShearError, 0.0);
    EXPECT_GT(far->displacementError, 0.0);
    EXPECT_GT(near->wallShearError, 10.0 * far->wallShearError);
    EXPECT_GT(near->displacementError, far->displacementError);
}

INSTANTIATE_TEST_SUITE_P(SuctionAndBlowing, PorousWallError,
                         ::testing::Values(ErrorCase{0.3, Branch::Attached, 0.0}, ErrorCase{1.0, Branch::Attached, 1.0},
                                           ErrorCase{-0.2, Branch::ReversedFlow, -0.1}));

struct FoldCase {
    double suction;
    Branch branch;
    double fromFold; // beta - beta_s(f_w)
};

class NearTheFold : public ::testing::TestWithParam<FoldCase> {};

// Close to the fold the miss hardly moves with f''(0), and Newton from a guess a little
// off stops wherever the miss first falls to the march's own level. Honest error bars
// of the roots it reaches from nearby guesses therefore overlap.
TEST_P(NearTheFold, ErrorBarsOfRootsFromNearbyGuessesOverlap)
{
    const auto [fw, branch, fromFold] = GetParam();
    const double beta = transpiredSeparation(fw)->beta + fromFold;
    const Outcome<MomentumSolution> s = solveTranspired(beta, branch, fw);
    ASSERT_TRUE(s) << s.failure().message;
    for (double factor : {0.99, 0.995, 1.005, 1.01}) {
        const Shot shot =
            newtonShoot({ShootingParameter::WallShear, beta, fw}, factor * s->wallShear, s->etaInf, FarEnd::Asymptotic);
        ASSERT_TRUE(shot.converged) << factor;
        EXPECT_LE(std::fabs(shot.value - s->wallShear), s->wallShearError + shotError(shot)) << factor;
    }
}

INSTANTIATE_TEST_SUITE_P(BothWalls, NearTheFold,
                         ::testing::Values(FoldCase{0.0, Branch::Attached, 1e-8},
                                           FoldCase{0.0, Branch::ReversedFlow, 1e-6},
                                           FoldCase{0.3, Branch::Attached, 1e-8}));

TEST(PorousWall, StrongSuctionApproachesTheAsymptoticProfile)
{
    // f' -> 1 - exp(-f_w eta): f''(0) -> f_w, delta* -> 1/f_w, theta -> 1/(2 f_w), each closer as f_w grows.
    std::array<double, 3> previous{1.0, 1.0, 1.0};
    for (double fw : {2.0, 5.0, 10.0}) {
        const Outcome<MomentumSolution> s = solveTranspired(0.0, Branch::Attached, fw);
        ASSERT_TRUE(s) << s.failure().message;
        const std::array<double, 3> gaps{std::fabs(s->wallShear / fw - 1.0), std::fabs(s->displacement * fw - 1.0),
                                         std::fabs(s->momentumThickness * 2.0 * fw - 1.0)};
        for (std::size_t i = 0; i < gaps.size(); ++i) EXPECT_LT(gaps[i], previous[i]) << fw;
        previous = gaps;
    }
    for (double gap : previous) EXPECT_LT(gap, 0.02);
}

TEST(PorousWall, SeparationMovesWithSuctionAndBelowItThereIsNoNumber)
{
    const double bs0 = *separationBeta();
    double last = -1.0;
    for (double fw : {0.3, 0.0, -0.2}) {
        const Outcome<MomentumSolution> fold = transpiredSeparation(fw);
        ASSERT_TRUE(fold) << fold.failure().message;
        EXPECT_EQ(fold->wallShear, 0.0);
        EXPECT_GT(fold->beta, last); // suction lowers beta_s, blowing raises it
        last = fold->beta;
        if (fw == 0.0) {
            EXPECT_EQ(fold->beta, bs0);
        }
        const Outcome<MomentumSolution> below = solveTranspired(fold->beta - 1e-3, Branch::Attached, fw);
        ASSERT_FALSE(below);
        EXPECT_EQ(below.failure().kind, FailureKind::BeyondSeparation) << below.failure().message;
        EXPECT_TRUE(solveTranspired(fold->beta + 1e-3, Branch::Attached, fw)) << fw;
    }
}

TEST(PorousWall, BlowingLiftsTheLayerOffAndThenThereIsNoNumber)
{
    // Emmons & Leigh (1954) tabulate F''' + F F''/2 = 0, F'(inf) = 1. With f(eta) = F(xi)/sqrt(2),
    // xi = sqrt(2) eta this is f''' + f f'' = 0: f_w = F(0)/sqrt(2), f''(0) = sqrt(2) F''(0). Their
    // blow-off F(0) = -1.2386 is f_w = -0.8758 here; at f_w = -0.79, f''(0) is still about 0.02.
    const Outcome<MomentumSolution> weak = solveTranspired(0.0, Branch::Attached, -0.79);
    ASSERT_TRUE(weak) << weak.failure().message;
    EXPECT_NEAR(weak->wallShear, 0.02, 0.005);
    for (double fw : {-0.9, -1.5}) {
        const Outcome<MomentumSolution> s = solveTranspired(0.0, Branch::Attached, fw);
        ASSERT_FALSE(s) << fw;
        EXPECT_EQ(s.failure().kind, FailureKind::BeyondSeparation);
        EXPECT_NE(s.failure().message.find("lifted"), std::string::npos) << s.failure().message;
    }
}

TEST(PorousWall, BadInputIsRefusedInWords)
{
    for (double fw : {std::nan(""), 10.5, -2.5, double(INFINITY)}) {
        const Outcome<MomentumSolution> s = solveTranspired(0.0, Branch::Attached, fw);
        ASSERT_FALSE(s);
        EXPECT_EQ(s.failure().kind, FailureKind::OutOfRange);
    }
    EXPECT_EQ(solveTranspired(0.2, Branch::ReversedFlow, 0.5).failure().kind, FailureKind::NoSuchBranch);
    // Below the moved fold the layer has separated: no branch at all, and said so.
    const double bs = transpiredSeparation(0.3)->beta;
    EXPECT_TRUE(reversedFlowExists(bs + 1e-3, 0.3));
    EXPECT_FALSE(reversedFlowExists(bs - 1e-3, 0.3));
    EXPECT_EQ(solveTranspired(bs - 1e-3, Branch::ReversedFlow, 0.3).failure().kind, FailureKind::BeyondSeparation);
}

TEST(PorousWall, BetaFamilyRunsThroughTheMovedFold)
{
    const Outcome<BetaFamily> family = betaFamily(0.3, {});
    ASSERT_TRUE(family) << family.failure().message;
    EXPECT_EQ(family->fold.beta, transpiredSeparation(0.3)->beta);
    bool reversed = false;
    for (const BetaFamilyPoint& p : family->points) {
        EXPECT_GE(p.beta, family->fold.beta);
        if (p.branch == Branch::ReversedFlow) reversed = true;
        if (!reversed) {
            EXPECT_GE(p.wallShear, 0.0);
        }
    }
    EXPECT_TRUE(reversed);
    EXPECT_GT(family->points.size(), 60u);
}

} // namespace
} // namespace cuneola::analysis
