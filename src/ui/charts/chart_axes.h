// SPDX-License-Identifier: GPL-3.0-or-later
// Axis ranges with round tick marks for the Explore window's charts.
#pragma once

class QCategoryAxis;
class QLogValueAxis;

namespace cuneola::ui {

// A step of 1, 2, 2.5 or 5 times a power of ten that cuts `span` into about `ticks` parts.
double niceStep(double span, int ticks = 6);

// The axis runs from `low` to `high` exactly, with ticks at whole multiples of a nice
// step, each labelled with its value rounded (a tick at 0 reads "0", not "-1.4e-17" as
// the sum of the steps below it would).
void setRoundTicks(QCategoryAxis* axis, double low, double high);

// A log axis over whole decades around [low, high] (both above 0), every decade labelled.
void setDecades(QLogValueAxis* axis, double low, double high);

} // namespace cuneola::ui
