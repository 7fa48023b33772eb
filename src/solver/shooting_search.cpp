// SPDX-License-Identifier: GPL-3.0-or-later
// The shooting search behind both Calculate buttons.
#include "solver/shooting_search.h"

#include "numbertext/number_text.h"
#include "solver/input_check.h"
#include "solver/iteration_log.h"
#include "solver/rk4g.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace cuneola {
namespace {

// The two searches differ only in these.
struct SearchKind {
    MarchMode mode;
    std::string_view name;
    std::string_view unknown; // the wall value sought, as the user reads it
    InputBox guessBox;
    InputBox stepBox;
    std::string_view header;
};

constexpr SearchKind kMomentum{.mode = MarchMode::Momentum,
                               .name = "momentum",
                               .unknown = "f''(0)",
                               .guessBox = InputBox::F0_2w,
                               .stepBox = InputBox::dF0_2w,
                               .header = kMomentumLogHeader};
constexpr SearchKind kEnergy{.mode = MarchMode::Energy,
                             .name = "energy",
                             .unknown = "g'(0)",
                             .guessBox = InputBox::F1_1w,
                             .stepBox = InputBox::dF1_1w,
                             .header = kEnergyLogHeader};

// Everything a run reads from the boxes.
struct SearchInputs {
    double xMax = 0.0;
    double yMax = 0.0;
    double yMin = 0.0;
    double h = 0.0;
    double MaxIter = 0.0;
    double Eps = 0.0;
    double Beta = 0.0;
    double Pr = 0.0;    // energy search only
    double F0_2w = 0.0; // energy search only: the f''(0) the momentum equation is marched with
    double Guess = 0.0; // first guess of the wall value sought
    double Step = 0.0;  // first trial step, as entered
};

// Reads boxes and remembers each reading for the refusal rules.
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

// Step 1. Reads every input, in the order the tool has always read them, before
// anything changes, so that a refused input changes nothing at all.
std::optional<SearchInputs> readInputs(const SearchKind& kind, SearchHost& host)
{
    const bool energy = kind.mode == MarchMode::Energy;
    InputReader read(host);
    SearchInputs in;
    in.xMax = read(InputBox::xMax);
    in.yMax = read(InputBox::yMax);
    in.yMin = read(InputBox::yMin);
    in.h = read(InputBox::h);
    in.MaxIter = read(InputBox::MaxIter);
    in.Eps = read(InputBox::Eps);
    in.Beta = read(InputBox::Beta);
    if (energy) {
        in.Pr = read(InputBox::Pr);
        in.F0_2w = read(InputBox::F0_2w);
    }
    in.Guess = read(kind.guessBox);
    in.Step = read(kind.stepBox);

    if (const auto refusal = refusalFor(read.read(), {in.xMax, in.yMax, in.yMin, in.h, in.MaxIter})) {
        host.showWarning(*refusal);
        return std::nullopt;
    }
    return in;
}

// Step 2. Sets the form-level values the marches and the plot read, blanks the
// status and scales the plot. The momentum search leaves Pr as it was.
void applyToForm(const SearchKind& kind, const SearchInputs& in, FormValues& form, PlotSurface& plot, SearchHost& host)
{
    form.Mode = kind.mode;
    host.setStatus("");
    form.xMax = in.xMax;
    form.yMax = in.yMax;
    form.yMin = in.yMin;
    form.DotRadius = in.xMax / 2000.0;
    plot.Scale(-0.1 * in.xMax, in.yMax, in.xMax, in.yMin);
    form.h = in.h;
    form.Beta = in.Beta;
    if (kind.mode == MarchMode::Energy) form.Pr = in.Pr;
}

// Step 3. Marches the guess, logs the trial and moves the guess, until the miss is
// within the tolerance or the rounds run out; then writes the guess and the step size
// back. A value beyond the double range ends the run where it happens, with a
// warning and without the write-back.
class Iteration {
public:
    Iteration(const SearchKind& kind, const SearchInputs& in, const FormValues& form, PlotSurface& plot,
              SearchHost& host)
        : m_kind(kind), m_in(in), m_form(form), m_plot(plot), m_host(host), m_Guess(in.Guess), m_Step(in.Step)
    {
        SearchRecord& record = m_result.record;
        record.mode = kind.mode;
        record.form = form;
        record.Eps = in.Eps;
        record.MaxIter = in.MaxIter;
        record.wallShear = in.F0_2w;
        // Reserved once for the most marches a run can make, so that no trial allocates.
        record.trials.reserve(static_cast<std::size_t>(in.MaxIter > 0.0 ? std::floor(in.MaxIter) : 0.0) + 2);
    }

