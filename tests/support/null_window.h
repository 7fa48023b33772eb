// SPDX-License-Identifier: GPL-3.0-or-later
// A plot surface that draws nothing and a host with the default texts, for timing the core alone.
#pragma once

#include "numbertext/number_text.h"
#include "solver/plot_surface.h"
#include "solver/search_host.h"

#include <array>

namespace cuneola::bench {

class NullPlot final : public PlotSurface {
public:
    void Scale(double, double, double, double) override {}
    void Cls() override {}
    void Line(double, double, double, double) override {}
    void Line(double, double, double, double, Colour) override {}
    void Circle(double, double, double, Colour) override {}
};

// Answers every read with the window's default value and discards the output.
class DefaultsHost final : public SearchHost {
public:
    DefaultsHost()
    {
        for (const InputBoxDesign& design : kInputBoxes)
            values[static_cast<std::size_t>(design.box)] = readVal(design.defaultText).value;
    }
    NumberReading readNumber(InputBox box) override { return {values[static_cast<std::size_t>(box)], true}; }
    void writeNumber(InputBox, double) override {}
    void setStatus(std::string_view) override {}
    void clearLog() override {}
    void appendLog(std::string_view) override {}
    void showWarning(std::string_view) override {}

    // The values the search reads, in the order of InputBox.
    std::array<double, kInputBoxes.size()> values{};
};

} // namespace cuneola::bench
