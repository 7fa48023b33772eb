// SPDX-License-Identifier: GPL-3.0-or-later
// The shooting map: the classic march sampled over the trials of a search.
#include "analysis/shooting_map.h"

#include "null_window.h"
#include "solver/form_values.h"
#include "solver/rk4g.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

namespace cuneola::analysis {
namespace {

const ClassicSetting kDefaultMomentum{MarchMode::Momentum, 0.0, 0.01, 10.0, -1.0, 1.0, 0.0};
// The guesses the default momentum search marches, in order.
const std::vector<double> kDefaultTrials{0.1, 0.2, 0.3, 0.4, 0.5, 0.49, 0.48, 0.47};

TEST(ShootingMap, SearchTrialsLieExactlyOnTheCurve)
{
    const Outcome<ShootingMap> map = shootingMap(kDefaultMomentum, kDefaultTrials, 200);
    ASSERT_TRUE(map) << map.failure().message;
    FormValues form;
    form.xMax = 10.0, form.yMax = 1.5, form.yMin = -1.0, form.h = 0.01, form.Beta = 0.0;
    for (double trial : kDefaultTrials) {
        const auto at = std::find_if(map->samples.begin(), map->samples.end(),
                                     [trial](const ClassicTrial& t) { return t.trial == trial; });
        ASSERT_NE(at, map->samples.end()) << trial;
        bench::NullPlot plot;
        double outer = 0.0, unused = 0.0;
        RK4G(form, plot, 0.0, 0.0, trial, outer, 0.0, 0.0, unused);
        EXPECT_EQ(at->outer, outer) << trial;
    }
}

TEST(ShootingMap, CoversTheTrialsAndTheRootWithEnoughSamples)
{
    const std::vector<double> stopShort{0.1, 0.2, 0.3}; // a search that ran out of rounds
    const Outcome<ShootingMap> map = shootingMap(kDefaultMomentum, stopShort, 50);
    ASSERT_TRUE(map);
    EXPECT_GE(map->samples.size(), static_cast<std::size_t>(kMinMapSamples));
    EXPECT_TRUE(std::is_sorted(map->samples.begin(), map->samples.end(),
                               [](const auto& a, const auto& b) { return a.trial < b.trial; }));
    ASSERT_EQ(map->roots.size(), 1u);
    EXPECT_NEAR(map->roots[0], 0.4696, 1e-4);
    EXPECT_LE(map->from, 0.1);
    EXPECT_GE(map->to, map->roots[0]);
}

TEST(ShootingMap, MarchesThatEndEarlyAreMarkedNotDrawn)
{
    ClassicSetting s = kDefaultMomentum;
    s.Beta = 1.0;
    const Outcome<ShootingMap> map = shootingMap(s, std::vector<double>{0.5, 2.2}, 200);
    ASSERT_TRUE(map);
    int cut = 0, overflow = 0;
    for (const ClassicTrial& t : map->samples) {
        cut += t.end == TrialEnd::CutOff;
        overflow += t.end == TrialEnd::Overflow;
    }
    EXPECT_GT(cut, 0);
    EXPECT_GT(overflow, 0);
    // The one root between them is the stagnation-point solution.
    ASSERT_EQ(map->roots.size(), 1u);
    EXPECT_NEAR(map->roots[0], 1.2326, 1e-4);
}

TEST(ShootingMap, TrialsAcrossTheWholeDoubleRangeStayFinite)
{
    const Outcome<ShootingMap> map = shootingMap(kDefaultMomentum, std::vector<double>{-1e308, 0.3, 1.7e308}, 200);
    ASSERT_TRUE(map);
    EXPECT_TRUE(std::isfinite(map->from) && std::isfinite(map->to));
    for (const ClassicTrial& t : map->samples) EXPECT_TRUE(std::isfinite(t.trial));
}

TEST(ShootingMap, NoTrialsNoMap)
{
    EXPECT_FALSE(shootingMap(kDefaultMomentum, std::vector<double>{}, 200));
    EXPECT_FALSE(shootingMap(kDefaultMomentum, std::vector<double>{NAN}, 200));
}

TEST(ShootingMap, CancelStopsItAndProgressRuns)
{
    std::atomic<bool> cancel{false};
    std::vector<double> fractions;
    FamilyControl control{&cancel, [&](double f) {
                              fractions.push_back(f);
                              if (fractions.size() == 20) cancel = true;
                          }};
    const Outcome<ShootingMap> map = shootingMap(kDefaultMomentum, kDefaultTrials, 200, control);
    ASSERT_FALSE(map);
    EXPECT_EQ(map.failure().kind, FailureKind::Cancelled);
    EXPECT_EQ(fractions.size(), 20u);
    EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
}

} // namespace
} // namespace cuneola::analysis
