// SPDX-License-Identifier: GPL-3.0-or-later
// What a shooting search needs of the window: its text boxes, status text and log.
#pragma once

#include "solver/input_boxes.h"

#include <string_view>

namespace cuneola {

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
