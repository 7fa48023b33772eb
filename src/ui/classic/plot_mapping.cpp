// SPDX-License-Identifier: GPL-3.0-or-later
// World coordinates of the plot onto the pixels of its retained image.
#include "ui/classic/plot_mapping.h"

#include <cmath>

namespace cuneola {

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

} // namespace cuneola
