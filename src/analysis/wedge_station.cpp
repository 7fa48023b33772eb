// SPDX-License-Identifier: GPL-3.0-or-later
// From similarity variables to a real wedge: a station's Reynolds number, thicknesses, wall shear and heat flux.
#include "analysis/wedge_station.h"

#include "numbertext/number_text.h"

#include <cmath>
#include <limits>

namespace cuneola::analysis {
namespace {

bool positive(double v) { return std::isfinite(v) && v > 0.0; }

Outcome<double> scaled(const Outcome<double>& value, double factor)
{
    if (!value) return value;
    return *value * factor;
}

// v = -sqrt((m + 1) nu U / (2 x)) (f + ((m - 1) / (m + 1)) eta f') at eta99, where
// sqrt((m + 1) nu U / (2 x)) = U / (sqrt(Re_x) sqrt(2 - beta)) and (m - 1)/(m + 1) = beta - 1.
Outcome<double> edgeVelocity(const SimilaritySolution& s, const Station& st, double Re)
{
    const Outcome<double> eta99 = quantityValue(s, Quantity::Eta99);
    if (!eta99) return eta99;
    const Outcome<double> checkBeta = quantityValue(s, Quantity::Thickness99X);
    if (!checkBeta) return checkBeta;
    const Profiles p = profilesAt(s, {*eta99});
    if (p.f.empty()) return fail(FailureKind::NotDefined, "The profile at η99 could not be evaluated.");
    const double beta = s.momentum.beta;
    const double bracket = p.f[0] + (beta - 1.0) * *eta99 * p.fp[0];
    return -st.U / (std::sqrt(Re) * std::sqrt(2.0 - beta)) * bracket * 1e3;
}

} // namespace

std::vector<std::string> stationInputErrors(const Station& st)
{
    std::vector<std::string> errors;
    if (!positive(st.U)) errors.push_back("The outer velocity U must be a number above 0 m/s.");
    if (!positive(st.x)) errors.push_back("The station x must lie behind the leading edge: a distance above 0 m.");
    if (!positive(st.nu)) errors.push_back("The kinematic viscosity ν must be a number above 0 m²/s.");
    if (!positive(st.k)) errors.push_back("The thermal conductivity k must be a number above 0 W/(m·K).");
    if (!positive(st.rho)) errors.push_back("The density ρ must be a number above 0 kg/m³.");
    if (!std::isfinite(st.deltaT)) errors.push_back("The temperature difference ΔT must be a finite number.");
    return errors;
}

std::string_view stationQuantityName(StationQuantity q)
{
    switch (q) {
    case StationQuantity::ReynoldsX: return "Re_x";
    case StationQuantity::Thickness99: return "δ99 (mm)";
    case StationQuantity::Displacement: return "δ* (mm)";
    case StationQuantity::Momentum: return "θ (mm)";
    case StationQuantity::WallShear: return "τ_w (Pa)";
    case StationQuantity::SkinFriction: return "Cf";
    case StationQuantity::HeatTransfer: return "h (W/(m²·K))";
    case StationQuantity::WallHeatFlux: return "q_w (W/m²)";
    case StationQuantity::EdgeVelocity: return "v_e (mm/s)";
    }
    return {};
}

Outcome<double> stationValue(const SimilaritySolution& s, const Station& st, StationQuantity q)
{
    const std::vector<std::string> errors = stationInputErrors(st);
    if (!errors.empty()) return fail(FailureKind::OutOfRange, errors.front());
    const double Re = st.U * st.x / st.nu;
    const double rootRe = std::sqrt(Re);
    // The library's x-based forms: Cf sqrt(Re_x), Nu_x / sqrt(Re_x), delta/x sqrt(Re_x).
    switch (q) {
    case StationQuantity::ReynoldsX: return Re;
    case StationQuantity::Thickness99: return scaled(quantityValue(s, Quantity::Thickness99X), st.x / rootRe * 1e3);
    case StationQuantity::Displacement: return scaled(quantityValue(s, Quantity::DisplacementX), st.x / rootRe * 1e3);
    case StationQuantity::Momentum: return scaled(quantityValue(s, Quantity::MomentumX), st.x / rootRe * 1e3);
    case StationQuantity::SkinFriction: return scaled(quantityValue(s, Quantity::SkinFriction), 1.0 / rootRe);
    case StationQuantity::WallShear:
        return scaled(quantityValue(s, Quantity::SkinFriction), 0.5 * st.rho * st.U * st.U / rootRe);
    case StationQuantity::HeatTransfer: return scaled(quantityValue(s, Quantity::Nusselt), rootRe * st.k / st.x);
    case StationQuantity::WallHeatFlux:
        return scaled(quantityValue(s, Quantity::Nusselt), rootRe * st.k / st.x * st.deltaT);
    case StationQuantity::EdgeVelocity: return edgeVelocity(s, st, Re);
    }
    return fail(FailureKind::NotDefined, "Unknown quantity.");
}

std::vector<std::string> stationWarnings(const SimilaritySolution& s, const Station& st)
{
    std::vector<std::string> warnings;
    if (!stationInputErrors(st).empty()) return warnings;
    const double Re = st.U * st.x / st.nu;
    // The critical Reynolds number of a flat plate is commonly taken as 5·10^5; measured
    // transition lies between about 3.5·10^5 and 10^6 with the free stream's disturbances
    // (H. Schlichting and K. Gersten, Boundary-Layer Theory, 9th ed., Springer 2017, ch. 15;
    // F. P. Incropera et al., Fundamentals of Heat and Mass Transfer, sec. 6.3).
    if (Re > kTransitionReynolds)
        warnings.push_back("Re_x = " + shortNumber(Re, 3) +
                           " is above about 5·10^5, where the layer on a flat plate is usually transitional "
                           "or turbulent: these laminar numbers may describe no real flow there.");
    // delta99 where it exists; on the reversed-flow branch the displacement thickness.
    const Outcome<double> d99 = quantityValue(s, Quantity::Thickness99X);
    const Outcome<double> thickness = d99 ? d99 : quantityValue(s, Quantity::DisplacementX);
    if (thickness && *thickness / std::sqrt(Re) > kThickLayer)
        warnings.push_back(std::string(d99 ? "δ99/x = " : "δ*/x = ") + shortNumber(*thickness / std::sqrt(Re), 2) +
                           " (Re_x = " + shortNumber(Re, 3) +
                           "): the layer is not thin compared with its distance from the leading edge, so "
                           "boundary-layer theory is only rough here.");
    return warnings;
}

double wedgeExponent(double beta)
{
    if (!(beta < 2.0)) return std::numeric_limits<double>::quiet_NaN();
    return beta / (2.0 - beta);
}

double heightOf(double eta, double x, double beta, const Station& st)
{
    const double m = wedgeExponent(beta);
    const double Ux = st.U * std::pow(x / st.x, m);
    return eta * std::sqrt(2.0 * st.nu * x / ((m + 1.0) * Ux));
}

} // namespace cuneola::analysis
