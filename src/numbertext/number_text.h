// SPDX-License-Identifier: GPL-3.0-or-later
// Text <-> number rules of the text boxes: the Val reading and the 15-digit writing.
#pragma once

#include <string>
#include <string_view>

namespace cuneola {

// How a text read by the Val rule came out.
enum class ValStatus {
    Ok,            // the number, or 0 for a text that holds none
    TooLarge,      // a decimal magnitude beyond the double range (1e400)
    IntegerTooWide // a hexadecimal or octal value beyond 32 bits
};

struct ValResult {
    double value = 0.0; // 0 when status is not Ok
    ValStatus status = ValStatus::Ok;
};

// Reads the longest number at the start of `text`, ignoring blanks, tabs and
// line feeds anywhere. Never fails: text without a number reads as 0.
// Independent of the locale: the decimal point is always '.'.
ValResult readVal(std::string_view text);

// Writes `value` rounded to 15 significant digits: plain decimal for decimal
// exponents -4..14, otherwise d.dddE+XX; no trailing zeros; "0" for either zero.
// Independent of the locale. `value` must be finite. The few doubles next to the
// largest one, whose 15-digit rounding lies beyond the double range, are written
// as 1.79769313486231E+308 so that every text written reads back.
std::string numberToText(double value);

// `value` with `digits` significant digits in the shortest form, for messages: "0.25",
// "-0.198838", "1e-05". Independent of the locale.
std::string shortNumber(double value, int digits = 6);

} // namespace cuneola
