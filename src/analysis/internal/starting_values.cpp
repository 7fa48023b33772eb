// SPDX-License-Identifier: GPL-3.0-or-later
// Where Newton shooting starts: f''(0) and eta_inf from tables, never from the user.
#include "analysis/internal/starting_values.h"

#include "analysis/internal/far_field.h"
#include "analysis/published_values.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace cuneola::analysis {
namespace {

struct BranchPoint {
    double beta;
    double wallShear;
    double etaInf; // where f''(0) settled
};

// The reversed-flow branch as this library's own continuation from the fold found it;
// only a starting table, good to about 1e-9.
constexpr std::array<BranchPoint, 33> kReversedFlow{{
    {-0.198, -0.023744090, 12},  {-0.195, -0.048967082, 12},  {-0.19, -0.071335906, 10},   {-0.18, -0.097692060, 10},
    {-0.17, -0.114227239, 12},   {-0.16, -0.125567664, 12},   {-0.15, -0.133421238, 12},   {-0.14, -0.138638925, 12},
    {-0.12, -0.142935194, 13},   {-0.1, -0.140546213, 13},    {-0.08, -0.132227654, 14},   {-0.06, -0.117924111, 14},
    {-0.05, -0.108271083, 15},   {-0.04, -0.096636787, 15},   {-0.03, -0.082562965, 16},   {-0.025, -0.074365678, 17},
    {-0.02, -0.065168586, 17},   {-0.015, -0.054671648, 18},  {-0.01, -0.042320926, 19},   {-0.008, -0.036624090, 20},
    {-0.006, -0.030291870, 21},  {-0.005, -0.026807451, 22},  {-0.004, -0.023039252, 23},  {-0.003, -0.018894751, 24},
    {-0.0025, -0.016634667, 25}, {-0.002, -0.014208308, 26},  {-0.0015, -0.011563790, 28}, {-0.001, -0.008610811, 31},
    {-0.0008, -0.007306989, 32}, {-0.0006, -0.005904066, 35}, {-0.0005, -0.005154520, 37}, {-0.0004, -0.004363345, 39},
    {-0.0003, -0.003518156, 43},
}};

double lerp(double x0, double y0, double x1, double y1, double x) { return y0 + (y1 - y0) * (x - x0) / (x1 - x0); }

struct Thickness {
    double beta;
    double displacement;
};

// delta* on the attached branch, rounded: only where the far end goes.
constexpr std::array<Thickness, 8> kAttachedDisplacement{{
    {-0.1988, 2.34},
    {-0.15, 1.65},
    {-0.1, 1.44},
    {0.0, 1.22},
    {0.3, 0.91},
    {1.0, 0.65},
    {2.0, 0.50},
    {4.0, 0.37},
}};

StartingValue attached(double beta, double separation)
{
    const auto table = inglisTable();
    // f''(0)^2 is smooth through the fold, f''(0) itself is not: interpolate the square.
    double previousBeta = separation;
    double previousSquare = 0.0;
    for (const PublishedWallShear& row : table) {
        const double square = row.wallShear * row.wallShear;
        if (beta <= row.beta) {
            const double s2 = lerp(previousBeta, previousSquare, row.beta, square, beta);
            return {std::sqrt(std::max(s2, 0.0)), 4.0, attachedFarEnd(beta)};
        }
        previousBeta = row.beta;
        previousSquare = square;
    }
    // Beyond the table f''(0) grows like sqrt(beta).
    const PublishedWallShear& last = table.back();
    return {last.wallShear * std::sqrt(beta / last.beta), 3.0, attachedFarEnd(beta)};
}

StartingValue reversed(double beta, double separation)
{
    const BranchPoint& first = kReversedFlow.front();
    if (beta <= first.beta) {
        // Between the fold and the first point f''(0)^2 grows linearly with beta.
        const double s2 = lerp(separation, 0.0, first.beta, first.wallShear * first.wallShear, beta);
        return {-std::sqrt(std::max(s2, 0.0)), first.etaInf - 2.0, first.etaInf};
    }
    const auto next = std::find_if(kReversedFlow.begin(), kReversedFlow.end(),
                                   [beta](const BranchPoint& p) { return p.beta >= beta; });
    if (next == kReversedFlow.end())
        return {kReversedFlow.back().wallShear, kReversedFlow.back().etaInf - 3.0, kReversedFlow.back().etaInf};
    const BranchPoint& right = *next;
    const BranchPoint& left = *std::prev(next);
    const double farEnd = std::max(left.etaInf, right.etaInf);
    return {lerp(left.beta, left.wallShear, right.beta, right.wallShear, beta), farEnd - 3.0, farEnd};
}

} // namespace

double attachedFarEnd(double beta, double suction)
{
    const auto& t = kAttachedDisplacement;
    beta = std::clamp(beta, t.front().beta, t.back().beta);
    const auto next = std::find_if(t.begin() + 1, t.end() - 1, [beta](const Thickness& p) { return p.beta >= beta; });
    const Thickness& left = *std::prev(next);
    const double displacement = lerp(left.beta, left.displacement, next->beta, next->displacement, beta);
    const double fw = std::max(suction, 0.0);
    const double flat = farZeta(0.0); // no help from the algebraic factor
    const double outer = std::min(farZeta(beta), std::sqrt(fw * fw + flat * flat) - fw);
    return std::ceil(std::max(displacement, 0.0) + outer);
}

StartingValue startingValue(double beta, Branch branch, double separation)
{
    return branch == Branch::Attached ? attached(beta, separation) : reversed(beta, separation);
}

} // namespace cuneola::analysis
