// SPDX-License-Identifier: GPL-3.0-or-later
// What every copied or saved table of Explore shares: its heading line and its CSV numbers.
#pragma once

#include "analysis/case_heading.h"
#include "ui/explore/explore_inputs.h"

#include <QString>

namespace cuneola::ui {

cuneola::analysis::CaseInputs caseOf(const ExploreInput& input);
cuneola::analysis::CaseInputs caseOf(const cuneola::analysis::SimilaritySolution& solution);

// "<table>: β = 0.5, branch attached, Pr = 0.7, isothermal wall, f_w = 0" and a line break,
// then `body`: the first line of every copied table.
QString headed(const QString& table, const cuneola::analysis::CaseInputs& inputs, const QString& body);

// A CSV file: the heading as a "# " comment line, then `body` (comma-separated lines), in UTF-8.
QByteArray csvFile(const QString& table, const cuneola::analysis::CaseInputs& inputs, const QString& body);

// A value for a CSV file: scientific with a full stop and a signed exponent, "6.64E-01",
// which no spreadsheet import reads as 664 under a locale with a decimal comma.
QString csvNumber(double value, int digits = 15);

} // namespace cuneola::ui
