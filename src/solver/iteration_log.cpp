// SPDX-License-Identifier: MIT
// The lines of the iteration log: headers and one row per trial.
#include "iteration_log.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace cuneola {
namespace {

// A double lies exactly halfway between two four-decimal values only when its
// fraction is an odd multiple of 1/32 (x = n / 10^5 with n odd multiple of 5
// can only be a binary fraction if 5^5 divides n). Multiplying by 32 is exact.
bool isFourDecimalTie(double value)
{
    const double scaled = value * 32.0;
    if (!std::isfinite(scaled) || scaled != std::trunc(scaled)) return false;
    return std::fmod(std::fabs(scaled), 2.0) == 1.0;
}

} // namespace

std::size_t formatLogNumber(double value, char* out)
{
    // std::to_chars rounds exact ties to even; the log rounds them away from
    // zero, so a tie is nudged one unit outwards, which keeps every other digit.
    if (isFourDecimalTie(value)) value = std::nextafter(value, value > 0 ? INFINITY : -INFINITY);

    const auto res = std::to_chars(out, out + kMaxLogNumberChars, value, std::chars_format::fixed, 4);
    std::size_t size = static_cast<std::size_t>(res.ptr - out);
    if (out[0] == '-' && std::string_view(out + 1, size - 1).find_first_not_of("0.") == std::string_view::npos) {
        std::memmove(out, out + 1, size - 1); // "-0.0000" -> "0.0000"
        --size;
    }
    return size;
}

LogRow::LogRow(std::int64_t iter, double guess, double step, double outer)
{
    char* p = m_buf.data();
    constexpr std::string_view gap = "       ";
    auto put = [&p](std::string_view s) {
        std::memcpy(p, s.data(), s.size());
        p += s.size();
    };
    put("  ");
    p = std::to_chars(p, p + 24, iter).ptr;
    put(gap);
    p += formatLogNumber(guess, p);
    put(gap);
    p += formatLogNumber(step, p);
    put(gap);
    p += formatLogNumber(outer, p);
    m_size = static_cast<std::size_t>(p - m_buf.data());
}

} // namespace cuneola
