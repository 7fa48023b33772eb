// SPDX-License-Identifier: GPL-3.0-or-later
// Lists of numbers the user types ("0.1 0.5 1 2") and numbers written for spreadsheets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cuneola {

// The numbers of a list, or the first entry that is not one.
struct NumberList {
    std::vector<double> values; // in the order typed; empty when an entry is bad
    std::string badEntry;       // the entry as typed, empty when every entry was read
    std::string reason;         // a sentence for the user, empty when every entry was read
};

// Reads numbers separated by blanks, tabs, line breaks or semicolons. Each entry must be
// a whole decimal number ("2", "-0.15", "1e-3", "+.5"), read by the Val rule of the boxes,
// so the point is always a full stop. A comma is refused rather than guessed at: "0,5"
// could be a half or the list 0 and 5. Independent of the locale.
NumberList readNumberList(std::string_view text);

// `value` with `digits` significant digits in scientific notation, trailing zeros of the
// mantissa dropped and the exponent signed with at least two digits: "6.64E-01",
// "1E+00", "-2.5E+03". A spreadsheet cannot take it for a whole number with grouped
// thousands, as it may take "0.664" under a locale whose decimal mark is a comma.
// Minus zero is written "0E+00"; a value that is not finite gives an empty text.
std::string scientificText(double value, int digits = 15);

} // namespace cuneola
