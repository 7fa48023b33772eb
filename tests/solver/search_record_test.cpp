// SPDX-License-Identifier: GPL-3.0-or-later
// The record a search keeps of its run: the same trials the log shows, and nothing for a refused run.
#include "recording_fakes.h"
#include "solver/iteration_log.h"
#include "solver/shooting_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace cuneola {
namespace {

using testing::FakeHost;
using testing::RecordingPlot;

std::string fourDecimals(double v)
{
    char buf[kMaxLogNumberChars];
    return std::string(buf, formatLogNumber(v, buf));
}

// The outer value a log row ends with, after its last run of blanks.
std::string outerOf(const std::string& row) { return row.substr(row.find_last_of(' ') + 1); }

struct RecordedRun {
    FakeHost host;
    RecordingPlot plot;
    FormValues form;
    SearchResult result;
    explicit RecordedRun(MarchMode mode, std::vector<std::pair<InputBox, std::string>> texts = {})
    {
        form.Colors = kCurveColours;
        for (const auto& [box, text] : texts) host.texts[box] = text;
        result = runSearch(mode, form, plot, host);
    }
};

TEST(SearchRecord, DefaultMomentumSearchRecordsItsEightTrialsInMarchOrder)
{
    const RecordedRun run(MarchMode::Momentum);
    const SearchRecord& r = run.result.record;
    const std::vector<double> guesses{0.1, 0.2, 0.3, 0.4, 0.5, 0.49, 0.48, 0.47};
    ASSERT_EQ(r.trials.size(), guesses.size());
    // Log rows start after the header and the blank line; trial 0 is row 0's outer value.
    ASSERT_EQ(run.host.log.size(), 2 + guesses.size());
    for (std::size_t k = 0; k < guesses.size(); ++k) {
        EXPECT_NEAR(r.trials[k].guess, guesses[k], 1e-12) << "trial " << k;
        EXPECT_TRUE(r.trials[k].finished);
        EXPECT_EQ(fourDecimals(r.trials[k].outer), outerOf(run.host.log[2 + k])) << "trial " << k;
    }
    EXPECT_EQ(r.mode, MarchMode::Momentum);
    EXPECT_EQ(r.form.h, 0.01);
    EXPECT_EQ(r.form.xMax, 10.0);
    EXPECT_EQ(r.form.yMin, -1.0);
    EXPECT_EQ(r.Eps, 0.01);
    EXPECT_EQ(r.MaxIter, 15.0);
    EXPECT_EQ(r.writtenGuess, r.trials.back().guess) << "a converged search writes back the guess it marched";
    EXPECT_NEAR(r.writtenStep, 0.01, 1e-15);
}

TEST(SearchRecord, EnergySearchRecordsPrandtlAndTheWallShearItMarchedWith)
{
    const RecordedRun run(MarchMode::Energy, {{InputBox::F0_2w, "0.4696"}, {InputBox::Pr, "0.7"}});
    const SearchRecord& r = run.result.record;
    EXPECT_EQ(r.mode, MarchMode::Energy);
    EXPECT_EQ(r.form.Pr, 0.7);
    EXPECT_EQ(r.wallShear, 0.4696);
    ASSERT_EQ(r.trials.size(), static_cast<std::size_t>(run.result.marches));
    EXPECT_EQ(r.trials.front().guess, -1.0);
    for (std::size_t k = 0; k + 2 < run.host.log.size(); ++k)
        EXPECT_EQ(fourDecimals(r.trials[k].outer), outerOf(run.host.log[2 + k])) << "trial " << k;
    EXPECT_FALSE(std::isnan(r.writtenGuess));
}

TEST(SearchRecord, FirstTrialHitRecordsOneTrialAndTheWriteBack)
{
    const RecordedRun run(MarchMode::Momentum, {{InputBox::F0_2w, "0.4696"}});
    const SearchRecord& r = run.result.record;
    ASSERT_EQ(r.trials.size(), 1u);
    EXPECT_EQ(r.trials[0].guess, 0.4696);
    EXPECT_EQ(r.writtenGuess, 0.4696);
}

TEST(SearchRecord, RefusedRunRecordsNothing)
{
    const RecordedRun run(MarchMode::Momentum, {{InputBox::h, "0"}});
    ASSERT_EQ(run.result.outcome, SearchOutcome::Refused);
    EXPECT_TRUE(run.result.record.trials.empty());
    EXPECT_TRUE(std::isnan(run.result.record.writtenGuess));
    EXPECT_TRUE(std::isnan(run.result.record.writtenStep));
}

TEST(SearchRecord, FaultRecordsTheFaultedMarchAndNoWriteBack)
{
    const RecordedRun run(MarchMode::Momentum,
                          {{InputBox::Beta, "1"}, {InputBox::F0_2w, "2"}, {InputBox::dF0_2w, "0.2"}});
    ASSERT_EQ(run.result.outcome, SearchOutcome::MarchOutOfRange);
    const SearchRecord& r = run.result.record;
    ASSERT_EQ(r.trials.size(), 2u);
    EXPECT_TRUE(r.trials[0].finished);
    EXPECT_FALSE(r.trials[1].finished);
    EXPECT_NEAR(r.trials[1].guess, 2.2, 1e-12);
    EXPECT_TRUE(std::isnan(r.writtenGuess));
}

TEST(SearchRecord, NotConvergedRunWritesBackTheUnmarchedGuess)
{
    const RecordedRun run(MarchMode::Momentum, {{InputBox::MaxIter, "2"}});
    const SearchRecord& r = run.result.record;
    ASSERT_EQ(run.result.outcome, SearchOutcome::NotConverged);
    ASSERT_EQ(r.trials.size(), 3u);
    EXPECT_NEAR(r.writtenGuess, 0.4, 1e-12) << "the guess after the last marched 0.3";
}

} // namespace
} // namespace cuneola
