// SPDX-License-Identifier: GPL-3.0-or-later
// Thwaites' method and Pohlhausen's quartic profile for the wedge flow U = C x^m, in closed form.
#include "analysis/integral_methods.h"

#include "numbertext/number_text.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace cuneola::analysis {
namespace {

// Both methods separate at m = -0.1, beta = 2m / (m + 1).
constexpr double kSeparationM = -0.1;
constexpr double kSeparationBeta = 2.0 * kSeparationM / (1.0 + kSeparationM);

// Thwaites' correlations as fitted by F. M. White, Viscous Fluid Flow (2nd ed., 1991),
// eq. (4-139), for -0.1 <= lambda <= 0.25:
//   l(lambda) = tau_w theta / (mu U) = (lambda + 0.09)^0.62,
//   H(lambda) = 2.0 + 4.14 z - 83.5 z^2 + 854 z^3 - 3337 z^4 + 4576 z^5,  z = 0.25 - lambda.
double whiteShear(double lambda) { return std::pow(std::max(lambda + 0.09, 0.0), 0.62); }
double whiteShape(double lambda)
{
    const double z = 0.25 - lambda;
    return 2.0 + z * (4.14 + z * (-83.5 + z * (854.0 + z * (-3337.0 + z * 4576.0))));
}

// The quartic's integrals per delta (Pohlhausen 1921, as in Schlichting's Boundary-Layer Theory):
//   delta*/delta = 3/10 - Lambda/120,  theta/delta = (37/5 - Lambda/15 - Lambda^2/144) / 63,
//   tau_w delta / (mu U) = 2 + Lambda/6.
double quarticDisplacement(double L) { return 0.3 - L / 120.0; }
double quarticMomentum(double L) { return (37.0 / 5.0 - L / 15.0 - L * L / 144.0) / 63.0; }
double quarticShear(double L) { return 2.0 + L / 6.0; }

// The Karman momentum integral d theta/dx + (2 theta + delta*) U'/U = tau_w / (rho U^2) with
// delta^2 = D nu x / U and Lambda = m D becomes
//   D [theta/delta ((1 - m)/2 + 2 m) + m delta*/delta] = 2 + Lambda/6,
// which gives m as a function of Lambda: m = c_theta L / (2 (2 + L/6 - 3/2 c_theta L - c_d L)).
double quarticM(double L)
{
    const double ct = quarticMomentum(L), cd = quarticDisplacement(L);
    return ct * L / (2.0 * (quarticShear(L) - 1.5 * ct * L - cd * L));
}

// D = delta^2 U / (nu x) from the same balance, finite at m = 0 too.
double quarticD(double L, double m)
{
    const double ct = quarticMomentum(L), cd = quarticDisplacement(L);
    return quarticShear(L) / (ct * (1.0 - m) / 2.0 + 2.0 * ct * m + cd * m);
}

// Lambda for this m: quarticM rises from -0.1 at Lambda = -12 to infinity at Lambda = 12.
double quarticLambda(double m)
{
    double lo = -12.0, hi = 12.0;
    for (int i = 0; i < 200 && hi - lo > 1e-15; ++i) {
        const double mid = 0.5 * (lo + hi);
        (quarticM(mid) < m ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

double quartic(double L, double z) { return z * (2.0 + z * z * (-2.0 + z)) + L / 6.0 * z * std::pow(1.0 - z, 3); }

// The z in (0, 1) where the quartic reaches 0.99, by bisection (it rises monotonically
// for -12 <= Lambda <= 12).
double quartic99(double L)
{
    double lo = 0.0, hi = 1.0;
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (lo + hi);
        (quartic(L, mid) < 0.99 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

std::string methodName(IntegralMethod method) { return method == IntegralMethod::Thwaites ? "Thwaites" : "Pohlhausen"; }

} // namespace

double integralSeparationBeta(IntegralMethod) { return kSeparationBeta; }

Outcome<IntegralEstimate> integralEstimate(IntegralMethod method, double beta)
{
    if (!std::isfinite(beta)) return fail(FailureKind::OutOfRange, "β must be a finite number.");
    if (!(beta < 2.0))
        return fail(FailureKind::NotDefined, "The integral methods need a finite m = β/(2 − β), that is β < 2.");
    if (beta < kSeparationBeta)
        return fail(FailureKind::BeyondSeparation,
                    methodName(method) + "'s method predicts separation at β = " + shortNumber(kSeparationBeta, 6) +
                        ": below it, at β = " + shortNumber(beta) + ", it has no answer.");
    const double m = beta / (2.0 - beta);
    const double root = std::sqrt(2.0 - beta); // sqrt(2 / (m + 1)): similarity length to x-based form
    IntegralEstimate e;
    e.method = method;
    e.beta = beta;
    if (method == IntegralMethod::Thwaites) {
        // theta^2 = 0.45 nu U^-6 int_0^x U^5 dx = 0.45 nu x / ((5 m + 1) U), lambda = m theta^2 U / (nu x).
        const double thetaX2 = 0.45 / (5.0 * m + 1.0);
        e.parameter = m * thetaX2;
        e.momentumX = std::sqrt(thetaX2);
        e.shapeFactor = whiteShape(e.parameter);
        e.displacementX = e.shapeFactor * e.momentumX;
        // Cf = 2 nu l / (U theta).
        e.skinFriction = 2.0 * whiteShear(e.parameter) / e.momentumX;
    } else {
        const double L = beta == 0.0 ? 0.0 : quarticLambda(m);
        const double deltaX = std::sqrt(quarticD(L, m));
        e.parameter = L;
        e.momentumX = quarticMomentum(L) * deltaX;
        e.displacementX = quarticDisplacement(L) * deltaX;
        e.shapeFactor = quarticDisplacement(L) / quarticMomentum(L);
        e.skinFriction = 2.0 * quarticShear(L) / deltaX;
        e.thickness = deltaX / root;
        e.eta99 = quartic99(L) * e.thickness;
    }
    e.displacement = e.displacementX / root;
    e.momentumThickness = e.momentumX / root;
    e.wallShear = e.skinFriction * root / 2.0;
    return e;
}

double pohlhausenVelocity(const IntegralEstimate& e, double eta)
{
    if (!(e.thickness > 0.0)) return 0.0;
    const double z = std::clamp(eta / e.thickness, 0.0, 1.0);
    return quartic(e.parameter, z);
}

} // namespace cuneola::analysis
