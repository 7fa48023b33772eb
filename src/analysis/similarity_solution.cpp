// SPDX-License-Identifier: GPL-3.0-or-later
// One full exact solution: both equations, the tabulated quantities and the profiles.
#include "analysis/similarity_solution.h"

#include "analysis/energy_solution.h"
#include "analysis/internal/energy_slope.h"
#include "analysis/internal/similarity_odes.h"
#include "analysis/internal/taylor_march.h"
#include "analysis/internal/thermal_tail.h"
#include "analysis/published_values.h"
#include "analysis/transpiration.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace cuneola::analysis {
namespace {

// 2 / (m + 1) = 2 - beta turns the similarity forms into the x-based ones; it needs a
// finite m = beta / (2 - beta) above -1, that is beta < 2.
Outcome<double> xBased(const SimilaritySolution& s, const Outcome<double>& value, double factorPower)
{
    if (!(s.momentum.beta < 2.0))
        return fail(FailureKind::NotDefined, "The x-based forms need a finite m = β/(2 − β), that is β < 2.");
    if (!value) return value;
    return *value * std::pow(std::sqrt(2.0 - s.momentum.beta), factorPower);
}

// What the march tolerance leaves in any integral quantity, relative.
constexpr double kRelativeFloor = 1e-12;

// The error of the momentum thickness through the momentum integral
// theta = (f''(0) - beta delta*) / (1 + beta), which ties it to f''(0) and delta*.
double thetaError(const MomentumSolution& m)
{
    return (m.wallShearError + std::fabs(m.beta) * m.displacementError) / (1.0 + m.beta) +
           kRelativeFloor * m.momentumThickness;
}

double relativeError(const SimilaritySolution& s, Quantity q)
{
    const MomentumSolution& m = s.momentum;
    const auto rel = [](double error, double value) { return value != 0.0 ? error / std::fabs(value) : 0.0; };
    switch (q) {
    case Quantity::WallShear:
    case Quantity::SkinFriction: return rel(m.wallShearError, m.wallShear);
    case Quantity::WallGradient:
    case Quantity::Nusselt: return s.wallGradient ? rel(s.wallGradientError, *s.wallGradient) : 0.0;
    case Quantity::Displacement:
    case Quantity::DisplacementX: return rel(m.displacementError, m.displacement);
    case Quantity::MomentumThickness:
    case Quantity::MomentumX: return rel(thetaError(m), m.momentumThickness);
    case Quantity::ShapeFactor:
        return rel(m.displacementError, m.displacement) + rel(thetaError(m), m.momentumThickness);
    // eta99 scales with the layer's thickness and moves as delta* does.
    case Quantity::Eta99:
    case Quantity::Thickness99X: return rel(m.displacementError, m.displacement) + kRelativeFloor;
    case Quantity::EtaInf: return 0.0;
    }
    return 0.0;
}

} // namespace

Outcome<Estimate> quantityEstimate(const SimilaritySolution& s, Quantity q)
{
    const Outcome<double> value = quantityValue(s, q);
    if (!value) return value.failure();
    return Estimate{*value, relativeError(s, q) * std::fabs(*value)};
}

int heldDigits(double value, double error, int most)
{
    if (value == 0.0 || !(error > 0.0)) return most;
    if (!std::isfinite(value) || !std::isfinite(error)) return 1;
    // The d-th significant digit's unit is 10^(floor(log10 |value|) - d + 1).
    const int leading = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int d = static_cast<int>(std::floor(leading + 1.0 - std::log10(2.0 * error)));
    return std::clamp(d, 1, most);
}

Outcome<SimilaritySolution> solveSimilarity(double beta, Branch branch, double Pr)
{
    Outcome<MomentumSolution> momentum = solveMomentum(beta, branch);
    if (!momentum) return momentum.failure();
    SimilaritySolution s;
    s.momentum = *momentum;
    s.Pr = Pr;
    s.wallGradient = wallTemperatureGradient(s.momentum, Pr);
    if (s.wallGradient) {
        // g'(0) moves with f''(0): a nearby f''(0) gives the slope, the uncertainty of
        // f''(0) the error.
        const double slope = wallGradientSlope(s.momentum, Pr, *s.wallGradient);
        s.wallGradientError = slope * s.momentum.wallShearError + kRelativeFloor * std::fabs(*s.wallGradient);
    }
    return s;
}

