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

// The far end on the attached branch at `beta` over the wall f(0) = f_w: the impermeable
// wall's displacement thickness, from a coarse table, plus an outer stretch, rounded up.
// On the impermeable wall that stretch is zeta = farZeta(beta). Outside the layer
// f = zeta + f_w and 1 - f' falls like zeta^-(1 + 2 beta) exp(-zeta^2 / 2); under
// suction the wall already sits at zeta = f_w, so exp(-(zeta^2 - f_w^2) / 2) alone must
// fall as far as it does at beta = 0, and the algebraic factor no longer helps: the
// stretch is the shorter of farZeta(beta) and sqrt(f_w^2 + farZeta(0)^2) - f_w. Blowing
// thickens the layer by more than the table knows, and at large beta a far end too far
// out shrinks Newton's basin: there the impermeable wall's is the start, and the far
// end moves out once the shot shows how thick the layer is.
double attachedFarEnd(double beta, double suction = 0.0);

} // namespace cuneola::analysis
