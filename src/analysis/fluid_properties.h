// SPDX-License-Identifier: GPL-3.0-or-later
// A few common fluids with the properties a laminar layer on a wedge needs.
#pragma once

#include <array>
#include <string_view>

namespace cuneola::analysis {

struct FluidProperties {
    std::string_view name; // "air at 20 °C"
    double nu;             // kinematic viscosity, m²/s
    double k;              // thermal conductivity, W/(m·K)
    double rho;            // density, kg/m³
    double Pr;             // Prandtl number
    std::string_view source;
};

// At 1 atm, from the property tables of Y. A. Çengel and A. J. Ghajar, Heat and Mass
// Transfer: Fundamentals and Applications (McGraw-Hill): Table A-15 (air), A-9
// (saturated water) and A-13 (unused engine oil). For water and oil the table gives the
// dynamic viscosity mu; nu = mu / rho.
inline constexpr std::array<FluidProperties, 3> kFluids{{
    {"air at 20 °C", 1.516e-5, 0.02514, 1.204, 0.7309, "Çengel & Ghajar, Table A-15"},
    {"water at 20 °C", 1.002e-3 / 998.0, 0.598, 998.0, 7.01, "Çengel & Ghajar, Table A-9"},
    {"engine oil at 80 °C", 3.232e-2 / 852.0, 0.1382, 852.0, 499.3, "Çengel & Ghajar, Table A-13"},
}};

} // namespace cuneola::analysis
