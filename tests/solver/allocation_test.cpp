// SPDX-License-Identifier: GPL-3.0-or-later
// The march allocates nothing, and a search allocates nothing per trial.
#include "null_window.h"
#include "solver/rk4g.h"
#include "solver/shooting_search.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace cuneola {
namespace {

long allocationsDuring(auto&& work)
{
    const long before = g_allocations.load();
    work();
    return g_allocations.load() - before;
}

TEST(Allocation, MarchAllocatesNothing)
{
    FormValues v;
    v.xMax = 10;
    v.yMax = 1.5;
    v.yMin = -1;
    v.h = 0.01;
    v.Pr = 1;
    bench::NullPlot plot;
    double fOut = 0, gOut = 0;
    for (MarchMode mode : {MarchMode::Momentum, MarchMode::Energy}) {
        v.Mode = mode;
        EXPECT_EQ(allocationsDuring([&] { RK4G(v, plot, 0, 0, 0.4696, fOut, 0, 0.4696, gOut); }), 0);
    }
}

TEST(Allocation, SearchCostDoesNotGrowWithTrials)
{
    auto searchWith = [](double maxIter) {
        FormValues form;
        bench::NullPlot plot;
        bench::DefaultsHost host;
        host.values[static_cast<int>(InputBox::Eps)] = 0.0; // never converges
        host.values[static_cast<int>(InputBox::MaxIter)] = maxIter;
        host.values[static_cast<int>(InputBox::xMax)] = 0.1;
        return allocationsDuring([&] { runSearch(MarchMode::Momentum, form, plot, host); });
    };
    EXPECT_EQ(searchWith(5), searchWith(500));
}

} // namespace
} // namespace cuneola
