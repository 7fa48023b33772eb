// SPDX-License-Identifier: GPL-3.0-or-later
// The Val reading and the 15-digit writing of the text boxes.
#include "numbertext/number_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace cuneola {
namespace {

struct ValCase {
    const char* name;
    const char* text;
    double value;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ValCase& c, std::ostream* os) { *os << c.name; }

class Val : public ::testing::TestWithParam<ValCase> {};

TEST_P(Val, Reads)
{
    const ValResult r = readVal(GetParam().text);
    EXPECT_EQ(r.status, ValStatus::Ok);
    EXPECT_EQ(r.value, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rule, Val,
    ::testing::Values(
        ValCase{"Empty", "", 0}, ValCase{"OnlyBlanks", " \t\n ", 0}, ValCase{"MinusBlankTwo", "- 2", -2},
        ValCase{"BlanksInsideDigits", "1 000", 1000}, ValCase{"TabsAndLineFeeds", "\t1\n5", 15},
        ValCase{"CommaStops", "1,5", 1}, ValCase{"Letters", "abc", 0}, ValCase{"TrailingLetters", "12abc", 12},
        ValCase{"SecondPointStops", "1.2.3", 1.2}, ValCase{"NegativeExponent", "2.5e-3", 0.0025},
        ValCase{"DExponent", "1D2", 100}, ValCase{"LowerDExponent", "1d-2", 0.01}, ValCase{"LeadingPoint", ".5", 0.5},
        ValCase{"TrailingPoint", "5.", 5}, ValCase{"PlusSign", "+3", 3}, ValCase{"PlusPoint", "+.25", 0.25},
        ValCase{"ExponentWithoutDigits", "1e", 1}, ValCase{"ExponentSignWithoutDigits", "1e+", 1},
        ValCase{"ExponentBlanks", "1 e - 2", 0.01}, ValCase{"LonePoint", ".", 0}, ValCase{"LoneMinus", "-", 0},
        ValCase{"DoubleSign", "--1", 0}, ValCase{"InfinityIsNoNumber", "inf", 0}, ValCase{"NanIsNoNumber", "nan", 0},
        ValCase{"HexPrefixIsNoDecimal", "0x10", 0}, ValCase{"OneHundredThousandth", "1E-05", 0.00001},
        ValCase{"Hex16", "&H10", 16}, ValCase{"HexLower", "&hff", 255}, ValCase{"HexFFFFIsMinusOne", "&HFFFF", -1},
        ValCase{"Hex8000", "&H8000", -32768}, ValCase{"Hex10000", "&H10000", 65536},
        ValCase{"Hex32AllOnes", "&HFFFFFFFF", -1}, ValCase{"Hex32Min", "&H80000000", -2147483648.0},
        ValCase{"HexLeadingZeros", "&H0000000000FF", 255}, ValCase{"HexStopsAtOther", "&H1G", 1},
        ValCase{"HexWithoutDigits", "&H", 0}, ValCase{"OctalWithoutDigits", "&O", 0}, ValCase{"Octal", "&O17", 15},
        ValCase{"OctalStopsAt8", "&O78", 7}, ValCase{"Octal16BitWrap", "&O177777", -1},
        ValCase{"AmpersandAlone", "&", 0}, ValCase{"AmpersandOther", "&X1", 0}, ValCase{"SignBeforeHex", "-&H1", 0},
        ValCase{"UnderflowIsZero", "1e-400", 0}, ValCase{"Subnormal", "4.9e-324", 4.9e-324},
        ValCase{"ZeroWithHugeExponent", "0e99999", 0}, ValCase{"HugeExponentDigits", "0.0e999999999999999999", 0},
        ValCase{"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        ValCase{"ManyDigits", "0.1000000000000000000000000000000000000000000001", 0.1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Val, OutOfRange)
{
    EXPECT_EQ(readVal("1e400").status, ValStatus::TooLarge);
    EXPECT_EQ(readVal("-1e400").status, ValStatus::TooLarge);
    EXPECT_EQ(readVal("1.8e308").status, ValStatus::TooLarge);
    EXPECT_EQ(readVal("0.001e312").status, ValStatus::TooLarge);
    EXPECT_EQ(readVal("0.001e311").status, ValStatus::Ok);
    EXPECT_EQ(readVal("1e99999999999999999999").status, ValStatus::TooLarge);
    EXPECT_EQ(readVal("&HFFFFFFFFF").status, ValStatus::IntegerTooWide);
    EXPECT_EQ(readVal("&H100000000").status, ValStatus::IntegerTooWide);
    EXPECT_EQ(readVal("&O40000000000").status, ValStatus::IntegerTooWide);
    EXPECT_EQ(readVal("&O37777777777").value, -1);
}

TEST(Val, NegativeUnderflowKeepsItsSign)
{
    const double v = readVal("-1e-400").value;
    EXPECT_EQ(v, 0.0);
    EXPECT_TRUE(std::signbit(v));
}

TEST(Val, LongTextsReadFast)
{
    const std::string digits(10000, '7');
    EXPECT_EQ(readVal(digits).status, ValStatus::TooLarge);
    EXPECT_EQ(readVal("0." + digits).value, 0.7777777777777778);
    EXPECT_EQ(readVal(std::string(10000, ' ') + "3").value, 3);
}

struct TextCase {
    const char* name;
    double value;
    const char* text;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class ToText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ToText, Writes) { EXPECT_EQ(numberToText(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Rule, ToText,
    ::testing::Values(TextCase{"SumOfTenthAndFifth", 0.1 + 0.2, "0.3"},
                      TextCase{"OneThird", 1.0 / 3.0, "0.333333333333333"},
                      TextCase{"TenToThe14", 1e14, "100000000000000"}, TextCase{"TenToThe15", 1e15, "1E+15"},
                      TextCase{"NegativeHalf", -0.5, "-0.5"}, TextCase{"OneHundredThousandth", 0.00001, "1E-05"},
                      TextCase{"SmallestPlain", 0.0001, "0.0001"}, TextCase{"OneTwentieth", 0.05, "0.05"},
                      TextCase{"Exponent16", 1.5e16, "1.5E+16"}, TextCase{"ThreeDigitExponent", -2.5e-300, "-2.5E-300"},
                      TextCase{"Zero", 0.0, "0"}, TextCase{"NegativeZero", -0.0, "0"}, TextCase{"Integer", 15.0, "15"},
                      TextCase{"HairBelow049", 0.49 - 1e-16, "0.49"},
                      TextCase{"RoundsIntoNextDecade", 999999999999999.9, "1E+15"},
                      TextCase{"FifteenDigitsKept", 123456789012345.0, "123456789012345"},
                      TextCase{"SixteenthDigitRounds", 0.12345678901234567, "0.123456789012346"},
                      TextCase{"LargestDoubleStaysReadable", 1.7976931348623157e308, "1.79769313486231E+308"},
                      TextCase{"NegativeLargestDouble", -1.797693134862315e308, "-1.79769313486231E+308"},
                      TextCase{"BelowTheRoundingEdge", 1.7976931348623149e308, "1.79769313486231E+308"},
                      TextCase{"SmallestSubnormal", 4.9406564584124654e-324, "4.94065645841247E-324"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToText, ReadsBackAsTheSameFifteenDigitNumber)
{
    for (double v : {1.7976931348623157e308, -1.797693134862315e308, 0.00001, 0.47, -1.0 / 3.0, 6.02214076e23,
                     0.1 + 0.2, 1e-5 + 1e-20}) {
        const std::string text = numberToText(v);
        const ValResult r = readVal(text);
        ASSERT_EQ(r.status, ValStatus::Ok) << text;
        const double back = r.value;
        EXPECT_EQ(numberToText(back), text) << text;
    }
    EXPECT_EQ(readVal(numberToText(0.00001)).value, 0.00001);
    EXPECT_EQ(readVal(numberToText(0.49 - 1e-16)).value, 0.49);
}

// Qt installs the user's locale at start-up; the rules must not follow it.
TEST(Locale, CommaLocaleChangesNothing)
{
    struct BackToC {
        ~BackToC() { std::setlocale(LC_ALL, "C"); }
    } restore;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
        GTEST_SKIP() << "no German locale on this system; scripts/install-deps.sh generates de_DE.UTF-8";
    // The locale must really write a decimal comma, or the test proves nothing.
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(readVal("1.5").value, 1.5);
    EXPECT_EQ(readVal("1,5").value, 1);
    EXPECT_EQ(numberToText(1234.5), "1234.5");
    EXPECT_EQ(numberToText(1e-5), "1E-05");
}

} // namespace
} // namespace cuneola
