// SPDX-License-Identifier: GPL-3.0-or-later
// Where a second window goes on the screen: beside the first where there is room for it.
#include "ui/common/window_placement.h"

#include <algorithm>

namespace cuneola::ui {

QRect placeBeside(const QRect& beside, const QRect& available, const QSize& preferred, const QSize& minimum)
{
    const int height =
        std::clamp(preferred.height(), std::min(minimum.height(), available.height()), available.height());
    const int top =
        std::clamp(beside.top(), available.top(), std::max(available.top(), available.bottom() + 1 - height));
    const int right = available.right() + 1 - (beside.right() + 1);
    const int left = beside.left() - available.left();
    const int wanted = std::max(preferred.width(), minimum.width());
    if (right >= minimum.width()) return QRect(beside.right() + 1, top, std::min(wanted, right), height);
    if (left >= minimum.width()) {
        const int width = std::min(wanted, left);
        return QRect(beside.left() - width, top, width, height);
    }
    // No room on either side: as wide as the screen allows, from the edge farther from `beside`.
    const int width = std::min(wanted, available.width());
    const bool toRight = right >= left;
    return QRect(toRight ? available.right() + 1 - width : available.left(), top, width, height);
}

} // namespace cuneola::ui
