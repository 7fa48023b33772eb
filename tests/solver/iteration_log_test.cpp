// SPDX-License-Identifier: MIT
// The four-decimal number format of the log, its rows and headers.
#include "iteration_log.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

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
                      FormatCase{"NegativeExactTie", -0.03125, "-0.0313"},
                      FormatCase{"TieAboveOne", 2.40625, "2.4063"},
                      FormatCase{"EvenTieNeighbour", 0.09375, "0.0938"},
                      FormatCase{"JustBelowTieRoundsDown", 0.031249999999999997, "0.0312"},
                      FormatCase{"TinyNegativeLosesItsSign", -0.00001, "0.0000"},
                      FormatCase{"HairBelowZeroLosesItsSign", -1.3877787807814457e-16, "0.0000"},
                      FormatCase{"NegativeJustRoundingAway", -0.00005, "-0.0001"},
                      FormatCase{"LargeNoGrouping", 1234567.0, "1234567.0000"},
                      FormatCase{"Huge", 1e20, "100000000000000000000.0000"}),
    [](const auto& info) { return std::string(info.param.name); });

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
