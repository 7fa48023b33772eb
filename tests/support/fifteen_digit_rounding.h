// SPDX-License-Identifier: GPL-3.0-or-later
// Test oracle: a double rounded to 15 significant digits, as a written-back text reads.
#pragma once

#include <charconv>
#include <cmath>
#include <system_error>

namespace cuneola::testing {

inline double roundedTo15Digits(double v)
{
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14).ptr;
    double out = 0;
    if (std::from_chars(buf, end, out).ec == std::errc::result_out_of_range)
        out = std::copysign(1.79769313486231e308, v); // written rounded down, to stay readable
    return out;
}

} // namespace cuneola::testing