Outcome<SimilaritySolution> solveSimilarity(double beta, Branch branch, double Pr, const WallConditions& wall)
{
    if (wall.suction == 0.0 && wall.thermal.kind == ThermalWallKind::Isothermal)
        return solveSimilarity(beta, branch, Pr);
    Outcome<MomentumSolution> momentum = solveTranspired(beta, branch, wall.suction);
    if (!momentum) return momentum.failure();
    SimilaritySolution s;
    s.momentum = *momentum;
    s.Pr = Pr;
    s.thermal = wall.thermal;
    s.wallGradient = wallHeatFlux(s.momentum, Pr, wall.thermal);
    return s;
}

std::string_view quantityName(Quantity q)
{
    switch (q) {
    case Quantity::WallShear: return "f''(0)";
    case Quantity::WallGradient: return "g'(0)";
    case Quantity::Displacement: return "δ*";
    case Quantity::MomentumThickness: return "θ";
    case Quantity::ShapeFactor: return "H";
    case Quantity::Eta99: return "η99";
    case Quantity::EtaInf: return "η∞";
    case Quantity::SkinFriction: return "Cf·√Re_x";
    case Quantity::Nusselt: return "Nu_x/√Re_x";
    case Quantity::DisplacementX: return "δ*/x·√Re_x";
    case Quantity::MomentumX: return "θ/x·√Re_x";
    case Quantity::Thickness99X: return "δ99/x·√Re_x";
    }
    return {};
}

Outcome<double> quantityValue(const SimilaritySolution& s, Quantity q)
{
    const MomentumSolution& m = s.momentum;
    switch (q) {
    case Quantity::WallShear: return m.wallShear;
    case Quantity::WallGradient: return s.wallGradient;
    case Quantity::Displacement: return m.displacement;
    case Quantity::MomentumThickness: return m.momentumThickness;
    case Quantity::ShapeFactor: return m.shapeFactor();
    case Quantity::Eta99: return s.momentum.eta99;
    case Quantity::EtaInf: return m.etaInf;
    case Quantity::SkinFriction: return xBased(s, 2.0 * m.wallShear, -1.0);
    case Quantity::Nusselt: return xBased(s, s.wallGradient, -1.0);
    case Quantity::DisplacementX: return xBased(s, m.displacement, 1.0);
    case Quantity::MomentumX: return xBased(s, m.momentumThickness, 1.0);
    case Quantity::Thickness99X: return xBased(s, s.momentum.eta99, 1.0);
    }
    return fail(FailureKind::NotDefined, "Unknown quantity.");
}

Outcome<PublishedValue> publishedValue(const SimilaritySolution& s, Quantity q)
{
    const MomentumSolution& m = s.momentum;
    const Failure none = fail(FailureKind::NotDefined, "No published value for this input.");
    // The tables are for the impermeable wall, and g'(0) for the isothermal one.
    if (m.branch != Branch::Attached || m.suction != 0.0) return none;
    if (q == Quantity::WallGradient && wallCoefficient(s.thermal, m.beta) != 0.0) return none;
    const auto inglis = publishedWallShear(m.beta);
    if (q == Quantity::WallShear && inglis) return PublishedValue{inglis->wallShear, inglis->decimals, "Inglis (1962)"};
    if (m.beta != 0.0) return none;
    switch (q) {
    case Quantity::WallGradient:
        // At beta = 0 and Pr = 1, g = f' solves the energy equation: g'(0) = f''(0).
        if (s.Pr == 1.0 && inglis) return PublishedValue{inglis->wallShear, inglis->decimals, "Pr = 1: g'(0) = f''(0)"};
        return none;
    case Quantity::ShapeFactor: return PublishedValue{kBlasius.shapeFactor, 2, "Blasius"};
    case Quantity::SkinFriction: return PublishedValue{kBlasius.skinFriction, 3, "Blasius"};
    case Quantity::DisplacementX: return PublishedValue{kBlasius.displacementThickness, 4, "Blasius"};
    case Quantity::MomentumX: return PublishedValue{kBlasius.momentumThickness, 3, "Blasius"};
    case Quantity::Thickness99X: return PublishedValue{kBlasius.thickness99, 2, "Blasius"};
    default: return none;
    }
}

