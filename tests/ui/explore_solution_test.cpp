// SPDX-License-Identifier: GPL-3.0-or-later
// Explore's inputs and Solution tab: the table, missing values and why, below separation, pins, copying.
#include "analysis/momentum_solution.h"
#include "explore_test_support.h"
#include "fifteen_digit_rounding.h"
#include "ui/explore/pin_key.h"

#include <QClipboard>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

using namespace cuneola::testing;
using Column = ResultsTableModel::Column;

namespace {

const QStringList kRows = {"f''(0)", "g'(0)",    "δ*",         "θ",          "H",         "η99",
                           "η∞",     "Cf·√Re_x", "Nu_x/√Re_x", "δ*/x·√Re_x", "θ/x·√Re_x", "δ99/x·√Re_x"};

bool reversedFlowSelectable(const QComboBox* combo)
{
    return qobject_cast<const QStandardItemModel*>(combo->model())->item(1)->isEnabled();
}

} // namespace

class ExploreSolutionTest : public QObject {
    Q_OBJECT
private slots:
    void tableHasTheTextbookRowsAndColumns();
    void blasiusAtPrOneHasEqualWallValues();
    void missingValuesAreEmptyWithTheirReason_data();
    void missingValuesAreEmptyWithTheirReason();
    void belowSeparationNoNumberAnywhere();
    void branchChoice_data();
    void branchChoice();
    void reversedFlowLeavesWhenBetaLeavesItsRange();
    void reversedFlowTooCloseToZeroSaysWhy();
    void typedBetaKeepsTheBranch();
    void sliderAndBoxMoveTogetherWithOneSolve_data();
    void sliderAndBoxMoveTogetherWithOneSolve();
    void pinSurvivesBetaChanges();
    void pinsTellApartInGrey();
    void copyPutsTheWholeTableOnTheClipboard_data();
    void copyPutsTheWholeTableOnTheClipboard();
    void numbersIgnoreTheLocale();
    void readoutFollowsTheMouse();
    void thickThermalLayerWidensThePlot_data();
    void thickThermalLayerWidensThePlot();
    void curvesOutOfViewCatchUpWhenShown();
};

void ExploreSolutionTest::tableHasTheTextbookRowsAndColumns()
{
    ExploreSession s;
    s.open();
    const ResultsTableModel* model = results(*s.explore);
    QCOMPARE(model->rowCount(), kRows.size());
    for (int row = 0; row < kRows.size(); ++row)
        QCOMPARE(model->index(row, Column::QuantityColumn).data().toString(), kRows[row]);
    const QStringList columns = {"quantity", "value", "published", "difference"};
    for (int c = 0; c < columns.size(); ++c) QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), columns[c]);
}

void ExploreSolutionTest::blasiusAtPrOneHasEqualWallValues()
{
    ExploreSession s;
    s.open();
    QCOMPARE(s.beta()->value(), 0.0);
    QCOMPARE(s.Pr()->value(), 1.0);
    const QString shear = cell(*s.explore, "f''(0)", Column::ValueColumn);
    QVERIFY2(shear.startsWith("0.469599988"), qPrintable(shear));
    QCOMPARE(cell(*s.explore, "g'(0)", Column::ValueColumn), shear);
    QCOMPARE(cell(*s.explore, "g'(0)", Column::PublishedColumn), "0.46959999");
    QCOMPARE(cell(*s.explore, "f''(0)", Column::PublishedColumn), "0.46959999");
    QCOMPARE(cell(*s.explore, "H", Column::PublishedColumn), "2.59");
    // Inglis prints eight decimals: the difference is below half their last unit.
    QVERIFY(std::fabs(cell(*s.explore, "f''(0)", Column::DifferenceColumn).toDouble()) < 5e-9);
    QVERIFY(s.message().isEmpty());
}

void ExploreSolutionTest::missingValuesAreEmptyWithTheirReason_data()
{
    QTest::addColumn<double>("beta");
    QTest::addColumn<int>("branch");
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QString>("reason");
    QTest::newRow("reversed flow has no η99")
        << -0.1 << 1 << QStringList{"η99", "δ99/x·√Re_x"} << "attached branch only";
    QTest::newRow("β of 2 and more has no x-based forms")
        << 2.5 << 0 << QStringList{"Cf·√Re_x", "Nu_x/√Re_x", "δ*/x·√Re_x", "θ/x·√Re_x", "δ99/x·√Re_x"} << "β < 2";
}