    SearchResult run()
    {
        constexpr double Target = 1.0;
        double Outer = 0.0;
        if (!march(Outer)) return end(SearchOutcome::MarchOutOfRange);
        double Miss = Target - Outer;
        if (std::fabs(Miss) < m_in.Eps) return end(SearchOutcome::Converged);

        // A positive step points up while the outer value is below the target.
        if (Miss < 0.0) m_Step = -m_Step;
        std::int64_t Iter = 0;
        if (!advanceGuess()) return end(SearchOutcome::GuessOutOfRange);
        m_host.clearLog();
        m_host.appendLog(m_kind.header);
        m_host.appendLog(kLogBlankLine);
        m_host.appendLog(LogRow(Iter, m_Guess, m_Step, Outer).text());

        for (;;) {
            Iter = Iter + 1;
            if (static_cast<double>(Iter) > m_in.MaxIter) return end(SearchOutcome::NotConverged);
            if (!march(Outer)) return end(SearchOutcome::MarchOutOfRange);
            m_host.appendLog(LogRow(Iter, m_Guess, m_Step, Outer).text());
            Miss = Target - Outer;
            if (std::fabs(Miss) < m_in.Eps) return end(SearchOutcome::Converged);
            // Each crossing of the target reverses the step and makes it ten times finer.
            if (m_Step * Miss < 0.0) m_Step = -m_Step / 10.0;
            if (!advanceGuess()) return end(SearchOutcome::GuessOutOfRange);
        }
    }

private:
    // One trial with the current guess; false when the march left the double range.
    bool march(double& Outer)
    {
        constexpr double F0_0w = 0.0; // f(0)
        constexpr double F0_1w = 0.0; // f'(0)
        constexpr double F1_0w = 0.0; // g(0)
        double F0_1s_Itr = 0.0;
        double F1_0s_Itr = 0.0;
        ++m_marches;
        const bool energy = m_kind.mode == MarchMode::Energy;
        const MarchOutcome m =
            energy ? RK4G(m_form, m_plot, F0_0w, F0_1w, m_in.F0_2w, F0_1s_Itr, F1_0w, m_Guess, F1_0s_Itr)
                   : RK4G(m_form, m_plot, F0_0w, F0_1w, m_Guess, F0_1s_Itr, F1_0w, 0.0, F1_0s_Itr);
        m_result.record.trials.push_back({m_Guess, m.finished ? (energy ? F1_0s_Itr : F0_1s_Itr) : 0.0, m.finished});
        if (!m.finished) {
            m_host.showWarning(
                "The " + std::string(m_kind.name) + " search stopped: with the trial " + std::string(m_kind.unknown) +
                " = " + shortNumber(m_Guess) +
                " the march left the range of numbers the computer can hold at η = " + shortNumber(m.faultEta) +
                ". Start from a guess closer to the solution, use a smaller trial step, "
                "or a smaller η max.");
            return false;
        }
        Outer = energy ? F1_0s_Itr : F0_1s_Itr;
        return true;
    }

    // Guess + Step; false when the sum left the double range.
    bool advanceGuess()
    {
        m_Guess = m_Guess + m_Step;
        if (std::isfinite(m_Guess)) return true;
        m_host.showWarning("The " + std::string(m_kind.name) + " search stopped: the next trial " +
                           std::string(m_kind.unknown) +
                           " is beyond the range of numbers the computer can hold. Enter a smaller "
                           "trial step.");
        return false;
    }

    // The status text and the write-back of a run that reached its end; nothing for a fault.
    SearchResult end(SearchOutcome outcome)
    {
        if (outcome == SearchOutcome::Converged || outcome == SearchOutcome::NotConverged) {
            m_host.setStatus(outcome == SearchOutcome::Converged ? kStatusConverged : kStatusNotConverged);
            m_host.writeNumber(m_kind.guessBox, m_Guess);
            m_host.writeNumber(m_kind.stepBox, std::fabs(m_Step));
            m_result.record.writtenGuess = m_Guess;
            m_result.record.writtenStep = std::fabs(m_Step);
        }
        m_result.outcome = outcome;
        m_result.marches = m_marches;
        return std::move(m_result);
    }

    const SearchKind& m_kind;
    const SearchInputs& m_in;
    const FormValues& m_form;
    PlotSurface& m_plot;
    SearchHost& m_host;
    double m_Guess;
    double m_Step;
    std::int64_t m_marches = 0;
    SearchResult m_result; // its record fills as the run goes
};

} // namespace

SearchResult runSearch(MarchMode mode, FormValues& form, PlotSurface& plot, SearchHost& host)
{
    const SearchKind& kind = mode == MarchMode::Energy ? kEnergy : kMomentum;
    const std::optional<SearchInputs> inputs = readInputs(kind, host);
    if (!inputs) return {SearchOutcome::Refused, 0, {}};
    applyToForm(kind, *inputs, form, plot, host);
    return Iteration(kind, *inputs, form, plot, host).run();
}

} // namespace cuneola