Profiles sampleProfiles(const SimilaritySolution& s, double etaEnd, int count)
{
    if (count < 2 || !(etaEnd > 0.0)) return {};
    std::vector<double> eta;
    eta.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) eta.push_back(etaEnd * i / (count - 1));
    return profilesAt(s, eta);
}

Profiles profilesAt(const SimilaritySolution& s, const std::vector<double>& etas)
{
    Profiles p;
    if (etas.empty() || !(etas.front() >= 0.0) || !std::is_sorted(etas.begin(), etas.end())) return p;
    if (!std::isfinite(etas.back())) return p;
    const MomentumSolution& m = s.momentum;
    const bool energy = s.wallGradient.ok();
    const double Pr = energy ? s.Pr : 0.0;
    const double Fref = m.minF;
    const ProfileSystem system{m.beta, Pr, Fref};
    const std::size_t n = etas.size();
    for (auto* v : {&p.eta, &p.f, &p.fp, &p.fpp}) v->reserve(n);

    // One march to eta_inf; its steps' series give the samples inside it.
    std::vector<ProfileState> inside;
    inside.reserve(n);
    ProfileState y{m.suction, 0.0, m.wallShear, 0.0, 0.0, 0.0};
    marchTaylor(system, y, 0.0, m.etaInf, [&](const TaylorStep<6>& step) {
        for (std::size_t i = inside.size(); i < n && etas[i] <= step.eta0 + step.h; ++i)
            inside.push_back(step.at(std::max(etas[i] - step.eta0, 0.0)));
    });
    // The energy integral's total, for g = J / J(inf) and g' = exp(-Pr (F - Fref)) / J(inf).
    const double Finf = y[3], Jmarched = y[5];
    std::optional<ThermalTail> tail;
    if (energy) tail.emplace(Pr, Finf, Fref, m.outerF);
    const double Jinf = energy ? Jmarched + (*tail)() : 1.0;

    for (std::size_t i = 0; i < n; ++i) {
        const double target = etas[i];
        double f, fp, fpp, F, J;
        if (i < inside.size()) {
            const ProfileState& z = inside[i];
            f = z[0], fp = z[1], fpp = z[2], F = z[3], J = z[5];
        } else {
            // f = a + t, F = F_inf + a t + t^2 / 2 with t = eta - eta_inf.
            const double t = target - m.etaInf;
            const double a = m.outerF;
            f = a + t, fp = 1.0, fpp = 0.0;
            F = Finf + a * t + t * t / 2.0;
            J = Jmarched;
            if (energy) J += (*tail)(t);
        }
        p.eta.push_back(target);
        p.f.push_back(f);
        p.fp.push_back(fp);
        p.fpp.push_back(fpp);
        if (energy) {
            p.g.push_back(J / Jinf);
            const double power = -Pr * (F - Fref);
            p.gp.push_back(power <= kExpUnderflow ? 0.0 : std::exp(power) / Jinf);
        }
    }
    if (energy && wallCoefficient(s.thermal, m.beta) != 0.0) {
        // Any other wall: the temperature profile of its own equation, which is sampled
        // evenly only; at other eta it is left out rather than given wrong.
        const double end = etas.back();
        bool even = n >= 2 && end > 0.0;
        for (std::size_t i = 0; even && i < n; ++i)
            even = std::fabs(etas[i] - end * static_cast<double>(i) / static_cast<double>(n - 1)) <= 1e-12 * end;
        ThermalProfile t;
        if (even) t = sampleThermalProfile(m, s.Pr, s.thermal, end, static_cast<int>(n));
        p.g = std::move(t.g);
        p.gp = std::move(t.gp);
    }
    return p;
}

} // namespace cuneola::analysis
