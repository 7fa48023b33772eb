// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows through Qt's accessibility interface: what a screen reader is told and can read.
#include "explore_test_support.h"
#include "ui/classic/form_about.h"
#include "ui/common/accessibility.h"
#include "ui/explore/heat_transfer_tab.h"
#include "ui/explore/separation_tab.h"
#include "ui/explore/shooting_tab.h"

#include <QAccessible>
#include <QSlider>
#include <QtTest>

#include <vector>

using namespace cuneola::testing;

namespace {

// The events a screen reader would be sent, with the name of their object at that moment.
struct Heard {
    QAccessible::Event type;
    QObject* object;
    QString name;
};
std::vector<Heard>* g_heard = nullptr;

void record(QAccessibleEvent* event)
{
    if (!g_heard || (event->type() != QAccessible::ObjectShow && event->type() != QAccessible::NameChanged)) return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(event->object());
    g_heard->push_back({event->type(), event->object(), iface ? iface->text(QAccessible::Name) : QString()});
}

struct Listener {
    std::vector<Heard> heard;
    Listener()
    {
        g_heard = &heard;
        // Qt sends its events only to a running screen reader; the windows' own come here too.
        cuneola::ui::watchAccessibility(record);
    }
    ~Listener()
    {
        cuneola::ui::watchAccessibility(nullptr);
        g_heard = nullptr;
    }
    // What a notification said: its name each time it was shown while showing.
    QStringList said(const QObject* from) const
    {
        QStringList texts;
        for (const Heard& h : heard)
            if (h.type == QAccessible::ObjectShow && h.object == from) texts << h.name;
        return texts;
    }
};

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

QString nameOf(QObject* object) { return accessible(object)->text(QAccessible::Name); }

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void calculateAnnouncesTheStatus();
    void boxesReadTheirWholeText_data();
    void boxesReadTheirWholeText();
    void menuKeysOpenTheWindowsWithoutTyping_data();
    void menuKeysOpenTheWindowsWithoutTyping();
    void exploreAnnouncesSeparation();
    void slidersSpeakWhatTheySet_data();
    void slidersSpeakWhatTheySet();
    void branchAndTabsAreHeard();
    void resultLabelsReadTheirText();
    void chartsDescribeAndStepThroughPoints();
    void tableAndCheckBoxSpeakInWords();
};

void AccessibilityTest::calculateAnnouncesTheStatus()
{
    TestWindow t;
    QLabel* status = control<QLabel>(t.window, "Lbl_iter");
    // Blank before the first Calculate: plain text, so that opening the window says nothing.
    QCOMPARE(accessible(status)->role(), QAccessible::StaticText);
    QCOMPARE(nameOf(status), QStringLiteral("Status"));
    Listener listener;
    t.click("Command1");
    QCOMPARE(accessible(status)->role(), QAccessible::Notification);
    QCOMPARE(nameOf(status), QStringLiteral("Iteration converged"));
    QCOMPARE(accessible(status)->text(QAccessible::Description), QStringLiteral("Status"));
    QCOMPARE(listener.said(status), QStringList{QStringLiteral("Iteration converged")});
    // The widget keeps its name; the main window's names do not change.
    QCOMPARE(status->accessibleName(), QStringLiteral("Status"));
}

void AccessibilityTest::boxesReadTheirWholeText_data()
{
    QTest::addColumn<bool>("explore");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.47") << false << "Text_Beta"
                          << "0.47";
    QTest::newRow("15") << false << "Text_MaxIter"
                        << "15";
    QTest::newRow("1") << false << "Text_Pr"
                       << "1";
    QTest::newRow("empty") << false << "Text_Eps"
                           << "";
    QTest::newRow("spin box") << true << "Spin_Pr"
                              << "0.7000";
}

void AccessibilityTest::boxesReadTheirWholeText()
{
    QFETCH(bool, explore);
    QFETCH(QString, box);
    QFETCH(QString, text);
    ExploreSession s;
    QWidget* control = nullptr;
    if (explore) {
        s.open();
        s.Pr()->setValue(text.toDouble());
        control = s.Pr();
    } else {
        s.setText(box, text);
        control = cuneola::testing::control<QLineEdit>(s.window, box);
    }
    QAccessibleTextInterface* reading = accessible(control)->textInterface();
    QVERIFY(reading);
    const int count = static_cast<int>(text.size());
    QCOMPARE(reading->characterCount(), count);
    QCOMPARE(reading->text(0, count), text);
    // One run over the whole text, wherever it is asked for.
    for (int offset = 0; offset <= count; ++offset) {
        int start = -1, end = -1;
        reading->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, count);
    }
}

