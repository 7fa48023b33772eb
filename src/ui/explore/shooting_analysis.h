// SPDX-License-Identifier: GPL-3.0-or-later
// What the Shooting tab computes from a search's record, off the window's thread.
#pragma once

#include "analysis/error_budget.h"
#include "analysis/family_control.h"
#include "analysis/shooting_map.h"
#include "solver/search_record.h"

#include <string>

inline const cuneola::analysis::Failure kNothingWrittenBack{cuneola::analysis::FailureKind::NotDefined,
                                                            "The search wrote nothing back."};

struct ShootingAnalysis {
    cuneola::SearchRecord record;
    cuneola::analysis::ClassicSetting setting;
    cuneola::analysis::Outcome<cuneola::analysis::ShootingMap> map = cuneola::analysis::Failure{};
    // NotDefined when the search wrote nothing back.
    cuneola::analysis::Outcome<cuneola::analysis::ErrorBudget> budget = kNothingWrittenBack;
    std::string advice;
};

// The shooting map over the search's trials (progress to 80 %), then the error budget
// of the value it wrote back.
ShootingAnalysis analyseSearch(const cuneola::SearchRecord& record, const cuneola::analysis::FamilyControl& control);
