// SPDX-License-Identifier: GPL-3.0-or-later
// The similarity equations as first-order systems for the adaptive integrator.
#pragma once

#include <array>
#include <cmath>

namespace cuneola::analysis {

// Falkner-Skan f''' + f f'' + beta (1 - f'^2) = 0 with its variation u = df/dp with
// respect to a parameter p (the wall shear s = f''(0), or beta itself):
//   u''' + f u'' + f'' u - 2 beta f' u' = -dRHS/dp,
// where the forcing is 0 for p = s and (1 - f'^2) for p = beta.
// State: f, f', f'', u, u', u''.
using SensitivityState = std::array<double, 6>;

enum class ShootingParameter { WallShear, Beta };

struct SensitivitySystem {
    double beta;
    ShootingParameter parameter;

    // Any state that begins with these six components (see ShootingState).
    template <class State>
    void operator()(const State& y, State& dy, double /*eta*/) const
    {
        const double f = y[0], fp = y[1], fpp = y[2];
        const double u = y[3], up = y[4], upp = y[5];
        dy[0] = fp;
        dy[1] = fpp;
        dy[2] = -f * fpp - beta * (1.0 - fp * fp);
        dy[3] = up;
        dy[4] = upp;
        const double forcing = parameter == ShootingParameter::Beta ? -(1.0 - fp * fp) : 0.0;
        dy[5] = -(f * upp + u * fpp) + 2.0 * beta * fp * up + forcing;
    }
};

// A shooting march that also yields what the converged profile gives: the six above,
// then F = int f and Theta = int f'(1 - f'), so that the last Newton march is the profile.
using ShootingState = std::array<double, 8>;

struct ShootingSystem {
    SensitivitySystem sensitivity;

    void operator()(const ShootingState& y, ShootingState& dy, double eta) const
    {
        sensitivity(y, dy, eta);
        dy[6] = y[0];
        dy[7] = y[1] * (1.0 - y[1]);
    }
};

// The converged profile with the integrals the tabulated quantities need:
// f, f', f'', F = int f, Theta = int f'(1 - f'), and the energy integral
// J = int exp(-Pr (F - Fref)); g = J / J(inf) and g' = exp(-Pr (F - Fref)) / J(inf).
// Fref is any reference (the minimum of F) that keeps the exponential finite.
using ProfileState = std::array<double, 6>;

struct ProfileSystem {
    double beta;
    double Pr = 0.0;
    double Fref = 0.0;

    void operator()(const ProfileState& y, ProfileState& dy, double /*eta*/) const
    {
        const double f = y[0], fp = y[1], fpp = y[2], F = y[3];
        dy[0] = fp;
        dy[1] = fpp;
        dy[2] = -f * fpp - beta * (1.0 - fp * fp);
        dy[3] = f;
        dy[4] = fp * (1.0 - fp);
        dy[5] = std::exp(-Pr * (F - Fref));
    }
};

} // namespace cuneola::analysis
