// SPDX-License-Identifier: GPL-3.0-or-later
// The line that opens every copied or saved table: what it is and for which inputs.
#include "analysis/case_heading.h"

#include "numbertext/number_text.h"

namespace cuneola::analysis {
namespace {

std::string wallText(const ThermalWall& wall)
{
    switch (wall.kind) {
    case ThermalWallKind::Isothermal: return "isothermal wall";
    case ThermalWallKind::PowerLaw: return "wall T_w - T_∞ ∝ x^n with n = " + numberToText(wall.exponent);
    case ThermalWallKind::UniformFlux: return "wall of uniform heat flux";
    }
    return {};
}

} // namespace

std::string caseText(const CaseInputs& inputs)
{
    std::string text;
    if (inputs.beta) text += "β = " + numberToText(*inputs.beta) + ", ";
    text += "branch ";
    text += branchName(inputs.branch);
    if (inputs.Pr) text += ", Pr = " + numberToText(*inputs.Pr);
    text += ", " + wallText(inputs.wall.thermal) + ", f_w = " + numberToText(inputs.wall.suction);
    return text;
}

std::string tableHeading(std::string_view table, const CaseInputs& inputs)
{
    return std::string(table) + ": " + caseText(inputs);
}

} // namespace cuneola::analysis
