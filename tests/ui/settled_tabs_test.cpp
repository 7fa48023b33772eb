// SPDX-License-Identifier: GPL-3.0-or-later
// Tab widgets that leave unchanged pages unpainted: what must move still moves.
#include "ui/common/settled_tabs.h"

#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {

class PaintCount : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// A window with tabs whose first page has a part that does not change beside a column
// with a note that grows, as a chart beside a table with notes.
struct TabbedWindow {
    QWidget window;
    QTabWidget* tabs = new QTabWidget;
    QLabel* steady = new QLabel(QStringLiteral("unchanged"));
    QLabel* note = new QLabel(QStringLiteral("one line"));

    TabbedWindow()
    {
        auto* page = new QWidget;
        auto* row = new QHBoxLayout(page);
        row->addWidget(steady);
        auto* column = new QVBoxLayout;
        column->addWidget(new QLabel(QStringLiteral("table")), 1);
        column->addWidget(note);
        row->addLayout(column);
        tabs->addTab(page, QStringLiteral("Page"));
        tabs->addTab(new QWidget, QStringLiteral("Other"));
        cuneola::ui::repaintTabsOnlyWhenMoved(tabs);
        (new QVBoxLayout(&window))->addWidget(tabs);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }
};

} // namespace

class SettledTabsTest : public QObject {
    Q_OBJECT
private slots:
    void aGrowingNoteRepaintsOnlyWhatMoved();
    void aLongerTabTextStillMovesTheTabBar();
};

// The page's new least size still reaches the window, but the part beside the note is not
// repainted for it.
void SettledTabsTest::aGrowingNoteRepaintsOnlyWhatMoved()
{
    TabbedWindow w;
    PaintCount count;
    w.steady->installEventFilter(&count);
    const int leastHeight = w.window.minimumSizeHint().height();
    w.note->setText(QStringLiteral("one\ntwo\nthree\nfour\nfive\nsix\nseven\neight"));
    QTRY_VERIFY(w.window.minimumSizeHint().height() > leastHeight + 50);
    QTest::qWait(50);
    QCOMPARE(count.paints, 0);
}

void SettledTabsTest::aLongerTabTextStillMovesTheTabBar()
{
    TabbedWindow w;
    // Through the bar itself, which tells its tab widget only by a layout request.
    w.tabs->tabBar()->setTabText(1, QStringLiteral("A much longer name for the other page"));
    QTRY_COMPARE(w.tabs->tabBar()->width(), w.tabs->tabBar()->sizeHint().width());
}

QTEST_MAIN(SettledTabsTest)
#include "settled_tabs_test.moc"
