// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers inside the library's messages, independent of the locale.
#include "analysis/number_words.h"

#include <charconv>

namespace cuneola::analysis {

std::string shortNumber(double value, int digits)
{
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

} // namespace cuneola::analysis
