// SPDX-License-Identifier: GPL-3.0-or-later
// The wall temperature gradient g'(0) of the energy equation over an exact momentum solution.
#include "analysis/energy_solution.h"

#include "analysis/internal/adaptive_march.h"
#include "analysis/internal/energy_slope.h"
#include "analysis/internal/similarity_odes.h"
#include "analysis/internal/taylor_march.h"
#include "analysis/internal/thermal_tail.h"
#include "numbertext/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace cuneola::analysis {
namespace {

// 1 / (exp(-Pr Fref) J), or a failure when it lies below the double range: with
// reversed flow F < 0 near the wall and the integral grows like exp(Pr |F|).
Outcome<double> gradientFrom(double Pr, double Fref, double scaledIntegral)
{
    const double logGradient = Pr * Fref - std::log(scaledIntegral);
    if (logGradient < std::log(std::numeric_limits<double>::min()))
        return fail(FailureKind::NotDefined, "g'(0) is below 1E-307 at Pr = " + shortNumber(Pr) +
                                                 ": the reversed flow near the wall insulates it almost completely.");
    return std::exp(logGradient);
}

} // namespace

double scaledErfc(double x)
{
    if (x < 26.0) return std::exp(x * x) * std::erfc(x);
    // Asymptotic series; at x >= 26 its next term is below 1e-13.
    const double r = 1.0 / (x * x);
    const double series = 1.0 - r / 2.0 * (1.0 - 3.0 * r / 2.0 * (1.0 - 5.0 * r / 2.0 * (1.0 - 7.0 * r / 2.0)));
    return series / (x * std::sqrt(std::numbers::pi));
}

Outcome<double> checkPrandtl(double Pr)
{
    if (!std::isfinite(Pr) || Pr <= 0.0) return fail(FailureKind::OutOfRange, "Pr must be a number above 0.");
    if (Pr < kMinPr || Pr > kMaxPr)
        return fail(FailureKind::OutOfRange, "Pr = " + shortNumber(Pr) + " is outside " + shortNumber(kMinPr) + " to " +
                                                 shortNumber(kMaxPr) + ", the range this tool solves.");
    return Pr;
}

Outcome<double> wallTemperatureGradient(const MomentumSolution& momentum, double Pr)
{
    if (const Outcome<double> checked = checkPrandtl(Pr); !checked) return checked;
    const ProfileSystem system{momentum.beta, Pr, momentum.minF};
    ProfileState y{momentum.suction, 0.0, momentum.wallShear, 0.0, 0.0, 0.0};
    if (marchTaylor(system, y, 0.0, momentum.etaInf) != MarchEnd::Reached)
        return fail(FailureKind::NotConverged, "The energy integral could not be marched to η∞.");
    const double tail = thermalTail(Pr, y[3], momentum.minF, y[0]);
    return gradientFrom(Pr, momentum.minF, y[5] + tail);
}

double wallGradientSlope(const MomentumSolution& momentum, double Pr, double gradient)
{
    // A step of 1e-5 against a march good to 1e-9 leaves the slope good to about 1e-4,
    // and its own truncation is of the order of the step.
    constexpr double kRelativeStep = 1e-5;
    constexpr double kRoughTolerance = 1e-9;
    const double delta = kRelativeStep * std::max(1.0, std::fabs(momentum.wallShear));
    const ProfileSystem system{momentum.beta, Pr, momentum.minF};
    ProfileState y{momentum.suction, 0.0, momentum.wallShear + delta, 0.0, 0.0, 0.0};
    if (marchTaylor(system, y, 0.0, momentum.etaInf, kRoughTolerance) != MarchEnd::Reached) return 0.0;
    const Outcome<double> moved = gradientFrom(Pr, momentum.minF, y[5] + thermalTail(Pr, y[3], momentum.minF, y[0]));
    return moved ? std::fabs(*moved - gradient) / delta : 0.0;
}

Outcome<double> wallTemperatureGradientOnInterval(double beta, double wallShear, double etaEnd, double Pr)
{
    if (const Outcome<double> checked = checkPrandtl(Pr); !checked) return checked;
    // F may dip below 0 when f does; a first march finds how far, for the scaling.
    double minF = 0.0;
    {
        ProfileState y{0.0, 0.0, wallShear, 0.0, 0.0, 0.0};
        double dt = 0.01;
        if (marchAdaptive(ProfileSystem{beta}, y, 0.0, etaEnd, dt,
                          [&](const ProfileState&, double, const ProfileState& after, double) {
                              minF = std::min(minF, after[3]);
                          }) != MarchEnd::Reached)
            return fail(FailureKind::NotConverged, "The momentum profile with f''(0) = " + shortNumber(wallShear) +
                                                       " grows without bound before η = " + shortNumber(etaEnd) + ".");
    }
    ProfileState y{0.0, 0.0, wallShear, 0.0, 0.0, 0.0};
    if (marchTaylor(ProfileSystem{beta, Pr, minF}, y, 0.0, etaEnd) != MarchEnd::Reached)
        return fail(FailureKind::NotConverged,
                    "The energy integral could not be marched to η = " + shortNumber(etaEnd) + ".");
    return gradientFrom(Pr, minF, y[5]);
}

} // namespace cuneola::analysis
