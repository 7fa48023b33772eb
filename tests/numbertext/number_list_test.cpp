// SPDX-License-Identifier: GPL-3.0-or-later
// Typed lists of numbers and the scientific writing for spreadsheets.
#include "numbertext/number_list.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <ostream>
#include <vector>

namespace cuneola {
namespace {

struct ListCase {
    const char* name;
    const char* text;
    std::vector<double> values; // empty: refused
    const char* badEntry;
};
void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class NumberListRead : public ::testing::TestWithParam<ListCase> {};

TEST_P(NumberListRead, ReadsOrRefusesTheFirstBadEntry)
{
    const ListCase& c = GetParam();
    const NumberList list = readNumberList(c.text);
    EXPECT_EQ(list.values, c.values);
    EXPECT_EQ(list.badEntry, c.badEntry);
    EXPECT_EQ(list.reason.empty(), *c.badEntry == '\0');
}

INSTANTIATE_TEST_SUITE_P(
    Lists, NumberListRead,
    ::testing::Values(ListCase{"Blanks", "0.1 0.5  1 2 5 10", {0.1, 0.5, 1, 2, 5, 10}, ""},
                      ListCase{"TabsLinesSemicolons", "\t-0.15;0.3\n1e-3 +.5;", {-0.15, 0.3, 1e-3, 0.5}, ""},
                      ListCase{"Empty", "  ", {}, ""}, ListCase{"DecimalComma", "0.1 0,5 2", {}, "0,5"},
                      ListCase{"CommaAsSeparator", "1,2", {}, "1,2"}, ListCase{"Word", "0.7 air", {}, "air"},
                      ListCase{"TrailingLetters", "12abc", {}, "12abc"}, ListCase{"TwoPoints", "1.2.3", {}, "1.2.3"},
                      ListCase{"ExponentWithoutDigits", "1e", {}, "1e"}, ListCase{"NotANumber", "nan inf", {}, "nan"},
                      ListCase{"TooLarge", "1e400", {}, "1e400"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScientificText, HasAPointAndASignedExponentWhateverTheLocale)
{
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const struct {
        double value;
        int digits;
        const char* text;
    } cases[] = {{0.664, 15, "6.64E-01"},
                 {1.0, 15, "1E+00"},
                 {-2500.0, 15, "-2.5E+03"},
                 {-0.0, 15, "0E+00"},
                 {0.469599988361013, 15, "4.69599988361013E-01"},
                 {0.46959998836, 4, "4.696E-01"},
                 {1e-300, 3, "1E-300"},
                 {std::numeric_limits<double>::infinity(), 15, ""}};
    for (const auto& c : cases) EXPECT_EQ(scientificText(c.value, c.digits), c.text) << c.value;
    std::setlocale(LC_ALL, "C");
}

} // namespace
} // namespace cuneola
