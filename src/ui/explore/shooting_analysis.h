// SPDX-License-Identifier: GPL-3.0-or-later
// What the Shooting tab computes from a search's record, off the window's thread.
#pragma once

#include "analysis/error_budget.h"
#include "analysis/family_control.h"
#include "analysis/shooting_map.h"
#include "solver/search_record.h"

#include <optional>
#include <string>

struct ShootingAnalysis {
    cuneola::SearchRecord record;
    cuneola::analysis::ClassicSetting setting;
    cuneola::analysis::Outcome<cuneola::analysis::ShootingMap> map = cuneola::analysis::Failure{};
    // None when the search wrote nothing back.
    std::optional<cuneola::analysis::Outcome<cuneola::analysis::ErrorBudget>> budget;
    std::string advice;
};

// The march of the search as a function of its trial value: its mode, β, Δη, η max and
// f min, and for the energy search its Pr and the f''(0) it marched with.
cuneola::analysis::ClassicSetting classicSettingOf(const cuneola::SearchRecord& record);

// The shooting map over the search's trials (progress to 80 %), then the error budget
// of the value it wrote back.
ShootingAnalysis analyseSearch(const cuneola::SearchRecord& record, const cuneola::analysis::FamilyControl& control);
