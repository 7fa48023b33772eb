// SPDX-License-Identifier: GPL-3.0-or-later
// What one run of a search did: its settings and every trial it marched, in order.
#pragma once

#include "solver/form_values.h"

#include <limits>
#include <vector>

namespace cuneola {

// One march of a search.
struct TrialRecord {
    double guess = 0.0;   // the wall value marched: f''(0) or g'(0)
    double outer = 0.0;   // f' or g where the march ended; meaningless unless finished
    bool finished = true; // false: the march left the double range
};

// A run as it happened, for a window that shows the search again (its trials on the
// function it was zeroing, the error of its result). Trials are in march order: the
// first guess first (its outer value is the one row 0 of the log shows), then one per
// log row from row 1 on.
struct SearchRecord {
    MarchMode mode = MarchMode::Momentum;
    FormValues form; // the form values the run set: xMax, yMin, h, Beta, Pr ...
    double Eps = 0.0;
    double MaxIter = 0.0;
    double wallShear = 0.0; // the f''(0) the energy search marched with
    std::vector<TrialRecord> trials;
    // The guess and the step size written back; NaN when the run wrote nothing back.
    double writtenGuess = std::numeric_limits<double>::quiet_NaN();
    double writtenStep = std::numeric_limits<double>::quiet_NaN();
};

} // namespace cuneola
