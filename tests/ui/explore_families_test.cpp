// SPDX-License-Identifier: GPL-3.0-or-later
// Explore's Separation and Heat-transfer tabs: the families, the current point, choosing β on a curve.
#include "analysis/families.h"
#include "explore_test_support.h"
#include "ui/explore/heat_transfer_tab.h"
#include "ui/explore/separation_tab.h"

#include <QCategoryAxis>
#include <QCheckBox>
#include <QProgressBar>
#include <QtTest>

#include <cmath>

using namespace cuneola::testing;
using cuneola::analysis::Branch;

namespace {

// The family point nearest to beta on a branch.
cuneola::analysis::BetaFamilyPoint familyPointNear(const SeparationTab& tab, double beta, Branch branch)
{
    const auto& points = tab.family()->points;
    auto best = points.front();
    for (const auto& p : points)
        if (p.branch == branch && std::fabs(p.beta - beta) < std::fabs(best.beta - beta)) best = p;
    return best;
}

void clickChart(ChartView* view, const QPointF& chartPosition)
{
    const QPoint at = view->mapFromScene(view->chart()->mapToScene(chartPosition));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
}

// (Pr f''(0) / 6)^(1/3) / Gamma(4/3) at Pr = 1000.
double largePrandtlEnd(double wallShear) { return std::cbrt(1000.0 * wallShear / 6.0) / std::tgamma(4.0 / 3.0); }

} // namespace

class ExploreFamiliesTest : public QObject {
    Q_OBJECT
private slots:
    void betaFamilyRunsOnceWithBothBranchesAndTheFold();
    void currentPointFollowsBeta();
    void clickOnACurveChoosesBetaAndBranch_data();
    void clickOnACurveChoosesBetaAndBranch();
    void heatTransferFollowsBetaAndBranch();
    void powerFitStatesTheRangeItUsed_data();
    void powerFitStatesTheRangeItUsed();
    void prandtlChangeMovesOnlyTheMarker();
    void quickBetaChangesLeaveTheLastFamily();
    void foldZoomNamesItsRangeAndLabelsRoundTicks();
};

void ExploreFamiliesTest::betaFamilyRunsOnceWithBothBranchesAndTheFold()
{
    ExploreSession s;
    s.open();
    WAIT_UNTIL_IDLE(*s.explore);
    const SeparationTab* tab = s.explore->separationTab();
    QVERIFY(tab->hasFamily());
    const QList<QPointF> fold = seriesOf(*s.explore, "Chart_WallShear", "fold")->points();
    QCOMPARE(fold.size(), 1);
    QVERIFY(std::fabs(fold[0].x() - -0.19883773) < 1e-8);
    QCOMPARE(fold[0].y(), 0.0);
    // The two branches meet at the fold: the attached one ends there, the reversed one starts there.
    QCOMPARE(lastOf(seriesOf(*s.explore, "Chart_WallShear", "attached")->points()), fold[0]);
    QCOMPARE(firstOf(seriesOf(*s.explore, "Chart_WallShear", "reversed")->points()), fold[0]);
    for (const QPointF& p : seriesOf(*s.explore, "Chart_WallShear", "reversed")->points()) QVERIFY(p.y() <= 0.0);
    QVERIFY(control<QLabel>(*s.explore, "Lbl_SeparationNote")->text().contains("β_s = -0.198837735"));
    QVERIFY(!control<QProgressBar>(*s.explore, "Progress_Separation")->isVisible());

    // Neither a β change nor another opening computes it again.
    s.beta()->setValue(0.3);
    QVERIFY(!tab->isBusy());
}

void ExploreFamiliesTest::currentPointFollowsBeta()
{
    ExploreSession s;
    s.open();
    s.beta()->setValue(0.5);
    const QList<QPointF> current = seriesOf(*s.explore, "Chart_WallShear", "current")->points();
    QCOMPARE(current.size(), 1);
    QCOMPARE(current[0].x(), 0.5);
    QVERIFY(std::fabs(current[0].y() - 0.92768004) < 5e-9); // Inglis (1962)
    const QList<QPointF> shape = seriesOf(*s.explore, "Chart_ShapeFactor", "current")->points();
    QCOMPARE(shape.size(), 1);
    QVERIFY(shape[0].y() > 2.0 && shape[0].y() < 2.59);
}

