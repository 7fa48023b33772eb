// SPDX-License-Identifier: MIT
// libFuzzer target: for any finite double d, the text written for d reads back as
// d rounded to 15 significant digits, and that value is written as the same text.
#include "number_text.h"

#include <charconv>
#include <system_error>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double roundedTo15Digits(double v)
{
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14).ptr;
    double out = 0;
    if (std::from_chars(buf, end, out).ec == std::errc::result_out_of_range)
        out = std::copysign(1.79769313486231e308, v); // written rounded down, to stay readable
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double)) return 0;
    double d;
    std::memcpy(&d, data, sizeof d);
    if (!std::isfinite(d)) return 0;

    const std::string text = cuneola::numberToText(d);
    const cuneola::ValResult back = cuneola::readVal(text);
    if (back.status != cuneola::ValStatus::Ok) std::abort();
    const double expected = roundedTo15Digits(d);
    if (back.value != expected) std::abort();
    if (cuneola::numberToText(back.value) != text) std::abort();
    return 0;
}
