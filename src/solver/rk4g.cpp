// SPDX-License-Identifier: MIT
// The fourth-order Runge-Kutta method in Gill's form, after S. Gill, "A process for
// the step-by-step integration of differential equations in an automatic digital
// computing machine", Proc. Cambridge Philos. Soc. 47 (1951) 96-108.
//
// Every line below is one chain of double operations in the order written; the
// build forbids contraction into fused multiply-adds, so each product is rounded
// before it is added. Reordering any of them changes the last digits of the results.
#include "rk4g.h"

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

// Rows: 1 = state at the start of the step, 2..5 = results of stages 1..4.
// Slots: momentum 0 = f, 1 = f', 2 = f''; energy 0 = g, 1 = g'. The spare slots
// of Gill's tableau would only carry zeros, so they are not stored.
constexpr int kRows = 6;
constexpr int kMomentumSlots = 3;
constexpr int kEnergySlots = 2;

// f'^2 as the correctly rounded product; pow(x, 2) is not guaranteed to be.
inline double square(double x) { return x * x; }

// Finite test of a whole state in one expression: (x - x) is 0 for a finite x and
// NaN for an infinity or a NaN, and a NaN survives the sum.
template <int N>
inline bool allFinite(const double (&a)[N][kRows], const double (&q)[N][kRows])
{
    double sum = 0.0;
    for (int i = 0; i < N; ++i) sum += (a[i][1] - a[i][1]) + (q[i][1] - q[i][1]);
    return sum == 0.0;
}

template <bool Energy>
MarchOutcome march(const FormValues& v, PlotSurface& plot,
                   double F0_0w, double F0_1w, double F0_2w, double& F0_1s_Itr,
                   double F1_0w, double F1_1w, double& F1_0s_Itr)
{
    double F0[kMomentumSlots][kRows] = {};
    double Q0[kMomentumSlots][kRows] = {};
    double K0[kMomentumSlots][kRows] = {};
    double F1[kEnergySlots][kRows] = {};
    double Q1[kEnergySlots][kRows] = {};
    double K1[kEnergySlots][kRows] = {};

    plot.Cls();
    plot.Line(0.0, 0.0, v.xMax, 0.0);
    plot.Line(0.0, v.yMax, 0.0, -v.yMax);
    plot.Line(0.0, 1.0, v.xMax, 1.0, kMagenta);

    double X = 0.0;
    F0[0][1] = F0_0w;
    F0[1][1] = F0_1w;
    F0[2][1] = F0_2w;
    if constexpr (Energy) {
        F1[0][1] = F1_0w;
        F1[1][1] = F1_1w;
    }

    const double h = v.h;
    const double Beta = v.Beta;
    const double Pr = v.Pr;

    while (X < v.xMax) {
        for (int s = 1; s <= 4; ++s) {
            const int j = s + 1;
            // Momentum derivatives: (f', f'', -f f'' - Beta (1 - f'^2)).
            K0[0][j] = F0[1][s];
            K0[1][j] = F0[2][s];
            K0[2][j] = ((-F0[0][s]) * F0[2][s]) - (Beta * (1.0 - square(F0[1][s])));
            if constexpr (Energy) {
                // Energy derivatives: (g', -Pr f g'), f from the same stage.
                K1[0][j] = F1[1][s];
                K1[1][j] = ((-Pr) * F0[0][s]) * F1[1][s];
            }
            // Gill's update with q kept in derivative units (q = h Q):
            //   y(s) = y(s-1) + h a(s) (k(s) - b(s) Q(s-1))
            //   Q(s) = Q(s-1) + 3 a(s) (k(s) - b(s) Q(s-1)) - c(s) k(s)
            const double hA = h * A[s];
            const double threeA = 3.0 * A[s];
            for (int i = 0; i < kMomentumSlots; ++i) {
                const double d = K0[i][j] - (B[s] * Q0[i][s]);
                F0[i][j] = F0[i][s] + hA * d;
                Q0[i][j] = (Q0[i][s] + threeA * d) - (C[s] * K0[i][j]);
                if constexpr (Energy) {
                    if (i < kEnergySlots) {
                        const double e = K1[i][j] - (B[s] * Q1[i][s]);
                        F1[i][j] = F1[i][s] + hA * e;
                        Q1[i][j] = (Q1[i][s] + threeA * e) - (C[s] * K1[i][j]);
                    }
                }
            }
            // Stages 2 and 3 are taken half a step on, stage 4 a full step on.
            if (s == 1 || s == 3) X = X + h / 2.0;
        }

        // The end of the step becomes the start of the next; the accumulators
        // carry over and are never reset during a march.
        for (int i = 0; i < kMomentumSlots; ++i) {
            F0[i][1] = F0[i][5];
            Q0[i][1] = Q0[i][5];
        }
        if constexpr (Energy) {
            for (int i = 0; i < kEnergySlots; ++i) {
                F1[i][1] = F1[i][5];
                Q1[i][1] = Q1[i][5];
            }
        }

        // A value beyond the double range would only turn into infinities and
        // NaNs from here on: end the march and report where it happened.
        bool finite = allFinite(F0, Q0);
        if constexpr (Energy) finite = finite && allFinite(F1, Q1);
        if (!finite) return {false, X};

        if constexpr (Energy) {
            for (int i = 0; i < kEnergySlots; ++i) plot.Circle(X, F1[i][1], v.DotRadius, v.Colors[i]);
        } else {
            for (int i = 0; i < kMomentumSlots; ++i) plot.Circle(X, F0[i][1], v.DotRadius, v.Colors[i]);
        }

        if (F0[1][1] < v.yMin) break;
    }

    F0_1s_Itr = F0[1][1];
    if constexpr (Energy) F1_0s_Itr = F1[0][1];
    return {};
}

} // namespace

MarchOutcome RK4G(const FormValues& v, PlotSurface& plot,
                  double F0_0w, double F0_1w, double F0_2w, double& F0_1s_Itr,
                  double F1_0w, double F1_1w, double& F1_0s_Itr)
{
    if (v.Mode == MarchMode::Energy)
        return march<true>(v, plot, F0_0w, F0_1w, F0_2w, F0_1s_Itr, F1_0w, F1_1w, F1_0s_Itr);
    return march<false>(v, plot, F0_0w, F0_1w, F0_2w, F0_1s_Itr, F1_0w, F1_1w, F1_0s_Itr);
}

} // namespace cuneola
