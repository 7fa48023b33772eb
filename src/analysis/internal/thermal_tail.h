// SPDX-License-Identifier: GPL-3.0-or-later
// The energy integral beyond the far field, in closed form.
#pragma once

#include "analysis/energy_solution.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace cuneola::analysis {

// Beyond eta_inf, f = a + t and F = F_inf + a t + t^2 / 2 with t = eta - eta_inf, so
//   int_{eta_inf}^{eta_inf + t} exp(-Pr (F - Fref)) deta
//     = exp(-Pr (F_inf - Fref)) sqrt(pi / (2 Pr)) (erfcx(x0) - exp(x0^2 - x1^2) erfcx(x1))
// with x0 = a sqrt(Pr / 2), x1 = (a + t) sqrt(Pr / 2); the whole tail (t infinite)
// drops the second term.
inline double thermalTail(double Pr, double Finf, double Fref, double a,
                          double t = std::numeric_limits<double>::infinity())
{
    const double x0 = a * std::sqrt(Pr / 2.0);
    double bracket = scaledErfc(x0);
    if (std::isfinite(t)) {
        const double x1 = (a + t) * std::sqrt(Pr / 2.0);
        bracket -= std::exp(x0 * x0 - x1 * x1) * scaledErfc(x1);
    }
    return std::exp(-Pr * (Finf - Fref)) * std::sqrt(std::numbers::pi / (2.0 * Pr)) * bracket;
}

} // namespace cuneola::analysis
