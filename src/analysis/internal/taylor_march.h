// SPDX-License-Identifier: GPL-3.0-or-later
// Marches of the similarity systems by their Taylor series.
//
// Every right-hand side here is a polynomial in the state (the exponential of the
// energy integral obeys E' = -Pr f E), so the Taylor coefficients of each component
// follow from the earlier ones by Cauchy products: no stages, no rejected steps. The
// step is set from the last two coefficients, which see every component, integrals
// included, and the polynomial of each step is the dense output between its ends.
#pragma once

#include "analysis/internal/adaptive_march.h"
#include "analysis/internal/similarity_odes.h"

#include <array>
#include <cstddef>

namespace cuneola::analysis {

// The degree of the series. The cost of a step grows as its square and the step as
// the degree's root of the tolerance: about 20 is the cheapest at 1e-15.
inline constexpr int kTaylorOrder = 20;
// What the first neglected terms of a step may add up to, relative to max(1, |y|).
inline constexpr double kTaylorTolerance = 1e-15;

// The series of the N components over one step: coefficient k of component i is
// c[i][k], in powers of (eta - eta0).
template <std::size_t N>
struct TaylorStep {
    std::array<std::array<double, kTaylorOrder + 1>, N> c{};
    double eta0 = 0.0;
    double h = 0.0; // the step taken

    // The state at eta0 + t, for 0 <= t <= h.
    std::array<double, N> at(double t) const
    {
        // Horner's rule for all components at once: N independent chains side by side.
        std::array<double, N> y{};
        for (std::size_t i = 0; i < N; ++i) y[i] = c[i][kTaylorOrder];
        for (int k = kTaylorOrder - 1; k >= 0; --k)
            for (std::size_t i = 0; i < N; ++i) y[i] = y[i] * t + c[i][static_cast<std::size_t>(k)];
        return y;
    }
    // The derivative of component i at eta0 + t.
    double slope(std::size_t i, double t) const
    {
        double v = kTaylorOrder * c[i][kTaylorOrder];
        for (int k = kTaylorOrder - 1; k >= 1; --k) v = v * t + k * c[i][static_cast<std::size_t>(k)];
        return v;
    }
};

// The coefficients of the shooting march's eight components at y.
void taylorCoefficients(const ShootingSystem& system, const ShootingState& y, TaylorStep<8>& step);
// Those of the profile march's six, and of E = exp(-Pr (F - Fref)) beside them.
void taylorCoefficients(const ProfileSystem& system, const ProfileState& y, TaylorStep<6>& step);

// The largest step whose neglected terms stay within `tolerance`.
template <std::size_t N>
double taylorStepSize(const TaylorStep<N>& step, double tolerance);

// Marches y from eta0 to eta1. After every step `observe(step)` runs with the step's
// series (its start, length and dense output). Ends as the adaptive marches do.
template <class System, class State, class Observer>
MarchEnd marchTaylor(const System& system, State& y, double eta0, double eta1, Observer&& observe,
                     double tolerance = kTaylorTolerance)
{
    constexpr std::size_t N = std::tuple_size_v<State>;
    TaylorStep<N> step;
    double eta = eta0;
    for (int steps = 0; eta < eta1; ++steps) {
        if (steps > kMaxMarchSteps) return MarchEnd::TooManySteps;
        taylorCoefficients(system, y, step);
        const double h = taylorStepSize(step, tolerance);
        if (!(h > 1e-12 * (1.0 + eta))) return MarchEnd::TooManySteps;
        const bool last = eta + h >= eta1;
        step.eta0 = eta;
        step.h = last ? eta1 - eta : h;
        y = step.at(step.h);
        eta = last ? eta1 : eta + h;
        if (!(y[1] < kBlowUpVelocity && y[1] > -kBlowUpVelocity)) return MarchEnd::BlewUp;
        for (double v : y)
            if (!std::isfinite(v)) return MarchEnd::BlewUp;
        observe(static_cast<const TaylorStep<N>&>(step));
    }
    return MarchEnd::Reached;
}

template <class System, class State>
MarchEnd marchTaylor(const System& system, State& y, double eta0, double eta1, double tolerance = kTaylorTolerance)
{
    return marchTaylor(
        system, y, eta0, eta1, [](const auto&) {}, tolerance);
}

} // namespace cuneola::analysis
