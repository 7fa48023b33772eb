// SPDX-License-Identifier: GPL-3.0-or-later
// The Explore window as a whole: opened from the menu, its β and Pr from the main window, keyboard and screen readers.
#include "explore_test_support.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QPushButton>
#include <QtTest>

using namespace cuneola::testing;

namespace {

// The widgets a keyboard user must reach: those that take the focus by Tab.
QList<QWidget*> tabStops(const QWidget& window)
{
    QList<QWidget*> stops;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->isVisibleTo(&window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            stops << w;
    return stops;
}

// A focused spin box's line edit counts as the spin box.
QWidget* stopOf(QWidget* focused, const QList<QWidget*>& stops)
{
    for (QWidget* w = focused; w; w = w->parentWidget())
        if (stops.contains(w)) return w;
    return focused;
}

} // namespace

class ExploreWindowTest : public QObject {
    Q_OBJECT
private slots:
    void oneModelessWindowWithoutOwner();
    void takesBetaAndPrFromTheMainWindow_data();
    void takesBetaAndPrFromTheMainWindow();
    void takesThemAgainOnRequestAndOnReopening();
    void everyControlHasAnAccessibleName();
    void everyControlIsReachableByTab();
    void plotsCopyAsImages();
    void focusedChartShowsAFrame();
};

void ExploreWindowTest::oneModelessWindowWithoutOwner()
{
    ExploreSession s;
    QVERIFY(s.window.exploreWindow() == nullptr);
    s.open();
    Form_Explore* first = s.explore;
    QCOMPARE(first->objectName(), "Form_Explore");
    QVERIFY(first->isWindow());
    QVERIFY(first->parentWidget() == nullptr);
    QCOMPARE(first->windowModality(), Qt::NonModal);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    s.open();
    QCOMPARE(s.window.exploreWindow(), first);
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) shown += qobject_cast<Form_Explore*>(w) && w->isVisible();
    QCOMPARE(shown, 1);
    // The main window works on while Explore is open.
    s.click("Command1");
    QCOMPARE(s.status(), "Iteration converged");
    QVERIFY(first->isVisible());
}

void ExploreWindowTest::takesBetaAndPrFromTheMainWindow_data()
{
    QTest::addColumn<QString>("betaText");
    QTest::addColumn<QString>("PrText");
    QTest::addColumn<double>("beta");
    QTest::addColumn<double>("Pr");
    QTest::addColumn<QString>("said"); // empty: nothing to say
    QTest::newRow("defaults") << "0"
                              << "1" << 0.0 << 1.0 << "";
    QTest::newRow("typed values") << "0.5"
                                  << "0.7" << 0.5 << 0.7 << "";
    QTest::newRow("by the Val rule") << "1D-1 wedge"
                                     << " 7 " << 0.1 << 7.0 << "";
    QTest::newRow("β above the range") << "5"
                                       << "0.7" << 0.0 << 0.7 << "β = 5 is outside -0.3 to 4";
    QTest::newRow("Pr of zero, as an empty box reads") << "0.3"
                                                       << "" << 0.3 << 1.0 << "Pr = 0 is outside 0.001 to 1000";
    QTest::newRow("β too large for a double") << "1e400"
                                              << "1" << 0.0 << 1.0 << "too large a number";
}

void ExploreWindowTest::takesBetaAndPrFromTheMainWindow()
{
    QFETCH(QString, betaText);
    QFETCH(QString, PrText);
    QFETCH(double, beta);
    QFETCH(double, Pr);
    QFETCH(QString, said);
    ExploreSession s;
    s.setText("Text_Beta", betaText);
    s.setText("Text_Pr", PrText);
    s.open();
    QCOMPARE(s.beta()->value(), beta);
    QCOMPARE(s.Pr()->value(), Pr);
    if (said.isEmpty())
        QVERIFY2(s.message().isEmpty(), qPrintable(s.message()));
    else
        QVERIFY2(s.message().contains(said), qPrintable(s.message()));
    QVERIFY(!cell(*s.explore, "f''(0)", ResultsTableModel::ValueColumn).isEmpty());
    QCOMPARE(s.text("Text_Beta"), betaText); // the main window's boxes stay as they are
}

