// SPDX-License-Identifier: GPL-3.0-or-later
// The function a classic search zeroes: the outer value against the trial wall value.
#include "analysis/shooting_map.h"

#include <algorithm>
#include <cmath>

namespace cuneola::analysis {
namespace {

bool reached(const ClassicTrial& t) { return t.end == TrialEnd::Reached; }

} // namespace

Outcome<ShootingMap> shootingMap(const ClassicSetting& setting, std::span<const double> trials, int samples,
                                 const FamilyControl& control)
{
    std::vector<double> finiteTrials;
    for (double t : trials)
        if (std::isfinite(t)) finiteTrials.push_back(t);
    if (finiteTrials.empty())
        return fail(FailureKind::NotDefined, "The search made no trial to draw the shooting map around.");

    ShootingMap map;
    double lo = *std::min_element(finiteTrials.begin(), finiteTrials.end());
    double hi = *std::max_element(finiteTrials.begin(), finiteTrials.end());
    // The root the search was closing in on belongs in the picture even when the
    // search stopped short of it.
    const double last = finiteTrials.back();
    const double spread = std::max(hi / 2.0 - lo / 2.0, 1e-3 * std::max(1.0, std::fabs(last)));
    if (const Outcome<double> root = classicRoot(setting, last, spread / 10.0, control);
        root && std::fabs(*root - last) < 100.0 * spread) {
        lo = std::min(lo, *root);
        hi = std::max(hi, *root);
    }
    const double margin = std::max(hi / 10.0 - lo / 10.0, 1e-4 * std::max(1.0, std::fabs(hi)));
    map.from = lo - margin;
    map.to = hi + margin;
    if (!std::isfinite(map.from)) map.from = lo;
    if (!std::isfinite(map.to)) map.to = hi;

    const int n = std::max(samples, kMinMapSamples);
    std::vector<double> values = finiteTrials;
    // from (1 - t) + to t: no overflow even when the trials span the whole double range.
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / (n - 1);
        values.push_back(map.from * (1.0 - t) + map.to * t);
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());

    map.samples.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (control.cancelled()) return fail(FailureKind::Cancelled, "The shooting map was cancelled.");
        map.samples.push_back(marchClassic(setting, values[i]));
        control.report(static_cast<double>(i + 1) / static_cast<double>(values.size()));
    }

    // Every crossing of 1 between two neighbouring samples that both reached eta max.
    for (std::size_t i = 1; i < map.samples.size(); ++i) {
        const ClassicTrial& a = map.samples[i - 1];
        const ClassicTrial& b = map.samples[i];
        if (!reached(a) || !reached(b)) continue;
        const double ra = a.outer - 1.0, rb = b.outer - 1.0;
        if (ra == 0.0) {
            map.roots.push_back(a.trial);
            continue;
        }
        if ((ra < 0.0) != (rb < 0.0) && rb != 0.0)
            map.roots.push_back(refineClassicRoot(setting, a.trial, ra, b.trial, rb, control));
    }
    if (!map.samples.empty() && reached(map.samples.back()) && map.samples.back().outer == 1.0)
        map.roots.push_back(map.samples.back().trial);
    // A root refinement cut short would be drawn in the wrong place.
    if (control.cancelled()) return fail(FailureKind::Cancelled, "The shooting map was cancelled.");
    return map;
}

} // namespace cuneola::analysis
