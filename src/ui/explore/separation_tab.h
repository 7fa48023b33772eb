// SPDX-License-Identifier: GPL-3.0-or-later
// The Separation tab: f''(0) and H along β over both branches through the fold at β_s.
#pragma once

#include "analysis/families.h"

#include <QWidget>

#include <optional>

class BackgroundJob;
class ChartView;
class PointLabels;
class QAbstractAxis;
class QChart;
class QCheckBox;
class QLabel;
class QLineSeries;
class QProgressBar;
class QScatterSeries;
class QCategoryAxis;

class SeparationTab : public QWidget {
    Q_OBJECT
public:
    explicit SeparationTab(QWidget* parent = nullptr);

    // Starts the β family once; later calls do nothing.
    void computeFamily();
    // The family over a wall with this f_w; computed again only when f_w changes.
    void computeFamily(double suction);
    bool isBusy() const;
    bool hasFamily() const { return m_family.has_value(); }

    // The current solution's point, or none (below β_s).
    struct Current {
        double beta;
        double wallShear;
        double shapeFactor;
    };
    void setCurrent(const std::optional<Current>& current);

    ChartView* wallShearView() const { return m_shearView; }
    ChartView* shapeFactorView() const { return m_shapeView; }
    // Where a family point is drawn in the wall-shear chart, in its chart coordinates.
    QPointF wallShearPosition(const cuneola::analysis::BetaFamilyPoint& point) const;
    const std::optional<cuneola::analysis::BetaFamily>& family() const { return m_family; }

signals:
    // A click near a curve chose this β on this branch.
    void pointChosen(double beta, cuneola::analysis::Branch branch);

private:
    struct Plot {
        QChart* chart = nullptr;
        ChartView* view = nullptr;
        QCategoryAxis* betaAxis = nullptr;
        QAbstractAxis* valueAxis = nullptr;
        QLineSeries* attached = nullptr;
        QLineSeries* reversed = nullptr;
        QLineSeries* foldLine = nullptr;
        QScatterSeries* fold = nullptr;
        QScatterSeries* current = nullptr;
        PointLabels* foldLabel = nullptr;
    };

    Plot makePlot(const char* name, const QString& spoken, const QString& valueTitle, QAbstractAxis* valueAxis);
    void showFamily(const cuneola::analysis::Outcome<cuneola::analysis::BetaFamily>& family);
    void applyRanges();
    // The zoom check box names the range it shows, which follows the fold under suction.
    void setZoomText(double from, double to);
    void clicked(const Plot& plot, const QPointF& chartPosition);
    QString readout(const QPointF& value, bool shapeFactor) const;
    void alignPlots();
    void describe();

    Plot m_shear;
    Plot m_shape;
    ChartView* m_shearView;
    ChartView* m_shapeView;
    QCheckBox* m_zoom;
    QLabel* m_note;
    QProgressBar* m_progress;
    BackgroundJob* m_job;
    bool m_started = false;
    double m_suction = 0.0;
    int m_shearIndent = 0, m_shapeIndent = 0; // added to a plot's left margin
    std::optional<cuneola::analysis::BetaFamily> m_family;
    std::optional<Current> m_current;
};
