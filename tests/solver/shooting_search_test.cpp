// SPDX-License-Identifier: GPL-3.0-or-later
// Both shooting searches: log rows, status, write-back and the edges of their inputs.
#include "recording_fakes.h"
#include "solver/iteration_log.h"
#include "solver/shooting_search.h"

#include <gtest/gtest.h>

#include <ostream>

#include <charconv>
#include <string>
#include <vector>

namespace cuneola {
namespace {

using testing::FakeHost;
using testing::PlotCall;
using testing::RecordingPlot;

std::string row(int iter, const char* guess, const char* step, const char* outer)
{
    return "  " + std::to_string(iter) + "       " + guess + "       " + step + "       " + outer;
}

struct Window {
    FakeHost host;
    RecordingPlot plot;
    FormValues form;
    SearchResult click(MarchMode mode)
    {
        plot.calls.clear();
        return runSearch(mode, form, plot, host);
    }
    SearchResult momentum() { return click(MarchMode::Momentum); }
    SearchResult energy() { return click(MarchMode::Energy); }
};

const std::vector<std::string> kDefaultMomentumLog = {
    std::string(kMomentumLogHeader),       " ",
    row(0, "0.2000", "0.1000", "0.3566"),  row(1, "0.2000", "0.1000", "0.5661"),
    row(2, "0.3000", "0.1000", "0.7418"),  row(3, "0.4000", "0.1000", "0.8986"),
    row(4, "0.5000", "0.1000", "1.0427"),  row(5, "0.4900", "-0.0100", "1.0288"),
    row(6, "0.4800", "-0.0100", "1.0147"), row(7, "0.4700", "-0.0100", "1.0006"),
};

TEST(DefaultSession, MomentumSearchConvergesInRow7)
{
    Window w;
    const SearchResult r = w.momentum();
    EXPECT_EQ(w.host.log, kDefaultMomentumLog);
    EXPECT_EQ(w.host.status, kStatusConverged);
    EXPECT_EQ(r.outcome, SearchOutcome::Converged);
    EXPECT_EQ(r.marches, 8);
    EXPECT_EQ(w.host.texts[InputBox::F0_2w], "0.47");
    EXPECT_EQ(w.host.texts[InputBox::dF0_2w], "0.01");
    EXPECT_EQ(w.form.Mode, MarchMode::Momentum);
    EXPECT_EQ(w.form.DotRadius, 0.005);
}

TEST(DefaultSession, EnergySearchAfterMomentumRunsOutThenContinues)
{
    Window w;
    w.momentum();
    const SearchResult r = w.energy();
    ASSERT_EQ(w.host.log.size(), 18u);
    EXPECT_EQ(w.host.log[0], kEnergyLogHeader);
    EXPECT_EQ(w.host.log[1], " ");
    EXPECT_EQ(w.host.log[2].substr(0, 21), row(0, "-0.9000", "", "").substr(0, 21));
    EXPECT_EQ(w.host.log[3].substr(0, 21), row(1, "-0.9000", "", "").substr(0, 21));
    EXPECT_EQ(w.host.log[12], row(10, "0.0000", "0.1000", "0.0000")) << "the hair below zero prints unsigned";
    EXPECT_EQ(w.host.log[17].substr(0, 15), "  15       0.50");
    EXPECT_EQ(w.host.log[17].substr(w.host.log[17].size() - 6), "1.0644");
    EXPECT_EQ(w.host.status, kStatusNotConverged);
    EXPECT_EQ(r.marches, 16);
    EXPECT_EQ(w.host.texts[InputBox::F1_1w], "0.49");
    EXPECT_EQ(w.host.texts[InputBox::dF1_1w], "0.01");
    EXPECT_EQ(w.host.texts[InputBox::F0_2w], "0.47") << "the energy search never writes f''(0)";

    w.energy();
    EXPECT_EQ(w.host.log,
              (std::vector<std::string>{std::string(kEnergyLogHeader), " ", row(0, "0.4800", "-0.0100", "1.0431"),
                                        row(1, "0.4800", "-0.0100", "1.0219"), row(2, "0.4700", "-0.0100", "1.0006")}));
    EXPECT_EQ(w.host.status, kStatusConverged);
    EXPECT_EQ(w.host.texts[InputBox::F1_1w], "0.47");
}

TEST(DefaultSession, ReadsInTheToolsOrderAndScalesOnce)
{
    Window w;
    w.energy();
    EXPECT_EQ(w.host.reads, (std::vector<InputBox>{InputBox::xMax, InputBox::yMax, InputBox::yMin, InputBox::h,
                                                   InputBox::MaxIter, InputBox::Eps, InputBox::Beta, InputBox::Pr,
                                                   InputBox::F0_2w, InputBox::F1_1w, InputBox::dF1_1w}));
    ASSERT_EQ(w.plot.calls.front().kind, PlotCall::Scale);
    EXPECT_EQ(w.plot.calls.front().a, -1.0);
    EXPECT_EQ(w.plot.calls.front().b, 1.5);
    EXPECT_EQ(w.plot.calls.front().c, 10.0);
    EXPECT_EQ(w.plot.calls.front().d, -1.0);
    EXPECT_EQ(w.plot.of(PlotCall::Scale).size(), 1u);
    EXPECT_EQ(w.plot.of(PlotCall::Cls).size(), 16u);
}

// With Pr = 0 the energy equation is g'' = 0, so g at eta = 1 equals the guess
// to seven digits: the search then walks the tool's published worked example.
TEST(WorkedExample, OuterValueEqualToTheGuess)
{
    Window w;
    w.host.texts[InputBox::Pr] = "0";
    w.host.texts[InputBox::xMax] = "1";
    w.host.texts[InputBox::F1_1w] = "0.75";
    w.host.texts[InputBox::Eps] = "0.025";
    const SearchResult r = w.energy();
    EXPECT_EQ(w.host.log,
              (std::vector<std::string>{std::string(kEnergyLogHeader), " ", row(0, "0.8500", "0.1000", "0.7500"),
                                        row(1, "0.8500", "0.1000", "0.8500"), row(2, "0.9500", "0.1000", "0.9500"),
                                        row(3, "1.0500", "0.1000", "1.0500"), row(4, "1.0400", "-0.0100", "1.0400"),
                                        row(5, "1.0300", "-0.0100", "1.0300"), row(6, "1.0200", "-0.0100", "1.0200")}));
    EXPECT_EQ(r.marches, 7);
    EXPECT_EQ(w.host.texts[InputBox::F1_1w], "1.02");
    EXPECT_EQ(w.host.texts[InputBox::dF1_1w], "0.01");
}

// A search whose outer values run to about -2e14, where one unit in the last place
// of a double is 1/32: row 1's outer value -205815527278914.53125 is exactly halfway
// between two four-decimal values and rounds away from zero.
TEST(LogRows, TieAtLargeMagnitudeRoundsAwayFromZero)
{
    Window w;
    w.host.texts[InputBox::Beta] = "-0.064";
    w.host.texts[InputBox::F0_2w] = "0.5";
    w.host.texts[InputBox::Pr] = "10";
    w.host.texts[InputBox::F1_1w] = "1.0075";
    w.host.texts[InputBox::h] = "0.2";
    w.host.texts[InputBox::xMax] = "5";
    w.host.texts[InputBox::yMin] = "-0.25";
    w.energy();
    ASSERT_GE(w.host.log.size(), 4u);
    EXPECT_EQ(w.host.log[3], row(1, "1.1075", "0.1000", "-205815527278914.5313"));
}

TEST(FirstTrialHit, LeavesTheLogAndRewritesTheEntries)
{
    Window w;
    w.host.log = {"an earlier run"};
    w.host.texts[InputBox::F0_2w] = "0.10";
    w.host.texts[InputBox::dF0_2w] = "-0.1";
    w.host.texts[InputBox::Eps] = "2";
    const SearchResult r = w.momentum();
    EXPECT_EQ(r.marches, 1);
    EXPECT_EQ(w.host.status, kStatusConverged);
    EXPECT_EQ(w.host.log, std::vector<std::string>{"an earlier run"});
    EXPECT_EQ(w.host.texts[InputBox::F0_2w], "0.1");
    EXPECT_EQ(w.host.texts[InputBox::dF0_2w], "0.1");
}

struct LimitCase {
    const char* name;
    const char* maxIter;
    const char* eps;
    std::size_t logLines;
    std::int64_t marches;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

class IterationLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(IterationLimit, BoundsTheRoundsAndReportsNotConverged)
{
    const auto& c = GetParam();
    Window w;
    w.host.texts[InputBox::MaxIter] = c.maxIter;
    w.host.texts[InputBox::Eps] = c.eps;
    const SearchResult r = w.momentum();
    EXPECT_EQ(w.host.log.size(), c.logLines);
    EXPECT_EQ(r.marches, c.marches);
    EXPECT_EQ(w.host.status, kStatusNotConverged);
}

INSTANTIATE_TEST_SUITE_P(Edges, IterationLimit,
                         ::testing::Values(LimitCase{"ZeroToleranceNeverPasses", "15", "0", 18, 16},
                                           LimitCase{"NegativeToleranceNeverPasses", "3", "-1", 6, 4},
                                           LimitCase{"LimitZeroLogsRow0Only", "0", "0.01", 3, 1},
                                           LimitCase{"NegativeLimitMarchesOnce", "-5", "0.01", 3, 1},
                                           LimitCase{"FractionIsNotRounded", "2.5", "0.01", 5, 3},
                                           LimitCase{"RoundEqualToLimitStillRuns", "3", "0.01", 6, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IterationLimit, NotConvergedWritesBackTheUnmarchedNextGuess)
{
    Window w;
    w.host.texts[InputBox::MaxIter] = "0";
    w.momentum();
    EXPECT_EQ(w.host.texts[InputBox::F0_2w], "0.2") << "row 0's advanced guess, never marched";
}

TEST(Step, ZeroStepRepeatsTheSameRow)
{
    Window w;
    w.host.texts[InputBox::dF0_2w] = "0";
    w.host.texts[InputBox::MaxIter] = "3";
    w.momentum();
    ASSERT_EQ(w.host.log.size(), 6u);
    for (int i = 3; i <= 5; ++i) EXPECT_EQ(w.host.log[i], row(i - 2, "0.1000", "0.0000", "0.3566"));
    EXPECT_EQ(w.host.texts[InputBox::dF0_2w], "0");
    EXPECT_EQ(w.host.status, kStatusNotConverged);
}

TEST(Step, NegativeEntryStartsAwayThenTurnsAtATenth)
{
    Window w;
    w.host.texts[InputBox::dF0_2w] = "-0.1";
    w.host.texts[InputBox::MaxIter] = "2";
    w.momentum();
    EXPECT_EQ(w.host.log[2], row(0, "0.0000", "-0.1000", "0.3566"));
    EXPECT_EQ(w.host.log[4].substr(0, 29), row(2, "0.0100", "0.0100", "").substr(0, 29));
}

// A miss exactly equal to the tolerance does not pass: the test is strict.
TEST(Tolerance, MissEqualToEpsDoesNotPass)
{
    // The exact outer value of the first trial, from a run that passes at once.
    Window w;
    w.host.texts[InputBox::Eps] = "2";
    w.momentum();
    const auto dots = w.plot.of(PlotCall::Circle);
    const double outer = dots[dots.size() - 2].b;
    const double miss = 1.0 - outer;
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, miss).ptr;

    Window exact;
    exact.host.texts[InputBox::Eps] = std::string(buf, end);
    exact.host.texts[InputBox::MaxIter] = "0";
    exact.momentum();
    EXPECT_EQ(exact.host.status, kStatusNotConverged);
    EXPECT_EQ(exact.host.log.size(), 3u);

    Window above;
    above.host.texts[InputBox::Eps] = std::to_string(miss * 1.000001);
    above.momentum();
    EXPECT_EQ(above.host.status, kStatusConverged);
}

TEST(EtaMax, NegativeEtaMaxNeverMovesTheOuterValue)
{
    Window w;
    w.host.texts[InputBox::xMax] = "-2";
    w.host.texts[InputBox::MaxIter] = "2";
    w.momentum();
    EXPECT_EQ(w.host.status, kStatusNotConverged);
    EXPECT_EQ(w.host.log[2], row(0, "0.2000", "0.1000", "0.0000"));
    EXPECT_TRUE(w.plot.of(PlotCall::Circle).empty());
    EXPECT_EQ(w.plot.calls.front().a, 0.2) << "the left edge lies at -0.1 * eta max";
}

// --- Refusals: nothing of the window changes, one message names the box.

struct RefusalCase {
    const char* name;
    InputBox box;
    const char* text;
    const char* mentions;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, ChangesNothingAndNamesTheBox)
{
    const auto& c = GetParam();
    for (MarchMode mode : {MarchMode::Momentum, MarchMode::Energy}) {
        Window w;
        w.host.texts[c.box] = c.text;
        w.host.log = {"kept"};
        w.host.status = "kept";
        const auto textsBefore = w.host.texts;
        const FormValues formBefore = w.form;
        const SearchResult r = w.click(mode);
        if (mode == MarchMode::Momentum &&
            (c.box == InputBox::Pr || c.box == InputBox::F1_1w || c.box == InputBox::dF1_1w))
            continue; // not read by the momentum search
        if (mode == MarchMode::Energy && c.box == InputBox::dF0_2w) continue;
        EXPECT_EQ(r.outcome, SearchOutcome::Refused);
        EXPECT_TRUE(w.plot.calls.empty());
        EXPECT_EQ(w.host.log, std::vector<std::string>{"kept"});
        EXPECT_EQ(w.host.status, "kept");
        EXPECT_EQ(w.host.texts, textsBefore);
        EXPECT_EQ(w.host.writes, 0);
        EXPECT_EQ(w.form.Mode, formBefore.Mode);
        EXPECT_EQ(w.form.xMax, formBefore.xMax);
        ASSERT_EQ(w.host.warnings.size(), 1u);
        EXPECT_NE(w.host.warnings[0].find(c.mentions), std::string::npos) << w.host.warnings[0];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Refusal,
    ::testing::Values(RefusalCase{"BetaBeyondDouble", InputBox::Beta, "1e400", "\"β\""},
                      RefusalCase{"NegativeBeyondDouble", InputBox::F0_2w, "-1e400", "\"f''(0)\""},
                      RefusalCase{"HexBeyond32Bits", InputBox::dF0_2w, "&H1FFFFFFFF", "\"df''(0)\""},
                      RefusalCase{"OctalBeyond32Bits", InputBox::Pr, "&O77777777777777", "\"Pr\""},
                      RefusalCase{"EnergyGuessBeyondDouble", InputBox::F1_1w, "9e999", "\"g'(0)\""},
                      RefusalCase{"EnergyStepBeyondDouble", InputBox::dF1_1w, "9e999", "\"dg'(0)\""},
                      RefusalCase{"ToleranceBeyondDouble", InputBox::Eps, "1e309", "\"ε\""},
                      RefusalCase{"LimitBeyondDouble", InputBox::MaxIter, "1e309", "\"MaxIter\""},
                      RefusalCase{"EtaMaxZero", InputBox::xMax, "0", "no width"},
                      RefusalCase{"EtaMaxEmptyIsZero", InputBox::xMax, "", "no width"},
                      RefusalCase{"EtaMaxBeyondSingle", InputBox::xMax, "1e39", "\"η max\""},
                      RefusalCase{"FMaxBeyondSingle", InputBox::yMax, "-4e38", "\"f max\""},
                      RefusalCase{"FMinBeyondSingle", InputBox::yMin, "-1e300", "\"f min\""},
                      RefusalCase{"FMinEqualsFMax", InputBox::yMin, "1.5", "no height"},
                      RefusalCase{"StepZero", InputBox::h, "0", "\"Δη\""},
                      RefusalCase{"StepEmpty", InputBox::h, "", "\"Δη\""},
                      RefusalCase{"StepNegative", InputBox::h, "-0.01", "\"Δη\""},
                      RefusalCase{"MarchTooLong", InputBox::h, "0.0000009", "10,000,000 steps"},
                      RefusalCase{"LimitAstronomical", InputBox::MaxIter, "1E+300", "\"MaxIter\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Refusal, TinyNumbersAreNoError)
{
    Window w;
    w.host.texts[InputBox::Beta] = "1e-400";
    w.momentum();
    EXPECT_TRUE(w.host.warnings.empty());
    EXPECT_EQ(w.host.status, kStatusConverged);
}

TEST(Refusal, NegativeEtaMaxWithZeroStepIsNoError)
{
    Window w;
    w.host.texts[InputBox::xMax] = "-1";
    w.host.texts[InputBox::h] = "0";
    w.host.texts[InputBox::MaxIter] = "1";
    EXPECT_EQ(w.momentum().outcome, SearchOutcome::NotConverged);
}

// --- A march that overflows ends the run where it happened and says so.

TEST(Fault, OverflowingTrialIsReportedAndNothingIsWrittenBack)
{
    Window w;
    w.host.texts[InputBox::Beta] = "1";
    w.host.texts[InputBox::F0_2w] = "2";
    w.host.texts[InputBox::dF0_2w] = "0.2";
    w.host.status = "before";
    const SearchResult r = w.momentum();
    EXPECT_EQ(r.outcome, SearchOutcome::MarchOutOfRange);
    EXPECT_EQ(w.host.status, "") << "the status stays blank";
    EXPECT_EQ(w.host.texts[InputBox::F0_2w], "2");
    EXPECT_EQ(w.host.texts[InputBox::dF0_2w], "0.2");
    EXPECT_EQ(w.host.writes, 0);
    ASSERT_EQ(w.host.warnings.size(), 1u);
    const std::string& m = w.host.warnings[0];
    EXPECT_NE(m.find("momentum search"), std::string::npos) << m;
    EXPECT_NE(m.find("f''(0) = 2.2"), std::string::npos) << m;
    EXPECT_NE(m.find("η = 6.92"), std::string::npos) << m;
    EXPECT_EQ(w.host.log.size(), 3u) << "row 0 stays in the log";
}

TEST(Fault, EnergyFaultNamesTheEnergySearch)
{
    Window w;
    w.host.texts[InputBox::Pr] = "-1e6";
    w.host.texts[InputBox::F0_2w] = "0.47";
    const SearchResult r = w.energy();
    ASSERT_EQ(r.outcome, SearchOutcome::MarchOutOfRange);
    EXPECT_NE(w.host.warnings.at(0).find("energy search"), std::string::npos);
    EXPECT_NE(w.host.warnings.at(0).find("g'(0) = -1"), std::string::npos) << w.host.warnings[0];
    EXPECT_TRUE(w.host.log.empty()) << "the first trial faulted before any row";
}

TEST(Fault, GuessOverflowingTheDoubleRange)
{
    Window w;
    w.host.texts[InputBox::F0_2w] = "-1.7e308";
    w.host.texts[InputBox::dF0_2w] = "1.7e308";
    w.host.texts[InputBox::yMin] = "-1e38";
    w.host.texts[InputBox::xMax] = "-1";
    w.host.texts[InputBox::MaxIter] = "1";
    const SearchResult r = w.momentum();
    EXPECT_EQ(r.outcome, SearchOutcome::NotConverged) << "the guess moves up to 0, then to 1.7e308";
    EXPECT_EQ(w.host.texts[InputBox::F0_2w], "1.7E+308");

    Window far;
    far.host.texts[InputBox::F0_2w] = "1.7e308";
    far.host.texts[InputBox::dF0_2w] = "1.7e308";
    far.host.texts[InputBox::xMax] = "-1";
    EXPECT_EQ(far.momentum().outcome, SearchOutcome::GuessOutOfRange);
    EXPECT_EQ(far.host.writes, 0);
}

} // namespace
} // namespace cuneola
