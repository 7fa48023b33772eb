// SPDX-License-Identifier: GPL-3.0-or-later
// Properties of the searches over many generated inputs: every run ends, logs one
// row per march, and writes back texts that read as the values it ended with.
#include "fifteen_digit_rounding.h"
#include "numbertext/number_text.h"
#include "recording_fakes.h"
#include "solver/shooting_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace cuneola {
namespace {

using testing::FakeHost;
using testing::roundedTo15Digits;

// Counts marches (each begins with Cls) and keeps nothing else.
class CountingPlot final : public PlotSurface {
public:
    void Scale(double, double, double, double) override {}
    void Cls() override { ++marches; }
    void Line(double, double, double, double) override {}
    void Line(double, double, double, double, Colour) override {}
    void Circle(double, double, double, Colour) override {}
    std::int64_t marches = 0;
};

// Records the doubles written back, besides the texts.
class WriteRecordingHost final : public FakeHost {
public:
    void writeNumber(InputBox box, double value) override
    {
        written[box] = value;
        FakeHost::writeNumber(box, value);
    }
    std::map<InputBox, double> written;
};

// Texts a student might type: ordinary values, edges and nonsense, in proportion.
class InputGenerator {
public:
    explicit InputGenerator(std::uint64_t seed) : m_rng(seed) {}

    std::string number(double lo, double hi)
    {
        switch (pick(10)) {
        case 0: return pickOf({"", "0", "-0", "abc", "1e", ".", "-"});
        case 1: return pickOf({"1e-300", "-1e-300", "&HFFFF", "&H7FFF", "1D1", "0.5"});
        default: {
            char buf[40];
            const double v = std::uniform_real_distribution<double>(lo, hi)(m_rng);
            const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
            return std::string(buf, end);
        }
        }
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

private:
    std::string pickOf(std::initializer_list<const char*> options)
    {
        return *(options.begin() + pick(static_cast<int>(options.size())));
    }
    std::mt19937_64 m_rng;
};

TEST(SearchProperties, EveryRunEndsWithRowsMatchingMarchesAndHonestWriteBack)
{
    InputGenerator gen(20261208);
    int runs = 0, refused = 0, faults = 0, converged = 0;
    for (int n = 0; n < 1500; ++n) {
        WriteRecordingHost host;
        host.texts[InputBox::Beta] = gen.number(-0.5, 2.0);
        host.texts[InputBox::F0_2w] = gen.number(-2.0, 3.0);
        host.texts[InputBox::dF0_2w] = gen.number(-1.0, 1.0);
        host.texts[InputBox::Pr] = gen.number(-1.0, 20.0);
        host.texts[InputBox::F1_1w] = gen.number(-3.0, 3.0);
        host.texts[InputBox::dF1_1w] = gen.number(-1.0, 1.0);
        host.texts[InputBox::h] = gen.number(0.005, 0.5);
        host.texts[InputBox::Eps] = gen.number(-0.01, 0.1);
        host.texts[InputBox::MaxIter] = gen.number(-3.0, 40.0);
        host.texts[InputBox::xMax] = gen.number(-2.0, 12.0);
        host.texts[InputBox::yMax] = gen.number(-2.0, 3.0);
        host.texts[InputBox::yMin] = gen.number(-3.0, 1.0);
        const auto before = host.texts;
        FormValues form;
        CountingPlot plot;
        const MarchMode mode = gen.pick(2) ? MarchMode::Energy : MarchMode::Momentum;
        const SearchResult r = runSearch(mode, form, plot, host);

        const std::string context = "run " + std::to_string(n);
        EXPECT_EQ(plot.marches, r.marches) << context;
        if (r.outcome == SearchOutcome::Refused) {
            ++refused;
            EXPECT_EQ(host.texts, before) << context;
            EXPECT_EQ(host.status, "untouched") << context;
            EXPECT_EQ(host.warnings.size(), 1u) << context;
            continue;
        }
        ++runs;
        const double maxIter = readVal(before.at(InputBox::MaxIter)).value;
        EXPECT_LE(r.marches, 1 + static_cast<std::int64_t>(std::floor(std::max(maxIter, 0.0)))) << context;

        // One row per march, or an untouched log after a first-trial hit. A march
        // that faults logs no row of its own.
        const bool marchFaulted = r.outcome == SearchOutcome::MarchOutOfRange;
        if (host.log.empty()) {
            EXPECT_EQ(r.marches, 1) << context;
        } else {
            EXPECT_EQ(static_cast<std::int64_t>(host.log.size()) - 2, r.marches - (marchFaulted ? 1 : 0)) << context;
        }

        if (isFault(r.outcome)) {
            ++faults;
            EXPECT_TRUE(host.written.empty()) << context;
            EXPECT_EQ(host.status, "") << context;
            continue;
        }
        if (r.outcome == SearchOutcome::Converged) ++converged;
        ASSERT_EQ(host.written.size(), 2u) << context;
        for (const auto& [box, value] : host.written) {
            const double back = readVal(host.texts.at(box)).value;
            EXPECT_EQ(back, roundedTo15Digits(value)) << context << " " << host.texts.at(box);
            EXPECT_EQ(numberToText(back), host.texts.at(box)) << context;
        }
    }
    // The generator must exercise every ending, or the properties prove little.
    RecordProperty("runs", runs);
    std::printf("runs %d, refused %d, converged %d, faults %d\n", runs, refused, converged, faults);
    EXPECT_GT(runs, 300);
    EXPECT_GT(refused, 100);
    EXPECT_GT(converged, 20);
    EXPECT_GT(faults + (runs - converged), 100);
}

} // namespace
} // namespace cuneola
