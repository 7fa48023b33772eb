// SPDX-License-Identifier: GPL-3.0-or-later
// Published values a window shows beside the computed ones.
#pragma once

#include "analysis/outcome.h"

#include <span>

namespace cuneola::analysis {

// f''(0) of the attached Falkner-Skan solution as tabulated by Inglis (1962), with the
// number of decimals printed, so that a caller knows the published precision.
struct PublishedWallShear {
    double beta;
    double wallShear;
    int decimals;
};

std::span<const PublishedWallShear> inglisTable();

// The tabulated f''(0) at exactly this beta, if the table has it.
Outcome<PublishedWallShear> publishedWallShear(double beta);

// The separation point, f''(0) = 0 (Inglis 1962).
inline constexpr double kPublishedSeparationBeta = -0.19883773;

// The flat plate (beta = 0) constants of the textbooks, in the x-based forms.
struct BlasiusConstants {
    double skinFriction = 0.664;           // Cf sqrt(Re_x)
    double displacementThickness = 1.7208; // delta*/x sqrt(Re_x)
    double momentumThickness = 0.664;      // theta/x sqrt(Re_x)
    double thickness99 = 4.91;             // delta99/x sqrt(Re_x)
    double shapeFactor = 2.59;             // H
};
inline constexpr BlasiusConstants kBlasius{};

} // namespace cuneola::analysis
