// SPDX-License-Identifier: GPL-3.0-or-later
// Heated walls that are not isothermal: T_w - T_inf proportional to x^n, and uniform heat flux.
#pragma once

#include "analysis/momentum_solution.h"
#include "analysis/outcome.h"

#include <vector>

namespace cuneola::analysis {

enum class ThermalWallKind {
    Isothermal, // T_w - T_inf constant: today's g'' + Pr f g' = 0
    PowerLaw,   // T_w - T_inf proportional to x^n
    UniformFlux // the wall heat flux is the same everywhere: n = (1 - m) / 2
};

struct ThermalWall {
    ThermalWallKind kind = ThermalWallKind::Isothermal;
    double exponent = 0.0; // n, used by PowerLaw only
};

inline constexpr double kMinWallExponent = -1.0;
inline constexpr double kMaxWallExponent = 3.0;

// The wall itself, or why it is refused: a power-law exponent that is not finite or lies
// outside the supported range.
Outcome<ThermalWall> checkThermalWall(const ThermalWall& wall);

// The coefficient k = n (2 - beta) of the energy equation in this scaling, with G = 1 - g:
//   G'' + Pr f G' - Pr k f' G = 0,  G(0) = 1,  G(inf) = 0.
// For the uniform heat flux k = 1 - beta, the limit of (1 - m)/2 (2 - beta) at every beta.
double wallCoefficient(const ThermalWall& wall, double beta);

// g'(0) = -G'(0), the local wall heat flux in the units of today's g'(0); for k = 0 it is
// wallTemperatureGradient itself. Of the solutions with G(inf) = 0 it takes the one
// decaying like exp(-Pr F): for k < 0 an algebraically decaying one satisfies the far
// condition as well. Beyond eta_inf, where f = f(eta_inf) + (eta - eta_inf), the tail is
// the closed-form decaying solution of G'' + t G' - k G = 0 (t = sqrt(Pr) f).
Outcome<double> wallHeatFlux(const MomentumSolution& momentum, double Pr, const ThermalWall& wall);

// G-based profiles g = 1 - G and g' = -G' at `count` evenly spaced eta from 0 to etaEnd, for
// any wall; empty when g'(0) does not exist.
struct ThermalProfile {
    std::vector<double> eta, g, gp;
};
ThermalProfile sampleThermalProfile(const MomentumSolution& momentum, double Pr, const ThermalWall& wall, double etaEnd,
                                    int count);

// The limits of g'(0) for this wall: Pr -> 0 (the layer sees f = eta - delta* + f_w) and
// Pr -> inf (it sees f = f''(0) eta^2 / 2). None where k <= -1 or f''(0) <= 0.
Outcome<double> smallPrandtlLimit(double Pr, double k);
Outcome<double> largePrandtlLimit(double Pr, double wallShear, double k);

} // namespace cuneola::analysis
