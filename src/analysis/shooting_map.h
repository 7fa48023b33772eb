// SPDX-License-Identifier: GPL-3.0-or-later
// The function a classic search zeroes: the outer value against the trial wall value.
#pragma once

#include "analysis/classic_march.h"
#include "analysis/family_control.h"
#include "analysis/outcome.h"

#include <span>
#include <vector>

namespace cuneola::analysis {

inline constexpr int kMinMapSamples = 200;

struct ShootingMap {
    double from = 0.0, to = 0.0;       // the range of trial values
    std::vector<ClassicTrial> samples; // in increasing trial order; the trials are among them
    std::vector<double> roots;         // trial values whose outer value is 1, in the range
};

// Samples the classic march over a range that covers `trials` and the roots near them
// (at least kMinMapSamples evenly spaced values, plus every trial itself, so that the
// search's trials lie exactly on the sampled curve). Samples whose march was cut off or
// left the double range say so in their `end` and carry no outer value to draw.
Outcome<ShootingMap> shootingMap(const ClassicSetting& setting, std::span<const double> trials, int samples,
                                 const FamilyControl& control = {});

} // namespace cuneola::analysis
