// SPDX-License-Identifier: GPL-3.0-or-later
// Heated walls that are not isothermal: T_w - T_inf proportional to x^n, and uniform heat flux.
#include "analysis/thermal_wall.h"

#include "analysis/energy_solution.h"
#include "analysis/internal/adaptive_march.h"
#include "analysis/internal/similarity_odes.h"
#include "numbertext/number_text.h"

#include <boost/math/quadrature/exp_sinh.hpp>

#include <array>
#include <cmath>

namespace cuneola::analysis {
namespace {

// Where Pr (F - Fref) passes this, exp(-Pr F) and with it the decaying solution are below
// e^-60 of their wall values: the march of a thin thermal layer stops there with G = 0,
// instead of crossing the rest of the layer with steps of 1/(Pr f).
constexpr double kThinLayerExponent = 60.0;

// f, f', f'' with two solutions of G'' + Pr f G' - Pr k f' G = 0:
// G1 (G = 1, G' = 0) and G2 (G = 0, G' = 1) at the wall.
using ThermalState = std::array<double, 7>;

struct ThermalSystem {
    double beta, Pr, k;
    void operator()(const ThermalState& y, ThermalState& dy, double /*eta*/) const
    {
        const double f = y[0], fp = y[1], fpp = y[2];
        dy[0] = fp;
        dy[1] = fpp;
        dy[2] = -f * fpp - beta * (1.0 - fp * fp);
        dy[3] = y[4];
        dy[4] = -Pr * f * y[4] + Pr * k * fp * y[3];
        dy[5] = y[6];
        dy[6] = -Pr * f * y[6] + Pr * k * fp * y[5];
    }
};

// The decaying solution of G'' + t G' - k G = 0 is, up to a constant,
//   T(t) = exp(-t^2/2) J_k(t),  J_q(t) = int_0^inf s^q exp(-s^2/2 - s t) ds / Gamma(q + 1)
// (q > -1; J_q is exp(t^2/4) U(q + 1/2, t) in Weber's notation), with J_q' = -(q + 1) J_{q+1}
// and, for every q, J_{q-1} = t J_q + (q + 1) J_{q+1}, by which J_k for k <= -1 follows
// from two integrals at q >= 0. For k = 0, T is sqrt(pi/2) erfc(t/sqrt(2)), today's tail.
// With s = u / c the integrals stay of order one at large t: Jhat_q = c^(q+1) J_q.
struct TailPair {
    double c;       // the scale: max(1, t)
    double jk, jk1; // Jhat_k, Jhat_{k+1}
};

double scaledIntegral(double q, double t, double c)
{
    // Its tables are built once per thread; integrate() is not const in Boost 1.74.
    thread_local boost::math::quadrature::exp_sinh<double> integrator;
    const auto integrand = [q, t, c](double u) {
        if (!(u > 0.0)) return q == 0.0 ? 1.0 : 0.0;
        const double exponent = q * std::log(u) - u * u / (2.0 * c * c) - t * u / c;
        return exponent < -745.0 ? 0.0 : std::exp(exponent);
    };
    return integrator.integrate(integrand, 1e-15) / std::tgamma(q + 1.0);
}

TailPair tailPair(double k, double t)
{
    const double c = std::max(1.0, t);
    const int down = k < 0.0 ? static_cast<int>(std::ceil(-k)) : 0;
    double q = k + down;
    double upper = scaledIntegral(q + 1.0, t, c), lower = scaledIntegral(q, t, c);
    for (int i = 0; i < down; ++i, q -= 1.0) {
        // Jhat_{q-1} = (t / c) Jhat_q + (q + 1) Jhat_{q+1} / c^2.
        const double next = t / c * lower + (q + 1.0) * upper / (c * c);
        upper = lower;
        lower = next;
    }
    return {c, lower, upper};
}

// T'/T as the pair (value, slope) without the common factor exp(-t^2/2) c^-(k+1):
// T ~ Jhat_k, T' ~ -t Jhat_k - (k + 1) Jhat_{k+1} / c.
struct TailCondition {
    double value, slope;
};
TailCondition tailCondition(double k, double t)
{
    const TailPair p = tailPair(k, t);
    return {p.jk, -t * p.jk - (k + 1.0) * p.jk1 / p.c};
}

// log |T(t)| with the common factors, for ratios of the tail at two places.
double logTail(double k, double t, const TailPair& p)
{
    return -t * t / 2.0 - (k + 1.0) * std::log(p.c) + std::log(std::fabs(p.jk));
}

struct ThermalSolve {
    double etaEnd = 0.0;     // where the march stops: eta_inf, or the edge of a thin layer
    bool closedTail = false; // whether the closed-form tail continues beyond etaEnd
    double c = 0.0;          // G'(0): G = G1 + c G2
};

Outcome<ThermalSolve> solveThermal(const MomentumSolution& m, double Pr, double k)
{
    ThermalSolve s;
    s.etaEnd = m.etaInf;
    {
        ProfileState y{m.suction, 0.0, m.wallShear, 0.0, 0.0, 0.0};
        double dt = 0.01;
        double edge = m.etaInf;
        marchAdaptive(ProfileSystem{m.beta}, y, 0.0, m.etaInf, dt,
                      [&](const ProfileState&, double, const ProfileState& after, double eta) {
                          if (edge == m.etaInf && Pr * (after[3] - m.minF) > kThinLayerExponent) edge = eta;
                      });
        s.etaEnd = edge;
    }
    s.closedTail = s.etaEnd >= m.etaInf;
    ThermalState y{m.suction, 0.0, m.wallShear, 1.0, 0.0, 0.0, 1.0};
    double dt = 0.01;
    if (marchAdaptive(ThermalSystem{m.beta, Pr, k}, y, 0.0, s.etaEnd, dt) != MarchEnd::Reached)
        return fail(FailureKind::NotConverged, "The energy equation could not be marched across the layer.");
    // The far condition G' T = G sqrt(Pr) T' at etaEnd, or G = 0 at the edge of a thin layer.
    double value = 0.0, slope = 1.0;
    if (s.closedTail) {
        const TailCondition tail = tailCondition(k, std::sqrt(Pr) * y[0]);
        value = tail.value;
        slope = std::sqrt(Pr) * tail.slope;
    }
    const double numerator = y[4] * value - y[3] * slope;
    const double denominator = y[6] * value - y[5] * slope;
    const double scale = std::fabs(y[6] * value) + std::fabs(y[5] * slope);
    if (!std::isfinite(numerator) || !(std::fabs(denominator) > 1e-10 * scale))
        return fail(FailureKind::NotDefined,
                    "With this wall temperature the energy equation has no decaying solution at Pr = " +
                        shortNumber(Pr) + ": the wall heat flux is not determined.");
    s.c = -numerator / denominator;
    return s;
}

} // namespace

Outcome<ThermalWall> checkThermalWall(const ThermalWall& wall)
{
    if (wall.kind != ThermalWallKind::PowerLaw) return wall;
    if (!std::isfinite(wall.exponent) || wall.exponent < kMinWallExponent || wall.exponent > kMaxWallExponent)
        return fail(FailureKind::OutOfRange, "The wall exponent n must lie between " + shortNumber(kMinWallExponent) +
                                                 " and " + shortNumber(kMaxWallExponent) + ".");
    return wall;
}

double wallCoefficient(const ThermalWall& wall, double beta)
{
    switch (wall.kind) {
    case ThermalWallKind::Isothermal: return 0.0;
    case ThermalWallKind::PowerLaw: return wall.exponent == 0.0 ? 0.0 : wall.exponent * (2.0 - beta);
    case ThermalWallKind::UniformFlux: return 1.0 - beta;
    }
    return 0.0;
}

Outcome<double> wallHeatFlux(const MomentumSolution& momentum, double Pr, const ThermalWall& wall)
{
    if (const Outcome<ThermalWall> checked = checkThermalWall(wall); !checked) return checked.failure();
    const double k = wallCoefficient(wall, momentum.beta);
    if (k == 0.0) return wallTemperatureGradient(momentum, Pr);
    if (const Outcome<double> checked = checkPrandtl(Pr); !checked) return checked.failure();
    const Outcome<ThermalSolve> s = solveThermal(momentum, Pr, k);
    if (!s) return s.failure();
    return -s->c;
}

ThermalProfile sampleThermalProfile(const MomentumSolution& m, double Pr, const ThermalWall& wall, double etaEnd,
                                    int count)
{
    ThermalProfile p;
    if (count < 2 || !(etaEnd > 0.0) || !checkThermalWall(wall) || !checkPrandtl(Pr)) return p;
    const double k = wallCoefficient(wall, m.beta);
    if (k == 0.0) return p; // the isothermal wall's profiles come with the similarity solution
    const Outcome<ThermalSolve> s = solveThermal(m, Pr, k);
    if (!s) return p;
    ThermalState y{m.suction, 0.0, m.wallShear, 1.0, 0.0, 0.0, 1.0};
    const ThermalSystem system{m.beta, Pr, k};
    double eta = 0.0, dt = 0.01;
    double tailG = 0.0, tailT0 = 0.0, tailSign0 = 1.0;
    bool atEnd = false;
    for (int i = 0; i < count; ++i) {
        const double target = etaEnd * i / (count - 1);
        double G = 0.0, Gp = 0.0;
        if (target <= s->etaEnd) {
            if (target > eta) marchAdaptive(system, y, eta, target, dt);
            eta = target;
            G = y[3] + s->c * y[5];
            Gp = y[4] + s->c * y[6];
        } else if (s->closedTail) {
            if (!atEnd) {
                if (s->etaEnd > eta) marchAdaptive(system, y, eta, s->etaEnd, dt);
                eta = s->etaEnd;
                tailG = y[3] + s->c * y[5];
                const double t0 = std::sqrt(Pr) * y[0];
                const TailPair p0 = tailPair(k, t0);
                tailT0 = logTail(k, t0, p0);
                tailSign0 = p0.jk < 0.0 ? -1.0 : 1.0;
                atEnd = true;
            }
            // Beyond eta_inf, f = f(eta_inf) + (eta - eta_inf) and G follows the tail T(sqrt(Pr) f).
            const double t = std::sqrt(Pr) * (m.outerF + target - m.etaInf);
            const TailPair tail = tailPair(k, t);
            G = tailG * std::exp(logTail(k, t, tail) - tailT0) * (tail.jk < 0.0 ? -1.0 : 1.0) * tailSign0;
            // T'/T = -t - (k + 1) Jhat_{k+1} / (c Jhat_k).
            Gp = G * std::sqrt(Pr) * (-t - (k + 1.0) * tail.jk1 / (tail.c * tail.jk));
        }
        p.eta.push_back(target);
        p.g.push_back(1.0 - G);
        p.gp.push_back(-Gp);
    }
    return p;
}

namespace {
Failure noLimit()
{
    return fail(FailureKind::NotDefined,
                "This wall has no such limit: its heat flux there is zero or flows into the wall.");
}
} // namespace

Outcome<double> smallPrandtlLimit(double Pr, double k)
{
    if (!(k > -1.0)) return noLimit();
    // g'(0) -> -sqrt(Pr) T'(0)/T(0) = sqrt(2 Pr) Gamma(k/2 + 1) / Gamma((k + 1)/2).
    return std::sqrt(2.0 * Pr) * std::tgamma(k / 2.0 + 1.0) / std::tgamma((k + 1.0) / 2.0);
}

Outcome<double> largePrandtlLimit(double Pr, double wallShear, double k)
{
    if (!(wallShear > 0.0))
        return fail(FailureKind::NotDefined, "The large-Pr limit needs f''(0) > 0; on the reversed-flow branch it "
                                             "does not exist.");
    if (!(k > -1.0)) return noLimit();
    // The Leveque layer G'' + z^2 G' - 2 k z G = 0 with eta = z (2 / (Pr f''(0)))^(1/3) is
    // exp(-z^3/3) U((2 + 2k)/3, 2/3, z^3/3) (Kummer's U); its wall slope gives
    //   g'(0) = (Pr f''(0) / 6)^(1/3) / Gamma(4/3) * Gamma(2/3) Gamma(1 + 2k/3) / Gamma((2 + 2k)/3).
    return std::cbrt(Pr * wallShear / 6.0) / std::tgamma(4.0 / 3.0) * std::tgamma(2.0 / 3.0) *
           std::tgamma(1.0 + 2.0 * k / 3.0) / std::tgamma((2.0 + 2.0 * k) / 3.0);
}

} // namespace cuneola::analysis
