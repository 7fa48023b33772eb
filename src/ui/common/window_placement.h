// SPDX-License-Identifier: GPL-3.0-or-later
// Where a second window goes on the screen: beside the first where there is room for it.
#pragma once

#include <QRect>
#include <QSize>

namespace cuneola::ui {

// The frame of a window of `preferred` size (frame included, as at least `minimum`) on the
// `available` part of a screen beside the window framed by `beside`: to its right where that
// side has room for the minimum width, else to its left, and narrowed to the room there.
// Where neither side has room it covers as little of `beside` as it can, against the far edge
// of the screen. Its top is level with that of `beside`, moved up as far as it needs to fit.
QRect placeBeside(const QRect& beside, const QRect& available, const QSize& preferred, const QSize& minimum);

} // namespace cuneola::ui
