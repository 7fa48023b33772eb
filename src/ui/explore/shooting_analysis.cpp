// SPDX-License-Identifier: GPL-3.0-or-later
// What the Shooting tab computes from a search's record, off the window's thread.
#include "ui/explore/shooting_analysis.h"

#include <cmath>
#include <vector>

using namespace cuneola::analysis;

namespace {
// Samples of the map besides the trials themselves.
constexpr int kMapSamples = 240;
constexpr double kMapShare = 0.8;
} // namespace

ShootingAnalysis analyseSearch(const cuneola::SearchRecord& record, const FamilyControl& control)
{
    ShootingAnalysis a;
    a.record = record;
    a.setting = classicSettingOf(record);
    std::vector<double> trials;
    trials.reserve(record.trials.size());
    for (const cuneola::TrialRecord& t : record.trials) trials.push_back(t.guess);

    const FamilyControl mapControl{control.cancel, [&control](double f) { control.report(kMapShare * f); }};
    a.map = shootingMap(a.setting, trials, kMapSamples, mapControl);
    if (control.cancelled() || !std::isfinite(record.writtenGuess)) return a;

    const ClassicResult result{a.setting, record.Eps, record.writtenGuess};
    a.budget = errorBudget(result, control);
    if (a.budget) a.advice = budgetAdvice(*a.budget, result);
    control.report(1.0);
    return a;
}