void ExploreSolutionTest::missingValuesAreEmptyWithTheirReason()
{
    QFETCH(double, beta);
    QFETCH(int, branch);
    QFETCH(QStringList, missing);
    QFETCH(QString, reason);
    ExploreSession s;
    s.open();
    s.beta()->setValue(beta);
    s.branch()->setCurrentIndex(branch);
    for (const QString& quantity : kRows) {
        const QString value = cell(*s.explore, quantity, Column::ValueColumn);
        const QString tip = results(*s.explore)
                                ->index(rowOf(*s.explore, quantity), Column::ValueColumn)
                                .data(Qt::ToolTipRole)
                                .toString();
        if (missing.contains(quantity)) {
            QVERIFY2(value.isEmpty(), qPrintable(quantity + ": " + value));
            QVERIFY2(tip.contains(reason), qPrintable(tip));
            QVERIFY(cell(*s.explore, quantity, Column::DifferenceColumn).isEmpty());
        } else {
            QVERIFY2(!value.isEmpty(), qPrintable(quantity));
        }
    }
    QVERIFY(control<QLabel>(*s.explore, "Lbl_ResultNotes")->text().contains(reason));
}

void ExploreSolutionTest::belowSeparationNoNumberAnywhere()
{
    ExploreSession s;
    s.open();
    s.Pr()->setValue(0.7);
    WAIT_UNTIL_IDLE(*s.explore);
    auto* tabs = control<QTabWidget>(*s.explore, "Tabs_Explore");
    const QRect tabsBefore = tabs->geometry();
    s.beta()->setValue(-0.25);
    for (const QString& quantity : kRows)
        for (Column c : {Column::ValueColumn, Column::PublishedColumn, Column::DifferenceColumn})
            QVERIFY2(cell(*s.explore, quantity, c).isEmpty(), qPrintable(quantity));
    QVERIFY2(s.message().contains("separated") && s.message().contains("-0.198837735"), qPrintable(s.message()));
    QVERIFY(!control<QLabel>(*s.explore, "Lbl_ResultNotes")->isVisible()); // said once, in the message line
    for (const char* curve : {"f", "f'", "f''", "g", "g'"})
        QCOMPARE(seriesOf(*s.explore, "Chart_Solution", curve)->count(), 0);
    // Nothing stale on the other tabs either.
    QCOMPARE(seriesOf(*s.explore, "Chart_WallShear", "current")->count(), 0);
    QCOMPARE(seriesOf(*s.explore, "Chart_HeatTransfer", "current")->count(), 0);
    QCOMPARE(seriesOf(*s.explore, "Chart_HeatTransfer", "gradient")->count(), 0);
    QVERIFY(!control<QPushButton>(*s.explore, "Command_Pin")->isEnabled());
    QVERIFY(!s.explore->isBusy());
    // Said once, on every tab, and the tabs stay where they were.
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        int shown = 0;
        for (const QLabel* label : s.explore->findChildren<QLabel*>())
            shown += label->isVisible() && label->text().contains("separated");
        QVERIFY2(shown == 1, qPrintable(tabs->tabText(tab)));
    }
    tabs->setCurrentIndex(0);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(tabs->geometry(), tabsBefore);

    s.beta()->setValue(0.0);
    QVERIFY(!cell(*s.explore, "f''(0)", Column::ValueColumn).isEmpty());
    QVERIFY(s.message().isEmpty());
}

void ExploreSolutionTest::branchChoice_data()
{
    QTest::addColumn<double>("beta");
    QTest::addColumn<bool>("selectable");
    QTest::newRow("flat plate") << 0.0 << false;
    QTest::newRow("accelerating") << 1.0 << false;
    QTest::newRow("decelerating") << -0.1 << true;
    QTest::newRow("just above the fold") << -0.1988 << true;
    QTest::newRow("separated") << -0.25 << false;
}

void ExploreSolutionTest::branchChoice()
{
    QFETCH(double, beta);
    QFETCH(bool, selectable);
    ExploreSession s;
    s.open();
    s.beta()->setValue(beta);
    QCOMPARE(reversedFlowSelectable(s.branch()), selectable);
    QCOMPARE(s.branch()->itemText(0), "attached");
    QCOMPARE(s.branch()->itemText(1), "reversed flow");
}

void ExploreSolutionTest::reversedFlowLeavesWhenBetaLeavesItsRange()
{
    ExploreSession s;
    s.open();
    s.beta()->setValue(-0.1);
    s.branch()->setCurrentIndex(1);
    QVERIFY(cell(*s.explore, "f''(0)", Column::ValueColumn).startsWith("-0.14"));
    s.beta()->setValue(0.2);
    QCOMPARE(s.branch()->currentIndex(), 0);
    QVERIFY2(s.message().contains("reversed-flow branch exists only"), qPrintable(s.message()));
    QVERIFY(cell(*s.explore, "f''(0)", Column::ValueColumn).startsWith("0.68670818"));
}

