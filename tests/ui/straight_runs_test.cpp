// SPDX-License-Identifier: GPL-3.0-or-later
// Thinned curves: straight runs go, every bend stays to within the tolerance.
#include "ui/charts/straight_runs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The largest distance of any original point from the thinned segment over it, in plot
// units (x over a span of 10, y over 1).
double largestDeviation(const QList<QPointF>& original, const QList<QPointF>& thinned)
{
    double worst = 0.0;
    qsizetype k = 0;
    for (const QPointF& p : original) {
        while (k + 1 < thinned.size() - 1 && thinned[k + 1].x() <= p.x()) ++k;
        const QPointF a(thinned[k].x() / 10.0, thinned[k].y()), b(thinned[k + 1].x() / 10.0, thinned[k + 1].y());
        const QPointF q(p.x() / 10.0, p.y());
        const QPointF chord = b - a, aq = q - a;
        worst = std::max(worst, std::fabs(chord.x() * aq.y() - chord.y() * aq.x()) / std::hypot(chord.x(), chord.y()));
    }
    return worst;
}

QList<QPointF> sampled(double (*f)(double), int n, double end)
{
    QList<QPointF> points;
    for (int i = 0; i < n; ++i) points.append(QPointF(end * i / (n - 1), f(end * i / (n - 1))));
    return points;
}

TEST(StraightRuns, StraightGoesCurvesStayWithinTheTolerance)
{
    struct Case {
        double (*f)(double);
        qsizetype atMost; // points left
    };
    const Case cases[] = {
        {[](double x) { return 0.3 * x + 1.0; }, 2},             // one straight run: its ends
        {[](double x) { return x < 5.0 ? x / 5.0 : 1.0; }, 4},   // a corner between samples survives
        {[](double x) { return 1.0 - std::exp(-x * x); }, 400},  // a bend keeps what it needs
        {[](double x) { return 1e-3 * std::sin(x / 3.0); }, 400} // a slow arc is not one chord
    };
    for (const Case& c : cases) {
        const QList<QPointF> original = sampled(c.f, 400, 10.0);
        const QList<QPointF> thinned = withoutStraightRuns(original, QSizeF(10.0, 1.0));
        EXPECT_LE(thinned.size(), c.atMost);
        EXPECT_EQ(thinned.front(), original.front());
        EXPECT_EQ(thinned.back(), original.back());
        EXPECT_LE(largestDeviation(original, thinned), 1e-5);
    }
}

} // namespace
