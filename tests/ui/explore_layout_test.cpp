// SPDX-License-Identifier: GPL-3.0-or-later
// The Explore window at the sizes of a classroom's screens: placed beside the main window, nothing cut, no text over
// another.
#include "explore_test_support.h"
#include "ui/common/window_placement.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QScreen>
#include <QtTest>

using namespace cuneola::testing;
using cuneola::ui::placeBeside;

namespace {

// Widgets whose text a reader must see whole.
bool showsText(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) return !label->text().isEmpty();
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
        qobject_cast<const QAbstractSpinBox*>(w))
        return true;
    // A spin box's own line edit is the spin box.
    return qobject_cast<const QLineEdit*>(w) && !qobject_cast<const QAbstractSpinBox*>(w->parentWidget());
}

// Inside what a scroll area scrolls, where leaving the visible part is no fault.
bool scrolled(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (const auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
            area && area->viewport() == p)
            return true;
    return false;
}

QString nameOf(const QWidget* w)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()), w->objectName());
}

// What is wrong with the window as laid out now: a widget beyond its window or its parent,
// a text in less room than it needs, two texts on top of each other.
QStringList layoutFaults(QWidget& window)
{
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QStringList faults;
    QList<std::pair<const QWidget*, QRect>> texts;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow() || scrolled(w)) continue;
        const QRect at(w->mapTo(&window, QPoint(0, 0)), w->size());
        if (!window.rect().contains(at)) faults << nameOf(w) + " leaves the window";
        if (!w->parentWidget()->rect().contains(w->geometry())) faults << nameOf(w) + " is cut by its parent";
        if (!showsText(w)) continue;
        const auto* label = qobject_cast<const QLabel*>(w);
        const QSize needed =
            label && label->wordWrap() ? QSize(0, label->heightForWidth(w->width())) : w->minimumSizeHint();
        if (w->width() < needed.width() || w->height() < needed.height())
            faults << QStringLiteral("%1 has %2×%3 for a text of %4×%5")
                          .arg(nameOf(w))
                          .arg(w->width())
                          .arg(w->height())
                          .arg(needed.width())
                          .arg(needed.height());
        for (const auto& [other, rect] : texts)
            if (rect.intersects(at) && !other->isAncestorOf(w) && !w->isAncestorOf(other))
                faults << nameOf(w) + " lies over " + nameOf(other);
        texts.append({w, at});
    }
    return faults;
}

// Every page of every tab widget in turn, the nested ones included; the faults of each, named by its tabs.
QStringList faultsOnEveryTab(QWidget& window, QTabWidget* tabs, const QString& path = QString())
{
    QStringList faults;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        const QString here = path + tabs->tabText(i).remove(QLatin1Char('&'));
        QList<QTabWidget*> nested = tabs->widget(i)->findChildren<QTabWidget*>();
        if (nested.isEmpty())
            for (const QString& fault : layoutFaults(window)) faults << here + ": " + fault;
        for (QTabWidget* inner : nested) faults << faultsOnEveryTab(window, inner, here + " / ");
    }
    tabs->setCurrentIndex(0);
    return faults;
}

} // namespace

class ExploreLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void placedBeside_data();
    void placedBeside();
    void nothingCutOrCovered_data();
    void nothingCutOrCovered();
    void opensBesideTheMainWindow();
};

void ExploreLayoutTest::placedBeside_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("placed");
    QTest::newRow("room on the right, narrowed to it")
        << QRect(0, 0, 523, 384) << QRect(0, 0, 1280, 720) << QRect(523, 0, 757, 700);
    QTest::newRow("room on the right for all of it")
        << QRect(0, 0, 523, 384) << QRect(0, 0, 1920, 1080) << QRect(523, 0, 1040, 700);
    QTest::newRow("room on the left only")
        << QRect(757, 100, 523, 384) << QRect(0, 0, 1280, 720) << QRect(0, 20, 757, 700);
    QTest::newRow("no room: against the far edge, as high as the screen")
        << QRect(0, 0, 523, 384) << QRect(0, 0, 960, 540) << QRect(0, 0, 960, 540);
}

void ExploreLayoutTest::placedBeside()
{
    QFETCH(QRect, main);
    QFETCH(QRect, screen);
    QFETCH(QRect, placed);
    QCOMPARE(placeBeside(main, screen, QSize(1040, 700), QSize(740, 500)), placed);
}

void ExploreLayoutTest::nothingCutOrCovered_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("beta");
    QTest::newRow("800×600") << "sized" << QRect() << QSize(800, 600) << 1.0;
    QTest::newRow("800×600 below separation, with its message") << "sized" << QRect() << QSize(800, 600) << -0.25;
    QTest::newRow("beside the main window on 1280×720") << "placed" << QRect(0, 0, 1280, 720) << QSize() << 1.0;
    QTest::newRow("on 1920×1080 at scale 2") << "placed" << QRect(0, 0, 960, 540) << QSize() << 1.0;
    QTest::newRow("at its least size") << "least" << QRect() << QSize() << 1.0;
    QTest::newRow("as opened") << "opened" << QRect() << QSize() << 1.0;
}

void ExploreLayoutTest::nothingCutOrCovered()
{
    QFETCH(QString, how);
    QFETCH(QRect, screen);
    QFETCH(QSize, size);
    QFETCH(double, beta);
    ExploreSession s;
    s.open();
    s.beta()->setValue(beta);
    WAIT_UNTIL_IDLE(*s.explore);
    QSize wanted = s.explore->size();
    if (how == "sized") {
        wanted = size;
    } else if (how == "least") {
        // Narrower, the inputs take more lines and the least height grows: until it holds still.
        for (int tries = 0; tries < 3 && wanted != s.explore->minimumSize(); ++tries) {
            wanted = s.explore->minimumSize();
            s.explore->resize(wanted);
            QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
    } else if (how == "placed") {
#ifdef CUNEOLA_SANITIZED_LAYOUT
        // The unoptimised sanitizer build lays Explore out 28 px taller (least height 556 px,
        // over the 540 of this screen); the optimised builds check this row.
        if (screen.height() < 600) QSKIP("the 960×540 screen is checked in the optimised builds");
#endif
        s.explore->placeBeside(s.window, screen);
        wanted = s.explore->frameGeometry().size();
        QVERIFY(screen.contains(s.explore->frameGeometry()));
        if (screen.width() >= 1280) QVERIFY(!s.explore->frameGeometry().intersects(s.window.frameGeometry()));
    }
    s.explore->resize(wanted);
    QTRY_COMPARE(s.explore->size(), wanted);
    const QStringList faults = faultsOnEveryTab(*s.explore, control<QTabWidget>(*s.explore, "Tabs_Explore"));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void ExploreLayoutTest::opensBesideTheMainWindow()
{
    ExploreSession s;
    s.open();
    const QRect screen = s.window.screen()->availableGeometry();
    const QRect main = s.window.frameGeometry(), explore = s.explore->frameGeometry();
    // A screen smaller than the window's least size cannot hold it (the default offscreen one at scale 1.5).
    const QSize least = s.explore->minimumSize();
    if (screen.width() >= least.width() && screen.height() >= least.height()) QVERIFY(screen.contains(explore));
    if (screen.right() - main.right() >= s.explore->minimumSize().width()) QVERIFY(!explore.intersects(main));
}

QTEST_MAIN(ExploreLayoutTest)
#include "explore_layout_test.moc"
