// SPDX-License-Identifier: GPL-3.0-or-later
// Where Newton shooting starts: f''(0) and eta_inf from tables, never from the user.
#pragma once

#include "analysis/branch.h"

namespace cuneola::analysis {

struct StartingValue {
    double wallShear; // first guess of f''(0)
    double etaInf;    // a short far end, where a rough guess still finds a root
    double farEnd;    // the far end to shoot to: zeta = f(eta) reaches farZeta(beta) about there
};

// The reversed-flow branch is followed down to this beta; closer to 0 its reversed
// region moves out beyond eta = 45 and shooting loses all precision.
inline constexpr double kReversedFlowLimit = -0.0003;

// A first guess on `branch` for beta_s < beta <= 4 (reversed flow: up to
// kReversedFlowLimit). Near the fold both branches follow f''(0)^2 ~ (beta - beta_s).
StartingValue startingValue(double beta, Branch branch, double separation);

// The far end on the attached branch at `beta`: the displacement thickness, from a
// coarse table, plus farZeta(beta), rounded up.
double attachedFarEnd(double beta);

} // namespace cuneola::analysis
