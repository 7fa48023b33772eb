// SPDX-License-Identifier: GPL-3.0-or-later
// Tab widgets that repaint only what changed when a page's size hint does.
#pragma once

class QTabWidget;

namespace cuneola::ui {

// A QTabWidget answers every layout request, which its pages send whenever a label or a
// row in them changes its size hint, by repainting itself whole, pages and all. Yet the
// places of its tab bar and page depend only on its own size and on the tab bar's size
// hint. While those stand, the request is only passed on to the parent (the page's new
// hint may change the window's least size): the widgets in the page that moved or
// changed size repaint themselves.
void repaintTabsOnlyWhenMoved(QTabWidget* tabs);

} // namespace cuneola::ui
