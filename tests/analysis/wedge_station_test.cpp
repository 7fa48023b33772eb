// SPDX-License-Identifier: GPL-3.0-or-later
// A station on a real wedge: the homework numbers by hand, missing values, bad input and warnings.
#include "analysis/fluid_properties.h"
#include "analysis/wedge_flow.h"
#include "analysis/wedge_station.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace cuneola::analysis {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Station airAt(double U, double x)
{
    const FluidProperties& air = kFluids[0];
    return Station{U, x, 10.0, air.nu, air.k, air.rho};
}

double value(const SimilaritySolution& s, const Station& st, StationQuantity q)
{
    const Outcome<double> v = stationValue(s, st, q);
    EXPECT_TRUE(v) << stationQuantityName(q) << ": " << (v ? "" : v.failure().message);
    return v ? *v : kNaN;
}

// Air at 20 °C, 10 m/s, x = 0.5 m, worked by hand in the flat-plate scaling
// eta = y sqrt(U / (2 nu x)) from the exact f''(0), eta99, delta*, theta and g'(0).
TEST(WedgeStation, FlatPlateHomeworkByHand)
{
    const Station st = airAt(10.0, 0.5);
    const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, kFluids[0].Pr);
    ASSERT_TRUE(s);
    const MomentumSolution& m = s->momentum;
    const double scale = std::sqrt(2.0 * st.nu * st.x / st.U); // y per unit eta, m
    const double Re = st.U * st.x / st.nu;
    const double tau = st.rho * st.nu * st.U * m.wallShear / scale;
    const double h = st.k * *s->wallGradient / scale;
    const struct {
        StationQuantity q;
        double expected;
    } rows[] = {
        {StationQuantity::ReynoldsX, Re},
        {StationQuantity::Thickness99, *m.eta99 * scale * 1e3},
        {StationQuantity::Displacement, m.displacement * scale * 1e3},
        {StationQuantity::Momentum, m.momentumThickness * scale * 1e3},
        {StationQuantity::WallShear, tau},
        {StationQuantity::SkinFriction, tau / (0.5 * st.rho * st.U * st.U)},
        {StationQuantity::HeatTransfer, h},
        {StationQuantity::WallHeatFlux, h * st.deltaT},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(value(*s, st, row.q), row.expected, 1e-12 * std::fabs(row.expected)) << stationQuantityName(row.q);
    // The textbook forms: delta99 = 4.91 x / sqrt(Re_x), Cf sqrt(Re_x) = 0.664.
    EXPECT_NEAR(value(*s, st, StationQuantity::Thickness99) * 1e-3 * std::sqrt(Re) / st.x, 4.91, 0.005);
    EXPECT_NEAR(value(*s, st, StationQuantity::SkinFriction) * std::sqrt(Re), 0.664, 0.0005);
    EXPECT_TRUE(stationWarnings(*s, st).empty());
}

// v = -sqrt((m + 1) nu U / (2 x)) (f + (m - 1)/(m + 1) eta f') at eta99, written out for m = 0
// and m = 1: outward over a flat plate, towards the wall in stagnation flow.
TEST(WedgeStation, EdgeVelocityByHand)
{
    const Station st = airAt(10.0, 0.5);
    for (const double beta : {0.0, 1.0}) {
        const Outcome<SimilaritySolution> s = solveSimilarity(beta, Branch::Attached, 0.7);
        ASSERT_TRUE(s);
        const double e = *s->momentum.eta99;
        const Profiles p = profilesAt(*s, {e});
        const double expected = beta == 0.0 ? std::sqrt(st.nu * st.U / (2.0 * st.x)) * (e * p.fp[0] - p.f[0])
                                            : -std::sqrt(st.nu * st.U / st.x) * p.f[0];
        EXPECT_NEAR(value(*s, st, StationQuantity::EdgeVelocity), expected * 1e3, 1e-12 * std::fabs(expected * 1e3))
            << "beta = " << beta;
    }
}

TEST(WedgeStation, StagnationLayerThicknessDoesNotGrowWithX)
{
    const Station st = airAt(10.0, 0.5);
    EXPECT_NEAR(heightOf(3.0, 0.05, 1.0, st), heightOf(3.0, 2.0, 1.0, st), 1e-15);
    EXPECT_NEAR(heightOf(3.0, 2.0, 0.0, st), 2.0 * heightOf(3.0, 0.5, 0.0, st), 1e-15); // sqrt(x) on a plate
}

TEST(WedgeStation, MissingValuesSayWhy)
{
    const Station st = airAt(10.0, 0.5);
    const struct {
        double beta;
        Branch branch;
        std::vector<StationQuantity> missing;
        const char* reason;
    } rows[] = {
        {-0.1,
         Branch::ReversedFlow,
         {StationQuantity::Thickness99, StationQuantity::EdgeVelocity},
         "attached branch only"},
        {2.5,
         Branch::Attached,
         {StationQuantity::Thickness99, StationQuantity::Displacement, StationQuantity::Momentum,
          StationQuantity::WallShear, StationQuantity::SkinFriction, StationQuantity::HeatTransfer,
          StationQuantity::WallHeatFlux, StationQuantity::EdgeVelocity},
         "β < 2"},
    };
    for (const auto& row : rows) {
        const Outcome<SimilaritySolution> s = solveSimilarity(row.beta, row.branch, 0.7);
        ASSERT_TRUE(s);
        for (StationQuantity q : kStationQuantities) {
            const Outcome<double> v = stationValue(*s, st, q);
            const bool missing = std::find(row.missing.begin(), row.missing.end(), q) != row.missing.end();
            EXPECT_EQ(v.ok(), !missing) << stationQuantityName(q) << " at beta = " << row.beta;
            if (!v) {
                EXPECT_NE(v.failure().message.find(row.reason), std::string::npos) << v.failure().message;
            }
        }
    }
}

