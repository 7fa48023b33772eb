// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Gill march as a function of one trial wall value, and its roots.
#include "analysis/classic_march.h"

#include "numbertext/number_text.h"
#include "solver/plot_surface.h"
#include "solver/rk4g.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace cuneola::analysis {
namespace {

// Draws nothing and remembers where the last dot stood: the eta the march reached.
class LastDotPlot final : public PlotSurface {
public:
    void Scale(double, double, double, double) override {}
    void Cls() override {}
    void Line(double, double, double, double) override {}
    void Line(double, double, double, double, Colour) override {}
    void Circle(double x, double, double, Colour) override { lastX = x; }
    double lastX = 0.0;
};

// The outer value minus 1, or nothing when the march did not reach eta max.
std::optional<double> missOf(const ClassicSetting& setting, double trial)
{
    const ClassicTrial t = marchClassic(setting, trial);
    if (t.end != TrialEnd::Reached) return std::nullopt;
    return t.outer - 1.0;
}

bool sameSign(double a, double b) { return (a < 0.0) == (b < 0.0); }

} // namespace

ClassicSetting classicSettingOf(const SearchRecord& record)
{
    ClassicSetting s;
    s.mode = record.mode;
    s.Beta = record.form.Beta;
    s.h = record.form.h;
    s.xMax = record.form.xMax;
    s.yMin = record.form.yMin;
    s.Pr = record.form.Pr;
    s.wallShear = record.wallShear;
    return s;
}

FormValues formValuesOf(const ClassicSetting& setting)
{
    FormValues form;
    form.Mode = setting.mode;
    form.xMax = setting.xMax;
    form.yMax = 1.0;
    form.yMin = setting.yMin;
    form.DotRadius = setting.xMax / 2000.0;
    form.h = setting.h;
    form.Beta = setting.Beta;
    form.Pr = setting.Pr;
    return form;
}

ClassicTrial marchClassic(const ClassicSetting& setting, double trial)
{
    const FormValues form = formValuesOf(setting);
    LastDotPlot plot;
    double fOuter = 0.0, gOuter = 0.0;
    const bool energy = setting.mode == MarchMode::Energy;
    const MarchOutcome m =
        RK4G(form, plot, 0.0, 0.0, energy ? setting.wallShear : trial, fOuter, 0.0, energy ? trial : 0.0, gOuter);
    ClassicTrial t;
    t.trial = trial;
    t.endEta = m.finished ? plot.lastX : m.faultEta;
    if (!m.finished) {
        t.end = TrialEnd::Overflow;
        return t;
    }
    t.outer = energy ? gOuter : fOuter;
    // The march reports the f' it stopped at; below f min it was cut off there.
    t.end = fOuter < setting.yMin ? TrialEnd::CutOff : TrialEnd::Reached;
    return t;
}

double refineClassicRoot(const ClassicSetting& setting, double a, double ra, double b, double rb,
                         const FamilyControl& control)
{
    // Illinois false position: superlinear, and never leaves the bracket.
    int side = 0;
    for (int i = 0; i < 200 && !control.cancelled(); ++i) {
        const double width = std::fabs(b - a);
        if (width <= 2.0 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(a), std::fabs(b))) break;
        double x = b - rb * (b - a) / (rb - ra);
        if (!(std::min(a, b) < x && x < std::max(a, b))) x = a + (b - a) / 2.0;
        const std::optional<double> rx = missOf(setting, x);
        if (!rx) { // a cut-off inside a bracket: fall back to halving towards the other end
            x = a + (b - a) / 2.0;
            const std::optional<double> rm = missOf(setting, x);
            if (!rm) break;
            if (sameSign(*rm, rb))
                b = x, rb = *rm;
            else
                a = x, ra = *rm;
            continue;
        }
        if (*rx == 0.0) return x;
        if (sameSign(*rx, rb)) {
            b = x, rb = *rx;
            if (side == -1) ra /= 2.0;
            side = -1;
        } else {
            a = x, ra = *rx;
            if (side == 1) rb /= 2.0;
            side = 1;
        }
    }
    return std::fabs(ra) < std::fabs(rb) ? a : b;
}

Outcome<double> classicRoot(const ClassicSetting& setting, double near, double spread, const FamilyControl& control)
{
    const auto cancelled = [] { return fail(FailureKind::Cancelled, "The root search was cancelled."); };
    const auto noRoot = [&] {
        return fail(FailureKind::NotConverged, "The classic march has no root near " + shortNumber(near) +
                                                   ": its outer value does not cross 1 there.");
    };
    std::optional<double> r0 = missOf(setting, near);
    if (!r0) return noRoot();
    if (*r0 == 0.0) return near;
    double step = spread > 0.0 && std::isfinite(spread) ? spread : 1e-3 * std::max(1.0, std::fabs(near));
    double x0 = near;
    double x1 = near + step;
    std::optional<double> r1 = missOf(setting, x1);
    if (!r1) {
        x1 = near - step;
        r1 = missOf(setting, x1);
        if (!r1) return noRoot();
    }
    // Secant steps towards the root until the miss changes sign, each at most four
    // times as long as the one before.
    for (int i = 0; i < 80 && sameSign(*r0, *r1); ++i) {
        if (control.cancelled()) return cancelled();
        if (*r1 == 0.0) return x1;
        const double last = x1 - x0;
        double next = *r1 != *r0 ? x1 - *r1 * last / (*r1 - *r0) : x1 + last;
        if (!std::isfinite(next)) return noRoot();
        const double limit = 4.0 * std::fabs(last);
        next = std::clamp(next, x1 - limit, x1 + limit);
        const std::optional<double> rn = missOf(setting, next);
        if (!rn) return noRoot();
        x0 = x1, r0 = r1;
        x1 = next, r1 = rn;
    }
    if (sameSign(*r0, *r1) && *r1 != 0.0) return noRoot();
    const double root = refineClassicRoot(setting, x0, *r0, x1, *r1, control);
    if (control.cancelled()) return cancelled();
    return root;
}

} // namespace cuneola::analysis
