// SPDX-License-Identifier: GPL-3.0-or-later
// Bounded adaptive marches of the similarity systems with Boost.Odeint.
#pragma once

// GCC 12 warns, wrongly, that odeint's steppers copy their scratch arrays before
// first use when a controlled stepper is built; the scratch is written before it is read.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <boost/numeric/odeint/stepper/controlled_runge_kutta.hpp>
#include <boost/numeric/odeint/stepper/generation.hpp>
#include <boost/numeric/odeint/stepper/runge_kutta_fehlberg78.hpp>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

#include <algorithm>
#include <cmath>

namespace cuneola::analysis {

// Local error tolerance of every adaptive march, absolute and relative. Tighter than
// the 1e-12 the shooting aims at, so that the integrator's error stays below it.
inline constexpr double kMarchTolerance = 1e-13;
// A march that needs more steps than this is not converging to anything useful.
inline constexpr int kMaxMarchSteps = 200'000;
// No solution of interest has |f'| near this: a trial that reaches it has blown up.
inline constexpr double kBlowUpVelocity = 1e3;

enum class MarchEnd {
    Reached,     // the march arrived at its end
    BlewUp,      // the trial's profile grew without bound (or stopped being finite)
    TooManySteps // the step size collapsed
};

// Marches y from eta0 to eta1 with a controlled stepper of odeint. After every accepted
// step `observe(before, etaBefore, after, etaAfter)` runs. `dt` is the first trial step
// and receives the step size the controller suggests next, so that consecutive legs of
// one march continue smoothly.
template <class State, class System, class Stepper, class Observer>
MarchEnd marchWith(Stepper& stepper, const System& system, State& y, double eta0, double eta1, double& dt,
                   Observer&& observe)
{
    namespace odeint = boost::numeric::odeint;
    double eta = eta0;
    for (int attempts = 0; eta < eta1; ++attempts) {
        if (attempts > kMaxMarchSteps) return MarchEnd::TooManySteps;
        const bool last = eta + dt >= eta1;
        double tryDt = last ? eta1 - eta : dt;
        const State before = y;
        const double etaBefore = eta;
        if (stepper.try_step(system, y, eta, tryDt) != odeint::success) {
            dt = tryDt;
            if (dt < 1e-12 * (1.0 + std::fabs(eta))) return MarchEnd::TooManySteps;
            continue;
        }
        if (last) eta = eta1; // land exactly on the end, not a rounding away from it
        if (!(std::fabs(y[1]) < kBlowUpVelocity)) return MarchEnd::BlewUp;
        for (double v : y)
            if (!std::isfinite(v)) return MarchEnd::BlewUp;
        observe(before, etaBefore, static_cast<const State&>(y), eta);
        if (!last) dt = tryDt;
    }
    return MarchEnd::Reached;
}

// The Runge-Kutta-Fehlberg 7(8) pair: the fastest at this tolerance for the profile
// itself. Its error estimate is blind to a component that is a pure integral of the
// others (the two stages it compares sit at the same eta), so integrals along the
// march are controlled only through the profile; the Taylor march sees them.
template <class State, class System, class Observer>
MarchEnd marchAdaptive(const System& system, State& y, double eta0, double eta1, double& dt, Observer&& observe)
{
    namespace odeint = boost::numeric::odeint;
    auto stepper = odeint::make_controlled(kMarchTolerance, kMarchTolerance, odeint::runge_kutta_fehlberg78<State>());
    return marchWith(stepper, system, y, eta0, eta1, dt, observe);
}

template <class State, class System>
MarchEnd marchAdaptive(const System& system, State& y, double eta0, double eta1, double& dt)
{
    return marchAdaptive(system, y, eta0, eta1, dt, [](const State&, double, const State&, double) {});
}

} // namespace cuneola::analysis
