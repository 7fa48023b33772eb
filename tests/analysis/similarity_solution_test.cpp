// SPDX-License-Identifier: GPL-3.0-or-later
// The tabulated quantities and profiles of one exact solution.
#include "analysis/similarity_solution.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cuneola::analysis {
namespace {

TEST(Blasius, TextbookConstantsToTheirPrintedDigits)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, 0.7);
    ASSERT_TRUE(s);
    for (Quantity q : {Quantity::SkinFriction, Quantity::DisplacementX, Quantity::MomentumX, Quantity::Thickness99X,
                       Quantity::ShapeFactor}) {
        const auto published = publishedValue(*s, q);
        ASSERT_TRUE(published) << quantityName(q);
        EXPECT_NEAR(*quantityValue(*s, q), published->value, 0.5 * std::pow(10.0, -published->decimals))
            << quantityName(q);
    }
    // No published g'(0) away from the Pr = 1 identity.
    EXPECT_FALSE(publishedValue(*s, Quantity::WallGradient));
}

TEST(Blasius, PrandtlOneIdentityIsThePublishedWallGradient)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, 1.0);
    ASSERT_TRUE(s);
    EXPECT_NEAR(*quantityValue(*s, Quantity::WallGradient), *quantityValue(*s, Quantity::WallShear), 1e-13);
    EXPECT_EQ(publishedValue(*s, Quantity::WallGradient)->value, publishedValue(*s, Quantity::WallShear)->value);
}

TEST(Quantities, ThoseWithoutMeaningAreMissingWithAReason)
{
    const Outcome<SimilaritySolution> reversed = solveSimilarity(-0.1, Branch::ReversedFlow, 1.0);
    ASSERT_TRUE(reversed);
    for (Quantity q : {Quantity::Eta99, Quantity::Thickness99X}) {
        const Outcome<double> v = quantityValue(*reversed, q);
        ASSERT_FALSE(v) << quantityName(q);
        EXPECT_EQ(v.failure().kind, FailureKind::NotDefined);
    }
    EXPECT_FALSE(publishedValue(*reversed, Quantity::WallShear)); // Inglis tabulates the attached branch

    for (double beta : {2.0, 2.4, 4.0}) {
        const Outcome<SimilaritySolution> s = solveSimilarity(beta, Branch::Attached, 1.0);
        ASSERT_TRUE(s);
        for (Quantity q : {Quantity::SkinFriction, Quantity::Nusselt, Quantity::DisplacementX, Quantity::MomentumX,
                           Quantity::Thickness99X}) {
            const Outcome<double> v = quantityValue(*s, q);
            ASSERT_FALSE(v) << quantityName(q) << " at beta = " << beta;
            EXPECT_NE(v.failure().message.find("β < 2"), std::string::npos);
        }
        EXPECT_TRUE(quantityValue(*s, Quantity::ShapeFactor));
    }
}

TEST(Quantities, XBasedFormsFollowFromTheSimilarityOnes)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(1.0, Branch::Attached, 7.0);
    ASSERT_TRUE(s);
    // 2 - beta = 1 at the stagnation point.
    EXPECT_DOUBLE_EQ(*quantityValue(*s, Quantity::SkinFriction), 2.0 * s->momentum.wallShear);
    EXPECT_DOUBLE_EQ(*quantityValue(*s, Quantity::Nusselt), *s->wallGradient);
    EXPECT_DOUBLE_EQ(*quantityValue(*s, Quantity::Thickness99X), *s->momentum.eta99);
}

// Reference values from a separate long-double shooting code (tolerance 1e-18, eta_inf
// 16 to 50): the hard ends, where the reversed layer is long or the thermal layer thin.
struct ReferenceCase {
    const char* name;
    double beta;
    Branch branch;
    double Pr;
    Quantity quantity;
    double reference;
};

class AgainstReference : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(AgainstReference, HoldsToOnePartInTenToTheNine)
{
    const ReferenceCase c = GetParam();
    const Outcome<SimilaritySolution> s = solveSimilarity(c.beta, c.branch, c.Pr);
    ASSERT_TRUE(s) << s.failure().message;
    const Outcome<double> v = quantityValue(*s, c.quantity);
    ASSERT_TRUE(v) << v.failure().message;
    EXPECT_NEAR(*v / c.reference, 1.0, 1e-9) << quantityName(c.quantity);
}

INSTANTIATE_TEST_SUITE_P(
    HardEnds, AgainstReference,
    ::testing::Values(ReferenceCase{"ThetaOfTheLongReversedLayer", -0.0003, Branch::ReversedFlow, 1.0,
                                    Quantity::MomentumThickness, 0.007341125162345},
                      ReferenceCase{"ShapeFactorOfTheLongReversedLayer", -0.0003, Branch::ReversedFlow, 1.0,
                                    Quantity::ShapeFactor, 4929.797796717},
                      ReferenceCase{"WallGradientUnderReversedFlowAtPr1000", -0.1, Branch::ReversedFlow, 1000.0,
                                    Quantity::WallGradient, 1.196373169829e-188},
                      ReferenceCase{"WallGradientOfTheFlatPlateAtPr1000", 0.0, Branch::Attached, 1000.0,
                                    Quantity::WallGradient, 4.79006196213862}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Profiles, EnergyProfileIsTheVelocityProfileAtPrandtlOne)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, 1.0);
    const Profiles p = sampleProfiles(*s, 14.0, 141); // beyond eta_inf too
    ASSERT_EQ(p.g.size(), 141u);
    for (std::size_t i = 0; i < p.eta.size(); ++i) {
        EXPECT_NEAR(p.g[i], p.fp[i], 1e-11) << "eta = " << p.eta[i];
        EXPECT_NEAR(p.gp[i], p.fpp[i], 1e-11) << "eta = " << p.eta[i];
    }
    EXPECT_EQ(p.g.front(), 0.0);
    EXPECT_NEAR(p.gp.front(), *s->wallGradient, 1e-15);
}

TEST(Profiles, ThickThermalLayerContinuesSmoothlyBeyondTheFarField)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, 0.01);
    const Profiles p = sampleProfiles(*s, 80.0, 801);
    for (std::size_t i = 1; i < p.g.size(); ++i) {
        EXPECT_GE(p.g[i], p.g[i - 1]);
        // g' is continuous: neighbouring samples differ by about g'' d eta.
        EXPECT_NEAR(p.gp[i], p.gp[i - 1], 1e-3) << "eta = " << p.eta[i];
    }
    EXPECT_NEAR(p.g.back(), 1.0, 1e-9);
}

TEST(Profiles, WithoutAWallGradientOnlyTheMomentumProfiles)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, -1.0);
    const Profiles p = sampleProfiles(*s, 8.0, 50);
    EXPECT_EQ(p.fp.size(), 50u);
    EXPECT_TRUE(p.g.empty());
    EXPECT_TRUE(sampleProfiles(*s, 8.0, 1).eta.empty());
}

} // namespace
} // namespace cuneola::analysis
