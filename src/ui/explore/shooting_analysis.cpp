// SPDX-License-Identifier: GPL-3.0-or-later
// What the Shooting tab computes from a search's record, off the window's thread.
#include "ui/explore/shooting_analysis.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace cuneola::analysis;

namespace {
// Samples of the map besides the trials themselves.
constexpr int kMapSamples = 240;
constexpr double kMapShare = 0.8;
} // namespace

bool crossesTarget(const std::vector<cuneola::TrialRecord>& trials, std::size_t k)
{
    if (k == 0 || k >= trials.size()) return false;
    const cuneola::TrialRecord &a = trials[k - 1], &b = trials[k];
    if (!a.finished || !b.finished || !std::isfinite(a.outer) || !std::isfinite(b.outer)) return false;
    return (a.outer < 1.0) != (b.outer < 1.0);
}

std::vector<std::size_t> drawnTrials(const std::vector<cuneola::TrialRecord>& trials)
{
    const std::size_t count = trials.size();
    std::vector<std::size_t> drawn;
    if (count <= kDrawnTrials) {
        drawn.resize(count);
        for (std::size_t k = 0; k < count; ++k) drawn[k] = k;
        return drawn;
    }
    for (std::size_t k = 0; k < kNumberedEnds; ++k) drawn.push_back(k), drawn.push_back(count - 1 - k);
    std::size_t lowest = 0, highest = 0;
    for (std::size_t k = 0; k < count; ++k) {
        if (crossesTarget(trials, k)) drawn.push_back(k - 1), drawn.push_back(k);
        if (!std::isfinite(trials[k].guess)) continue;
        if (!std::isfinite(trials[lowest].guess) || trials[k].guess < trials[lowest].guess) lowest = k;
        if (!std::isfinite(trials[highest].guess) || trials[k].guess > trials[highest].guess) highest = k;
    }
    drawn.push_back(lowest);
    drawn.push_back(highest);
    std::sort(drawn.begin(), drawn.end());
    drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
    // The rest of the room goes to trials evenly spread over those not yet drawn.
    if (drawn.size() < kDrawnTrials) {
        std::vector<std::size_t> rest;
        rest.reserve(count - drawn.size());
        for (std::size_t k = 0, next = 0; k < count; ++k) {
            if (next < drawn.size() && drawn[next] == k)
                ++next;
            else
                rest.push_back(k);
        }
        const std::size_t room = kDrawnTrials - drawn.size();
        for (std::size_t i = 0; i < room; ++i) drawn.push_back(rest[(2 * i + 1) * rest.size() / (2 * room)]);
        std::sort(drawn.begin(), drawn.end());
    }
    return drawn;
}

ShootingAnalysis analyseSearch(const cuneola::SearchRecord& record, const FamilyControl& control)
{
    ShootingAnalysis a;
    a.record = record;
    a.setting = classicSettingOf(record);
    a.drawn = drawnTrials(record.trials);
    std::vector<double> trials;
    trials.reserve(a.drawn.size());
    for (std::size_t k : a.drawn) trials.push_back(record.trials[k].guess);

    const FamilyControl mapControl{control.cancel, [&control](double f) { control.report(kMapShare * f); }};
    a.map = shootingMap(a.setting, trials, kMapSamples, mapControl);
    if (control.cancelled() || !std::isfinite(record.writtenGuess)) return a;

    ClassicResult result;
    result.setting = a.setting;
    result.Eps = record.Eps;
    result.written = record.writtenGuess;
    // The search stops when the miss of its last march is within ε, or when its rounds run out.
    const cuneola::TrialRecord last = record.trials.empty() ? cuneola::TrialRecord{} : record.trials.back();
    result.converged = !record.trials.empty() && last.finished && std::fabs(1.0 - last.outer) < record.Eps;
    a.budget = errorBudget(result, control);
    if (a.budget) a.advice = budgetAdvice(*a.budget, result);
    control.report(1.0);
    return a;
}
