// SPDX-License-Identifier: GPL-3.0-or-later
// The similarity flow over a wedge in physical space: streamlines, layer edges and velocity profiles.
#include "analysis/wedge_flow.h"

#include <algorithm>
#include <cmath>

namespace cuneola::analysis {
namespace {

constexpr int kGridPoints = 481;
constexpr int kXSamples = 160;
constexpr int kStreamlines = 10;
constexpr int kArrows = 9;

// eta at which f takes `target`, on the rising part of f (from its minimum on) or, for
// `falling`, between the wall and the minimum. Beyond the grid f rises with slope 1.
double etaOfF(const Profiles& p, std::size_t lowest, double target, bool falling)
{
    const std::vector<double>& f = p.f;
    if (falling) {
        for (std::size_t i = 1; i <= lowest; ++i)
            if (f[i] <= target) {
                const double t = (target - f[i - 1]) / (f[i] - f[i - 1]);
                return p.eta[i - 1] + t * (p.eta[i] - p.eta[i - 1]);
            }
        return p.eta[lowest];
    }
    if (target >= f.back()) return p.eta.back() + (target - f.back());
    if (target <= f[lowest]) return p.eta[lowest];
    const auto first = f.begin() + static_cast<std::ptrdiff_t>(lowest);
    const auto i = static_cast<std::size_t>(std::upper_bound(first, f.end(), target) - f.begin());
    const double t = (target - f[i - 1]) / (f[i] - f[i - 1]);
    return p.eta[i - 1] + t * (p.eta[i] - p.eta[i - 1]);
}

double valueAt(const std::vector<double>& eta, const std::vector<double>& v, double at)
{
    if (at >= eta.back()) return v.back();
    const auto i = static_cast<std::size_t>(std::upper_bound(eta.begin(), eta.end(), at) - eta.begin());
    if (i == 0) return v.front();
    const double t = (at - eta[i - 1]) / (eta[i] - eta[i - 1]);
    return v[i - 1] + t * (v[i] - v[i - 1]);
}

} // namespace

WedgeFlow wedgeFlow(const SimilaritySolution& s, const Station& st)
{
    WedgeFlow flow;
    const double beta = s.momentum.beta;
    const double m = wedgeExponent(beta);
    if (!std::isfinite(m) || !stationInputErrors(st).empty()) return flow;

    const MomentumSolution& mo = s.momentum;
    const bool attached = mo.eta99.ok() && mo.branch == Branch::Attached;
    // The layer's edge: eta99, or on the reversed-flow branch three displacement thicknesses.
    const double etaEdge = attached ? *mo.eta99 : 3.0 * mo.displacement;
    const Profiles p = sampleProfiles(s, std::max(mo.etaInf, 1.6 * etaEdge), kGridPoints);
    if (p.f.size() < 2) return flow;
    const std::size_t lowest = static_cast<std::size_t>(std::min_element(p.f.begin(), p.f.end()) - p.f.begin());

    flow.xEnd = 1.5 * st.x;
    // U(x) = U (x / x_s)^m; the height of eta is eta H(x) and psi = S(x) f.
    const auto U = [&](double x) { return st.U * std::pow(x / st.x, m); };
    const auto H = [&](double x) { return heightOf(1.0, x, beta, st); };
    const auto S = [&](double x) { return std::sqrt(2.0 * st.nu * U(x) * x / (m + 1.0)); };
    // The layer thickens downstream for m < 1 and thins for m > 1.
    flow.yTop = 2.2 * etaEdge * std::max(H(st.x), H(flow.xEnd));

    std::vector<double> xs;
    for (int i = 1; i <= kXSamples; ++i) {
        const double t = static_cast<double>(i) / kXSamples;
        xs.push_back(flow.xEnd * t * t); // closer together near the leading edge
    }
    for (const double x : xs) {
        const double h = H(x);
        if (attached) flow.delta99.push_back({x, *mo.eta99 * h});
        flow.deltaStar.push_back({x, mo.displacement * h});
    }

    const double etaTop = flow.yTop / H(st.x);
    std::vector<double> levels; // psi / S(x_s), that is f at the station
    for (int k = 1; k <= kStreamlines; ++k) levels.push_back(valueAt(p.eta, p.f, etaTop * k / kStreamlines));
    const double fMin = p.f[lowest];
    for (const double c : {0.35, 0.75})
        if (fMin < 0.0) levels.push_back(c * fMin);

    const double Ss = S(st.x);
    for (const double level : levels) {
        const double psi = Ss * level;
        std::vector<FlowPoint> line;
        if (psi < 0.0) {
            // Back along the wall from downstream, round the turn, and downstream again above.
            for (auto x = xs.rbegin(); x != xs.rend(); ++x) {
                const double target = psi / S(*x);
                if (target < fMin) break;
                line.push_back({*x, etaOfF(p, lowest, target, true) * H(*x)});
            }
            const std::size_t turn = line.size();
            for (std::size_t i = xs.size() - turn; i < xs.size(); ++i)
                line.push_back({xs[i], etaOfF(p, lowest, psi / S(xs[i]), false) * H(xs[i])});
        } else {
            for (const double x : xs) {
                const double y = etaOfF(p, lowest, psi / S(x), false) * H(x);
                // Only the last point above the picture is kept, for the line to leave it.
                if (y > flow.yTop && !line.empty() && line.back().y > flow.yTop) line.pop_back();
                line.push_back({x, y});
            }
        }
        // Ahead of a flat plate the stream is uniform: the line comes in level.
        if (m == 0.0 && psi > 0.0 && !line.empty()) line.insert(line.begin(), FlowPoint{-flow.xEnd, line.front().y});
        if (line.size() > 1) flow.streamlines.push_back(std::move(line));
    }

    for (const double x : {0.45 * st.x, st.x, 1.3 * st.x}) {
        VelocityProfile v{x, {}, {}};
        const double h = H(x);
        const double top = std::min(1.5 * etaEdge * h, flow.yTop);
        for (int j = 0; j < kArrows; ++j) {
            const double y = top * (j + 0.5) / kArrows;
            v.y.push_back(y);
            v.u.push_back(U(x) * valueAt(p.eta, p.fp, y / h));
        }
        flow.profiles.push_back(std::move(v));
    }
    return flow;
}

} // namespace cuneola::analysis
