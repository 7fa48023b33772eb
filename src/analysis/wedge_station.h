// SPDX-License-Identifier: GPL-3.0-or-later
// From similarity variables to a real wedge: a station's Reynolds number, thicknesses, wall shear and heat flux.
#pragma once

#include "analysis/outcome.h"
#include "analysis/similarity_solution.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuneola::analysis {

// The flow at one station x of a wedge whose outer velocity is U(x) = C x^m,
// m = beta / (2 - beta), given there as U. SI units throughout.
struct Station {
    double U = 10.0;      // outer velocity at the station, m/s
    double x = 0.5;       // distance from the leading edge along the wall, m
    double deltaT = 10.0; // wall temperature minus the fluid's far from the wall, K
    double nu = 1.516e-5; // kinematic viscosity, m²/s
    double k = 0.02514;   // thermal conductivity, W/(m·K)
    double rho = 1.204;   // density, kg/m³
};

// A plain sentence for each input that describes no flow (U or x at or below zero, a
// nu, k or rho at or below zero, anything not finite); empty when the station is sound.
std::vector<std::string> stationInputErrors(const Station& station);

// What the station's table shows, in table order.
enum class StationQuantity {
    ReynoldsX,    // Re_x = U x / nu
    Thickness99,  // delta99, mm
    Displacement, // delta*, mm
    Momentum,     // theta, mm
    WallShear,    // tau_w, Pa
    SkinFriction, // Cf = tau_w / (rho U² / 2)
    HeatTransfer, // h = q_w / deltaT, W/(m²·K)
    WallHeatFlux, // q_w, W/m², from the wall into the fluid when deltaT > 0
    EdgeVelocity  // v at delta99, mm/s, positive away from the wall
};

inline constexpr std::array<StationQuantity, 9> kStationQuantities{
    StationQuantity::ReynoldsX,    StationQuantity::Thickness99,  StationQuantity::Displacement,
    StationQuantity::Momentum,     StationQuantity::WallShear,    StationQuantity::SkinFriction,
    StationQuantity::HeatTransfer, StationQuantity::WallHeatFlux, StationQuantity::EdgeVelocity};

// "Re_x", "δ99 (mm)", ... with the unit the value is given in.
std::string_view stationQuantityName(StationQuantity q);

// The value in the unit its name states, or why there is none (the reason the
// similarity table gives: eta99 on the reversed-flow branch, x-based forms at beta >= 2,
// no g'(0); or the station's own input error).
Outcome<double> stationValue(const SimilaritySolution& solution, const Station& station, StationQuantity q);

// Plain warnings where the numbers stop describing a real laminar flow: a Reynolds number
// at which the layer is usually no longer laminar, or one so low that the layer is not thin.
std::vector<std::string> stationWarnings(const SimilaritySolution& solution, const Station& station);

// Re_x above which a flat-plate layer is usually transitional or turbulent.
inline constexpr double kTransitionReynolds = 5e5;
// delta99 / x above which the layer is not thin and boundary-layer theory is rough.
inline constexpr double kThickLayer = 0.1;

// The wedge exponent m = beta / (2 - beta); not finite for beta >= 2.
double wedgeExponent(double beta);

// Height above the wall, m, of the similarity coordinate eta at distance x, m, from the
// leading edge of a wedge whose outer velocity is U at `station`:
//   y = eta sqrt(2 nu x / ((m + 1) U(x))),  U(x) = U (x / x_station)^m.
double heightOf(double eta, double x, double beta, const Station& station);

} // namespace cuneola::analysis