void ExploreSolutionTest::reversedFlowTooCloseToZeroSaysWhy()
{
    ExploreSession s;
    s.open();
    s.beta()->setValue(-0.0002);
    s.branch()->setCurrentIndex(1);
    QVERIFY2(s.message().contains("not computed for -0.0003 < β < 0"), qPrintable(s.message()));
    QVERIFY(cell(*s.explore, "f''(0)", Column::ValueColumn).isEmpty());
}

void ExploreSolutionTest::typedBetaKeepsTheBranch()
{
    ExploreSession s;
    s.open();
    s.beta()->setValue(-0.1);
    s.branch()->setCurrentIndex(1);
    // On its way to -0.15 the box holds -0, where the reversed-flow branch does not exist.
    s.beta()->selectAll();
    QTest::keyClicks(s.beta(), "-0.15");
    QCOMPARE(s.beta()->value(), -0.15);
    QCOMPARE(s.branch()->currentIndex(), 1);
    QVERIFY2(s.message().isEmpty(), qPrintable(s.message()));
    QVERIFY(cell(*s.explore, "f''(0)", Column::ValueColumn).startsWith("-"));
}

void ExploreSolutionTest::sliderAndBoxMoveTogetherWithOneSolve_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("value");
    QTest::newRow("β slider, steps of 0.001") << "Spin_Beta"
                                              << "Slider_Beta" << 800 << 0.5;
    QTest::newRow("Pr slider at its left end") << "Spin_Pr"
                                               << "Slider_Pr" << 0 << 0.001;
    QTest::newRow("Pr slider in the middle is 1") << "Spin_Pr"
                                                  << "Slider_Pr" << 3000 << 1.0;
    QTest::newRow("Pr slider, a decade is a sixth") << "Spin_Pr"
                                                    << "Slider_Pr" << 4000 << 10.0;
    QTest::newRow("Pr slider at its right end") << "Spin_Pr"
                                                << "Slider_Pr" << 6000 << 1000.0;
}

void ExploreSolutionTest::sliderAndBoxMoveTogetherWithOneSolve()
{
    QFETCH(QString, box);
    QFETCH(QString, slider);
    QFETCH(int, position);
    QFETCH(double, value);
    ExploreSession s;
    s.open();
    QSignalSpy solves(s.explore->inputs(), &ExploreInputs::changed);
    auto* spin = control<QDoubleSpinBox>(*s.explore, box);
    auto* bar = control<QSlider>(*s.explore, slider);
    spin->setValue(0.25); // away from the value the slider will set
    QCOMPARE(solves.count(), 1);
    QVERIFY(bar->value() != position);
    bar->setValue(position);
    QCOMPARE(solves.count(), 2);
    QCOMPARE(spin->value(), value);
    spin->setValue(0.25);
    spin->setValue(value);
    QCOMPARE(bar->value(), position);
    QCOMPARE(solves.count(), 4);
}

void ExploreSolutionTest::pinSurvivesBetaChanges()
{
    ExploreSession s;
    s.open();
    s.Pr()->setValue(0.7);
    auto* pinButton = control<QPushButton>(*s.explore, "Command_Pin");
    QTest::mouseClick(pinButton, Qt::LeftButton);
    const auto pinned = [&] {
        QList<QPointF> points;
        for (QAbstractSeries* series : control<QChartView>(*s.explore, "Chart_Solution")->chart()->series())
            if (series->objectName() == "pin" && qobject_cast<QLineSeries*>(series)->pen().style() == Qt::SolidLine &&
                series->name() == "β = 0, Pr = 0.7")
                points << qobject_cast<QLineSeries*>(series)->points();
        return points;
    };
    const QList<QPointF> before = pinned();
    QVERIFY(!before.isEmpty());
    s.beta()->setValue(1.0);
    s.beta()->setValue(-0.25); // even through a β without a solution
    s.beta()->setValue(0.5);
    QCOMPARE(s.explore->solutionTab()->pinNames(), QStringList{"β = 0, Pr = 0.7"});
    QCOMPARE(pinned(), before);

    QTest::mouseClick(control<QPushButton>(*s.explore, "Command_ClearPins"), Qt::LeftButton);
    QVERIFY(s.explore->solutionTab()->pinNames().isEmpty());
    QVERIFY(pinned().isEmpty());
}

