// SPDX-License-Identifier: GPL-3.0-or-later
// World coordinates of the plot onto the pixels of its retained image: the one mapping
// that drawing and tests share.
#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace cuneola {

// Narrows a coordinate to single precision as the plot operations take them; nothing
// for a value beyond the single range (|v| > FLT_MAX), an infinity or a NaN. Inline:
// a march narrows three numbers per dot.
inline std::optional<float> toSingle(double v)
{
    // NaN fails the comparison too.
    if (!(std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max()))) return std::nullopt;
    return static_cast<float>(v);
}

struct PixelPos {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPos&, const PixelPos&) = default;
};

// The world rectangle (left, top)-(right, bottom) laid over an image of width x height
// pixels. A world point lies at the fraction (x - left) / (right - left) of the width
// and (y - top) / (bottom - top) of the height; it falls into pixel i when its
// continuous position lies in [i, i + 1). Either direction may run reversed.
class PlotMapping {
public:
    PlotMapping() = default;
    PlotMapping(double left, double top, double right, double bottom, int width, int height);

    // False for an empty image or a world rectangle without width or height: such a
    // mapping places nothing.
    bool usable() const { return m_usable; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Continuous pixel position; may lie far outside the image, or be infinite for an
    // extreme world value.
    double pixelX(double x) const { return (x - m_left) * m_scaleX; }
    double pixelY(double y) const { return (y - m_top) * m_scaleY; }
    // A length along the horizontal axis in pixels (circle radii are world units along x).
    double pixelsAlongX(double length) const { return std::fabs(length * m_scaleX); }

    // The pixel a world point falls into, or nothing when it lies outside the image.
    std::optional<PixelPos> pixelOf(double x, double y) const { return cellOf(pixelX(x), pixelY(y)); }
    // The same for a continuous pixel position.
    std::optional<PixelPos> cellOf(double px, double py) const
    {
        // The comparisons also turn away NaN and the infinities.
        if (!m_usable || !(px >= 0.0 && px < m_width) || !(py >= 0.0 && py < m_height)) return std::nullopt;
        return PixelPos{static_cast<int>(px), static_cast<int>(py)};
    }

private:
    double m_left = 0.0;
    double m_top = 0.0;
    double m_scaleX = 0.0; // pixels per world unit, negative when reversed
    double m_scaleY = 0.0;
    int m_width = 0;
    int m_height = 0;
    bool m_usable = false;
};

} // namespace cuneola