void AccessibilityTest::menuKeysOpenTheWindowsWithoutTyping_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menu");
    QTest::newRow("Alt+E") << int(Qt::Key_E) << "Explore";
    QTest::newRow("Alt+A") << int(Qt::Key_A) << "About";
}

void AccessibilityTest::menuKeysOpenTheWindowsWithoutTyping()
{
    QFETCH(int, key);
    QFETCH(QString, menu);
    ExploreSession s;
    s.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* box = control<QLineEdit>(s.window, "Text_Beta");
    box->setFocus();
    const QString before = box->text();
    QTest::keyClick(box, static_cast<Qt::Key>(key), Qt::AltModifier);
    QCOMPARE(box->text(), before);
    QWidget* opened = menu == "Explore" ? static_cast<QWidget*>(s.window.exploreWindow())
                                        : static_cast<QWidget*>(s.window.aboutWindow());
    QVERIFY(opened && opened->isVisible());
    s.explore = s.window.exploreWindow();
    if (QWidget* about = s.window.aboutWindow()) about->close();
    // The menu bar shows its texts as before.
    QStringList texts;
    for (QAction* a : s.window.menuBar()->actions()) texts << a->text();
    QCOMPARE(texts, (QStringList{"About", "Explore"}));
}

void AccessibilityTest::exploreAnnouncesSeparation()
{
    ExploreSession s;
    s.open();
    auto* message = control<QLabel>(*s.explore, "Lbl_ExploreMessage");
    Listener listener;
    s.beta()->setValue(-0.25);
    QCOMPARE(accessible(message)->role(), QAccessible::Notification);
    const QStringList said = listener.said(message);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.front().contains("the boundary layer has separated") &&
                 said.front().contains("there is no similarity solution"),
             qPrintable(said.front()));
    QCOMPARE(nameOf(message), s.message());
    // Moving on below separation says the new β; coming back clears it silently.
    s.beta()->setValue(-0.26);
    QCOMPARE(listener.said(message).size(), 2);
    s.beta()->setValue(0.0);
    QCOMPARE(listener.said(message).size(), 2);
}

void AccessibilityTest::slidersSpeakWhatTheySet_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("beta 0.001") << "Beta" << 0.001 << "0.001";
    QTest::newRow("beta -0.25") << "Beta" << -0.25 << "-0.25";
    QTest::newRow("Pr 1") << "Pr" << 1.0 << "1";
    QTest::newRow("Pr 0.001") << "Pr" << 0.001 << "0.001";
    QTest::newRow("Pr 1000") << "Pr" << 1000.0 << "1000";
}

void AccessibilityTest::slidersSpeakWhatTheySet()
{
    QFETCH(QString, box);
    QFETCH(double, value);
    QFETCH(QString, spoken);
    ExploreSession s;
    s.open();
    QDoubleSpinBox* spin = box == "Beta" ? s.beta() : s.Pr();
    auto* slider = control<QSlider>(*s.explore, "Slider_" + box);
    spin->setValue(value);
    QAccessibleInterface* iface = accessible(slider);
    QCOMPARE(iface->valueInterface()->currentValue().toDouble(), value);
    QCOMPARE(iface->text(QAccessible::Value), spoken);
    // Set through the screen reader, the slider moves its box.
    iface->valueInterface()->setCurrentValue(box == "Beta" ? 0.5 : 10.0);
    QCOMPARE(spin->value(), box == "Beta" ? 0.5 : 10.0);
}

