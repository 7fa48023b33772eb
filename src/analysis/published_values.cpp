// SPDX-License-Identifier: GPL-3.0-or-later
// Published values a window shows beside the computed ones.
#include "analysis/published_values.h"

#include <array>

namespace cuneola::analysis {
namespace {

// Inglis (1962), f''(0) on the attached branch.
constexpr std::array<PublishedWallShear, 18> kInglis{{
    {-0.19, 0.0856997, 7},
    {-0.18, 0.1286362, 7},
    {-0.16, 0.19077984, 8},
    {-0.14, 0.23973594, 8},
    {-0.1, 0.31926975, 8},
    {0.0, 0.46959999, 8},
    {0.1, 0.58703522, 8},
    {0.2, 0.68670818, 8},
    {0.3, 0.77475458, 8},
    {0.4, 0.85442123, 8},
    {0.5, 0.92768004, 8},
    {0.6, 0.99583644, 8},
    {0.8, 1.120267657, 9},
    {1.0, 1.232587657, 9},
    {1.2, 1.335721475, 9},
    {1.6, 1.5215139959, 10},
    {2.0, 1.6872181692, 10},
    {2.4, 1.8381744506, 10},
}};

} // namespace

std::span<const PublishedWallShear> inglisTable() { return kInglis; }

Outcome<PublishedWallShear> publishedWallShear(double beta)
{
    for (const PublishedWallShear& row : kInglis)
        if (row.beta == beta) return row;
    return fail(FailureKind::NotDefined, "Inglis (1962) tabulates no f''(0) at this β.");
}

} // namespace cuneola::analysis
