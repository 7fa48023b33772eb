// SPDX-License-Identifier: GPL-3.0-or-later
// The values each Calculate click sets for the march and the plot.
#pragma once

#include "solver/plot_surface.h"

#include <array>

namespace cuneola {

// Which equations a march integrates.
enum class MarchMode : int {
    Momentum = 1, // Falkner-Skan equation alone
    Energy = 2    // momentum and energy equations together
};

// Curve colours by component: f/g red, f'/g' blue, f'' green.
inline constexpr std::array<Colour, 3> kCurveColours{255, 16711680, 65280};

// The form-level values of the main window. A click sets all that it needs
// before its first march; the march and the plot only read them.
struct FormValues {
    double xMax = 0.0;      // eta max: end of the march, right edge of the plot
    double yMax = 0.0;      // top edge; the vertical axis runs from yMax to -yMax
    double yMin = 0.0;      // bottom edge; the march stops after a step with f' < yMin
    double DotRadius = 0.0; // xMax / 2000, world units
    double h = 0.0;         // march step in eta
    double Beta = 0.0;      // wedge parameter
    double Pr = 0.0;        // Prandtl number (energy search only)
    MarchMode Mode = MarchMode::Momentum;
    std::array<Colour, 3> Colors = kCurveColours;
};

} // namespace cuneola
