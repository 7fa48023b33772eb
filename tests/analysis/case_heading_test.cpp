// SPDX-License-Identifier: GPL-3.0-or-later
// The heading line of copied and saved tables.
#include "analysis/case_heading.h"

#include <gtest/gtest.h>

namespace cuneola::analysis {
namespace {

TEST(CaseHeading, NamesTheInputsAndTheWall)
{
    const struct {
        CaseInputs inputs;
        const char* heading;
    } cases[] = {
        {{0.5, Branch::Attached, 0.7, {}}, "Results: β = 0.5, branch attached, Pr = 0.7, isothermal wall, f_w = 0"},
        {{std::nullopt, Branch::Attached, 1.0, {-0.5, {ThermalWallKind::PowerLaw, 0.25}}},
         "Results: branch attached, Pr = 1, wall T_w - T_∞ ∝ x^n with n = 0.25, f_w = -0.5"},
        {{-0.15, Branch::ReversedFlow, std::nullopt, {0.0, {ThermalWallKind::UniformFlux, 0.0}}},
         "Results: β = -0.15, branch reversed flow, wall of uniform heat flux, f_w = 0"},
    };
    for (const auto& c : cases) EXPECT_EQ(tableHeading("Results", c.inputs), c.heading);
}

} // namespace
} // namespace cuneola::analysis
