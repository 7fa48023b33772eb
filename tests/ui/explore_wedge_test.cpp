// SPDX-License-Identifier: GPL-3.0-or-later
// Explore's Wedge tab: the flat-plate homework by hand, fluids and Pr, missing values, bad input, warnings, copying.
#include "analysis/fluid_properties.h"
#include "explore_test_support.h"
#include "ui/explore/station_table_model.h"
#include "ui/explore/wedge_picture.h"
#include "ui/explore/wedge_tab.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTableView>
#include <QtTest>

#include <cmath>

using namespace cuneola::testing;
using cuneola::analysis::StationQuantity;

namespace {

struct WedgeSession : ExploreSession {
    void open()
    {
        ExploreSession::open();
        showTab("Tab_Wedge");
    }
    QComboBox* fluid() const { return control<QComboBox>(*explore, "Combo_Fluid"); }
    QDoubleSpinBox* spin(const char* name) const { return control<QDoubleSpinBox>(*explore, QLatin1String(name)); }
    QString station(const QString& quantity) const
    {
        const StationTableModel* model = explore->wedgeTab()->table();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, StationTableModel::QuantityColumn).data().toString() == quantity)
                return model->index(row, StationTableModel::ValueColumn).data().toString();
        QTest::qFail(qPrintable(QStringLiteral("no row %1").arg(quantity)), __FILE__, __LINE__);
        return QStringLiteral("(no row)");
    }
    QString wedgeMessage() const { return explore->wedgeTab()->message(); }
};

} // namespace

class ExploreWedgeTest : public QObject {
    Q_OBJECT
private slots:
    void flatPlateHomeworkMatchesHandCalculation();
    void fluidAndPrFollowEachOther();
    void missingValuesAreEmptyWithTheirReason_data();
    void missingValuesAreEmptyWithTheirReason();
    void badInputSaysSoAndLeavesNothingStale_data();
    void badInputSaysSoAndLeavesNothingStale();
    void warningsWhereTheNumbersStopDescribingARealFlow();
    void copyPutsTheStationOnTheClipboard();
    void pictureStatesItsStretch();
};

void ExploreWedgeTest::flatPlateHomeworkMatchesHandCalculation()
{
    WedgeSession s;
    s.open();
    s.fluid()->setCurrentIndex(0); // air at 20 °C
    QCOMPARE(s.fluid()->currentText(), "air at 20 °C");
    s.spin("Spin_U")->setValue(10.0);
    s.spin("Spin_X")->setValue(0.5);
    s.spin("Spin_DeltaT")->setValue(10.0);
    QCOMPARE(s.Pr()->value(), 0.7309);
    // By hand from the Solution tab's exact values: eta = y sqrt(U / (2 nu x)) on a plate.
    const double fpp0 = cell(*s.explore, "f''(0)", ResultsTableModel::ValueColumn).toDouble();
    const double eta99 = cell(*s.explore, "η99", ResultsTableModel::ValueColumn).toDouble();
    const double gp0 = cell(*s.explore, "g'(0)", ResultsTableModel::ValueColumn).toDouble();
    const auto& air = cuneola::analysis::kFluids[0];
    const double root = std::sqrt(10.0 / (2.0 * air.nu * 0.5)); // 1 / m
    QCOMPARE(s.station("δ99 (mm)"), StationTableModel::shownText(eta99 / root * 1e3));
    QCOMPARE(s.station("τ_w (Pa)"), StationTableModel::shownText(air.rho * air.nu * 10.0 * fpp0 * root));
    QCOMPARE(s.station("h (W/(m²·K))"), StationTableModel::shownText(air.k * gp0 * root));
    QCOMPARE(s.station("q_w (W/m²)"), StationTableModel::shownText(air.k * gp0 * root * 10.0));
    QCOMPARE(s.station("Re_x"), "329815");
    QCOMPARE(s.station("δ99 (mm)"), "4.2748"); // 4.91 x / sqrt(Re_x)
    QVERIFY2(s.wedgeMessage().isEmpty(), qPrintable(s.wedgeMessage()));
}

void ExploreWedgeTest::fluidAndPrFollowEachOther()
{
    WedgeSession s;
    s.open();
    s.fluid()->setCurrentIndex(1);
    QCOMPARE(s.Pr()->value(), 7.01);
    QVERIFY(!s.spin("Spin_Nu")->isEnabled() && !s.spin("Spin_K")->isEnabled());
    const double nu = s.spin("Spin_Nu")->value();
    s.Pr()->setValue(6.0); // a typed Pr: the fluid is custom, its properties kept
    QCOMPARE(s.fluid()->currentText(), "custom");
    QVERIFY(s.spin("Spin_Nu")->isEnabled() && s.spin("Spin_K")->isEnabled());
    QCOMPARE(s.spin("Spin_Nu")->value(), nu);
    s.spin("Spin_Nu")->setValue(2e-6);
    QCOMPARE(s.spin("Spin_Nu")->text(), "2e-06 m²/s");
    QCOMPARE(s.station("Re_x"), "2500000");
}

