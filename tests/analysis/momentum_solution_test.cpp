// SPDX-License-Identifier: GPL-3.0-or-later
// Exact Falkner-Skan solutions against Inglis's table, the fold, and identities that need no table.
#include "analysis/momentum_solution.h"
#include "analysis/published_values.h"
#include "analysis/similarity_solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace cuneola::analysis {
namespace {

// Inglis's values are correctly rounded for beta >= 0; for beta < 0 they are good to
// about 5e-8 only.
class InglisTable : public ::testing::TestWithParam<PublishedWallShear> {};

TEST_P(InglisTable, AttachedWallShearAgreesToThePublishedDigits)
{
    const PublishedWallShear row = GetParam();
    const Outcome<MomentumSolution> s = solveMomentum(row.beta, Branch::Attached);
    ASSERT_TRUE(s) << s.failure().message;
    const double halfUnit = 0.5 * std::pow(10.0, -row.decimals);
    const double allowed = row.beta >= 0.0 ? halfUnit : 5e-8;
    EXPECT_NEAR(s->wallShear, row.wallShear, allowed) << "beta = " << row.beta;
}

INSTANTIATE_TEST_SUITE_P(Inglis1962, InglisTable, ::testing::ValuesIn(inglisTable().begin(), inglisTable().end()));

TEST(Separation, FoldLiesAtThePublishedBetaWithZeroWallShear)
{
    const Outcome<MomentumSolution> fold = separationSolution();
    ASSERT_TRUE(fold) << fold.failure().message;
    EXPECT_NEAR(fold->beta, kPublishedSeparationBeta, 1e-8);
    EXPECT_EQ(fold->wallShear, 0.0);
    EXPECT_EQ(*separationBeta(), fold->beta);
}

TEST(Separation, BelowTheFoldThereIsNoSolutionAndNoNumber)
{
    // The rounded -0.19884 lies just beyond the fold.
    for (double beta : {-0.19884, *separationBeta() - 1e-9, -0.2, -1.0}) {
        for (Branch branch : {Branch::Attached, Branch::ReversedFlow}) {
            const Outcome<MomentumSolution> s = solveMomentum(beta, branch);
            ASSERT_FALSE(s) << "beta = " << beta;
            EXPECT_EQ(s.failure().kind, FailureKind::BeyondSeparation);
            EXPECT_NE(s.failure().message.find("separated"), std::string::npos);
        }
    }
}

TEST(Separation, BothBranchesCloseInOnTheFold)
{
    const double bs = *separationBeta();
    for (double distance : {1e-3, 1e-5, 1e-7}) {
        const Outcome<MomentumSolution> up = solveMomentum(bs + distance, Branch::Attached);
        const Outcome<MomentumSolution> down = solveMomentum(bs + distance, Branch::ReversedFlow);
        ASSERT_TRUE(up) << up.failure().message;
        ASSERT_TRUE(down) << down.failure().message;
        // f''(0)^2 grows linearly with beta - beta_s on both sides of the fold.
        EXPECT_GT(up->wallShear, 0.0);
        EXPECT_LT(down->wallShear, 0.0);
        EXPECT_NEAR(up->wallShear / std::sqrt(distance), -down->wallShear / std::sqrt(distance), 0.06);
        EXPECT_LT(up->wallShear, 2.0 * std::sqrt(distance));
    }
}

struct BranchCase {
    double beta;
    Branch branch;
};

class EveryBranch : public ::testing::TestWithParam<BranchCase> {};

// Integrating the momentum equation across the layer gives
//   f''(0) = (1 + beta) theta + beta delta*
// for every solution; a wrong far field or a lost tail of an integral breaks it.
TEST_P(EveryBranch, MomentumIntegralHolds)
{
    const auto [beta, branch] = GetParam();
    const Outcome<MomentumSolution> s = solveMomentum(beta, branch);
    ASSERT_TRUE(s) << s.failure().message;
    EXPECT_EQ(s->branch, branch);
    EXPECT_NEAR(s->momentumThickness, (s->wallShear - beta * s->displacement) / (1.0 + beta), 1e-9);
}

// The far field was grown far enough: the same problem posed on a much longer interval
// gives the same f''(0).
TEST_P(EveryBranch, FarFieldIsFarEnough)
{
    const auto [beta, branch] = GetParam();
    const Outcome<MomentumSolution> s = solveMomentum(beta, branch);
    ASSERT_TRUE(s) << s.failure().message;
    EXPECT_LT(std::fabs(s->farShear), 1e-8);
    const Outcome<MomentumSolution> longer = solveMomentumOnInterval(beta, s->etaInf + 6.0, s->wallShear);
    ASSERT_TRUE(longer) << longer.failure().message;
    EXPECT_NEAR(longer->wallShear, s->wallShear, 2e-12 * std::max(1.0, std::fabs(s->wallShear)));
}

TEST_P(EveryBranch, ReversedFlowBranchHasBackflowAtTheWall)
{
    const auto [beta, branch] = GetParam();
    const Outcome<SimilaritySolution> s = solveSimilarity(beta, branch, 1.0);
    ASSERT_TRUE(s) << s.failure().message;
    const Profiles p = sampleProfiles(*s, s->momentum.etaInf, 400);
    double minFp = 0.0;
    for (double v : p.fp) minFp = std::min(minFp, v);
    if (branch == Branch::ReversedFlow)
        EXPECT_LT(minFp, -1e-3);
    else
        EXPECT_GE(minFp, 0.0);
    // At large beta f'(eta_inf) is very sensitive to f''(0): a resampled march lands
    // within 1e-8 of 1, the shooting march itself within 1e-12.
    EXPECT_NEAR(p.fp.back(), 1.0, 1e-8);
}

INSTANTIATE_TEST_SUITE_P(AcrossTheRange, EveryBranch,
                         ::testing::Values(BranchCase{2.4, Branch::Attached}, BranchCase{4.0, Branch::Attached},
                                           BranchCase{1.0, Branch::Attached}, BranchCase{0.0, Branch::Attached},
                                           BranchCase{-0.1, Branch::Attached}, BranchCase{-0.198, Branch::Attached},
                                           BranchCase{-0.198, Branch::ReversedFlow},
                                           BranchCase{-0.1, Branch::ReversedFlow},
                                           BranchCase{-0.01, Branch::ReversedFlow},
                                           BranchCase{-0.0005, Branch::ReversedFlow}));

TEST(ReversedFlow, KnownValueOfTheLowerBranch)
{
    // Stewartson's lower branch at beta = -0.1: f''(0) = -0.140546.
    const Outcome<MomentumSolution> s = solveMomentum(-0.1, Branch::ReversedFlow);
    ASSERT_TRUE(s) << s.failure().message;
    EXPECT_NEAR(s->wallShear, -0.140546, 5e-7);
}

TEST(Eta99, IsWhereTheVelocityReachesNinetyNinePercent)
{
    for (double beta : {-0.19, 0.0, 1.0, 2.4}) {
        const Outcome<SimilaritySolution> s = solveSimilarity(beta, Branch::Attached, 1.0);
        ASSERT_TRUE(s) << s.failure().message;
        const double eta99 = *s->momentum.eta99;
        const Profiles p = sampleProfiles(*s, eta99, 2);
        EXPECT_NEAR(p.fp.back(), 0.99, 1e-11) << "beta = " << beta;
    }
    // Blasius: eta99 = 3.471887.
    EXPECT_NEAR(*solveMomentum(0.0, Branch::Attached)->eta99, 3.471887, 1e-6);
}

TEST(BadInput, PlainAnswersAndNoNumbers)
{
    struct Case {
        double beta;
        Branch branch;
        FailureKind kind;
    };
    const Case cases[] = {
        {std::nan(""), Branch::Attached, FailureKind::OutOfRange},
        {double(INFINITY), Branch::Attached, FailureKind::OutOfRange},
        {4.5, Branch::Attached, FailureKind::OutOfRange},
        {0.0, Branch::ReversedFlow, FailureKind::NoSuchBranch},
        {0.5, Branch::ReversedFlow, FailureKind::NoSuchBranch},
        {-1e-4, Branch::ReversedFlow, FailureKind::NotConverged},
    };
    for (const Case& c : cases) {
        const Outcome<MomentumSolution> s = solveMomentum(c.beta, c.branch);
        ASSERT_FALSE(s) << "beta = " << c.beta;
        EXPECT_EQ(s.failure().kind, c.kind) << s.failure().message;
        EXPECT_FALSE(s.failure().message.empty());
    }
}

TEST(BetaAsUnknown, RecoversTheBetaOfAKnownWallShear)
{
    const Outcome<MomentumSolution> s = solveBetaForWallShear(1.232587656820268, 0.8);
    ASSERT_TRUE(s) << s.failure().message;
    EXPECT_NEAR(s->beta, 1.0, 1e-11);
}

} // namespace
} // namespace cuneola::analysis
