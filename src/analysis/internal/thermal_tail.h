// SPDX-License-Identifier: GPL-3.0-or-later
// The energy integral beyond the far field, in closed form.
#pragma once

#include "analysis/energy_solution.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace cuneola::analysis {

// Below this, exp(x) rounds to 0 (the least subnormal double is exp(-744.44)).
inline constexpr double kExpUnderflow = -746.0;

// Beyond eta_inf, f = a + t and F = F_inf + a t + t^2 / 2 with t = eta - eta_inf, so
//   int_{eta_inf}^{eta_inf + t} exp(-Pr (F - Fref)) deta
//     = exp(-Pr (F_inf - Fref)) sqrt(pi / (2 Pr)) (erfcx(x0) - exp(x0^2 - x1^2) erfcx(x1))
// with x0 = a sqrt(Pr / 2), x1 = (a + t) sqrt(Pr / 2); the whole tail (t infinite)
// drops the second term. What does not depend on t is computed once, for profiles
// sampled at many t.
class ThermalTail {
public:
    ThermalTail(double Pr, double Finf, double Fref, double a)
        : m_root(std::sqrt(Pr / 2.0)), m_a(a), m_x0(a * m_root), m_whole(scaledErfc(m_x0)),
          m_factor(std::exp(-Pr * (Finf - Fref)) * std::sqrt(std::numbers::pi / (2.0 * Pr)))
    {
    }

    double operator()(double t = std::numeric_limits<double>::infinity()) const
    {
        double bracket = m_whole;
        if (std::isfinite(t)) {
            const double x1 = (m_a + t) * m_root;
            // Far out the factor is below the least double and exp gives exactly 0, by a slow path.
            if (const double power = m_x0 * m_x0 - x1 * x1; !(power <= kExpUnderflow))
                bracket -= std::exp(power) * scaledErfc(x1);
        }
        return m_factor * bracket;
    }

private:
    double m_root, m_a, m_x0, m_whole, m_factor;
};

inline double thermalTail(double Pr, double Finf, double Fref, double a,
                          double t = std::numeric_limits<double>::infinity())
{
    return ThermalTail(Pr, Finf, Fref, a)(t);
}

} // namespace cuneola::analysis
