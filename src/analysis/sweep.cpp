// SPDX-License-Identifier: GPL-3.0-or-later
// Tabulated quantities over a list of beta and a list of Pr: one row per input.
#include "analysis/sweep.h"

#include <algorithm>
#include <string>

namespace cuneola::analysis {

Outcome<std::size_t> sweepRows(const SweepRequest& request)
{
    if (request.quantities.empty()) return fail(FailureKind::NotDefined, "Choose at least one quantity.");
    if (request.betas.empty() && request.Prs.empty())
        return fail(FailureKind::NotDefined, "Type a list of β values, of Pr values, or both.");
    const std::size_t count =
        std::max<std::size_t>(request.betas.size(), 1) * std::max<std::size_t>(request.Prs.size(), 1);
    if (count > kMaxSweepRows)
        return fail(FailureKind::OutOfRange, "That makes " + std::to_string(count) + " rows; at most " +
                                                 std::to_string(kMaxSweepRows) + " are tabulated at once.");
    return count;
}

Outcome<std::vector<SweepRow>> sweep(const SweepRequest& request, const FamilyControl& control)
{
    const Outcome<std::size_t> counted = sweepRows(request);
    if (!counted) return counted.failure();
    const std::size_t count = *counted;
    const std::vector<double> betas = request.betas.empty() ? std::vector<double>{request.beta} : request.betas;
    const std::vector<double> Prs = request.Prs.empty() ? std::vector<double>{request.Pr} : request.Prs;
    std::vector<SweepRow> rows;
    rows.reserve(count);
    for (double beta : betas)
        for (double Pr : Prs) {
            if (control.cancelled()) return fail(FailureKind::Cancelled, "The sweep was stopped.");
            SweepRow row{beta, Pr, {}};
            const Outcome<SimilaritySolution> s = solveSimilarity(beta, request.branch, Pr, request.wall);
            for (Quantity q : request.quantities)
                row.values.push_back(s ? quantityEstimate(*s, q) : Outcome<Estimate>(s.failure()));
            rows.push_back(std::move(row));
            control.report(static_cast<double>(rows.size()) / static_cast<double>(count));
        }
    return rows;
}

std::string_view missingText(FailureKind kind)
{
    switch (kind) {
    case FailureKind::BeyondSeparation: return "no solution (separated)";
    case FailureKind::OutOfRange: return "out of range";
    case FailureKind::NoSuchBranch: return "no solution";
    case FailureKind::NotConverged: return "not converged";
    case FailureKind::NotDefined: return "not defined";
    case FailureKind::Cancelled: return "cancelled";
    }
    return "no value";
}

} // namespace cuneola::analysis
