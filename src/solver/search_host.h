// SPDX-License-Identifier: MIT
// What a shooting search needs of the window: its text boxes, status text and log.
#pragma once

#include <string_view>

namespace cuneola {

// The text boxes a search reads or writes.
enum class InputBox {
    Beta,    // wedge parameter
    F0_2w,   // f''(0): first guess of the momentum search, and its result
    dF0_2w,  // trial step of f''(0)
    Pr,      // Prandtl number
    F1_1w,   // g'(0): first guess of the energy search, and its result
    dF1_1w,  // trial step of g'(0)
    h,       // march step (delta eta)
    Eps,     // tolerance on the miss
    MaxIter, // iteration limit
    xMax,    // eta max
    yMax,    // f max, top of the plot
    yMin,    // f min, bottom of the plot and cut-off of f'
};

// The name of a box as the user sees it beside the box: "β", "Δη", "η max" ...
std::string_view displayName(InputBox box);

// A box's text read as a number.
struct NumberReading {
    double value = 0.0;
    bool inRange = true; // false: the text holds a number no double can represent
};

// The window side of a search. Reads have no side effects.
class SearchHost {
public:
    virtual ~SearchHost() = default;

    virtual NumberReading readNumber(InputBox box) = 0;
    // Writes `value` (finite) into `box` as text.
    virtual void writeNumber(InputBox box, double value) = 0;
    virtual void setStatus(std::string_view text) = 0;
    virtual void clearLog() = 0;
    virtual void appendLog(std::string_view line) = 0;
    // A refused input or a fault during a run, in plain words for the user.
    virtual void showWarning(std::string_view message) = 0;
};

} // namespace cuneola