void ExploreWindowTest::takesThemAgainOnRequestAndOnReopening()
{
    ExploreSession s;
    s.open();
    s.setText("Text_Beta", "1");
    QCOMPARE(s.beta()->value(), 0.0); // nothing follows the main window on its own
    QTest::mouseClick(control<QPushButton>(*s.explore, "Command_TakeFromMain"), Qt::LeftButton);
    QCOMPARE(s.beta()->value(), 1.0);
    QVERIFY(cell(*s.explore, "f''(0)", ResultsTableModel::ValueColumn).startsWith("1.2325876"));

    s.explore->close();
    s.setText("Text_Pr", "7");
    s.open();
    QCOMPARE(s.Pr()->value(), 7.0);
}

void ExploreWindowTest::everyControlHasAnAccessibleName()
{
    ExploreSession s;
    s.open();
    auto* tabs = control<QTabWidget>(*s.explore, "Tabs_Explore");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        for (QWidget* w : tabStops(*s.explore))
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName() + " " + w->metaObject()->className()));
    }
}

void ExploreWindowTest::everyControlIsReachableByTab()
{
    ExploreSession s;
    s.open();
    s.click("Command1"); // every tab with its content
    WAIT_UNTIL_IDLE(*s.explore);
    s.explore->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.explore));
    auto* tabs = control<QTabWidget>(*s.explore, "Tabs_Explore");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        const QList<QWidget*> stops = tabStops(*s.explore);
        QVERIFY(stops.size() >= 8);
        s.beta()->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return s.explore->focusWidget() != nullptr; }));
        QSet<QWidget*> reached;
        for (int press = 0; press < 2 * stops.size(); ++press) {
            reached << stopOf(QApplication::focusWidget(), stops);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget* w : stops)
            QVERIFY2(reached.contains(w),
                     qPrintable(tabs->tabText(i) + ": " + w->objectName() + " " + w->metaObject()->className()));
    }
}

void ExploreWindowTest::plotsCopyAsImages()
{
    ExploreSession s;
    s.open();
    for (const char* name :
         {"Chart_Solution", "Chart_Shooting", "Chart_WallShear", "Chart_ShapeFactor", "Chart_HeatTransfer"}) {
        auto* view = control<ChartView>(*s.explore, name);
        QAction* copy = view->findChild<QAction*>("copyPlotAction");
        QVERIFY(copy);
        QCOMPARE(copy->text(), "Copy plot");
        QGuiApplication::clipboard()->clear();
        copy->trigger();
        const QImage image = QGuiApplication::clipboard()->image();
        QVERIFY2(!image.isNull(), name);
        const QSize expected = view->size() * view->devicePixelRatio();
        QVERIFY(std::abs(image.width() - expected.width()) <= 1 && std::abs(image.height() - expected.height()) <= 1);
    }
}

void ExploreWindowTest::focusedChartShowsAFrame()
{
    ExploreSession s;
    s.open();
    s.explore->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.explore));
    s.showTab("Tab_Separation");
    auto* shear = control<ChartView>(*s.explore, "Chart_WallShear");
    auto* shape = control<ChartView>(*s.explore, "Chart_ShapeFactor");
    const QRgb highlight = shear->palette().color(QPalette::Highlight).rgb();
    // A pixel at the middle of the left edge, in the view and in its copied picture.
    const auto edge = [](const QImage& image) { return image.pixel(1, image.height() / 2); };
    const auto framed = [&](ChartView* view) { return edge(view->viewport()->grab().toImage()) == highlight; };
    QVERIFY(!framed(shear) && !framed(shape));
    shear->setFocus(Qt::TabFocusReason);
    QVERIFY(framed(shear) && !framed(shape));
    shape->setFocus(Qt::TabFocusReason);
    QVERIFY(!framed(shear) && framed(shape));
    QVERIFY(edge(shape->snapshot()) != highlight);
}

QTEST_MAIN(ExploreWindowTest)
#include "explore_window_test.moc"
