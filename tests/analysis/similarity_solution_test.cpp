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
// 8 to 50): the hard ends, where the reversed layer is long, the thermal layer thin, the
// two branches close or f'(eta_inf) very sensitive to f''(0). Each value holds to
// `relative`, and its own error estimate covers the difference.
struct ReferenceCase {
    const char* name;
    double beta;
    Branch branch;
    double Pr;
    Quantity quantity;
    double reference;
    double relative;
};

class AgainstReference : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(AgainstReference, HoldsAndItsErrorEstimateCoversTheDifference)
{
    const ReferenceCase c = GetParam();
    const Outcome<SimilaritySolution> s = solveSimilarity(c.beta, c.branch, c.Pr);
    ASSERT_TRUE(s) << s.failure().message;
    const Outcome<Estimate> v = quantityEstimate(*s, c.quantity);
    ASSERT_TRUE(v) << v.failure().message;
    EXPECT_NEAR(v->value / c.reference, 1.0, c.relative) << quantityName(c.quantity);
    EXPECT_LE(std::fabs(v->value - c.reference), v->error) << quantityName(c.quantity);
    EXPECT_EQ(*quantityValue(*s, c.quantity), v->value);
}

INSTANTIATE_TEST_SUITE_P(
    HardEnds, AgainstReference,
    ::testing::Values(ReferenceCase{"ThetaOfTheLongReversedLayer", -0.0003, Branch::ReversedFlow, 1.0,
                                    Quantity::MomentumThickness, 0.007341125162345, 1e-10},
                      ReferenceCase{"ShapeFactorOfTheLongReversedLayer", -0.0003, Branch::ReversedFlow, 1.0,
                                    Quantity::ShapeFactor, 4929.797796717, 1e-10},
                      ReferenceCase{"WallGradientUnderReversedFlowAtPr1000", -0.1, Branch::ReversedFlow, 1000.0,
                                    Quantity::WallGradient, 1.196373169829e-188, 1e-9},
                      ReferenceCase{"WallGradientOfTheFlatPlateAtPr1000", 0.0, Branch::Attached, 1000.0,
                                    Quantity::WallGradient, 4.79006196213862, 1e-11},
                      ReferenceCase{"WallShearNextToTheFold", -0.198837, Branch::Attached, 1.0, Quantity::WallShear,
                                    0.000724675233715, 1e-8},
                      ReferenceCase{"ThetaAtLargeBeta", 4.0, Branch::Attached, 1.0, Quantity::MomentumThickness,
                                    0.174311760040, 2e-9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HeldDigits, ErrorAtMostHalfAUnitOfTheLastDigit)
{
    struct Case {
        double value, error;
        int most, digits;
    } const cases[] = {
        {0.4696, 1e-12, 10, 10},                      // capped
        {0.4696, 1e-12, 15, 11},                      // a unit of 1e-11, half of it above 1e-12
        {7.2467e-4, 5e-12, 15, 8},                    // next to the fold
        {4929.8, 1.7e-5, 15, 8},   {1.0, 0.7, 10, 1}, // never fewer than one
        {0.0, 1e-3, 10, 10},                          // zero prints as 0
        {2.0, 0.0, 10, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(heldDigits(c.value, c.error, c.most), c.digits) << c.value << " ± " << c.error;
}

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