void ExploreWedgeTest::missingValuesAreEmptyWithTheirReason_data()
{
    QTest::addColumn<double>("beta");
    QTest::addColumn<int>("branch");
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QString>("reason");
    QTest::newRow("reversed flow has no δ99") << -0.1 << 1 << QStringList{"δ99 (mm)", "v_e (mm/s)"} << "attached";
    QTest::newRow("β of 2 and more has no x-forms")
        << 2.5 << 0
        << QStringList{"δ99 (mm)", "δ* (mm)", "θ (mm)", "τ_w (Pa)", "Cf", "h (W/(m²·K))", "q_w (W/m²)", "v_e (mm/s)"}
        << "β < 2";
}

void ExploreWedgeTest::missingValuesAreEmptyWithTheirReason()
{
    QFETCH(double, beta);
    QFETCH(int, branch);
    QFETCH(QStringList, missing);
    QFETCH(QString, reason);
    WedgeSession s;
    s.open();
    s.beta()->setValue(beta);
    s.branch()->setCurrentIndex(branch);
    const StationTableModel* model = s.explore->wedgeTab()->table();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString name = model->index(row, 0).data().toString();
        const QModelIndex value = model->index(row, 1);
        QCOMPARE(value.data().toString().isEmpty(), missing.contains(name));
        if (missing.contains(name)) QVERIFY2(value.data(Qt::ToolTipRole).toString().contains(reason), qPrintable(name));
    }
    QVERIFY(control<QLabel>(*s.explore, "Lbl_StationNotes")->text().contains(reason));
}

void ExploreWedgeTest::badInputSaysSoAndLeavesNothingStale_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("said");
    QTest::newRow("no velocity") << "Spin_U" << 0.0 << "velocity U";
    QTest::newRow("velocity against the wall") << "Spin_U" << -3.0 << "velocity U";
    QTest::newRow("station at the leading edge") << "Spin_X" << 0.0 << "leading edge";
    QTest::newRow("station before the leading edge") << "Spin_X" << -0.2 << "leading edge";
    QTest::newRow("custom fluid without viscosity") << "Spin_Nu" << 0.0 << "viscosity ν";
    QTest::newRow("custom fluid without conductivity") << "Spin_K" << 0.0 << "conductivity k";
}

void ExploreWedgeTest::badInputSaysSoAndLeavesNothingStale()
{
    QFETCH(QString, box);
    QFETCH(double, value);
    QFETCH(QString, said);
    WedgeSession s;
    s.open();
    s.fluid()->setCurrentIndex(s.fluid()->count() - 1);
    QDoubleSpinBox* input = s.spin(qPrintable(box));
    const double before = input->value();
    input->setValue(value);
    QVERIFY2(s.wedgeMessage().contains(said), qPrintable(s.wedgeMessage()));
    const StationTableModel* model = s.explore->wedgeTab()->table();
    for (int row = 0; row < model->rowCount(); ++row) QVERIFY(model->index(row, 1).data().toString().isEmpty());
    QCOMPARE(s.explore->wedgeTab()->picture()->stretchText(), QString());
    input->setValue(before);
    QVERIFY(s.wedgeMessage().isEmpty());
    QVERIFY(!s.station("δ99 (mm)").isEmpty());
}

void ExploreWedgeTest::warningsWhereTheNumbersStopDescribingARealFlow()
{
    WedgeSession s;
    s.open();
    s.spin("Spin_U")->setValue(30.0);
    s.spin("Spin_X")->setValue(1.0);
    QVERIFY2(s.wedgeMessage().contains("5·10^5"), qPrintable(s.wedgeMessage()));
    QVERIFY(!s.station("δ99 (mm)").isEmpty()); // a warning, not a refusal
    s.spin("Spin_U")->setValue(0.001);
    s.spin("Spin_X")->setValue(0.001);
    QVERIFY2(s.wedgeMessage().contains("not thin"), qPrintable(s.wedgeMessage()));
}

void ExploreWedgeTest::copyPutsTheStationOnTheClipboard()
{
    WedgeSession s;
    s.open();
    s.beta()->setValue(-0.1);
    s.branch()->setCurrentIndex(1);
    control<QTableView>(*s.explore, "Table_Station")->findChild<QAction*>("copyStationAction")->trigger();
    QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    const QString heading = lines.takeFirst();
    QVERIFY2(heading.startsWith("Wedge station: β = -0.1, branch reversed flow, Pr = "), qPrintable(heading));
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[0], "quantity\tvalue");
    QCOMPARE(lines[2], "δ99 (mm)\t"); // missing: an empty cell
    QVERIFY(lines[1].startsWith("Re_x\t"));
    QCOMPARE(lines[1].split('\t')[1].toDouble(), *s.explore->wedgeTab()->table()->value(StationQuantity::ReynoldsX));
}

void ExploreWedgeTest::pictureStatesItsStretch()
{
    WedgeSession s;
    s.open();
    const WedgePicture* picture = s.explore->wedgeTab()->picture();
    QVERIFY2(picture->stretchText().contains("enlarged"), qPrintable(picture->stretchText()));
    QVERIFY(picture->stretchFor(picture->size()) >= 10.0); // a 4 mm layer on a 0.75 m wall
    s.beta()->setValue(-0.1);
    QVERIFY2(picture->geometryText().contains("turns away"), qPrintable(picture->geometryText()));
    s.beta()->setValue(2.5);
    QCOMPARE(picture->stretchFor(picture->size()), 0.0);
}

QTEST_MAIN(ExploreWedgeTest)
#include "explore_wedge_test.moc"
