// SPDX-License-Identifier: GPL-3.0-or-later
// The units the windows are designed in: twips for places and sizes, and their light yellow.
#pragma once

#include "solver/input_boxes.h"

#include <QRect>
#include <QRgb>

namespace cuneola::ui {

// Places and sizes are designed in twips, 1/1440 inch: 15 twips are one logical pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixelsOf(int twips) { return twips / kTwipsPerPixel; }

constexpr QRect pixelsOf(const Twips& t)
{
    return {pixelsOf(t.left), pixelsOf(t.top), pixelsOf(t.width), pixelsOf(t.height)};
}

// (255, 255, 192): the background of the plot area, the legend, the status text and the About window.
inline constexpr QRgb kLightYellow = qRgb(255, 255, 192);

} // namespace cuneola::ui
