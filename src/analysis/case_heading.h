// SPDX-License-Identifier: GPL-3.0-or-later
// The line that opens every copied or saved table: what it is and for which inputs.
#pragma once

#include "analysis/branch.h"
#include "analysis/similarity_solution.h"

#include <optional>
#include <string>
#include <string_view>

namespace cuneola::analysis {

// The inputs a table was computed for; beta or Pr left out where the table runs over it.
struct CaseInputs {
    std::optional<double> beta;
    Branch branch = Branch::Attached;
    std::optional<double> Pr;
    WallConditions wall;
};

// "β = 0.5, branch attached, Pr = 0.7, isothermal wall, f_w = 0", numbers with the 15
// digits of the boxes, independent of the locale.
std::string caseText(const CaseInputs& inputs);

// "<table>: <caseText>", so that a pasted block is never anonymous.
std::string tableHeading(std::string_view table, const CaseInputs& inputs);

} // namespace cuneola::analysis
