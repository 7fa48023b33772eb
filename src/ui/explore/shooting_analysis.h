// SPDX-License-Identifier: GPL-3.0-or-later
// What the Shooting tab computes from a search's record, off the window's thread.
#pragma once

#include "analysis/error_budget.h"
#include "analysis/family_control.h"
#include "analysis/shooting_map.h"
#include "solver/search_record.h"

#include <cstddef>
#include <string>
#include <vector>

// Trials numbered at each end of a long search, and the most trials a map draws.
inline constexpr std::size_t kNumberedEnds = 20;
inline constexpr std::size_t kDrawnTrials = 400;

inline const cuneola::analysis::Failure kNothingWrittenBack{cuneola::analysis::FailureKind::NotDefined,
                                                            "The search wrote nothing back."};

struct ShootingAnalysis {
    cuneola::SearchRecord record; // every trial, drawn or not
    // The indices into record.trials the map draws and marches, in march order.
    std::vector<std::size_t> drawn;
    cuneola::analysis::ClassicSetting setting;
    cuneola::analysis::Outcome<cuneola::analysis::ShootingMap> map = cuneola::analysis::Failure{};
    // NotDefined when the search wrote nothing back.
    cuneola::analysis::Outcome<cuneola::analysis::ErrorBudget> budget = kNothingWrittenBack;
    std::string advice;
};

// Which trials a map of this search draws: all of them up to kDrawnTrials; beyond that
// the first and the last kNumberedEnds, the two either side of every crossing of the
// target, the lowest and the highest, and evenly spaced ones between up to kDrawnTrials.
// A scatter marker is a graphics item of its own, so a search of 100,000 rounds drawn
// whole would keep the window's thread busy for most of a minute.
std::vector<std::size_t> drawnTrials(const std::vector<cuneola::TrialRecord>& trials);
// Whether trial k's outer value lies on the other side of the target from trial k - 1's.
bool crossesTarget(const std::vector<cuneola::TrialRecord>& trials, std::size_t k);

// The shooting map over the search's drawn trials (progress to 80 %), then the error budget
// of the value it wrote back.
ShootingAnalysis analyseSearch(const cuneola::SearchRecord& record, const cuneola::analysis::FamilyControl& control);
