// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the Explore window shows them: a full stop as the point whatever the locale.
#include "ui/explore/explore_numbers.h"

#include "numbertext/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace cuneola::ui {
namespace {

QString formatted(double value, std::chars_format format, int precision)
{
    if (!std::isfinite(value)) return {};
    if (value == 0.0) value = 0.0; // minus zero prints without its sign
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, format, precision);
    QString text = QString::fromLatin1(buf.data(), static_cast<qsizetype>(res.ptr - buf.data()));
    // A value that rounds to zero at this precision prints without a sign as well.
    if (text.startsWith(QLatin1Char('-')) &&
        text.count(QLatin1Char('0')) + text.count(QLatin1Char('.')) == text.size() - 1)
        text.remove(0, 1);
    return text;
}

} // namespace

QString significantText(double value, int digits) { return formatted(value, std::chars_format::general, digits); }

QString signedText(double value, int digits)
{
    const QString text = significantText(value, digits);
    return value > 0.0 ? QLatin1Char('+') + text : text;
}

QString decimalsText(double value, int decimals) { return formatted(value, std::chars_format::fixed, decimals); }

QString copyText(double value)
{
    if (!std::isfinite(value)) return {};
    return QString::fromStdString(numberToText(value));
}

} // namespace cuneola::ui
