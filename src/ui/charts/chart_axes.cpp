// SPDX-License-Identifier: GPL-3.0-or-later
// Axis ranges with round tick marks for the Explore window's charts.
#include "ui/charts/chart_axes.h"

#include "ui/explore/explore_numbers.h"

#include <QCategoryAxis>
#include <QLogValueAxis>
#include <QVariant>

#include <cmath>

namespace cuneola::ui {

double niceStep(double span, int ticks)
{
    if (!(span > 0.0) || !std::isfinite(span)) return 1.0;
    const double raw = span / ticks;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * decade >= raw) return m * decade;
    return 10.0 * decade;
}

void setRoundTicks(QCategoryAxis* axis, double low, double high)
{
    if (!std::isfinite(low) || !std::isfinite(high)) return;
    if (!(high > low)) {
        // A single value: room of one unit of its own size around it.
        const double room = low != 0.0 ? std::fabs(low) * 0.1 : 0.5;
        low -= room, high += room;
    }
    const double step = niceStep(high - low);
    // Each change lays the chart out again: skip what is already so.
    if (axis->property("roundStep").toDouble() == step && axis->min() == low && axis->max() == high) return;
    axis->setProperty("roundStep", step);

    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double first = std::ceil(low / step - 1e-9);
    axis->setStartValue(low - step); // out of view: a boundary draws a grid line
    for (double k = first; k * step <= high + 1e-9 * step; ++k) axis->append(significantText(k * step, 6), k * step);
    axis->setRange(low, high);
}

void setDecades(QLogValueAxis* axis, double low, double high)
{
    if (!(low > 0.0) || !(high >= low) || !std::isfinite(high)) return;
    // A hair beyond the decades, so that rounding of the logarithm keeps both end labels.
    const double from = std::pow(10.0, std::floor(std::log10(low) + 1e-9)) * (1.0 - 1e-9);
    double to = std::pow(10.0, std::ceil(std::log10(high) - 1e-9)) * (1.0 + 1e-9);
    if (!(to > from * 1.5)) to = from * 10.0 * (1.0 + 1e-9);
    if (axis->min() == from && axis->max() == to) return;
    axis->setRange(from, to);
}

} // namespace cuneola::ui