TEST(WedgeStation, InputThatDescribesNoFlowIsRefused)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, 0.7);
    ASSERT_TRUE(s);
    const struct {
        const char* name;
        Station station;
        const char* said;
    } rows[] = {
        {"no velocity", Station{0.0, 0.5, 10.0, 1.5e-5, 0.025, 1.2}, "velocity U"},
        {"station before the leading edge", Station{10.0, -0.1, 10.0, 1.5e-5, 0.025, 1.2}, "leading edge"},
        {"station at the leading edge", Station{10.0, 0.0, 10.0, 1.5e-5, 0.025, 1.2}, "leading edge"},
        {"no viscosity", Station{10.0, 0.5, 10.0, 0.0, 0.025, 1.2}, "viscosity ν"},
        {"conductivity not a number", Station{10.0, 0.5, 10.0, 1.5e-5, kNaN, 1.2}, "conductivity k"},
        {"infinite density", Station{10.0, 0.5, 10.0, 1.5e-5, 0.025, HUGE_VAL}, "density ρ"},
    };
    for (const auto& row : rows) {
        const std::vector<std::string> errors = stationInputErrors(row.station);
        ASSERT_EQ(errors.size(), 1u) << row.name;
        EXPECT_NE(errors[0].find(row.said), std::string::npos) << errors[0];
        for (StationQuantity q : kStationQuantities) EXPECT_FALSE(stationValue(*s, row.station, q)) << row.name;
        EXPECT_TRUE(stationWarnings(*s, row.station).empty()) << row.name;
    }
}

TEST(WedgeStation, WarningsWhereTheLaminarLayerStopsBeingReal)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, 0.7);
    ASSERT_TRUE(s);
    const struct {
        const char* name;
        Station station;
        const char* said;
    } rows[] = {
        {"transitional Reynolds number", airAt(30.0, 1.0), "5·10^5"},
        {"layer as thick as its distance", airAt(0.01, 0.001), "not thin"},
    };
    for (const auto& row : rows) {
        const std::vector<std::string> warnings = stationWarnings(*s, row.station);
        ASSERT_EQ(warnings.size(), 1u) << row.name;
        EXPECT_NE(warnings[0].find(row.said), std::string::npos) << warnings[0];
    }
}

TEST(Profiles, AtArbitraryEtaMatchEvenSampling)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(0.3, Branch::Attached, 0.7);
    ASSERT_TRUE(s);
    const Profiles even = sampleProfiles(*s, 20.0, 41);
    const Profiles at = profilesAt(*s, {3.0, 3.0, 20.0});
    ASSERT_EQ(at.fp.size(), 3u);
    EXPECT_EQ(at.fp[0], at.fp[1]);
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t j = i < 2 ? 6 : 40;
        EXPECT_NEAR(at.fp[i], even.fp[j], 1e-11);
        EXPECT_NEAR(at.g[i], even.g[j], 1e-11);
    }
    EXPECT_TRUE(profilesAt(*s, {1.0, 0.5}).eta.empty());
    EXPECT_TRUE(profilesAt(*s, {-1.0}).eta.empty());
    EXPECT_TRUE(profilesAt(*s, {kNaN}).eta.empty());
}

// Outside the layer f = eta - delta*, so a streamline there is lifted by exactly delta*(x).
TEST(WedgeFlow, OuterStreamlineIsDisplacedByTheDisplacementThickness)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(0.0, Branch::Attached, 0.7);
    ASSERT_TRUE(s);
    const WedgeFlow flow = wedgeFlow(*s, airAt(10.0, 0.5));
    ASSERT_FALSE(flow.streamlines.empty());
    const std::vector<FlowPoint>& top = flow.streamlines.back();
    const double rise = top.back().y - top.front().y;
    const double grow = flow.deltaStar.back().y - flow.deltaStar.front().y;
    EXPECT_NEAR(rise, grow, 1e-3 * grow);
    EXPECT_EQ(flow.profiles.size(), 3u);
}

TEST(WedgeFlow, ReversedBranchRunsBackAlongTheWall)
{
    const Outcome<SimilaritySolution> s = solveSimilarity(-0.15, Branch::ReversedFlow, 0.7);
    ASSERT_TRUE(s);
    const WedgeFlow flow = wedgeFlow(*s, airAt(10.0, 0.5));
    EXPECT_TRUE(flow.delta99.empty());
    EXPECT_LT(flow.profiles[1].u.front(), 0.0);
    const bool turns = std::any_of(flow.streamlines.begin(), flow.streamlines.end(), [](const auto& line) {
        return line.size() > 2 && line[1].x < line[0].x && line.back().x > line[line.size() - 2].x;
    });
    EXPECT_TRUE(turns);
    EXPECT_EQ(wedgeFlow(*s, airAt(0.0, 0.5)).xEnd, 0.0);
}

} // namespace
} // namespace cuneola::analysis
