// SPDX-License-Identifier: GPL-3.0-or-later
// A plot surface and a search host that record every call, for tests without a window.
#pragma once

#include "numbertext/number_text.h"
#include "solver/plot_surface.h"
#include "solver/search_host.h"

#include <map>
#include <string>
#include <vector>

namespace cuneola::testing {

struct PlotCall {
    enum Kind { Scale, Cls, Line, ColouredLine, Circle } kind;
    double a = 0, b = 0, c = 0, d = 0;
    Colour colour = 0;
};

class RecordingPlot : public PlotSurface {
public:
    void Scale(double l, double t, double r, double b) override { calls.push_back({PlotCall::Scale, l, t, r, b}); }
    void Cls() override { calls.push_back({PlotCall::Cls}); }
    void Line(double x1, double y1, double x2, double y2) override
    {
        calls.push_back({PlotCall::Line, x1, y1, x2, y2});
    }
    void Line(double x1, double y1, double x2, double y2, Colour c) override
    {
        calls.push_back({PlotCall::ColouredLine, x1, y1, x2, y2, c});
    }
    void Circle(double x, double y, double r, Colour c) override { calls.push_back({PlotCall::Circle, x, y, r, 0, c}); }

    std::vector<PlotCall> of(PlotCall::Kind kind) const
    {
        std::vector<PlotCall> out;
        for (const auto& c : calls)
            if (c.kind == kind) out.push_back(c);
        return out;
    }
    std::vector<PlotCall> calls;
};

// Holds the texts of the boxes and reads them by the Val rule, as the window does.
class FakeHost : public SearchHost {
public:
    FakeHost()
    {
        for (const InputBoxDesign& design : kInputBoxes) texts[design.box] = design.defaultText;
    }
    NumberReading readNumber(InputBox box) override
    {
        reads.push_back(box);
        const ValResult r = readVal(texts.at(box));
        return {r.value, r.status == ValStatus::Ok};
    }
    void writeNumber(InputBox box, double value) override
    {
        texts[box] = numberToText(value);
        ++writes;
    }
    void setStatus(std::string_view text) override { status = text; }
    void clearLog() override { log.clear(); }
    void appendLog(std::string_view line) override { log.emplace_back(line); }
    void showWarning(std::string_view message) override { warnings.emplace_back(message); }

    std::map<InputBox, std::string> texts;
    std::string status = "untouched";
    std::vector<std::string> log;
    std::vector<std::string> warnings;
    std::vector<InputBox> reads;
    int writes = 0;
};

} // namespace cuneola::testing
