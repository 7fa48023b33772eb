// SPDX-License-Identifier: GPL-3.0-or-later
// The Gill march: step counts, coefficients, known wall values, cut-off and faults.
#include "null_window.h"
#include "recording_fakes.h"
#include "solver/rk4g.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>

namespace cuneola {
namespace {

using testing::PlotCall;
using testing::RecordingPlot;

FormValues values(double xMax, double h, double Beta, double yMin = -1.0, MarchMode mode = MarchMode::Momentum)
{
    FormValues v;
    v.xMax = xMax;
    v.yMax = 1.5;
    v.yMin = yMin;
    v.h = h;
    v.Beta = Beta;
    v.Pr = 1.0;
    v.DotRadius = xMax / 2000.0;
    v.Mode = mode;
    return v;
}

struct March {
    RecordingPlot plot;
    double fPrimeOuter = -999.0;
    double gOuter = -777.0;
    MarchOutcome outcome;
    std::size_t steps() const { return plot.of(PlotCall::Circle).size() / 3; }
    PlotCall lastDot() const { return plot.of(PlotCall::Circle).back(); }
};

March momentum(const FormValues& v, double fpp0)
{
    March m;
    m.outcome = RK4G(v, m.plot, 0.0, 0.0, fpp0, m.fPrimeOuter, 0.0, 0.0, m.gOuter);
    return m;
}

std::string fixed(double v, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

std::string significant(double v, int digits)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", digits, v);
    return buf;
}

// The step count is decided by the running sum of half steps, not by xMax / h.
struct StepCountCase {
    const char* name;
    double h;
    std::size_t steps;
    double lastEta; // exact double of the last dots' eta, or NaN to skip
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const StepCountCase& c, std::ostream* os) { *os << c.name; }

class StepCount : public ::testing::TestWithParam<StepCountCase> {};

TEST_P(StepCount, FollowsTheAccumulatedEta)
{
    const auto& c = GetParam();
    const March m = momentum(values(10.0, c.h, 0.0), 0.4696);
    EXPECT_EQ(m.steps(), c.steps);
    if (!std::isnan(c.lastEta)) {
        EXPECT_EQ(m.lastDot().a, c.lastEta);
    }
}

INSTANTIATE_TEST_SUITE_P(EtaMax10, StepCount,
                         ::testing::Values(StepCountCase{"h0_01_overshootsBySumOfHalfSteps", 0.01, 1000,
                                                         10.000000000000163},
                                           StepCountCase{"h0_02_takesOneExtraStep", 0.02, 501, NAN},
                                           StepCountCase{"h0_1", 0.1, 100, NAN}, StepCountCase{"h0_2", 0.2, 51, NAN}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StepCount, HalfStepSumAfter500StepsOf0_02IsBelow10)
{
    const March m = momentum(values(10.0, 0.02, 0.0), 0.4696);
    const auto dots = m.plot.of(PlotCall::Circle);
    EXPECT_EQ(significant(dots[3 * 499].a, 15), "9.99999999999983");
    EXPECT_NEAR(dots.back().a, 10.02, 1e-9);
}

TEST(MarchLength, NoStepWhenEtaMaxIsNotPositive)
{
    for (double xMax : {0.0, -3.0}) {
        FormValues v = values(xMax, 0.01, 0.0, -1.0, MarchMode::Energy);
        RecordingPlot plot;
        double fOut = -1, gOut = -1;
        RK4G(v, plot, 0.0, 0.25, 0.4696, fOut, 0.125, 0.3, gOut);
        EXPECT_EQ(plot.calls.size(), 4u) << "Cls and three lines, no dot";
        EXPECT_EQ(fOut, 0.25) << "f'(0) handed back unchanged";
        EXPECT_EQ(gOut, 0.125) << "g(0) handed back unchanged";
    }
}

TEST(MarchLength, OneStepWhenEtaMaxIsWithinAStep)
{
    for (double xMax : {0.001, 0.01}) {
        const March m = momentum(values(xMax, 0.01, 0.0), 0.4696);
        EXPECT_EQ(m.steps(), 1u);
        EXPECT_EQ(m.lastDot().a, 0.01);
    }
}

TEST(PlotCalls, FrameThenThreeDotsPerStepInCurveOrder)
{
    const FormValues v = values(0.02, 0.01, 0.0);
    const March m = momentum(v, 0.4696);
    const auto& c = m.plot.calls;
    ASSERT_EQ(c.size(), 4u + 6u);
    EXPECT_EQ(c[0].kind, PlotCall::Cls);
    EXPECT_EQ(c[1].kind, PlotCall::Line);
    EXPECT_EQ(c[1].a, 0.0);
    EXPECT_EQ(c[1].b, 0.0);
    EXPECT_EQ(c[1].c, 0.02);
    EXPECT_EQ(c[1].d, 0.0);
    EXPECT_EQ(c[2].kind, PlotCall::Line);
    EXPECT_EQ(c[2].a, 0.0);
    EXPECT_EQ(c[2].b, 1.5);
    EXPECT_EQ(c[2].c, 0.0);
    EXPECT_EQ(c[2].d, -1.5);
    EXPECT_EQ(c[3].kind, PlotCall::ColouredLine);
    EXPECT_EQ(c[3].b, 1.0);
    EXPECT_EQ(c[3].c, 0.02);
    EXPECT_EQ(c[3].d, 1.0);
    EXPECT_EQ(c[3].colour, kMagenta);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(c[4 + i].kind, PlotCall::Circle);
        EXPECT_EQ(c[4 + i].colour, kCurveColours[i % 3]);
        EXPECT_EQ(c[4 + i].c, v.DotRadius);
    }
    EXPECT_EQ(c[4].a, 0.01) << "no dot at the wall: the first dots stand at eta = h";
    EXPECT_EQ(c[8].b, m.fPrimeOuter) << "the f' dot of the last step is the value handed back";
}

TEST(PlotCalls, EnergyModeDrawsGAndGPrimeOnly)
{
    FormValues v = values(0.03, 0.01, 0.0, -1.0, MarchMode::Energy);
    RecordingPlot plot;
    double fOut = 0, gOut = 0;
    RK4G(v, plot, 0, 0, 0.4696, fOut, 0, 0.4696, gOut);
    const auto dots = plot.of(PlotCall::Circle);
    ASSERT_EQ(dots.size(), 6u);
    for (std::size_t i = 0; i < dots.size(); ++i) EXPECT_EQ(dots[i].colour, kCurveColours[i % 2]);
    EXPECT_EQ(dots[4].b, gOut);
}

// One step of 0.01 from f''(0) = 0.4696 with Beta = 0: the seven-digit Gill
// coefficients leave their mark in the 8th significant digit. The closed forms
// would give f = 0.0000234800000 and f' = 0.0046959999081.
TEST(GillCoefficients, OneStepCarriesTheSevenDigitDecimals)
{
    const March m = momentum(values(0.005, 0.01, 0.0), 0.4696);
    ASSERT_EQ(m.steps(), 1u);
    const auto dots = m.plot.of(PlotCall::Circle);
    EXPECT_EQ(fixed(dots[0].b, 13), "0.0000234800018");
    EXPECT_EQ(fixed(dots[1].b, 13), "0.0046960002212");
    EXPECT_EQ(m.fPrimeOuter, dots[1].b);
}

// Order of convergence: a fourth-order method divides the error at a fixed eta by
// about 2^4 = 16 each time the step is halved, which a wrong coefficient or stage
// breaks and golden digits cannot show. The error is measured against a march with
// steps of 2^-12; all steps are powers of two, so every march ends exactly at eta.
//
// The seven-digit Gill coefficients 0.2928932, 1.707107 and 0.1666667 (instead of
// 1 - sqrt(1/2), 1 + sqrt(1/2) and 1/6) leave relative errors of about 1e-7 that do
// not shrink with the step. Most of that is the same at every step and cancels
// against the reference, but what remains sets a floor near 1e-10 here: from a step
// of 1/32 on the ratio drifts away from 16 (to about 20, then changes sign), while
// with the closed forms it stays near 16. Steps 0.25, 0.125 and 0.0625 lie well
// above the floor; measured ratios are 14.2 to 17.6.
struct OrderCase {
    const char* name;
    MarchMode mode; // Momentum: the error of f'; Energy: the error of g
    double Beta;
    double Pr;
    double wall; // f''(0) in Momentum mode, g'(0) in Energy mode (with f''(0) = 0.4696)
    double eta;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

double outerValue(const OrderCase& c, double h)
{
    FormValues v = values(c.eta, h, c.Beta, -1e300, c.mode);
    v.Pr = c.Pr;
    bench::NullPlot plot;
    double fPrime = 0.0, g = 0.0;
    if (c.mode == MarchMode::Energy) {
        RK4G(v, plot, 0.0, 0.0, 0.4696, fPrime, 0.0, c.wall, g);
        return g;
    }
    RK4G(v, plot, 0.0, 0.0, c.wall, fPrime, 0.0, 0.0, g);
    return fPrime;
}

class ConvergenceOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ConvergenceOrder, HalvingTheStepDividesTheErrorBySixteen)
{
    const OrderCase& c = GetParam();
    const double reference = outerValue(c, std::ldexp(1.0, -12));
    double previousError = outerValue(c, 0.25) - reference;
    for (const double h : {0.125, 0.0625}) {
        const double error = outerValue(c, h) - reference;
        const double ratio = previousError / error;
        EXPECT_GT(ratio, 12.0) << "step " << h << ", error " << error;
        EXPECT_LT(ratio, 20.0) << "step " << h << ", error " << error;
        previousError = error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Gill, ConvergenceOrder,
    ::testing::Values(OrderCase{"BlasiusAtEta1", MarchMode::Momentum, 0.0, 0.0, 0.4696, 1.0},
                      OrderCase{"BlasiusAtEta2", MarchMode::Momentum, 0.0, 0.0, 0.4696, 2.0},
                      OrderCase{"StagnationPointAtEta1", MarchMode::Momentum, 1.0, 0.0, 1.2326, 1.0},
                      OrderCase{"StagnationPointAtEta2", MarchMode::Momentum, 1.0, 0.0, 1.2326, 2.0},
                      OrderCase{"EnergyForAirAtEta2", MarchMode::Energy, 0.0, 0.7, 0.4139, 2.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KnownSolutions, BlasiusWallCurvatureReachesOne)
{
    const March m = momentum(values(10.0, 0.01, 0.0), 0.4696);
    EXPECT_EQ(m.steps(), 1000u);
    EXPECT_EQ(fixed(m.fPrimeOuter, 8), "1.00000002");
}

TEST(KnownSolutions, StagnationPointWallCurvatureReachesOne)
{
    const March m = momentum(values(10.0, 0.01, 1.0), 1.232588);
    EXPECT_EQ(fixed(m.fPrimeOuter, 7), "1.0000321");
}

TEST(CutOff, StagnationPointWithTooSmallCurvatureStopsInStep366)
{
    const March m = momentum(values(10.0, 0.01, 1.0), 1.0);
    ASSERT_TRUE(m.outcome.finished);
    EXPECT_EQ(m.steps(), 366u);
    EXPECT_NEAR(m.lastDot().a, 3.66, 1e-9);
    EXPECT_EQ(fixed(m.fPrimeOuter, 5), "-1.00353");
    EXPECT_LT(m.fPrimeOuter, -1.0) << "the cut-off step's values are handed back";
}

TEST(CutOff, FirstStepIsAlwaysTaken)
{
    const March m = momentum(values(10.0, 0.01, 0.0, 0.5), 0.4696);
    EXPECT_EQ(m.steps(), 1u);
    EXPECT_EQ(fixed(m.fPrimeOuter, 13), "0.0046960002212");
}

TEST(CutOff, EqualityDoesNotStop)
{
    // f'(0) = 0.25 stays 0.25 with f''(0) = 0 and Beta = 0: f' equal to yMin never cuts off.
    RecordingPlot atLimit, below;
    double fOut = 0, gOut = 0;
    RK4G(values(0.05, 0.01, 0.0, 0.25), atLimit, 0.0, 0.25, 0.0, fOut, 0, 0, gOut);
    RK4G(values(0.05, 0.01, 0.0, -1.0), below, 0.0, 0.25, 0.0, fOut, 0, 0, gOut);
    EXPECT_EQ(fOut, 0.25);
    EXPECT_EQ(atLimit.of(PlotCall::Circle).size(), below.of(PlotCall::Circle).size());
    EXPECT_GT(atLimit.of(PlotCall::Circle).size(), 3u);
}

TEST(EnergyMode, WithPrOneAndMatchingWallValuesGRepeatsFPrimeExactly)
{
    FormValues v = values(10.0, 0.01, 0.0, -1.0, MarchMode::Energy);
    RecordingPlot plot;
    double fOut = 0, gOut = 0;
    RK4G(v, plot, 0.0, 0.0, 0.4696, fOut, 0.0, 0.4696, gOut);
    EXPECT_EQ(gOut, fOut);
    EXPECT_EQ(fixed(gOut, 8), "1.00000002");
}

TEST(MomentumMode, LeavesTheEnergyResultAlone)
{
    const March m = momentum(values(1.0, 0.01, 0.0), 0.4696);
    EXPECT_EQ(m.gOuter, -777.0);
}

// A trial far from the solution overflows the double range; the march stops
// there without writing its outputs.
TEST(Fault, OverflowEndsTheMarchWithoutOutputs)
{
    const March m = momentum(values(10.0, 0.01, 1.0, -1e300), 2.2);
    EXPECT_FALSE(m.outcome.finished);
    EXPECT_NEAR(m.outcome.faultEta, 6.92, 0.01);
    EXPECT_EQ(m.fPrimeOuter, -999.0);
    EXPECT_EQ(m.gOuter, -777.0);
    for (const auto& dot : m.plot.of(PlotCall::Circle)) EXPECT_TRUE(std::isfinite(dot.b));
}

TEST(Fault, HugeCurvatureIsCutOffByTheFirstStep)
{
    const March m = momentum(values(10.0, 0.01, 0.0), 1e30);
    EXPECT_TRUE(m.outcome.finished);
    EXPECT_EQ(m.steps(), 1u);
    EXPECT_LT(m.fPrimeOuter, -1e38);
}

} // namespace
} // namespace cuneola
