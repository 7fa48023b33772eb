// SPDX-License-Identifier: GPL-3.0-or-later
// Families of exact solutions: through the fold in beta, and along Pr.
#include "analysis/energy_solution.h"
#include "analysis/families.h"
#include "analysis/published_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace cuneola::analysis {
namespace {

const Outcome<BetaFamily>& family()
{
    static const Outcome<BetaFamily> f = betaFamily();
    return f;
}

TEST(BetaFamily, RunsThroughTheExactFoldFromOneBranchToTheOther)
{
    ASSERT_TRUE(family());
    const auto& points = family()->points;
    const auto fold = std::find_if(points.begin(), points.end(), [](const auto& p) { return p.wallShear == 0.0; });
    ASSERT_NE(fold, points.end());
    EXPECT_EQ(fold->beta, *separationBeta());
    // Attached before the fold, f''(0) falling; reversed flow after it, f''(0) < 0.
    for (auto p = points.begin(); p != fold; ++p) {
        EXPECT_EQ(p->branch, Branch::Attached);
        EXPECT_GT(p->wallShear, std::next(p)->wallShear);
    }
    for (auto p = std::next(fold); p != points.end(); ++p) {
        EXPECT_EQ(p->branch, Branch::ReversedFlow);
        EXPECT_LT(p->wallShear, 0.0);
        EXPECT_LT(std::prev(p)->beta, p->beta + 1e-3); // beta climbs back towards 0
    }
    EXPECT_EQ(points.front().beta, 2.4);
    EXPECT_GT(points.back().beta, -0.001); // followed close to beta = 0
}

TEST(BetaFamily, AgreesWithTheTableAndTheSeparationShape)
{
    ASSERT_TRUE(family());
    for (const PublishedWallShear& row : inglisTable()) {
        const auto at = std::find_if(family()->points.begin(), family()->points.end(),
                                     [&](const auto& p) { return p.beta == row.beta && p.branch == Branch::Attached; });
        if (at == family()->points.end()) continue;
        EXPECT_NEAR(at->wallShear, row.wallShear, 5e-8) << row.beta;
    }
    // H = 4.03 at separation, 2.59 on the flat plate.
    EXPECT_NEAR(family()->fold.shapeFactor, 4.0292, 1e-4);
}

TEST(BetaFamily, CancelledPartWay)
{
    std::atomic<bool> cancel{false};
    double last = 0.0;
    int calls = 0;
    const Outcome<BetaFamily> f = betaFamily({&cancel, [&](double fraction) {
                                                  EXPECT_GE(fraction, last);
                                                  last = fraction;
                                                  if (++calls == 10) cancel = true;
                                              }});
    ASSERT_FALSE(f);
    EXPECT_EQ(f.failure().kind, FailureKind::Cancelled);
    EXPECT_LT(last, 0.2);
}

TEST(PrandtlFamily, LogSpacedOverTheWholeRangeWithACubeRootFit)
{
    const Outcome<PrandtlFamily> f = prandtlFamily(0.0, Branch::Attached, 61);
    ASSERT_TRUE(f);
    ASSERT_EQ(f->points.size(), 61u);
    EXPECT_EQ(f->points.front().Pr, kMinPr);
    EXPECT_EQ(f->points.back().Pr, kMaxPr);
    EXPECT_NEAR(f->points[30].Pr, 1.0, 1e-12);
    for (std::size_t i = 1; i < f->points.size(); ++i)
        EXPECT_GT(*f->points[i].wallGradient, *f->points[i - 1].wallGradient);
    // The textbook 0.332 Pr^(1/3) in x-based form is g'(0) = 0.4696 Pr^(1/3).
    ASSERT_TRUE(f->fit);
    EXPECT_NEAR(f->fit->b, 1.0 / 3.0, 0.015);
    EXPECT_NEAR(f->fit->a, 0.4696, 0.005);
}

TEST(PrandtlFamily, ReversedFlowHasNoThinLayerAsymptote)
{
    const Outcome<PrandtlFamily> f = prandtlFamily(-0.1, Branch::ReversedFlow, 21);
    ASSERT_TRUE(f);
    EXPECT_FALSE(largePrandtlAsymptote(10.0, f->momentum.wallShear));
    EXPECT_TRUE(largePrandtlAsymptote(10.0, 0.4696));
    EXPECT_FALSE(prandtlFamily(-0.25, Branch::Attached, 21));
}

TEST(PowerFit, SpansTheRangeAskedForAndRefusesOneThatIsEmptyInvertedOrOutside)
{
    const MomentumSolution blasius = *solveMomentum(0.0, Branch::Attached);
    const struct {
        double from, to;
        bool fits;
    } cases[] = {{0.6, 10.0, true},  {100.0, 1000.0, true}, {5.0, 5.0, false},
                 {10.0, 0.6, false}, {0.0001, 1.0, false},  {1.0, NAN, false}};
    for (const auto& c : cases) {
        int solves = 0;
        const Outcome<PowerFit> fit = powerFit(
            [&](double Pr) {
                ++solves;
                EXPECT_TRUE(Pr >= c.from && Pr <= c.to) << Pr;
                return wallTemperatureGradient(blasius, Pr);
            },
            c.from, c.to);
        ASSERT_EQ(bool(fit), c.fits) << c.from << " " << c.to;
        if (!c.fits) {
            EXPECT_EQ(fit.failure().kind, FailureKind::OutOfRange);
            EXPECT_EQ(solves, 0);
            continue;
        }
        EXPECT_EQ(fit->fromPr, c.from);
        EXPECT_EQ(fit->toPr, c.to);
        EXPECT_NEAR(fit->b, 1.0 / 3.0, 0.015); // the thin-layer exponent, closer at large Pr
    }
}

} // namespace
} // namespace cuneola::analysis
