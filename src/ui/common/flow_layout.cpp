// SPDX-License-Identifier: GPL-3.0-or-later
// A layout that places its items left to right and wraps them onto further lines when the width runs out.
#include "ui/common/flow_layout.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>

FlowLayout::FlowLayout(QWidget* parent, int gap) : QLayout(parent), m_gap(gap) {}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { m_items.append(item); }

int FlowLayout::count() const { return static_cast<int>(m_items.size()); }

QLayoutItem* FlowLayout::itemAt(int index) const { return m_items.value(index); }

QLayoutItem* FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size()) return nullptr;
    return m_items.takeAt(index);
}

Qt::Orientations FlowLayout::expandingDirections() const { return Qt::Horizontal; }

bool FlowLayout::hasHeightForWidth() const { return true; }

int FlowLayout::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : m_items) size = size.expandedTo(item->minimumSize());
    if (m_laidOutHeight >= 0) size.setHeight(std::max(size.height(), m_laidOutHeight));
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m_laidOutHeight >= 0 ? 0 : m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const
{
    // All on one line.
    int width = 0, height = 0;
    for (const QLayoutItem* item : m_items) {
        if (item->isEmpty()) continue;
        if (width > 0) width += m_gap;
        width += item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const int height = arrange(rect, true);
    // The minimum follows the lines: a window made narrower grows as tall as they need.
    if (height != m_laidOutHeight) {
        m_laidOutHeight = height;
        invalidate();
    }
}

int FlowLayout::lineGap() const
{
    const QWidget* widget = parentWidget();
    const int gap = widget ? widget->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, widget) : 6;
    return std::max(gap, 0);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int width = std::max(area.width(), 1);
    QList<QLayoutItem*> shown;
    for (QLayoutItem* item : m_items)
        if (!item->isEmpty()) shown.append(item);

    int y = area.top();
    qsizetype first = 0;
    while (first < shown.size()) {
        // As many items as fit, and at least one.
        qsizetype end = first + 1;
        int used = shown[first]->sizeHint().width();
        while (end < shown.size() && used + m_gap + shown[end]->sizeHint().width() <= width)
            used += m_gap + shown[end++]->sizeHint().width();
        int lineHeight = 0;
        int growers = 0;
        for (qsizetype i = first; i < end; ++i) {
            lineHeight = std::max(lineHeight, shown[i]->sizeHint().height());
            growers += (shown[i]->expandingDirections() & Qt::Horizontal) ? 1 : 0;
        }
        if (apply) {
            int spare = std::max(width - used, 0);
            int x = area.left();
            for (qsizetype i = first; i < end; ++i) {
                QLayoutItem* item = shown[i];
                int w = item->sizeHint().width();
                if (end - first == 1) w = std::max(std::min(w, width), item->minimumSize().width());
                if (growers > 0 && (item->expandingDirections() & Qt::Horizontal)) {
                    const int share = spare / growers--;
                    w += share;
                    spare -= share;
                }
                const int h = std::min(lineHeight, std::max(item->sizeHint().height(), item->minimumSize().height()));
                item->setGeometry(QRect(x, y + (lineHeight - h) / 2, w, h));
                x += w + m_gap;
            }
        }
        y += lineHeight;
        first = end;
        if (first < shown.size()) y += lineGap();
    }
    const QMargins m = contentsMargins();
    return y - area.top() + m.top() + m.bottom();
}
