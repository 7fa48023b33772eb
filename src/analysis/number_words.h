// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers inside the library's messages, independent of the locale.
#pragma once

#include <string>

namespace cuneola::analysis {

// `value` with `digits` significant digits, shortest form ("0.25", "-0.198838", "1e-05").
std::string shortNumber(double value, int digits = 6);

} // namespace cuneola::analysis
