// SPDX-License-Identifier: GPL-3.0-or-later
// One full exact solution: both equations, the tabulated quantities and the profiles.
#pragma once

#include "analysis/momentum_solution.h"
#include "analysis/outcome.h"
#include "analysis/thermal_wall.h"

#include <array>
#include <string_view>
#include <vector>

namespace cuneola::analysis {

struct SimilaritySolution {
    MomentumSolution momentum;
    double Pr = 0.0;
    Outcome<double> wallGradient = Failure{}; // g'(0)
    double wallGradientError = 0.0;           // its estimated absolute error
    ThermalWall thermal;                      // the wall the energy equation was solved for
};

// What the wall does besides standing still: transpiration f(0) = f_w and how it is heated.
struct WallConditions {
    double suction = 0.0;
    ThermalWall thermal;
    bool isDefault() const { return suction == 0.0 && thermal.kind == ThermalWallKind::Isothermal; }
};

// The same over a porous or non-isothermal wall; with default conditions exactly the above.
Outcome<SimilaritySolution> solveSimilarity(double beta, Branch branch, double Pr, const WallConditions& wall);

// Solves the momentum equation on `branch` at `beta` and the energy equation over it.
// Fails as a whole only when the momentum equation has no solution there; a Pr outside
// the supported range leaves the momentum results and says why g'(0) is missing.
Outcome<SimilaritySolution> solveSimilarity(double beta, Branch branch, double Pr);

// What a textbook tabulates, in table order.
enum class Quantity {
    WallShear,         // f''(0)
    WallGradient,      // g'(0)
    Displacement,      // delta* = int (1 - f')
    MomentumThickness, // theta = int f'(1 - f')
    ShapeFactor,       // H = delta* / theta
    Eta99,             // eta where f' = 0.99
    EtaInf,            // the far field the shooting settled at
    SkinFriction,      // Cf sqrt(Re_x) = 2 f''(0) / sqrt(2 - beta)
    Nusselt,           // Nu_x / sqrt(Re_x) = g'(0) / sqrt(2 - beta)
    DisplacementX,     // delta*/x sqrt(Re_x) = delta* sqrt(2 - beta)
    MomentumX,         // theta/x sqrt(Re_x) = theta sqrt(2 - beta)
    Thickness99X       // delta99/x sqrt(Re_x) = eta99 sqrt(2 - beta)
};

inline constexpr std::array<Quantity, 12> kQuantities{
    Quantity::WallShear,   Quantity::WallGradient,  Quantity::Displacement, Quantity::MomentumThickness,
    Quantity::ShapeFactor, Quantity::Eta99,         Quantity::EtaInf,       Quantity::SkinFriction,
    Quantity::Nusselt,     Quantity::DisplacementX, Quantity::MomentumX,    Quantity::Thickness99X};

// The quantity's name as a table shows it: "f''(0)", "δ*", "Cf·√Re_x" ...
std::string_view quantityName(Quantity q);

// Its value, or why it does not exist for this solution (eta99 on the reversed-flow
// branch, the x-based forms at beta >= 2 where m = beta / (2 - beta) is not finite).
Outcome<double> quantityValue(const SimilaritySolution& solution, Quantity q);

// A value with its estimated absolute error.
struct Estimate {
    double value = 0.0;
    double error = 0.0;
};

// The value with the error the shooting's uncertainty in f''(0) and the march
// tolerance leave in it.
Outcome<Estimate> quantityEstimate(const SimilaritySolution& solution, Quantity q);

// How many significant digits of `value` an error `error` leaves standing: the error
// is at most half a unit of the last one. At least 1, at most `most`.
int heldDigits(double value, double error, int most);

// A published value for the same input, or NotDefined where none was published.
struct PublishedValue {
    double value;
    int decimals;            // as printed where it was published
    std::string_view source; // "Inglis (1962)", "Blasius", ...
};
Outcome<PublishedValue> publishedValue(const SimilaritySolution& solution, Quantity q);

// f, f', f'', and g, g' where g'(0) exists, at `count` evenly spaced eta from 0 to etaEnd.
// Beyond eta_inf the profile continues in closed form (f' = 1, and g from erfc).
struct Profiles {
    std::vector<double> eta, f, fp, fpp, g, gp;
};
Profiles sampleProfiles(const SimilaritySolution& solution, double etaEnd, int count);
// The same at each of `eta`, which must be finite, ascending and start at 0 or above
// (otherwise nothing is returned): the values at exactly the eta asked for.
Profiles profilesAt(const SimilaritySolution& solution, const std::vector<double>& eta);

} // namespace cuneola::analysis
