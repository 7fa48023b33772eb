// SPDX-License-Identifier: MIT
// World coordinates of the plot onto the pixels of its retained image.
#include "plot_mapping.h"

#include <cmath>
#include <limits>

namespace cuneola {

std::optional<float> toSingle(double v)
{
    // NaN fails the comparison and is caught by isfinite.
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(v);
}

PlotMapping::PlotMapping(double left, double top, double right, double bottom, int width, int height)
    : m_left(left), m_top(top), m_width(width), m_height(height)
{
    const double spanX = right - left;
    const double spanY = bottom - top;
    m_scaleX = static_cast<double>(width) / spanX;
    m_scaleY = static_cast<double>(height) / spanY;
    m_usable = width > 0 && height > 0 && spanX != 0.0 && spanY != 0.0 && std::isfinite(m_scaleX) &&
               std::isfinite(m_scaleY) && std::isfinite(left) && std::isfinite(top);
}

double PlotMapping::pixelsAlongX(double length) const { return std::fabs(length * m_scaleX); }

std::optional<PixelPos> PlotMapping::cellOf(double px, double py) const
{
    // The comparisons also turn away NaN and the infinities.
    if (!m_usable || !(px >= 0.0 && px < m_width) || !(py >= 0.0 && py < m_height)) return std::nullopt;
    return PixelPos{static_cast<int>(px), static_cast<int>(py)};
}

std::optional<PixelPos> PlotMapping::pixelOf(double x, double y) const { return cellOf(pixelX(x), pixelY(y)); }

} // namespace cuneola
