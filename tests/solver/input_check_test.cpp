// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that refuse a run before it starts, in the order they are checked.
#include "solver/input_check.h"

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

// Unbounded searches: a huge limit with a step that never moves the guess would
// run for hours without any way to stop it.
TEST(Refusal, SearchesThatCouldRunForMinutes)
{
    EXPECT_FALSE(refused({10, 1.5, -1, 0.01, 15})) << "the defaults";
    EXPECT_FALSE(refused({0.01, 1.5, -1, 0.01, 99999})) << "a hundred thousand one-step marches";
    EXPECT_FALSE(refused({10, 1.5, -1, 0.000001, 1})) << "2 marches of ten million steps";
    EXPECT_TRUE(refused({10, 1.5, -1, 0.000001, 15})) << "16 marches of ten million steps";
    EXPECT_FALSE(refused({10, 1.5, -1, 0.0000055, 15})) << "16 marches of 1.8 million steps";
    EXPECT_FALSE(refused({-1, 1.5, -1, 0, 100000})) << "marches without steps";
    EXPECT_FALSE(refused({10, 1.5, -1, 0.01, -1e300})) << "a negative limit marches once";
    EXPECT_TRUE(refused({10, 1.5, -1, 0.01, 1e300}));
    EXPECT_TRUE(refused({10, 1.5, -1, 0.01, 100000.5}));
    EXPECT_TRUE(refused({10, 1.5, -1, 0.0001, 50000})) << "5e4 marches of 1e5 steps";
    const auto m = refusalFor(kAllInRange, {10, 1.5, -1, 0.0001, 50000});
    ASSERT_TRUE(m);
    EXPECT_NE(m->find("50,001 times 100,000 steps"), std::string::npos) << *m;
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
