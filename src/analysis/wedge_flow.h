// SPDX-License-Identifier: GPL-3.0-or-later
// The similarity flow over a wedge in physical space: streamlines, layer edges and velocity profiles.
#pragma once

#include "analysis/similarity_solution.h"
#include "analysis/wedge_station.h"

#include <vector>

namespace cuneola::analysis {

struct FlowPoint {
    double x; // along the wall from the leading edge, m
    double y; // above the wall, m
};

struct VelocityProfile {
    double x;              // m
    std::vector<double> y; // m
    std::vector<double> u; // m/s, along the wall; negative where the flow runs back
};

// Everything in metres over 0 < x <= xEnd, 0 <= y <= yTop; over a flat plate the
// streamlines start level from x = -xEnd.
struct WedgeFlow {
    double xEnd = 0.0;
    double yTop = 0.0;
    // Lines of constant psi = sqrt(2 nu U(x) x / (m + 1)) f(eta), in the direction of the
    // flow; on the reversed-flow branch some run back along the wall and turn.
    std::vector<std::vector<FlowPoint>> streamlines;
    std::vector<FlowPoint> delta99;        // empty where eta99 is not given
    std::vector<FlowPoint> deltaStar;      // displacement thickness
    std::vector<VelocityProfile> profiles; // at three stations, the middle one at the station
};

// The flow of `solution` over a wedge with `station`'s velocity, to 1.5 times the station's
// distance. Empty (xEnd = 0) where there is no such flow: beta >= 2 or an input error.
// Uses the solution's profiles only; nothing is solved again.
WedgeFlow wedgeFlow(const SimilaritySolution& solution, const Station& station);

} // namespace cuneola::analysis
