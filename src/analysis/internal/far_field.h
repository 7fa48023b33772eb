// SPDX-License-Identifier: GPL-3.0-or-later
// The asymptotic far-field condition of the Falkner-Skan equation.
#pragma once

#include <algorithm>

namespace cuneola::analysis {

// Outside the layer u = 1 - f' is small and f = zeta = eta - delta* (+ f_w); linearised,
// the momentum equation reads u'' + zeta u' - 2 beta u = 0. Its decaying solution is
// u = exp(-zeta^2 / 2) int_0^inf t^(2 beta) exp(-zeta t - t^2 / 2) dt, a parabolic
// cylinder function, and the ratio q = -u'/u = f'' / (1 - f') it fixes at any far end is
//   q = zeta + a / (zeta + (a + 1) / (zeta + (a + 2) / ...)),   a = 1 + 2 beta,
// a continued fraction with positive terms that converges for every zeta > 0. Imposing
// f'' = q (1 - f') at a far end makes the problem on [0, eta_inf] the one on [0, inf)
// up to the neglected u^2, so one moderate far end replaces growing eta_inf until
// f''(0) settles.
// The far end lies where zeta = f(eta_inf) has reached this: u = 1 - f' is then below
// about 1e-14, its square, the one term the condition neglects, far below rounding, and
// the profile continues beyond as f' = 1 without a visible step. At large beta u decays
// faster (like zeta^-(1 + 2 beta) exp(-zeta^2 / 2)) while a re-marched profile grows more
// sensitive to f''(0) the further out it goes: there the end comes in.
inline double farZeta(double beta) { return std::clamp(8.0 - 0.6 * beta, 5.5, 8.0); }

struct FarFieldRatio {
    double q;     // f'' / (1 - f')
    double slope; // dq / dzeta, from the Riccati equation q' = q^2 - zeta q - 2 beta
};

inline FarFieldRatio farFieldRatio(double beta, double zeta)
{
    // A wild trial can end anywhere; the ratio is only needed where zeta is large.
    zeta = std::max(zeta, 1.0);
    const double a = std::max(1.0 + 2.0 * beta, 0.1);
    // 60 terms leave the fraction converged to rounding for zeta >= 3.
    double tail = 0.0;
    for (int k = 60; k >= 1; --k) tail = (a + k) / (zeta + tail);
    const double q = zeta + a / (zeta + tail);
    return {q, q * q - zeta * q - 2.0 * beta};
}

} // namespace cuneola::analysis
