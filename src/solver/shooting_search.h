// SPDX-License-Identifier: GPL-3.0-or-later
// The shooting search behind both Calculate buttons.
#pragma once

#include "solver/form_values.h"
#include "solver/plot_surface.h"
#include "solver/search_host.h"
#include "solver/search_record.h"

#include <cstdint>

namespace cuneola {

inline constexpr std::string_view kStatusConverged = "Iteration converged";
inline constexpr std::string_view kStatusNotConverged = "Iteration not converged";

// How a run ended. The three faults are reported through the host; they leave the
// status blank, keep the log rows written so far and write nothing back.
enum class SearchOutcome {
    Refused,         // an input was refused; nothing changed
    Converged,       // "Iteration converged"
    NotConverged,    // "Iteration not converged"
    MarchOutOfRange, // fault: a march left the double range
    GuessOutOfRange, // fault: the next guess left the double range
    OutOfMemory      // fault: the host could not store the log (set by the caller that catches it)
};

constexpr bool isFault(SearchOutcome outcome)
{
    return outcome == SearchOutcome::MarchOutOfRange || outcome == SearchOutcome::GuessOutOfRange ||
           outcome == SearchOutcome::OutOfMemory;
}

struct SearchResult {
    SearchOutcome outcome = SearchOutcome::Refused;
    std::int64_t marches = 0; // how many times RK4G ran
    SearchRecord record;      // empty when the run was refused
};

// One Calculate click. MarchMode::Momentum finds f''(0) such that f' reaches 1
// at eta max; MarchMode::Energy takes f''(0) from its box and finds g'(0) such
// that g reaches 1. Reads every input through `host`, sets `form`, draws on
// `plot`, logs each trial and writes the last guess and step size back.
SearchResult runSearch(MarchMode mode, FormValues& form, PlotSurface& plot, SearchHost& host);

} // namespace cuneola