void ExploreFamiliesTest::clickOnACurveChoosesBetaAndBranch_data()
{
    QTest::addColumn<double>("beta");
    QTest::addColumn<int>("branch");
    QTest::addColumn<bool>("zoom");
    QTest::newRow("attached branch at β = 1") << 1.0 << 0 << false;
    QTest::newRow("reversed-flow branch at β = -0.1, zoomed") << -0.1 << 1 << true;
    QTest::newRow("attached branch near the fold, zoomed") << -0.19 << 0 << true;
}

void ExploreFamiliesTest::clickOnACurveChoosesBetaAndBranch()
{
    QFETCH(double, beta);
    QFETCH(int, branch);
    QFETCH(bool, zoom);
    ExploreSession s;
    s.open();
    WAIT_UNTIL_IDLE(*s.explore);
    s.showTab("Tab_Separation");
    control<QCheckBox>(*s.explore, "Check_FoldZoom")->setChecked(zoom);
    SeparationTab* tab = s.explore->separationTab();
    QApplication::processEvents(); // lays the charts out
    const auto point = familyPointNear(*tab, beta, static_cast<Branch>(branch));
    clickChart(tab->wallShearView(), tab->wallShearPosition(point));
    QCOMPARE(s.branch()->currentIndex(), branch);
    QVERIFY2(std::fabs(s.beta()->value() - point.beta) < 2e-3, qPrintable(QString::number(s.beta()->value())));
    QVERIFY(!cell(*s.explore, "f''(0)", ResultsTableModel::ValueColumn).isEmpty());

    // A click far from both curves chooses nothing.
    const double chosen = s.beta()->value();
    clickChart(tab->wallShearView(), tab->wallShearView()->chart()->plotArea().bottomLeft() + QPointF(3, -3));
    QCOMPARE(s.beta()->value(), chosen);
}

void ExploreFamiliesTest::heatTransferFollowsBetaAndBranch()
{
    ExploreSession s;
    s.open();
    WAIT_UNTIL_IDLE(*s.explore);
    const QList<QPointF> curve = seriesOf(*s.explore, "Chart_HeatTransfer", "gradient")->points();
    QCOMPARE(curve.size(), 121);
    QCOMPARE(firstOf(curve).x(), 0.001);
    QCOMPARE(lastOf(curve).x(), 1000.0);
    const QList<QPointF> large = seriesOf(*s.explore, "Chart_HeatTransfer", "largePr")->points();
    QVERIFY(std::fabs(lastOf(large).y() - largePrandtlEnd(0.46959999)) < 1e-6);
    const QString fit = control<QLabel>(*s.explore, "Lbl_Fit")->text();
    QVERIFY2(fit.contains("0.6 ≤ Pr ≤ 10") && fit.contains("g'(0) ≈ 0.46") && fit.contains("·Pr^0.34"),
             qPrintable(fit));

    // On the reversed-flow branch f''(0) < 0: no large-Pr asymptote, and the note says why.
    s.beta()->setValue(-0.1);
    s.branch()->setCurrentIndex(1);
    WAIT_UNTIL_IDLE(*s.explore);
    QCOMPARE(seriesOf(*s.explore, "Chart_HeatTransfer", "largePr")->count(), 0);
    QVERIFY(seriesOf(*s.explore, "Chart_HeatTransfer", "smallPr")->count() > 0);
    QVERIFY(control<QLabel>(*s.explore, "Lbl_HeatNote")->text().contains("f''(0) > 0"));
}

void ExploreFamiliesTest::powerFitStatesTheRangeItUsed_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<QString>("said");
    QTest::newRow("chosen range") << 1.0 << 100.0 << "fit over 1 ≤ Pr ≤ 100: g'(0) ≈ 0.4";
    QTest::newRow("empty range") << 5.0 << 5.0 << "No power fit: The range of the fit is empty";
    QTest::newRow("inverted range") << 10.0 << 0.6 << "No power fit: The range of the fit is empty";
}

