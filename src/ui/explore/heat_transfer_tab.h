// SPDX-License-Identifier: GPL-3.0-or-later
// The Heat-transfer tab: g'(0) against Pr on log-log axes, its two asymptotes and its power fit.
#pragma once

#include "analysis/families.h"
#include "analysis/similarity_solution.h"

#include <QWidget>

#include <optional>

class BackgroundJob;
class ChartView;
class QChart;
class QDoubleSpinBox;
class QLabel;
class QLineSeries;
class QLogValueAxis;
class QProgressBar;
class QScatterSeries;

class HeatTransferTab : public QWidget {
    Q_OBJECT
public:
    explicit HeatTransferTab(QWidget* parent = nullptr);

    // Drops the family shown or being computed: a new one will come.
    void awaitFamily();
    // Computes the Pr family for this β and branch, cancelling one still running.
    void computeFamily(double beta, cuneola::analysis::Branch branch);
    // The same over a porous or non-isothermal wall: its g'(0), asymptotes and fit.
    void computeFamily(double beta, cuneola::analysis::Branch branch, const cuneola::analysis::WallConditions& wall);
    // No family: there is no momentum solution (the window says why).
    void showNoFamily();
    // The current Pr and its g'(0), if it has one.
    void setCurrent(double Pr, std::optional<double> wallGradient);
    bool isBusy() const;

    ChartView* chartView() const { return m_view; }
    QString fitText() const;

private:
    void showFamily(const cuneola::analysis::Outcome<cuneola::analysis::PrandtlFamily>& family);
    // States the fit over the range in the boxes, fitting anew when the family's is another.
    void showFit();
    QWidget* fitRangeRow();
    void clearCurves();
    void applyRanges();
    QString readout(const QPointF& value) const;
    void describe();

    QChart* m_chart;
    ChartView* m_view;
    QLogValueAxis* m_PrAxis;
    QLogValueAxis* m_gradientAxis;
    QLineSeries* m_gradient;
    QLineSeries* m_smallPr;
    QLineSeries* m_largePr;
    QScatterSeries* m_current;
    QLabel* m_fit;
    QDoubleSpinBox* m_fitFrom;
    QDoubleSpinBox* m_fitTo;
    QLabel* m_note;
    QProgressBar* m_progress;
    BackgroundJob* m_job;
    std::optional<cuneola::analysis::PrandtlFamily> m_family;
    // The range m_family's fit was computed over.
    double m_fittedFrom = cuneola::analysis::kPowerFitFromPr;
    double m_fittedTo = cuneola::analysis::kPowerFitToPr;
    double m_currentPr = 1.0;
    std::optional<double> m_currentGradient;
    cuneola::analysis::WallConditions m_wall;
};
