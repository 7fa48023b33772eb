// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of the iteration log: headers and one row per trial.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace cuneola {

inline constexpr std::string_view kMomentumLogHeader = " Iter       f''(0)           df''(0)          f'(oo)";
inline constexpr std::string_view kEnergyLogHeader = " Iter       g'(0)           dg'(0)           g(oo)";
inline constexpr std::string_view kLogBlankLine = " ";

// Writes `value` as "#0.###0": sign, integer part with at least one digit, a point
// and exactly four decimals, rounded half away from zero (0.03125 -> 0.0313). A
// negative value that rounds to zero prints without its minus sign.
// Returns the number of characters written; `out` must hold kMaxLogNumberChars.
inline constexpr std::size_t kMaxLogNumberChars = 320;
std::size_t formatLogNumber(double value, char* out);

// One log row, built without allocating: "  " Iter, then Guess, Step and Outer,
// each field after seven blanks, none padded to a width.
class LogRow {
public:
    LogRow(std::int64_t iter, double guess, double step, double outer);
    std::string_view text() const { return {m_buf.data(), m_size}; }

private:
    std::array<char, 3 * kMaxLogNumberChars + 64> m_buf{};
    std::size_t m_size = 0;
};

} // namespace cuneola
