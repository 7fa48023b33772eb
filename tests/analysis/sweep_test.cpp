// SPDX-License-Identifier: GPL-3.0-or-later
// Sweeps over lists of beta and Pr.
#include "analysis/sweep.h"

#include <gtest/gtest.h>

namespace cuneola::analysis {
namespace {

TEST(Sweep, OneRowPerInputEveryCombinationAndMissingValuesSaidPlainly)
{
    SweepRequest r;
    r.betas = {0.0, -0.3};
    r.Prs = {0.7, 1e6};
    r.quantities = {Quantity::WallShear, Quantity::WallGradient};
    const Outcome<std::vector<SweepRow>> rows = sweep(r);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 4u);
    EXPECT_EQ((*rows)[1].beta, 0.0);
    EXPECT_EQ((*rows)[1].Pr, 1e6);
    EXPECT_NEAR((*rows)[0].values[0]->value, 0.4696, 1e-4);
    EXPECT_NEAR((*rows)[0].values[1]->value, 0.4139, 1e-3);
    EXPECT_TRUE((*rows)[1].values[0]);  // momentum stands
    EXPECT_FALSE((*rows)[1].values[1]); // Pr out of range: no g'(0)
    EXPECT_EQ(missingText((*rows)[1].values[1].failure().kind), "out of range");
    EXPECT_FALSE((*rows)[2].values[0]); // beyond separation: no solution at all
    EXPECT_FALSE((*rows)[3].values[1]);

    const struct {
        const char* name;
        SweepRequest request;
    } refused[] = {{"no quantity", {{0.0}, {}, 0.0, 1.0, Branch::Attached, {}, {}}},
                   {"no list", {{}, {}, 0.0, 1.0, Branch::Attached, {}, {Quantity::WallShear}}},
                   {"too many rows",
                    {std::vector<double>(100, 0.0),
                     std::vector<double>(100, 1.0),
                     0.0,
                     1.0,
                     Branch::Attached,
                     {},
                     {Quantity::WallShear}}}};
    for (const auto& c : refused) EXPECT_FALSE(sweep(c.request)) << c.name;
}

} // namespace
} // namespace cuneola::analysis