void ExploreFamiliesTest::powerFitStatesTheRangeItUsed()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(QString, said);
    ExploreSession s;
    s.open();
    WAIT_UNTIL_IDLE(*s.explore);
    auto* fromBox = control<QDoubleSpinBox>(*s.explore, "Spin_FitFromPr");
    auto* toBox = control<QDoubleSpinBox>(*s.explore, "Spin_FitToPr");
    QCOMPARE(fromBox->value(), 0.6);
    QCOMPARE(toBox->value(), 10.0);
    const QList<QPointF> curve = seriesOf(*s.explore, "Chart_HeatTransfer", "gradient")->points();
    toBox->setValue(1000.0); // so that no range passes through an inverted one on the way
    fromBox->setValue(from);
    toBox->setValue(to);
    const QString fit = control<QLabel>(*s.explore, "Lbl_Fit")->text();
    QVERIFY2(fit.contains(said), qPrintable(fit));
    QCOMPARE(seriesOf(*s.explore, "Chart_HeatTransfer", "gradient")->points(), curve); // the curve stays
    // A new β keeps the range chosen.
    s.beta()->setValue(0.5);
    WAIT_UNTIL_IDLE(*s.explore);
    QVERIFY2(control<QLabel>(*s.explore, "Lbl_Fit")->text().contains(said.section(QLatin1Char(':'), 0, 0)),
             qPrintable(control<QLabel>(*s.explore, "Lbl_Fit")->text()));
}

void ExploreFamiliesTest::prandtlChangeMovesOnlyTheMarker()
{
    ExploreSession s;
    s.open();
    WAIT_UNTIL_IDLE(*s.explore);
    const QList<QPointF> curve = seriesOf(*s.explore, "Chart_HeatTransfer", "gradient")->points();
    s.Pr()->setValue(7.0);
    QVERIFY(!s.explore->heatTransferTab()->isBusy()); // the family depends on β and the branch only
    QCOMPARE(seriesOf(*s.explore, "Chart_HeatTransfer", "gradient")->points(), curve);
    const QList<QPointF> marker = seriesOf(*s.explore, "Chart_HeatTransfer", "current")->points();
    QCOMPARE(marker.size(), 1);
    QCOMPARE(marker[0].x(), 7.0);
    QVERIFY(std::fabs(marker[0].y() - 0.9135) < 1e-4);
}

void ExploreFamiliesTest::quickBetaChangesLeaveTheLastFamily()
{
    ExploreSession s;
    s.open();
    for (double beta : {0.2, 0.5, 0.8, 1.0}) s.beta()->setValue(beta);
    WAIT_UNTIL_IDLE(*s.explore);
    const QList<QPointF> large = seriesOf(*s.explore, "Chart_HeatTransfer", "largePr")->points();
    QVERIFY(std::fabs(lastOf(large).y() - largePrandtlEnd(1.232587657)) < 1e-6); // f''(0) at β = 1
    QVERIFY(!control<QProgressBar>(*s.explore, "Progress_HeatTransfer")->isVisible());
}

void ExploreFamiliesTest::foldZoomNamesItsRangeAndLabelsRoundTicks()
{
    ExploreSession s;
    s.open();
    WAIT_UNTIL_IDLE(*s.explore);
    auto* zoom = control<QCheckBox>(*s.explore, "Check_FoldZoom");
    QVERIFY(zoom->text().endsWith("(β from -0.205 to 0.005)"));
    // Suction moves the fold to β_s = -0.422019 at f_w = 0.5: the range named moves with it.
    control<QDoubleSpinBox>(*s.explore, "Spin_Suction")->setValue(0.5);
    WAIT_UNTIL_IDLE(*s.explore);
    QVERIFY2(zoom->text().endsWith("(β from -0.429 to 0.005)"), qPrintable(zoom->text()));
    control<QDoubleSpinBox>(*s.explore, "Spin_Suction")->setValue(0.0);
    WAIT_UNTIL_IDLE(*s.explore);
    zoom->setChecked(true);
    auto* beta = qobject_cast<QCategoryAxis*>(
        control<QChartView>(*s.explore, "Chart_WallShear")->chart()->axes(Qt::Horizontal).first());
    QVERIFY(beta);
    // Ticks summed up from -0.2 in steps of 0.05 would label the last one -1.4e-17.
    QCOMPARE(beta->categoriesLabels(), (QStringList{"-0.2", "-0.15", "-0.1", "-0.05", "0"}));
}

QTEST_MAIN(ExploreFamiliesTest)
#include "explore_families_test.moc"
