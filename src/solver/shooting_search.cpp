// SPDX-License-Identifier: MIT
// The shooting search behind both Calculate buttons.
#include "shooting_search.h"

#include "input_check.h"
#include "iteration_log.h"
#include "rk4g.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace cuneola {
namespace {

// The two searches differ only in these.
struct SearchKind {
    std::string_view name;
    std::string_view unknown; // the wall value sought, as the user reads it
    InputBox guessBox;
    InputBox stepBox;
    std::string_view header;
};

constexpr SearchKind kMomentum{"momentum", "f''(0)", InputBox::F0_2w, InputBox::dF0_2w, kMomentumLogHeader};
constexpr SearchKind kEnergy{"energy", "g'(0)", InputBox::F1_1w, InputBox::dF1_1w, kEnergyLogHeader};

// Six significant digits are plenty for a message.
std::string shortNumber(double v)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, res.ptr);
}

// Reads the boxes of a run in the order the tool has always read them.
class InputReader {
public:
    explicit InputReader(SearchHost& host) : m_host(host) {}
    double operator()(InputBox box)
    {
        const NumberReading r = m_host.readNumber(box);
        m_read.push_back({box, r});
        return r.value;
    }
    const std::vector<ReadBox>& read() const { return m_read; }

private:
    SearchHost& m_host;
    std::vector<ReadBox> m_read;
};

} // namespace

SearchResult runSearch(MarchMode mode, FormValues& form, PlotSurface& plot, SearchHost& host)
{
    const bool energy = mode == MarchMode::Energy;
    const SearchKind& kind = energy ? kEnergy : kMomentum;

    // All reads come first, so that a refused input changes nothing at all.
    InputReader read(host);
    const double xMax = read(InputBox::xMax);
    const double yMax = read(InputBox::yMax);
    const double yMin = read(InputBox::yMin);
    const double h = read(InputBox::h);
    const double MaxIter = read(InputBox::MaxIter);
    const double Eps = read(InputBox::Eps);
    const double Beta = read(InputBox::Beta);
    const double Pr = energy ? read(InputBox::Pr) : form.Pr;
    const double wallCurvature = energy ? read(InputBox::F0_2w) : 0.0;
    double Guess = read(kind.guessBox);
    double Step = read(kind.stepBox);

    if (const auto refusal = refusalFor(read.read(), {xMax, yMax, yMin, h, MaxIter})) {
        host.showWarning(*refusal);
        return {SearchOutcome::Refused, 0, {}};
    }

    form.Mode = mode;
    host.setStatus("");
    form.xMax = xMax;
    form.yMax = yMax;
    form.yMin = yMin;
    form.DotRadius = xMax / 2000.0;
    plot.Scale(-0.1 * xMax, yMax, xMax, yMin);
    form.h = h;
    form.Beta = Beta;
    form.Pr = Pr;

    constexpr double Target = 1.0;
    const double F0_0w = 0.0;
    const double F0_1w = 0.0;
    const double F1_0w = 0.0;
    double F0_1s_Itr = 0.0;
    double F1_0s_Itr = 0.0;
    SearchResult result{SearchOutcome::NotConverged, 0, {}};
    SearchRecord& record = result.record;
    record.mode = mode;
    record.form = form;
    record.Eps = Eps;
    record.MaxIter = MaxIter;
    record.wallShear = wallCurvature;
    // Reserved once for the most marches a run can make, so no trial allocates.
    record.trials.reserve(static_cast<std::size_t>(MaxIter > 0.0 ? std::floor(MaxIter) : 0.0) + 2);

    // One trial; false when the march left the double range (already reported).
    auto marchOnce = [&](double& Outer) {
        ++result.marches;
        const MarchOutcome m = energy ? RK4G(form, plot, F0_0w, F0_1w, wallCurvature, F0_1s_Itr, F1_0w, Guess, F1_0s_Itr)
                                      : RK4G(form, plot, F0_0w, F0_1w, Guess, F0_1s_Itr, F1_0w, 0.0, F1_0s_Itr);
        record.trials.push_back({Guess, m.finished ? (energy ? F1_0s_Itr : F0_1s_Itr) : 0.0, m.finished});
        if (!m.finished) {
            host.showWarning("The " + std::string(kind.name) + " search stopped: with the trial " +
                             std::string(kind.unknown) + " = " + shortNumber(Guess) +
                             " the march left the range of numbers the computer can hold at η = " +
                             shortNumber(m.faultEta) +
                             ". Start from a guess closer to the solution, use a smaller trial step, "
                             "or a smaller η max.");
            result.outcome = SearchOutcome::Fault;
            return false;
        }
        Outer = energy ? F1_0s_Itr : F0_1s_Itr;
        return true;
    };
    auto advanceGuess = [&] {
        Guess = Guess + Step;
        if (std::isfinite(Guess)) return true;
        host.showWarning("The " + std::string(kind.name) + " search stopped: the next trial " +
                         std::string(kind.unknown) +
                         " is beyond the range of numbers the computer can hold. Enter a smaller "
                         "trial step.");
        result.outcome = SearchOutcome::Fault;
        return false;
    };

    double Outer = 0.0;
    if (!marchOnce(Outer)) return result;
    double Miss = Target - Outer;

    if (std::fabs(Miss) < Eps) {
        host.setStatus(kStatusConverged);
        result.outcome = SearchOutcome::Converged;
    } else {
        // A positive step points up while the outer value is below the target.
        if (Miss < 0.0) Step = -Step;
        std::int64_t Iter = 0;
        if (!advanceGuess()) return result;
        host.clearLog();
        host.appendLog(kind.header);
        host.appendLog(kLogBlankLine);
        host.appendLog(LogRow(Iter, Guess, Step, Outer).text());

        for (;;) {
            Iter = Iter + 1;
            if (static_cast<double>(Iter) > MaxIter) {
                host.setStatus(kStatusNotConverged);
                break;
            }
            if (!marchOnce(Outer)) return result;
            host.appendLog(LogRow(Iter, Guess, Step, Outer).text());
            Miss = Target - Outer;
            if (std::fabs(Miss) < Eps) {
                host.setStatus(kStatusConverged);
                result.outcome = SearchOutcome::Converged;
                break;
            }
            // Each crossing of the target reverses the step and makes it ten times finer.
            if (Step * Miss < 0.0) Step = -Step / 10.0;
            if (!advanceGuess()) return result;
        }
    }

    host.writeNumber(kind.guessBox, Guess);
    host.writeNumber(kind.stepBox, std::fabs(Step));
    record.writtenGuess = Guess;
    record.writtenStep = std::fabs(Step);
    return result;
}

} // namespace cuneola
