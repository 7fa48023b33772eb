// SPDX-License-Identifier: GPL-3.0-or-later
// The wall temperature gradient g'(0) of the energy equation over an exact momentum solution.
#pragma once

#include "analysis/momentum_solution.h"
#include "analysis/outcome.h"

namespace cuneola::analysis {

inline constexpr double kMinPr = 0.001;
inline constexpr double kMaxPr = 1000.0;

// Pr itself, or a refusal in plain words outside [kMinPr, kMaxPr] (and for Pr <= 0,
// infinities, NaN).
Outcome<double> checkPrandtl(double Pr);

// g'' + Pr f g' = 0 with g(0) = 0, g(inf) = 1 is linear, so
//   g'(0) = 1 / int_0^inf exp(-Pr F) deta,   F(eta) = int_0^eta f.
// The integral is marched to eta_inf with the profile; beyond it f = f(eta_inf) +
// (eta - eta_inf) exactly enough, and the tail is taken in closed form with erfc, since
// at small Pr the thermal layer reaches far beyond the momentum layer.
Outcome<double> wallTemperatureGradient(const MomentumSolution& momentum, double Pr);

// The same with g(etaEnd) = 1 on [0, etaEnd] and f marched from f''(0) = wallShear
// (not necessarily a solution), as a classic energy search on a finite interval aims at.
Outcome<double> wallTemperatureGradientOnInterval(double beta, double wallShear, double etaEnd, double Pr);

// exp(x^2) erfc(x), without overflow for large x.
double scaledErfc(double x);

} // namespace cuneola::analysis