void ExploreSolutionTest::pinsTellApartInGrey()
{
    ExploreSession s;
    s.open();
    s.Pr()->setValue(0.7);
    auto* pinButton = control<QPushButton>(*s.explore, "Command_Pin");
    s.beta()->setValue(-0.1);
    QTest::mouseClick(pinButton, Qt::LeftButton);
    s.branch()->setCurrentIndex(1);
    QTest::mouseClick(pinButton, Qt::LeftButton);
    QCOMPARE(s.explore->solutionTab()->pinNames(),
             (QStringList{"β = -0.1, Pr = 0.7", "β = -0.1, reversed flow, Pr = 0.7"}));
    for (int i = 2; i < SolutionTab::kMaxPins; ++i) QTest::mouseClick(pinButton, Qt::LeftButton);
    // Each pin's f, f' and f'' share a pen of its own, dark enough to see on white paper.
    QList<std::pair<QString, QList<qreal>>> looks;
    int momentumCurves = 0;
    for (QAbstractSeries* series : control<QChartView>(*s.explore, "Chart_Solution")->chart()->series()) {
        const QPen pen = qobject_cast<QLineSeries*>(series)->pen();
        if (series->objectName() != "pin" || pen.widthF() < 2.0) continue;
        QVERIFY2(pen.color().value() <= 140, qPrintable(pen.color().name()));
        const std::pair<QString, QList<qreal>> look{pen.color().name(), pen.dashPattern()};
        if (!looks.contains(look)) looks << look;
        ++momentumCurves;
    }
    QCOMPARE(momentumCurves, 3 * SolutionTab::kMaxPins);
    QCOMPARE(looks.size(), SolutionTab::kMaxPins);
    // Each named in the key on the chart, which has room for every name.
    QStringList keyed;
    for (QGraphicsItem* item : control<QChartView>(*s.explore, "Chart_Solution")->chart()->childItems())
        if (const auto* key = dynamic_cast<const PinKey*>(item))
            for (const PinKey::Entry& e : key->entries()) keyed << e.name;
    QCOMPARE(keyed, s.explore->solutionTab()->pinNames());
}

void ExploreSolutionTest::copyPutsTheWholeTableOnTheClipboard_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("copy action") << false;
    QTest::newRow("Ctrl+C in the table") << true;
}

void ExploreSolutionTest::copyPutsTheWholeTableOnTheClipboard()
{
    QFETCH(bool, byKeyboard);
    ExploreSession s;
    s.open();
    s.beta()->setValue(2.5); // no x-based forms, no published values beyond Inglis's table
    QGuiApplication::clipboard()->clear();
    auto* table = control<QTableView>(*s.explore, "Table_Results");
    if (byKeyboard) {
        s.explore->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.explore));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    } else {
        table->findChild<QAction*>("copyResultsAction")->trigger();
    }
    QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    const QString heading = lines.takeFirst();
    QVERIFY2(heading.startsWith("Results table: β = 2.5, branch attached, Pr = "), qPrintable(heading));
    QCOMPARE(lines.size(), 14); // header, twelve rows, and the empty text after the last line end
    QCOMPARE(lines[0], "quantity\tvalue\tpublished\tdifference");
    QVERIFY(lines[13].isEmpty());
    for (int row = 1; row <= 12; ++row) {
        const QStringList fields = lines[row].split('\t');
        QCOMPARE(fields.size(), 4);
        QCOMPARE(fields[0], kRows[row - 1]);
        QCOMPARE(fields[2], QString()); // no published value at β = 2.5
        QCOMPARE(fields[3], QString());
    }
    // Every value with the digits its error estimate holds, up to 15; the table shows up
    // to ten of them.
    const QStringList shear = lines[1].split('\t');
    const double wallShear = shear[1].toDouble();
    const auto exact = cuneola::analysis::solveMomentum(2.5, cuneola::analysis::Branch::Attached)->wallShear;
    QVERIFY2(std::fabs(wallShear - exact) < 1e-12 * exact && shear[1].size() < 17, qPrintable(shear[1]));
    QVERIFY2(lines[3].split('\t')[1].size() < 12, qPrintable(lines[3])); // delta* holds fewer digits at β = 2.5
    const double shown = cell(*s.explore, "f''(0)", Column::ValueColumn).toDouble();
    QVERIFY(std::fabs(shown - wallShear) < 1e-9 * wallShear); // the table shows ten digits of it
    QCOMPARE(lines[8], "Cf·√Re_x\t\t\t");
    QCOMPARE(lines[12], "δ99/x·√Re_x\t\t\t");

    s.beta()->setValue(0.0);
    table->findChild<QAction*>("copyResultsAction")->trigger();
    QStringList blasius = QGuiApplication::clipboard()->text().split('\n');
    const QString blasiusHeading = blasius.takeFirst();
    QVERIFY2(blasiusHeading.startsWith("Results table: β = 0, "), qPrintable(blasiusHeading));
    QCOMPARE(blasius.size(), 14);
    QVERIFY2(blasius[1].startsWith("f''(0)\t0.46959998") && blasius[1].contains("\t0.46959999\t-"),
             qPrintable(blasius[1]));
    QVERIFY2(blasius[5].startsWith("H\t2.5911") && blasius[5].contains("\t2.59\t0.0011"), qPrintable(blasius[5]));
}

