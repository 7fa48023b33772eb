// SPDX-License-Identifier: GPL-3.0-or-later
// Explore's wall inputs and Approximations tab: f_w and the thermal wall re-solve, the integral table and its copy.
#include "analysis/similarity_solution.h"
#include "explore_test_support.h"
#include "ui/explore/approximations_tab.h"
#include "ui/explore/explore_numbers.h"
#include "ui/explore/integral_table_model.h"
#include "ui/explore/shooting_tab.h"

#include <QClipboard>
#include <QTableView>
#include <QtTest>

using namespace cuneola::testing;
using namespace cuneola::analysis;
using Column = ResultsTableModel::Column;

class ExploreWallTest : public QObject {
    Q_OBJECT
private slots:
    void defaultsAreTheClassicWall();
    void wallChangesResolveAtOnce_data();
    void wallChangesResolveAtOnce();
    void integralTableBesideTheExactValues();
    void blownOffLayerHasNoNumbers();
    void betaReachesTheFoldThatSuctionMoved();
};

namespace {

QDoubleSpinBox* suction(const ExploreSession& s) { return control<QDoubleSpinBox>(*s.explore, "Spin_Suction"); }
QComboBox* thermalWall(const ExploreSession& s) { return control<QComboBox>(*s.explore, "Combo_ThermalWall"); }
QDoubleSpinBox* exponent(const ExploreSession& s) { return control<QDoubleSpinBox>(*s.explore, "Spin_WallExponent"); }
const IntegralTableModel* integral(const ExploreSession& s) { return s.explore->approximationsTab()->table(); }

} // namespace

void ExploreWallTest::defaultsAreTheClassicWall()
{
    ExploreSession s;
    s.open();
    QCOMPARE(suction(s)->value(), 0.0);
    QCOMPARE(thermalWall(s)->currentIndex(), 0);
    QCOMPARE(thermalWall(s)->count(), 3);
    QVERIFY(!exponent(s)->isEnabled());
    QVERIFY(!s.explore->shootingTab()->showsWallNote());
    // Taking β and Pr from the main window leaves the wall alone.
    suction(s)->setValue(0.25);
    control<QPushButton>(*s.explore, "Command_TakeFromMain")->click();
    QCOMPARE(suction(s)->value(), 0.25);
}

void ExploreWallTest::wallChangesResolveAtOnce_data()
{
    QTest::addColumn<double>("fw");
    QTest::addColumn<int>("wallIndex");
    QTest::addColumn<double>("n");
    QTest::addRow("suction") << 0.5 << 0 << 0.0;
    QTest::addRow("blowing, power-law wall") << -0.3 << 1 << 0.7;
    QTest::addRow("uniform flux") << 0.0 << 2 << 0.0;
}

void ExploreWallTest::wallChangesResolveAtOnce()
{
    QFETCH(double, fw);
    QFETCH(int, wallIndex);
    QFETCH(double, n);
    ExploreSession s;
    s.open();
    s.Pr()->setValue(0.7);
    suction(s)->setValue(fw);
    thermalWall(s)->setCurrentIndex(wallIndex);
    QCOMPARE(exponent(s)->isEnabled(), wallIndex == 1);
    exponent(s)->setValue(n);
    const ThermalWall thermal{static_cast<ThermalWallKind>(wallIndex), wallIndex == 1 ? n : 0.0};
    const Outcome<SimilaritySolution> exact = solveSimilarity(0.0, Branch::Attached, 0.7, {fw, thermal});
    QVERIFY(exact && exact->wallGradient);
    QCOMPARE(cell(*s.explore, "f''(0)", Column::ValueColumn),
             cuneola::ui::significantText(exact->momentum.wallShear, 10));
    QCOMPARE(cell(*s.explore, "g'(0)", Column::ValueColumn), cuneola::ui::significantText(*exact->wallGradient, 10));
    // Nothing is published for a porous or heated wall; g'(0) = f''(0) only for the isothermal plate at Pr = 1.
    QVERIFY(cell(*s.explore, "g'(0)", Column::PublishedColumn).isEmpty());
    QCOMPARE(cell(*s.explore, "f''(0)", Column::PublishedColumn).isEmpty(), fw != 0.0);
    QVERIFY(s.explore->shootingTab()->showsWallNote());
    WAIT_UNTIL_IDLE(*s.explore);
}

void ExploreWallTest::integralTableBesideTheExactValues()
{
    ExploreSession s;
    s.open();
    s.showTab("Tab_Approximations");
    const IntegralTableModel* model = integral(s);
    QCOMPARE(model->rowCount(), 8);
    QCOMPARE(model->columnCount(), 6);
    // Thwaites on the flat plate with White's fits: f''(0) about 0.9 % above the exact value.
    QCOMPARE(model->index(0, IntegralTableModel::ThwaitesErrorColumn).data().toString(), QStringLiteral("+0.881 %"));
    QCOMPARE(model->index(7, IntegralTableModel::ThwaitesColumn).data().toString(), QStringLiteral("-0.222222"));
    auto* table = control<QTableView>(*s.explore, "Table_Integral");
    QAction* copy = nullptr;
    for (QAction* a : table->actions())
        if (a->objectName() == QLatin1String("copyIntegralAction")) copy = a;
    QVERIFY(copy);
    copy->trigger();
    QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString heading = lines.takeFirst();
    QVERIFY2(heading.startsWith(QStringLiteral("Integral methods: β = ")), qPrintable(heading));
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.front(), QStringLiteral("quantity\texact\tThwaites\terror\tPohlhausen\terror"));
    QCOMPARE(lines[1].split(QLatin1Char('\t')).size(), 6);
    // With suction the methods do not apply: the exact column only, and the tab says why.
    suction(s)->setValue(0.5);
    QVERIFY(model->index(0, IntegralTableModel::ThwaitesColumn).data().toString().isEmpty());
    QVERIFY(!model->index(0, IntegralTableModel::ExactColumn).data().toString().isEmpty());
    QVERIFY(s.explore->approximationsTab()->note().contains(QStringLiteral("impermeable")));
    WAIT_UNTIL_IDLE(*s.explore);
}

void ExploreWallTest::blownOffLayerHasNoNumbers()
{
    ExploreSession s;
    s.open();
    suction(s)->setValue(-1.5);
    QVERIFY(s.message().contains(QStringLiteral("lifted")));
    QVERIFY(cell(*s.explore, "f''(0)", Column::ValueColumn).isEmpty());
    QVERIFY(integral(s)->index(0, IntegralTableModel::ExactColumn).data().toString().isEmpty());
    WAIT_UNTIL_IDLE(*s.explore);
}

void ExploreWallTest::betaReachesTheFoldThatSuctionMoved()
{
    // At f_w = 0.5 the layer separates only at β_s = -0.422, below the box's least β of -0.3.
    ExploreSession s;
    s.open();
    suction(s)->setValue(0.5);
    s.beta()->setValue(-0.4);
    QCOMPARE(s.beta()->value(), -0.4);
    QVERIFY2(s.message().isEmpty(), qPrintable(s.message()));
    WAIT_UNTIL_IDLE(*s.explore);
}

QTEST_MAIN(ExploreWallTest)
#include "explore_wall_test.moc"
