// SPDX-License-Identifier: GPL-3.0-or-later
// Thwaites' method and Pohlhausen's quartic profile for the wedge flow U = C x^m, in closed form.
#pragma once

#include "analysis/outcome.h"

namespace cuneola::analysis {

enum class IntegralMethod { Thwaites, Pohlhausen };

// What an integral method predicts, in the similarity units of the exact solution
// (lengths in eta = y sqrt((m + 1) U / (2 nu x))) and in the x-based forms beside them.
struct IntegralEstimate {
    IntegralMethod method = IntegralMethod::Thwaites;
    double beta = 0.0;
    double parameter = 0.0;         // Thwaites' lambda = theta^2 U'/nu, or Pohlhausen's Lambda = delta^2 U'/nu
    double wallShear = 0.0;         // f''(0)
    double displacement = 0.0;      // delta*
    double momentumThickness = 0.0; // theta
    double shapeFactor = 0.0;       // H
    double skinFriction = 0.0;      // Cf sqrt(Re_x)
    double displacementX = 0.0;     // delta*/x sqrt(Re_x)
    double momentumX = 0.0;         // theta/x sqrt(Re_x)
    double thickness = 0.0;         // Pohlhausen's edge delta (in eta); 0 for Thwaites, which has none
    double eta99 = 0.0;             // Pohlhausen's u/U = 0.99 (in eta); 0 for Thwaites
};

// The beta at which the method predicts separation (zero wall shear): Thwaites at
// lambda = -0.09, Pohlhausen at Lambda = -12; both at m = -0.1, beta = -2/9.
double integralSeparationBeta(IntegralMethod method);

// The estimate at beta. Fails in plain words for beta >= 2 (m = beta / (2 - beta) is
// not finite there), below the method's separation beta, and for a non-finite beta.
Outcome<IntegralEstimate> integralEstimate(IntegralMethod method, double beta);

// Pohlhausen's quartic u/U = 2 z - 2 z^3 + z^4 + (Lambda / 6) z (1 - z)^3 at eta, z = eta / delta
// (1 beyond the edge).
double pohlhausenVelocity(const IntegralEstimate& estimate, double eta);

} // namespace cuneola::analysis
