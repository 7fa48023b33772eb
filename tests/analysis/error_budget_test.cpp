// SPDX-License-Identifier: GPL-3.0-or-later
// The error budget of classic search results, and the classic march's own root.
#include "analysis/classic_march.h"
#include "analysis/error_budget.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>

namespace cuneola::analysis {
namespace {

ClassicResult momentumResult(double written, double h = 0.01, double xMax = 10.0)
{
    ClassicResult r;
    r.setting = {MarchMode::Momentum, 0.0, h, xMax, -1.0, 1.0, 0.0};
    r.Eps = 0.01;
    r.written = written;
    return r;
}

ClassicResult atBeta(double beta, ClassicResult r)
{
    r.setting.Beta = beta;
    return r;
}

double sumOfParts(const ErrorBudget& b) { return b.tolerancePart + b.stepPart + b.wallShearPart + b.farFieldPart; }

struct BudgetCase {
    const char* name;
    ClassicResult result;
    const char* dominant; // what the advice must name
};

class Budget : public ::testing::TestWithParam<BudgetCase> {};

TEST_P(Budget, PartsAddUpAndTheAdviceNamesTheLargest)
{
    const BudgetCase c = GetParam();
    const Outcome<ErrorBudget> b = errorBudget(c.result);
    ASSERT_TRUE(b) << b.failure().message;
    EXPECT_NEAR(sumOfParts(*b), b->total(), 1e-15);
    EXPECT_NE(budgetAdvice(*b, c.result).find(c.dominant), std::string::npos) << budgetAdvice(*b, c.result);
}

ClassicResult energyResult(double Pr, double shear, double written)
{
    ClassicResult r;
    r.setting = {MarchMode::Energy, 0.0, 0.01, 10.0, -1.0, Pr, shear};
    r.Eps = 0.01;
    r.written = written;
    return r;
}

// An energy search converged tightly, but over a rough f''(0) = 0.3 instead of 0.4696.
ClassicResult roughShearSearch()
{
    ClassicResult r = energyResult(1.0, 0.3, 0.0);
    r.Eps = 1e-6;
    r.written = *classicRoot(r.setting, 0.3, 0.01) + 1e-7;
    return r;
}

INSTANTIATE_TEST_SUITE_P(Classic, Budget,
                         ::testing::Values(BudgetCase{"DefaultSearch", momentumResult(0.47), "ε = 0.01"},
                                           BudgetCase{"CoarseStep", momentumResult(0.4696, 0.2), "Δη = 0.2"},
                                           BudgetCase{"CloseFarField", momentumResult(0.4696, 0.01, 5.0), "η max = 5"},
                                           // f''(0) > 0 below beta = 0 is the attached branch, not the reversed one.
                                           BudgetCase{"AttachedBelowZero", atBeta(-0.1, momentumResult(0.3193)),
                                                      "off by 3.02e-05 (0.0095 %). Most of the error comes from ε"},
                                           BudgetCase{"EnergyAtSmallPrandtl",
                                                      energyResult(0.01, 0.469599988361, 0.1116), "η max = 10"},
                                           BudgetCase{"EnergyWithARoughWallShear", roughShearSearch(), "f''(0) = 0.3"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Budget, PartsMeanWhatTheySay)
{
    const Outcome<ErrorBudget> b = errorBudget(momentumResult(0.47));
    ASSERT_TRUE(b);
    EXPECT_NEAR(b->exact, 0.469599988361, 1e-12);
    EXPECT_EQ(b->tolerancePart, 0.47 - b->gillRoot);
    // A march of 1000 steps of 0.01 ends a hair beyond 10.
    EXPECT_EQ(b->marchEnd, 10.000000000000163);
    EXPECT_EQ(b->wallShearPart, 0.0);
    EXPECT_LT(std::fabs(b->farFieldPart), 1e-14); // eta max = 10 is far enough for f''(0)
}

// The step's part is measured against the exact solution on [0, eta max] as typed, so
// a march that ends a step past eta max books that overshoot under the step.
struct OvershootCase {
    const char* name;
    double h, xMax;
    double stepPart;      // NaN: not checked
    const char* sentence; // nullptr: the advice must not say the march overshot
};

class Overshoot : public ::testing::TestWithParam<OvershootCase> {};

TEST_P(Overshoot, StepPartAndSentenceAtEtaMaxAsTyped)
{
    const OvershootCase c = GetParam();
    const ClassicResult r = momentumResult(0.47, c.h, c.xMax);
    const Outcome<ErrorBudget> b = errorBudget(r);
    ASSERT_TRUE(b) << b.failure().message;
    if (!std::isnan(c.stepPart)) {
        EXPECT_NEAR(b->stepPart, c.stepPart, 0.01e-5);
    }
    const std::string advice = budgetAdvice(*b, r);
    if (c.sentence) {
        EXPECT_NE(advice.find(c.sentence), std::string::npos) << advice;
    } else {
        EXPECT_EQ(advice.find("past η max"), std::string::npos) << advice;
    }
}

INSTANTIATE_TEST_SUITE_P(Classic, Overshoot,
                         ::testing::Values(OvershootCase{"EtaMax4Step001", 0.01, 4.0, -4.69e-5,
                                                         "The march ends at η = 4.01, one step past η max"},
                                           OvershootCase{"EtaMax6Step02", 0.2, 6.0, NAN,
                                                         "The march ends at η = 6.2, one step past η max"},
                                           OvershootCase{"EndsAtEtaMaxUpToRounding", 0.01, 10.0, NAN, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

// The advice never sends the student round in circles.
struct AdviceCase {
    const char* name;
    ClassicResult result;
    const char* says;
    const char* saysNot;
};

// A search that hit the Gill march's root, so that the step or the far field is all its error.
ClassicResult atGillRoot(ClassicResult r)
{
    r.written = *classicRoot(r.setting, 0.47, 0.01);
    return r;
}

ClassicResult unconverged()
{
    ClassicResult r = momentumResult(0.35);
    r.converged = false;
    return r;
}

class Advice : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(Advice, LeadsSomewhere)
{
    const AdviceCase c = GetParam();
    const Outcome<ErrorBudget> b = errorBudget(c.result);
    ASSERT_TRUE(b) << b.failure().message;
    const std::string advice = budgetAdvice(*b, c.result);
    EXPECT_NE(advice.find(c.says), std::string::npos) << advice;
    EXPECT_EQ(advice.find(c.saysNot), std::string::npos) << advice;
}

INSTANTIATE_TEST_SUITE_P(
    Classic, Advice,
    ::testing::Values(AdviceCase{"AlreadyGoodToFourDecimals", momentumResult(0.4696),
                                 "already as accurate as the log's four decimals show", "did not converge"},
                      AdviceCase{"NotConvergedSaysSoFirst", unconverged(), "The search did not converge", "lower it"},
                      AdviceCase{"NotConvergedNamesGuessAndStep", unconverged(), "Reset the guess and the trial step",
                                 "Most of the error"},
                      AdviceCase{"StepDominatesSoEpsCannotHelp", atGillRoot(momentumResult(0.47, 0.2)),
                                 "a lower ε cannot help", "lower it"},
                      AdviceCase{"FarFieldDominatesSoEpsCannotHelp", atGillRoot(momentumResult(0.47, 0.01, 3.0)),
                                 "raise η max; a lower ε cannot help", "lower it"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Budget, NoExactSolutionNoBudget)
{
    ClassicResult r = momentumResult(0.1);
    r.setting.Beta = -0.25;
    const Outcome<ErrorBudget> b = errorBudget(r);
    ASSERT_FALSE(b);
    EXPECT_EQ(b.failure().kind, FailureKind::BeyondSeparation);
}

TEST(ClassicRoot, HitsOneToTheLastBit)
{
    const ClassicSetting s = momentumResult(0.0).setting;
    const Outcome<double> root = classicRoot(s, 0.47, 0.01);
    ASSERT_TRUE(root);
    const double below = std::nextafter(*root, 0.0), above = std::nextafter(*root, 1.0);
    const double r = marchClassic(s, *root).outer - 1.0;
    // Neither neighbouring double comes closer to 1.
    EXPECT_LE(std::fabs(r), std::fabs(marchClassic(s, below).outer - 1.0));
    EXPECT_LE(std::fabs(r), std::fabs(marchClassic(s, above).outer - 1.0));
    EXPECT_LT(std::fabs(r), 1e-15);
}

TEST(ClassicRoot, EnergyMarchIsLinearInTheTrial)
{
    ClassicSetting s = momentumResult(0.0).setting;
    s.mode = MarchMode::Energy;
    s.wallShear = 0.47;
    const Outcome<double> root = classicRoot(s, -1.0, 0.1);
    ASSERT_TRUE(root);
    EXPECT_NEAR(*root, 1.0 / marchClassic(s, 1.0).outer, 1e-15);
}

TEST(ClassicMarch, CutOffAndOverflowAreToldApart)
{
    ClassicSetting s = momentumResult(0.0).setting;
    s.Beta = 1.0;
    const ClassicTrial cut = marchClassic(s, 1.0); // f' falls below -1 in step 366
    EXPECT_EQ(cut.end, TrialEnd::CutOff);
    EXPECT_NEAR(cut.endEta, 3.66, 1e-9);
    EXPECT_EQ(marchClassic(s, 2.2).end, TrialEnd::Overflow);
    EXPECT_EQ(marchClassic(s, 1.232588).end, TrialEnd::Reached);
}

// A window cancels these when a new search replaces the one they explain; with ten
// million steps a march each, an uncancelled root search runs for many seconds.
TEST(Cancel, RootSearchAndBudgetStopBetweenMarches)
{
    std::atomic<bool> cancel{true};
    const FamilyControl control{&cancel, {}};
    const ClassicResult r = momentumResult(0.47);
    const Outcome<double> root = classicRoot(r.setting, 0.47, 1e-3, control);
    ASSERT_FALSE(root);
    EXPECT_EQ(root.failure().kind, FailureKind::Cancelled);
    const Outcome<ErrorBudget> b = errorBudget(r, control);
    ASSERT_FALSE(b);
    EXPECT_EQ(b.failure().kind, FailureKind::Cancelled);

    cancel = false;
    EXPECT_TRUE(classicRoot(r.setting, 0.47, 1e-3, control)) << "an unset flag changes nothing";
}

} // namespace
} // namespace cuneola::analysis
