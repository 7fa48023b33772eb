// SPDX-License-Identifier: GPL-3.0-or-later
// Taylor coefficients of the similarity systems, order by order.
#include "analysis/internal/taylor_march.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cuneola::analysis {
namespace {

using Series = std::array<double, kTaylorOrder + 1>;

// Coefficient k of the product of two series known up to k.
double product(const Series& a, const Series& b, int k)
{
    double sum = 0.0;
    for (int j = 0; j <= k; ++j) sum += a[static_cast<std::size_t>(j)] * b[static_cast<std::size_t>(k - j)];
    return sum;
}

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
        const double ffpp = product(c[0], c[2], k), fpfp = product(c[1], c[1], k);
        const double fupp = product(c[0], c[5], k), ufpp = product(c[3], c[2], k), fpup = product(c[1], c[4], k);
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
        const double ffpp = product(c[0], c[2], k), fpfp = product(c[1], c[1], k);
        c[0][K + 1] = c[1][K] * inverse;
        c[1][K + 1] = c[2][K] * inverse;
        c[2][K + 1] = (-ffpp - system.beta * (one - fpfp)) * inverse;
        c[3][K + 1] = c[0][K] * inverse;
        c[4][K + 1] = (c[1][K] - fpfp) * inverse;
        c[5][K + 1] = e[K] * inverse;
        e[K + 1] = -system.Pr * product(c[0], e, k) * inverse;
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
