// SPDX-License-Identifier: MIT
// A plot surface that draws nothing and a host with the default texts, for timing the core alone.
#pragma once

#include "plot_surface.h"
#include "search_host.h"

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
    NumberReading readNumber(InputBox box) override { return {values[static_cast<int>(box)], true}; }
    void writeNumber(InputBox, double) override {}
    void setStatus(std::string_view) override {}
    void clearLog() override {}
    void appendLog(std::string_view) override {}
    void showWarning(std::string_view) override {}

    // In InputBox order: Beta, F0_2w, dF0_2w, Pr, F1_1w, dF1_1w, h, Eps, MaxIter, xMax, yMax, yMin.
    std::array<double, 12> values{0, 0.1, 0.1, 1, -1, 0.1, 0.01, 0.01, 15, 10, 1.5, -1};
};

} // namespace cuneola::bench
