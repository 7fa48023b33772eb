// SPDX-License-Identifier: GPL-3.0-or-later
// How a caller follows and stops a long computation from another thread.
#pragma once

#include <atomic>
#include <functional>

namespace cuneola::analysis {

struct FamilyControl {
    // Set by the caller to stop; the computation then ends with FailureKind::Cancelled.
    const std::atomic<bool>* cancel = nullptr;
    // Called with the fraction done, 0 to 1, from the computing thread.
    std::function<void(double)> progress;

    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
    void report(double fraction) const
    {
        if (progress) progress(fraction);
    }
};

} // namespace cuneola::analysis
