// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing operations the march and the search need of a plot area.
#pragma once

#include <cstdint>

namespace cuneola {

// Colours are 24-bit values blue*65536 + green*256 + red.
using Colour = std::int32_t;

inline constexpr Colour kMagenta = 16711935; // (255, 0, 255): the far-field line f' = 1

// A drawing surface in world coordinates (eta across, profile value up).
// The core hands over doubles; narrowing them to single precision, and skipping a
// mark that lies beyond the single-precision range, is the surface's job.
class PlotSurface {
public:
    virtual ~PlotSurface() = default;

    // World rectangle: (left, top) is the upper-left corner, (right, bottom)
    // the lower-right. Holds until the next Scale; Cls keeps it.
    virtual void Scale(double left, double top, double right, double bottom) = 0;
    // Erases everything drawn so far.
    virtual void Cls() = 0;
    // A one-pixel solid line in the foreground colour.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    // The same in `colour`.
    virtual void Line(double x1, double y1, double x2, double y2, Colour colour) = 0;
    // A circle outline, radius in world units along the horizontal axis.
    virtual void Circle(double x, double y, double radius, Colour colour) = 0;
};

} // namespace cuneola
