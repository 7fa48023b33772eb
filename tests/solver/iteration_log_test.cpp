// SPDX-License-Identifier: GPL-3.0-or-later
// The four-decimal number format of the log, its rows and headers.
#include "solver/iteration_log.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace cuneola {
namespace {

std::string logNumber(double v)
{
    char buf[kMaxLogNumberChars];
    return std::string(buf, formatLogNumber(v, buf));
}

struct FormatCase {
    const char* name;
    double value;
    const char* text;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class LogNumber : public ::testing::TestWithParam<FormatCase> {};

TEST_P(LogNumber, FourDecimals) { EXPECT_EQ(logNumber(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Format, LogNumber,
    ::testing::Values(FormatCase{"Half", 0.5, "0.5000"}, FormatCase{"NegativeRoundsUp", -1.23456, "-1.2346"},
                      FormatCase{"TwoIntegerDigits", 12.34567, "12.3457"}, FormatCase{"Zero", 0.0, "0.0000"},
                      FormatCase{"NegativeZero", -0.0, "0.0000"},
                      FormatCase{"ExactTieRoundsAwayFromZero", 0.03125, "0.0313"},
                      FormatCase{"NegativeExactTie", -0.03125, "-0.0313"}, FormatCase{"TieAboveOne", 2.40625, "2.4063"},
                      FormatCase{"EvenTieNeighbour", 0.09375, "0.0938"},
                      FormatCase{"JustBelowTieRoundsDown", 0.031249999999999997, "0.0312"},
                      FormatCase{"TinyNegativeLosesItsSign", -0.00001, "0.0000"},
                      FormatCase{"HairBelowZeroLosesItsSign", -1.3877787807814457e-16, "0.0000"},
                      FormatCase{"NegativeJustRoundingAway", -0.00005, "-0.0001"},
                      FormatCase{"LargeNoGrouping", 1234567.0, "1234567.0000"},
                      FormatCase{"Huge", 1e20, "100000000000000000000.0000"},
                      // An energy search's outer value; one unit in the last place is 1/32 here.
                      FormatCase{"TieAtTwoPow47", -205815527278914.53125, "-205815527278914.5313"},
                      FormatCase{"LargestTie", 281474976710655.96875, "281474976710655.9688"},
                      FormatCase{"WholeFromTwoPow52", 4503599627370497.0, "4503599627370497.0000"},
                      FormatCase{"TwoPow60", 1152921504606846976.0, "1152921504606846976.0000"}),
    [](const auto& info) { return std::string(info.param.name); });

// The oracle: the exact decimal expansion of the double (no double has more than
// 1074 decimals), rounded by schoolbook rules. Halves go away from zero, so only
// the fifth decimal decides.
std::string exactlyRounded(double v)
{
    char buf[1400];
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1074).ptr;
    std::string s(buf, end);
    const std::size_t point = s.find('.');
    const bool up = s[point + 5] >= '5';
    s.resize(point + 5);
    for (std::size_t i = s.size(); up && i-- > 0;) {
        if (s[i] == '.') continue;
        if (s[i] == '-') {
            s.insert(i + 1, "1"); // every digit was a 9
            break;
        }
        if (s[i] != '9') {
            ++s[i];
            break;
        }
        s[i] = '0';
        if (i == 0) s.insert(0, "1");
    }
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

// Ties (odd multiples of 1/32, the only doubles exactly halfway at four decimals)
// exist up to 2^48; from 2^52 on every double is whole. Each situation is checked at
// every magnitude 2^-10 ... 2^60 where it exists, with both signs.
enum class Near { Power, ExactTie, DecimalMidpoint };

struct MagnitudeCase {
    const char* name;
    Near near;
    int ulps; // how many units in the last place from the value named by `near`
};

void PrintTo(const MagnitudeCase& c, std::ostream* os) { *os << c.name; }

double stepUlps(double v, int ulps)
{
    for (; ulps > 0; --ulps) v = std::nextafter(v, INFINITY);
    for (; ulps < 0; ++ulps) v = std::nextafter(v, -INFINITY);
    return v;
}

// The double nearest to the four-decimal midpoint just above `magnitude`.
double decimalMidpointAbove(double magnitude)
{
    char buf[400];
    char* end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, 4).ptr;
    *end++ = '5';
    double v = 0;
    std::from_chars(buf, end, v);
    return v;
}

class LogNumberAtEveryMagnitude : public ::testing::TestWithParam<MagnitudeCase> {};

TEST_P(LogNumberAtEveryMagnitude, MatchesTheExactExpansion)
{
    const MagnitudeCase& c = GetParam();
    int checked = 0;
    for (int e = -10; e <= 60; ++e) {
        const double power = std::ldexp(1.0, e);
        double base = power;
        if (c.near == Near::ExactTie) {
            if (e > 47) continue; // one unit in the last place is above 1/32
            base = e <= -5 ? 0.03125 : power + 0.03125;
        } else if (c.near == Near::DecimalMidpoint) {
            base = decimalMidpointAbove(power);
        }
        const double v = stepUlps(base, c.ulps);
        for (const double x : {v, -v}) {
            EXPECT_EQ(logNumber(x), exactlyRounded(x)) << "2^" << e;
            ++checked;
        }
    }
    EXPECT_GT(checked, 60);
}

INSTANTIATE_TEST_SUITE_P(TiesAndNearTies, LogNumberAtEveryMagnitude,
                         ::testing::Values(MagnitudeCase{"PowerOfTwo", Near::Power, 0},
                                           MagnitudeCase{"JustBelowPower", Near::Power, -1},
                                           MagnitudeCase{"JustAbovePower", Near::Power, 1},
                                           MagnitudeCase{"ExactTie", Near::ExactTie, 0},
                                           MagnitudeCase{"OneUlpBelowTie", Near::ExactTie, -1},
                                           MagnitudeCase{"OneUlpAboveTie", Near::ExactTie, 1},
                                           MagnitudeCase{"NearestToDecimalMidpoint", Near::DecimalMidpoint, 0},
                                           MagnitudeCase{"BelowDecimalMidpoint", Near::DecimalMidpoint, -1},
                                           MagnitudeCase{"AboveDecimalMidpoint", Near::DecimalMidpoint, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// Each of the sixteen tie fractions k/32 rounds up in its fourth decimal.
TEST(LogNumber, EveryTieFractionRoundsAway)
{
    for (int k = 1; k < 32; k += 2) {
        for (const double whole : {0.0, 7.0, 99999.0, 140737488355327.0}) {
            const double v = whole + k / 32.0;
            EXPECT_EQ(logNumber(v), exactlyRounded(v)) << whole << " + " << k << "/32";
            EXPECT_EQ(logNumber(-v), exactlyRounded(-v)) << whole << " + " << k << "/32";
        }
    }
}

// Random doubles of every magnitude the log can meet, and random ties among them.
TEST(LogNumber, AgreesWithTheExactExpansionOverRandomDoubles)
{
    std::mt19937_64 rng(20260110);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    std::uniform_int_distribution<int> exponent(-30, 80);
    std::uniform_int_distribution<std::int64_t> ties(-(std::int64_t{1} << 52), std::int64_t{1} << 52);
    for (int n = 0; n < 20000; ++n) {
        const double v = std::ldexp(mantissa(rng), exponent(rng)) * (n % 2 ? -1.0 : 1.0);
        ASSERT_EQ(logNumber(v), exactlyRounded(v)) << std::hexfloat << v;
        const double tie = static_cast<double>(ties(rng) | 1) / 32.0;
        ASSERT_EQ(logNumber(tie), exactlyRounded(tie)) << std::hexfloat << tie;
    }
}

TEST(LogNumber, LargestDoubleFitsTheBuffer)
{
    const std::string s = logNumber(-1.7976931348623157e308);
    EXPECT_EQ(s.size(), 1u + 309u + 5u);
    EXPECT_EQ(s.substr(s.size() - 5), ".0000");
}

TEST(LogRow, FieldsAreSeparatedBySevenBlanksAndNotPadded)
{
    const LogRow row(3, 0.3, -0.01, 1.0123456);
    EXPECT_EQ(row.text(), "  3       0.3000       -0.0100       1.0123");
    EXPECT_EQ(row.text().size(), 43u);
}

TEST(LogRow, TwoDigitIterationShiftsTheRow)
{
    EXPECT_EQ(LogRow(10, 0.5, 0.1, 1.0).text(), "  10       0.5000       0.1000       1.0000");
}

TEST(LogRow, CounterBeyondSixteenBits)
{
    EXPECT_EQ(LogRow(40000, 0, 0, 0).text(), "  40000       0.0000       0.0000       0.0000");
    EXPECT_EQ(LogRow(5000000000LL, 0, 0, 0).text().substr(0, 12), "  5000000000");
}

TEST(LogHeader, Widths)
{
    EXPECT_EQ(kMomentumLogHeader.size(), 52u);
    EXPECT_EQ(kEnergyLogHeader.size(), 50u);
    EXPECT_EQ(kLogBlankLine, " ");
}

} // namespace
} // namespace cuneola
