// SPDX-License-Identifier: GPL-3.0-or-later
// Drops the inner points of runs a curve crosses in a straight line.
#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>

// Every point whose distance from the chord between the last point kept and the next
// one is below `tolerance` of the plot, measured in the units of `span` (the axes'
// ranges), so that the curve drawn is the same to far below a pixel. The ends are kept.
// Outside the layer f, f' and f'' are straight lines: most of a wide plot's points go, and
// inside it a smooth curve needs far fewer points drawn than are sampled.
QList<QPointF> withoutStraightRuns(const QList<QPointF>& points, QSizeF span, double tolerance = 1e-5);
