// SPDX-License-Identifier: GPL-3.0-or-later
// Text <-> number rules of the text boxes: the Val reading and the 15-digit writing.
#include "numbertext/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace cuneola {
namespace {

bool isIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Yields the characters of a text with blanks, tabs and line feeds skipped.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(std::string_view text) : m_text(text) { skip(); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void advance()
    {
        ++m_pos;
        skip();
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isIgnoredBlank(m_text[m_pos])) ++m_pos;
    }
    std::string_view m_text;
    std::size_t m_pos = 0;
};

int digitValue(char c, int radix)
{
    int d = -1;
    if (isDigit(c))
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < radix ? d : -1;
}

// &H and &O literals: 16-bit signed up to FFFF, 32-bit signed up to FFFFFFFF.
ValResult readRadixInteger(BlankSkippingCursor& in, int radix)
{
    std::uint64_t value = 0;
    bool tooWide = false;
    for (int d; (d = digitValue(in.peek(), radix)) >= 0; in.advance()) {
        if (!tooWide) {
            value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
            tooWide = value > 0xFFFFFFFFu;
        }
    }
    if (tooWide) return {0.0, ValStatus::IntegerTooWide};
    if (value <= 0xFFFFu) return {static_cast<double>(static_cast<std::int16_t>(value)), ValStatus::Ok};
    return {static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value))), ValStatus::Ok};
}

// Decimal form: [sign] digits [. digits] [E|e|D|d [sign] digits]. The recognised
// characters are copied into a plain "-123.45e-6" text for std::from_chars,
// which (unlike strtod) ignores the locale.
ValResult readDecimal(BlankSkippingCursor& in)
{
    std::string mantissa;
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }
    bool sawDigit = false;
    bool sawPoint = false;
    for (;; in.advance()) {
        const char c = in.peek();
        if (isDigit(c)) {
            sawDigit = true;
            mantissa += c;
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
            mantissa += c;
        } else {
            break;
        }
    }
    if (!sawDigit) return {};

    // The exponent saturates far outside the double range, so that a text of
    // thousands of exponent digits neither overflows nor takes long.
    constexpr std::int64_t exponentCap = 100000000;
    std::int64_t exponent = 0;
    const char e = in.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        in.advance();
        bool negativeExponent = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negativeExponent = in.peek() == '-';
            in.advance();
        }
        for (; isDigit(in.peek()); in.advance()) exponent = std::min(exponentCap, exponent * 10 + (in.peek() - '0'));
        if (negativeExponent) exponent = -exponent;
    }

    std::string number = negative ? "-" + mantissa : mantissa;
    number += 'e';
    number += std::to_string(exponent);

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: decide between overflow and underflow by the
        // decimal exponent of the first significant digit.
        std::int64_t firstDigitExponent = 0;
        const auto point = mantissa.find('.');
        const std::size_t intDigits = point == std::string::npos ? mantissa.size() : point;
        const auto first = mantissa.find_first_not_of("0.");
        if (first == std::string::npos) return {negative ? -0.0 : 0.0, ValStatus::Ok};
        firstDigitExponent = first < intDigits ? static_cast<std::int64_t>(intDigits - first) - 1
                                               : -static_cast<std::int64_t>(first - intDigits);
        if (exponent + firstDigitExponent > 0) return {0.0, ValStatus::TooLarge};
        return {negative ? -0.0 : 0.0, ValStatus::Ok};
    }
    return {value, ValStatus::Ok};
}

} // namespace

ValResult readVal(std::string_view text)
{
    BlankSkippingCursor in(text);
    if (in.peek() == '&') {
        in.advance();
        const char kind = in.peek();
        if (kind == 'H' || kind == 'h') {
            in.advance();
            return readRadixInteger(in, 16);
        }
        if (kind == 'O' || kind == 'o') {
            in.advance();
            return readRadixInteger(in, 8);
        }
        return {};
    }
    return readDecimal(in);
}

std::string numberToText(double value)
{
    if (value == 0.0) return "0";

    // d.dddddddddddddde±x: 15 significant digits, correctly rounded.
    std::array<char, 32> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, 14);
    const std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const auto ePos = sci.find('e');
    const bool negative = sci.front() == '-';
    std::string digits; // the 15 significant digits, no point
    for (char c : sci.substr(0, ePos))
        if (isDigit(c)) digits += c;
    int exponent = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);

    // The doubles from 1.797693134862315E+308 up to the largest double round to a
    // 15-digit decimal beyond the double range, which could never be read back:
    // write the largest 15-digit decimal that is a double instead.
    if (exponent == 308 && digits == "179769313486232") digits = "179769313486231";

    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const auto intDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                out += digits;
                out.append(intDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, intDigits);
                out += '.';
                out += digits.substr(intDigits);
            }
        }
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
}

std::string shortNumber(double value, int digits)
{
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

} // namespace cuneola
