// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of the iteration log: headers and one row per trial.
#include "solver/iteration_log.h"

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

// A tie is an odd multiple of 1/32, so its exact expansion has five decimals
// ending in 125, 375, 625 or 875: the fourth decimal is a 2 or a 7. Rounding half
// away from zero drops the final 5 and raises that digit by one, which never
// carries into the digits before it.
std::size_t formatTie(double value, char* out)
{
    const auto res = std::to_chars(out, out + kMaxLogNumberChars, value, std::chars_format::fixed, 5);
    const std::size_t size = static_cast<std::size_t>(res.ptr - out) - 1;
    ++out[size - 1];
    return size;
}

} // namespace

std::size_t formatLogNumber(double value, char* out)
{
    // std::to_chars rounds the exact binary value correctly, but exact ties to even.
    if (isFourDecimalTie(value)) return formatTie(value, out);

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
