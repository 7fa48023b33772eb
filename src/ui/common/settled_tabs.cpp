// SPDX-License-Identifier: GPL-3.0-or-later
// Tab widgets that repaint only what changed when a page's size hint does.
#include "ui/common/settled_tabs.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

namespace cuneola::ui {

namespace {

class SettledTabs : public QObject {
public:
    explicit SettledTabs(QTabWidget* tabs) : QObject(tabs), m_tabs(tabs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_tabs || event->type() != QEvent::LayoutRequest) return false;
        const QTabBar* bar = m_tabs->tabBar();
        const QSize barHint = bar->isVisible() ? bar->sizeHint() : QSize(0, 0);
        const bool settled = m_tabs->isVisible() && barHint == m_barHint && m_tabs->size() == m_size;
        m_barHint = barHint;
        m_size = m_tabs->size();
        if (!settled) return false;
        m_tabs->updateGeometry();
        return true;
    }

private:
    QTabWidget* m_tabs;
    QSize m_barHint;
    QSize m_size;
};

} // namespace

void repaintTabsOnlyWhenMoved(QTabWidget* tabs) { tabs->installEventFilter(new SettledTabs(tabs)); }

} // namespace cuneola::ui
