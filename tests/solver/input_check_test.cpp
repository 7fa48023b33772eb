// SPDX-License-Identifier: MIT
// The rules that refuse a run before it starts, in the order they are checked.
#include "input_check.h"

#include <gtest/gtest.h>

namespace cuneola {
namespace {

const std::vector<ReadBox> kAllInRange = {{InputBox::xMax, {10, true}}, {InputBox::h, {0.01, true}}};

bool refused(const MarchLimits& l) { return refusalFor(kAllInRange, l).has_value(); }

TEST(Refusal, FirstUnreadableBoxIsNamed)
{
    const auto m = refusalFor({{InputBox::h, {0, false}}, {InputBox::Beta, {0, false}}}, {10, 1.5, -1, 0.01});
    ASSERT_TRUE(m);
    EXPECT_NE(m->find("\"Δη\""), std::string::npos);
    EXPECT_EQ(m->find("β"), std::string::npos);
}

TEST(Refusal, PlotAndMarchLimits)
{
    EXPECT_FALSE(refused({10, 1.5, -1, 0.01})) << "the defaults run";
    EXPECT_FALSE(refused({-10, 1.5, -1, 0})) << "no step is taken, so a zero step cannot hang";
    EXPECT_FALSE(refused({10, -1, 1.5, 0.01})) << "an upside-down plot is allowed";
    EXPECT_FALSE(refused({3.4e38, 3.4e38, -3.4e38, 1e32})) << "single-precision limits themselves";
    EXPECT_TRUE(refused({0, 1.5, -1, 0.01}));
    EXPECT_TRUE(refused({-0.0, 1.5, -1, 0.01}));
    EXPECT_TRUE(refused({10, 2, 2, 0.01}));
    EXPECT_TRUE(refused({3.5e38, 1.5, -1, 1e33}));
    EXPECT_TRUE(refused({10, 1.5, -1, -1e-300}));
    EXPECT_FALSE(refused({10, 1.5, -1, 1e-6})) << "exactly 10,000,000 steps";
    EXPECT_TRUE(refused({10, 1.5, -1, 9.99e-7}));
    EXPECT_TRUE(refused({1e30, 1.5, -1, 1e-300})) << "the quotient overflows to infinity";
}

TEST(Refusal, EveryBoxHasTheNameTheUserSees)
{
    EXPECT_EQ(displayName(InputBox::xMax), "η max");
    EXPECT_EQ(displayName(InputBox::h), "Δη");
    EXPECT_EQ(displayName(InputBox::Eps), "ε");
    EXPECT_EQ(displayName(InputBox::yMin), "f min");
    EXPECT_EQ(displayName(InputBox::dF1_1w), "dg'(0)");
}

} // namespace
} // namespace cuneola
