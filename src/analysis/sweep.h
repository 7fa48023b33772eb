// SPDX-License-Identifier: GPL-3.0-or-later
// Tabulated quantities over a list of beta and a list of Pr: one row per input.
#pragma once

#include "analysis/family_control.h"
#include "analysis/outcome.h"
#include "analysis/similarity_solution.h"

#include <string_view>
#include <vector>

namespace cuneola::analysis {

inline constexpr std::size_t kMaxSweepRows = 2000;

struct SweepRequest {
    std::vector<double> betas; // empty: `beta` alone
    std::vector<double> Prs;   // empty: `Pr` alone
    double beta = 0.0;
    double Pr = 1.0;
    Branch branch = Branch::Attached;
    WallConditions wall;
    std::vector<Quantity> quantities;
};

struct SweepRow {
    double beta;
    double Pr;
    std::vector<Outcome<Estimate>> values; // one per quantity asked for, or why it is missing
};

// How many rows the request makes, or why it is refused: no quantity, neither list, or more
// than kMaxSweepRows rows. Solves nothing, so a window can say so before it starts a run.
Outcome<std::size_t> sweepRows(const SweepRequest& request);

// Every combination when both lists are given, beta outer and Pr inner, in the order typed.
// Refuses, before solving anything, what sweepRows refuses; Cancelled when the caller stops it.
Outcome<std::vector<SweepRow>> sweep(const SweepRequest& request, const FamilyControl& control = {});

// What a table shows in place of a missing value: "no solution", "not converged" ...
std::string_view missingText(FailureKind kind);

} // namespace cuneola::analysis
