// SPDX-License-Identifier: GPL-3.0-or-later
// One shooting trial: the Gill Runge-Kutta march of the similarity equations.
#pragma once

#include "solver/form_values.h"
#include "solver/plot_surface.h"

namespace cuneola {

// How a march ended.
struct MarchOutcome {
    bool finished = true;  // false: a value of the march stopped being a finite double
    double faultEta = 0.0; // when !finished: the eta the failing step reached
};

// Marches f''' + f f'' + Beta (1 - f'^2) = 0 and, in MarchMode::Energy, also
// g'' + Pr f g' = 0 from eta = 0 with the step v.h while eta < v.xMax, until the
// cut-off f' < v.yMin. Clears `plot`, draws the axes and the line at 1, and one
// dot per curve after every step.
//
// On a normal end, F0_1s_Itr receives f' at the end and, in MarchMode::Energy,
// F1_0s_Itr receives g. On a fault neither is written.
MarchOutcome RK4G(const FormValues& v, PlotSurface& plot, double F0_0w, double F0_1w, double F0_2w, double& F0_1s_Itr,
                  double F1_0w, double F1_1w, double& F1_0s_Itr);

} // namespace cuneola
