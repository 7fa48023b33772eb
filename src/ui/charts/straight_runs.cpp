// SPDX-License-Identifier: GPL-3.0-or-later
// Drops the inner points of runs a curve crosses in a straight line.
#include "ui/charts/straight_runs.h"

#include <cmath>

QList<QPointF> withoutStraightRuns(const QList<QPointF>& points, QSizeF span, double tolerance)
{
    if (points.size() < 3 || !(span.width() > 0.0) || !(span.height() > 0.0)) return points;
    const auto scaled = [span](const QPointF& p) { return QPointF(p.x() / span.width(), p.y() / span.height()); };
    QList<QPointF> kept;
    kept.reserve(points.size());
    kept.append(points.front());
    qsizetype last = 0; // the index of the last point kept
    for (qsizetype i = 1; i + 1 < points.size(); ++i) {
        // Every point dropped since the last one kept must lie on the longer chord too: its
        // distance from the chord, in plot units; where the chord's ends coincide, none does.
        const QPointF a = scaled(points[last]), chord = scaled(points[i + 1]) - a;
        const double length = std::hypot(chord.x(), chord.y());
        bool straight = length > 0.0;
        for (qsizetype j = last + 1; straight && j <= i; ++j) {
            const QPointF ap = scaled(points[j]) - a;
            straight = std::fabs(chord.x() * ap.y() - chord.y() * ap.x()) / length <= tolerance;
        }
        if (straight) continue;
        kept.append(points[i]);
        last = i;
    }
    kept.append(points.back());
    return kept;
}
