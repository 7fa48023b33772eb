// SPDX-License-Identifier: GPL-3.0-or-later
// The fourth-order Runge-Kutta method in Gill's form, after S. Gill, "A process for
// the step-by-step integration of differential equations in an automatic digital
// computing machine", Proc. Cambridge Philos. Soc. 47 (1951) 96-108.
//
// Every line below is one chain of double operations in the order written; the
// build forbids contraction into fused multiply-adds, so each product is rounded
// before it is added. Reordering any of them changes the last digits of the results.
#include "solver/rk4g.h"

#include <cmath>

namespace cuneola {
namespace {

// Gill's coefficients a, b, c for stages 1..4 (index 0 unused). The irrational
// and repeating entries are the seven-digit decimals 0.2928932, 1.707107 and
// 0.1666667, not 1 - sqrt(1/2), 1 + sqrt(1/2) and 1/6: the tool's published
// results were computed with these, and they differ from the closed forms by
// about 1e-7 relative.
constexpr double A[5] = {0.0, 0.5, 0.2928932, 1.707107, 0.1666667};
constexpr double B[5] = {0.0, 2.0, 1.0, 1.0, 2.0};
constexpr double C[5] = {0.0, 0.5, 0.2928932, 1.707107, 0.5};

// Gill's tableau keeps one row per stage (start of the step, then the results of
// stages 1 to 4). Each stage reads only the row before it, so the march keeps just
// the current row in scalars: f, f', f'' (and g, g') with one accumulator each.

// f'^2 as the correctly rounded product; pow(x, 2) is not guaranteed to be.
inline double square(double x) { return x * x; }

// (x - x) is 0 for a finite x and NaN for an infinity or a NaN.
inline double finiteZero(double x) { return x - x; }

// One Gill stage for one component: the new value and the new accumulator from
// the derivative k, with hA = h a(s) and threeA = 3 a(s) formed beforehand.
//   y(s) = y(s-1) + h a(s) (k(s) - b(s) Q(s-1))
//   Q(s) = Q(s-1) + 3 a(s) (k(s) - b(s) Q(s-1)) - c(s) k(s)
// with Gill's q kept in derivative units (q = h Q).
inline void gillUpdate(double& y, double& q, double k, double hA, double threeA, double b, double c)
{
    const double d = k - (b * q);
    y = y + hA * d;
    q = (q + threeA * d) - (c * k);
}

template <bool Energy>
MarchOutcome march(const FormValues& v, PlotSurface& plot, double F0_0w, double F0_1w, double F0_2w, double& F0_1s_Itr,
                   double F1_0w, double F1_1w, double& F1_0s_Itr)
{
    plot.Cls();
    plot.Line(0.0, 0.0, v.xMax, 0.0);
    plot.Line(0.0, v.yMax, 0.0, -v.yMax);
    plot.Line(0.0, 1.0, v.xMax, 1.0, kMagenta);

    double X = 0.0;
    double f = F0_0w, fp = F0_1w, fpp = F0_2w; // f, f', f''
    double qf = 0.0, qfp = 0.0, qfpp = 0.0;    // their Gill accumulators
    double g = 0.0, gp = 0.0;                  // g, g' (energy only)
    double qg = 0.0, qgp = 0.0;
    if constexpr (Energy) {
        g = F1_0w;
        gp = F1_1w;
    }

    const double h = v.h;
    const double Beta = v.Beta;
    const double Pr = v.Pr;

    while (X < v.xMax) {
        for (int s = 1; s <= 4; ++s) {
            // Derivatives from the row of the previous stage, all before any update:
            // momentum (f', f'', -f f'' - Beta (1 - f'^2)), energy (g', -Pr f g').
            const double kf = fp;
            const double kfp = fpp;
            const double kfpp = ((-f) * fpp) - (Beta * (1.0 - square(fp)));
            const double kg = gp;
            const double kgp = Energy ? ((-Pr) * f) * gp : 0.0;

            const double hA = h * A[s];
            const double threeA = 3.0 * A[s];
            gillUpdate(f, qf, kf, hA, threeA, B[s], C[s]);
            gillUpdate(fp, qfp, kfp, hA, threeA, B[s], C[s]);
            gillUpdate(fpp, qfpp, kfpp, hA, threeA, B[s], C[s]);
            if constexpr (Energy) {
                gillUpdate(g, qg, kg, hA, threeA, B[s], C[s]);
                gillUpdate(gp, qgp, kgp, hA, threeA, B[s], C[s]);
            }
            // Stages 2 and 3 are taken half a step on, stage 4 a full step on; the
            // running eta is this sum of half steps, never a multiple of h.
            if (s == 1 || s == 3) X = X + h / 2.0;
        }

        // A value beyond the double range would only turn into infinities and
        // NaNs from here on: end the march and report where it happened. The
        // accumulators carry over to the next step and are never reset.
        double check =
            finiteZero(f) + finiteZero(fp) + finiteZero(fpp) + finiteZero(qf) + finiteZero(qfp) + finiteZero(qfpp);
        if constexpr (Energy) check = check + finiteZero(g) + finiteZero(gp) + finiteZero(qg) + finiteZero(qgp);
        if (check != 0.0) return {false, X};

        if constexpr (Energy) {
            plot.Circle(X, g, v.DotRadius, v.Colors[0]);
            plot.Circle(X, gp, v.DotRadius, v.Colors[1]);
        } else {
            plot.Circle(X, f, v.DotRadius, v.Colors[0]);
            plot.Circle(X, fp, v.DotRadius, v.Colors[1]);
            plot.Circle(X, fpp, v.DotRadius, v.Colors[2]);
        }

        if (fp < v.yMin) break;
    }

    F0_1s_Itr = fp;
    if constexpr (Energy) F1_0s_Itr = g;
    return {};
}

} // namespace

MarchOutcome RK4G(const FormValues& v, PlotSurface& plot, double F0_0w, double F0_1w, double F0_2w, double& F0_1s_Itr,
                  double F1_0w, double F1_1w, double& F1_0s_Itr)
{
    if (v.Mode == MarchMode::Energy)
        return march<true>(v, plot, F0_0w, F0_1w, F0_2w, F0_1s_Itr, F1_0w, F1_1w, F1_0s_Itr);
    return march<false>(v, plot, F0_0w, F0_1w, F0_2w, F0_1s_Itr, F1_0w, F1_1w, F1_0s_Itr);
}

} // namespace cuneola
