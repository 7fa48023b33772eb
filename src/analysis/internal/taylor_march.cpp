// SPDX-License-Identifier: GPL-3.0-or-later
// Taylor coefficients of the similarity systems, order by order.
#include "analysis/internal/taylor_march.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cuneola::analysis {
namespace {

using Series = std::array<double, kTaylorOrder + 1>;

} // namespace

void taylorCoefficients(const ShootingSystem& system, const ShootingState& y, TaylorStep<8>& step)
{
    auto& c = step.c;
    for (std::size_t i = 0; i < 8; ++i) c[i][0] = y[i];
    const double beta = system.sensitivity.beta;
    const bool byBeta = system.sensitivity.parameter == ShootingParameter::Beta;
    for (int k = 0; k < kTaylorOrder; ++k) {
        const auto K = static_cast<std::size_t>(k);
        const double inverse = 1.0 / (k + 1);
        const double one = k == 0 ? 1.0 : 0.0;
        // f f'', f'^2, f u'', u f'', f' u' in one loop: the five sums are independent, so the
        // processor runs them side by side instead of waiting on one chain of additions.
        double ffpp = 0.0, fpfp = 0.0, fupp = 0.0, ufpp = 0.0, fpup = 0.0;
        for (std::size_t j = 0; j <= K; ++j) {
            ffpp += c[0][j] * c[2][K - j];
            fpfp += c[1][j] * c[1][K - j];
            fupp += c[0][j] * c[5][K - j];
            ufpp += c[3][j] * c[2][K - j];
            fpup += c[1][j] * c[4][K - j];
        }
        c[0][K + 1] = c[1][K] * inverse;
        c[1][K + 1] = c[2][K] * inverse;
        c[2][K + 1] = (-ffpp - beta * (one - fpfp)) * inverse;
        c[3][K + 1] = c[4][K] * inverse;
        c[4][K + 1] = c[5][K] * inverse;
        const double forcing = byBeta ? -(one - fpfp) : 0.0;
        c[5][K + 1] = (-(fupp + ufpp) + 2.0 * beta * fpup + forcing) * inverse;
        c[6][K + 1] = c[0][K] * inverse;
        c[7][K + 1] = (c[1][K] - fpfp) * inverse;
    }
}

void taylorCoefficients(const ProfileSystem& system, const ProfileState& y, TaylorStep<6>& step)
{
    auto& c = step.c;
    for (std::size_t i = 0; i < 6; ++i) c[i][0] = y[i];
    // E = exp(-Pr (F - Fref)), the integrand of J, with E' = -Pr f E.
    Series e{};
    e[0] = std::exp(-system.Pr * (y[3] - system.Fref));
    for (int k = 0; k < kTaylorOrder; ++k) {
        const auto K = static_cast<std::size_t>(k);
        const double inverse = 1.0 / (k + 1);
        const double one = k == 0 ? 1.0 : 0.0;
        // f f'', f'^2, f E, side by side as above.
        double ffpp = 0.0, fpfp = 0.0, fe = 0.0;
        for (std::size_t j = 0; j <= K; ++j) {
            ffpp += c[0][j] * c[2][K - j];
            fpfp += c[1][j] * c[1][K - j];
            fe += c[0][j] * e[K - j];
        }
        c[0][K + 1] = c[1][K] * inverse;
        c[1][K + 1] = c[2][K] * inverse;
        c[2][K + 1] = (-ffpp - system.beta * (one - fpfp)) * inverse;
        c[3][K + 1] = c[0][K] * inverse;
        c[4][K + 1] = (c[1][K] - fpfp) * inverse;
        c[5][K + 1] = e[K] * inverse;
        e[K + 1] = -system.Pr * fe * inverse;
    }
}

template <std::size_t N>
double taylorStepSize(const TaylorStep<N>& step, double tolerance)
{
    constexpr auto last = static_cast<std::size_t>(kTaylorOrder);
    // Two coefficients, since the series of f''' + f f'' = 0 has only every third term:
    // one of them may vanish where the other does not. The tightest component for each.
    double h = std::numeric_limits<double>::infinity();
    for (std::size_t k : {last - 1, last}) {
        double ratio = std::numeric_limits<double>::infinity(); // tolerance / |coefficient|
        for (const auto& series : step.c) {
            const double a = std::fabs(series[k]);
            if (a > 0.0) ratio = std::min(ratio, tolerance * std::max(1.0, std::fabs(series[0])) / a);
        }
        if (std::isfinite(ratio)) h = std::min(h, std::pow(ratio, 1.0 / static_cast<double>(k)));
    }
    return h;
}

template double taylorStepSize(const TaylorStep<6>&, double);
template double taylorStepSize(const TaylorStep<8>&, double);

} // namespace cuneola::analysis
