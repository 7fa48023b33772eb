// SPDX-License-Identifier: GPL-3.0-or-later
// Lists of numbers the user types ("0.1 0.5 1 2") and numbers written for spreadsheets.
#include "numbertext/number_list.h"

#include "numbertext/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace cuneola {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ';'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// [sign] digits [. digits] [e|E [sign] digits], at least one mantissa digit, nothing else.
bool isWholeDecimal(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i) ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isDigit(s[i]); ++i) ++digits;
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        for (; i < s.size() && isDigit(s[i]); ++i) ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == s.size();
}

NumberList refuse(std::string_view entry, std::string reason)
{
    return NumberList{{}, std::string(entry), std::move(reason)};
}

} // namespace

NumberList readNumberList(std::string_view text)
{
    NumberList list;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !isSeparator(text[end])) ++end;
        const std::string_view entry = text.substr(i, end - i);
        i = end;
        if (entry.find(',') != std::string_view::npos)
            return refuse(entry, "\"" + std::string(entry) +
                                     "\" has a comma: write decimals with a full stop (0.5) and separate the values "
                                     "with spaces or semicolons.");
        if (!isWholeDecimal(entry)) return refuse(entry, "\"" + std::string(entry) + "\" is not a number.");
        const ValResult value = readVal(entry);
        if (value.status != ValStatus::Ok || !std::isfinite(value.value))
            return refuse(entry, "\"" + std::string(entry) + "\" is too large.");
        list.values.push_back(value.value);
    }
    return list;
}

std::string scientificText(double value, int digits)
{
    if (!std::isfinite(value)) return {};
    if (value == 0.0) value = 0.0;
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific,
                                   digits > 1 ? digits - 1 : 0);
    std::string text(buf.data(), res.ptr);
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    if (mantissa == "-0") mantissa = "0";
    // to_chars writes the exponent signed, with at least two digits.
    return mantissa + 'E' + text.substr(e + 1);
}

} // namespace cuneola
