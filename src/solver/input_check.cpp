// SPDX-License-Identifier: GPL-3.0-or-later
// Which inputs a search refuses before it runs, and the message that says why.
#include "solver/input_check.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace cuneola {
namespace {

std::string quoted(InputBox box) { return "\"" + std::string(displayName(box)) + "\""; }

// The plot narrows its coordinates to single precision.
bool beyondSingle(double v) { return std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max()); }

// 1234567 -> "1,234,567" (only for the whole numbers of a message).
std::string grouped(double wholeNumber)
{
    std::string digits = std::to_string(static_cast<long long>(wholeNumber));
    for (auto i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return digits;
}

} // namespace

std::optional<std::string> refusalFor(const std::vector<ReadBox>& boxes, const MarchLimits& limits)
{
    for (const ReadBox& b : boxes) {
        if (!b.reading.inRange)
            return "The number in " + quoted(b.box) +
                   " is too large to calculate with. Enter a number between -1E+308 and 1E+308 "
                   "(hexadecimal and octal numbers up to &HFFFFFFFF).";
    }
    for (InputBox box : {InputBox::xMax, InputBox::yMax, InputBox::yMin}) {
        const double v = box == InputBox::xMax ? limits.xMax : box == InputBox::yMax ? limits.yMax : limits.yMin;
        if (beyondSingle(v))
            return "The plot limit " + quoted(box) +
                   " is too large to draw. Enter a number between "
                   "-3.4E+38 and 3.4E+38.";
    }
    if (limits.xMax == 0.0)
        return "\"η max\" is 0, so the march has no length and the plot no width. Enter an η max "
               "above 0, for example 10.";
    if (limits.yMin == limits.yMax)
        return "\"f min\" equals \"f max\", so the plot has no height. Enter an f min below f max, "
               "for example -1 and 1.5.";
    if (limits.xMax > 0.0 && limits.h <= 0.0)
        return "\"Δη\" must be above 0, or the march never reaches η max. Enter a positive step, "
               "for example 0.01.";
    if (limits.xMax > 0.0 && limits.xMax / limits.h > kMaxMarchSteps)
        return "\"η max\" divided by \"Δη\" asks for more than 10,000,000 steps in one march. "
               "Enter a larger Δη or a smaller η max.";
    if (limits.MaxIter > kMaxIterationLimit)
        return "\"MaxIter\" is above 100,000: a search that does not converge would log more lines "
               "than anyone can read. Enter at most 100000.";
    // Each march takes at least the work of one step, even when eta max < 0.
    const double rounds = std::floor(std::max(limits.MaxIter, 0.0)) + 1.0;
    const double stepsPerMarch = limits.xMax > 0.0 ? std::max(1.0, std::ceil(limits.xMax / limits.h)) : 1.0;
    if (rounds * stepsPerMarch > kMaxSearchSteps)
        return "A search that does not converge would march " + grouped(rounds) + " times " + grouped(stepsPerMarch) +
               " steps, too long to wait for, since a running search cannot be "
               "interrupted. Enter a smaller \"MaxIter\" or a larger \"Δη\".";
    return std::nullopt;
}

} // namespace cuneola