void ExploreSolutionTest::numbersIgnoreTheLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        ExploreSession s;
        s.open();
        s.Pr()->setValue(0.7);
        QCOMPARE(s.Pr()->text(), "0.7000");
        QCOMPARE(s.beta()->text(), "0.000000");
        QVERIFY(cell(*s.explore, "g'(0)", Column::ValueColumn).startsWith("0.41"));
        control<QTableView>(*s.explore, "Table_Results")->findChild<QAction*>("copyResultsAction")->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().contains("\n"
                                                              "g'(0)\t0.41"));
    }
    QLocale::setDefault(saved);
}

void ExploreSolutionTest::readoutFollowsTheMouse()
{
    ExploreSession s;
    s.open();
    auto* view = control<ChartView>(*s.explore, "Chart_Solution");
    QChart* chart = view->chart();
    const QPointF at = chart->mapToPosition(QPointF(2.0, 0.5), seriesOf(*s.explore, "Chart_Solution", "f"));
    view->showReadoutAt(at);
    const QString text = view->readoutText();
    QVERIFY2(text.startsWith("η = 2") && text.contains("f' = 0.8167") && text.contains("g' ="), qPrintable(text));
    view->showReadoutAt(chart->plotArea().topLeft() - QPointF(5, 5));
    QVERIFY(view->readoutText().isEmpty());
}

void ExploreSolutionTest::thickThermalLayerWidensThePlot_data()
{
    QTest::addColumn<double>("Pr");
    QTest::addColumn<double>("atLeast"); // where g reaches 0.99, roughly
    QTest::newRow("air") << 0.7 << 4.0;
    QTest::newRow("liquid metal") << 0.01 << 26.0;
    QTest::newRow("smallest Pr") << 0.001 << 82.0;
}

void ExploreSolutionTest::thickThermalLayerWidensThePlot()
{
    QFETCH(double, Pr);
    QFETCH(double, atLeast);
    ExploreSession s;
    s.open();
    s.Pr()->setValue(Pr);
    const QList<QPointF> g = seriesOf(*s.explore, "Chart_Solution", "g")->points();
    QVERIFY2(lastOf(g).x() >= atLeast && lastOf(g).y() > 0.99, qPrintable(QString::number(lastOf(g).x())));
    // However wide, the wall region where f'' changes keeps a fine resolution (where it is
    // straight, fewer of the points are drawn; the keys reach them all).
    const QList<QPointF> fpp =
        control<ChartView>(*s.explore, "Chart_Solution")->stepPoints(seriesOf(*s.explore, "Chart_Solution", "f''"));
    QVERIFY(std::count_if(fpp.begin(), fpp.end(), [](const QPointF& p) { return p.x() <= 4.0; }) >= 100);
    QVERIFY(std::is_sorted(fpp.begin(), fpp.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); }));
}

void ExploreSolutionTest::curvesOutOfViewCatchUpWhenShown()
{
    ExploreSession s;
    s.open();
    s.showTab("Tab_Separation");
    s.beta()->setValue(1.0);
    s.showTab("Tab_Solution");
    const QList<QPointF> fpp = seriesOf(*s.explore, "Chart_Solution", "f''")->points();
    QVERIFY(std::fabs(firstOf(fpp).y() - 1.232587657) < 1e-8);

    // A pin taken while the curves are out of view pins the current solution as well.
    s.showTab("Tab_HeatTransfer");
    s.beta()->setValue(0.5);
    s.explore->solutionTab()->pin();
    s.showTab("Tab_Solution");
    QCOMPARE(s.explore->solutionTab()->pinNames(), QStringList{"β = 0.5, Pr = 1"});
}

QTEST_MAIN(ExploreSolutionTest)
#include "explore_solution_test.moc"