void AccessibilityTest::branchAndTabsAreHeard()
{
    ExploreSession s;
    s.open();
    s.explore->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.explore));
    QCOMPARE(s.branch()->accessibleName(), QStringLiteral("Solution branch: attached"));
    QObject* announcer = s.explore->announcer();
    Listener listener;
    s.beta()->setValue(-0.1);
    s.branch()->setCurrentIndex(1);
    QCOMPARE(s.branch()->accessibleName(), QStringLiteral("Solution branch: reversed flow"));
    s.beta()->setFocus();
    QTest::keyClick(s.beta(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(control<QTabWidget>(*s.explore, "Tabs_Explore")->currentWidget()->objectName(),
             QStringLiteral("Tab_Shooting"));
    QCOMPARE(listener.said(announcer), (QStringList{"Solution branch: reversed flow", "Shooting tab"}));
    // Leaving the range of the branch puts the window back on the attached one, and says so.
    s.beta()->setValue(0.1);
    QCOMPARE(s.branch()->accessibleName(), QStringLiteral("Solution branch: attached"));
    QVERIFY(nameOf(control(*s.explore, "Lbl_ExploreMessage")).contains("attached branch is shown"));
}

void AccessibilityTest::resultLabelsReadTheirText()
{
    ExploreSession s;
    s.open();
    s.click("Command1");
    WAIT_UNTIL_IDLE(*s.explore);
    struct Expected {
        const char* label;
        const char* caption;
        const char* words;
        bool keyboard;
    };
    const Expected expected[] = {
        {"Lbl_ShootingSetting", "Which search the map shows", "The momentum search at β = 0", false},
        {"Lbl_Budget", "Error budget of the search's result", "exact f''(0) 0.4695999", true},
        {"Lbl_BudgetAdvice", "Where the error comes from", "", true},
        {"Lbl_SeparationNote", "Notes on the separation plots", "β_s = -0.19883", false},
        {"Lbl_Fit", "Power fit of g prime of 0", "g prime of 0 is about", true},
    };
    for (const Expected& e : expected) {
        auto* label = control<QLabel>(*s.explore, e.label);
        const QString name = nameOf(label);
        QVERIFY2(name.contains(QString::fromUtf8(e.words)) && name != QLatin1String(e.caption),
                 qPrintable(QLatin1String(e.label) + ": " + name));
        QCOMPARE(accessible(label)->text(QAccessible::Description), QString::fromUtf8(e.caption));
        QVERIFY(accessible(label)->state().readOnly);
        QCOMPARE(bool(label->focusPolicy() & Qt::TabFocus), e.keyboard);
    }
}

void AccessibilityTest::chartsDescribeAndStepThroughPoints()
{
    ExploreSession s;
    s.open();
    s.click("Command1");
    WAIT_UNTIL_IDLE(*s.explore);
    const struct {
        const char* view;
        const char* words;
    } described[] = {
        {"Chart_Solution", "f'(η) rises from 0 to 1 by η99 = 3.47"},
        {"Chart_Shooting", "it reaches 1 at f''(0) = 0.4696"},
        {"Chart_WallShear", "0 at the separation point β_s = -0.198838"},
        {"Chart_ShapeFactor", "on the attached branch"},
        {"Chart_HeatTransfer", "the current Pr = 1 has g'(0) = 0.4696"},
    };
    for (const auto& d : described) {
        const QString text = accessible(control(*s.explore, d.view))->text(QAccessible::Description);
        QVERIFY2(text.contains(QString::fromUtf8(d.words)), qPrintable(QLatin1String(d.view) + ": " + text));
    }

    auto* view = control<ChartView>(*s.explore, "Chart_Solution");
    view->setFocus();
    QLabel* readout = view->findChild<QLabel*>("Lbl_Readout");
    Listener listener;
    const struct {
        Qt::Key key;
        const char* series;
        int point;
    } steps[] = {{Qt::Key_Right, "f", 0},     {Qt::Key_Right, "f", 1}, {Qt::Key_Down, "f'", 1},
                 {Qt::Key_End, "f'", -1},     {Qt::Key_Up, "f", -1},   {Qt::Key_Home, "f", 0},
                 {Qt::Key_PageDown, "f", 20}, {Qt::Key_Left, "f", 19}};
    QStringList expected;
    for (const auto& step : steps) {
        QTest::keyClick(view, step.key);
        QCOMPARE(view->steppedSeries()->objectName(), QLatin1String(step.series));
        const auto sampled = static_cast<int>(view->stepPoints(view->steppedSeries()).size());
        const int point = step.point < 0 ? sampled - 1 : step.point;
        QCOMPARE(view->steppedPoint(), point);
        expected << view->pointText(view->steppedSeries(), point);
    }
    QCOMPARE(listener.said(readout), expected);
    QVERIFY2(expected[1].startsWith("f = ") && expected[1].contains(" at η = ") &&
                 expected[1].endsWith(", point 2 of 200"),
             qPrintable(expected[1]));
}

void AccessibilityTest::tableAndCheckBoxSpeakInWords()
{
    ExploreSession s;
    s.open();
    QAccessibleInterface* table = accessible(control(*s.explore, "Table_Results"));
    const struct {
        const char* symbol;
        const char* words;
    } rows[] = {{"f''(0)", "wall shear f double prime at 0"}, {"Cf·√Re_x", "skin friction times root Re x"}};
    for (const auto& r : rows) {
        const int row = rowOf(*s.explore, QString::fromUtf8(r.symbol));
        QCOMPARE(table->tableInterface()->cellAt(row, 0)->text(QAccessible::Name), QString::fromUtf8(r.words));
        QCOMPARE(cell(*s.explore, QString::fromUtf8(r.symbol), 0), QString::fromUtf8(r.symbol));
    }
    auto* fold = control<QAbstractButton>(*s.explore, "Check_FoldZoom");
    QCOMPARE(nameOf(fold), fold->text());
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
