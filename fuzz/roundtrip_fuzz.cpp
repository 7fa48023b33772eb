// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: for any finite double d, the text written for d reads back as
// d rounded to 15 significant digits, and that value is written as the same text.
#include "fifteen_digit_rounding.h"
#include "numbertext/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double)) return 0;
    double d;
    std::memcpy(&d, data, sizeof d);
    if (!std::isfinite(d)) return 0;

    const std::string text = cuneola::numberToText(d);
    const cuneola::ValResult back = cuneola::readVal(text);
    if (back.status != cuneola::ValStatus::Ok) std::abort();
    const double expected = cuneola::testing::roundedTo15Digits(d);
    if (back.value != expected) std::abort();
    if (cuneola::numberToText(back.value) != text) std::abort();
    return 0;
}
