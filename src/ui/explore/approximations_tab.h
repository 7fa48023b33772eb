// SPDX-License-Identifier: GPL-3.0-or-later
// The Approximations tab: Thwaites' method and Pohlhausen's quartic beside the exact solution.
#pragma once

#include "analysis/case_heading.h"
#include "analysis/similarity_solution.h"

#include <QWidget>

#include <optional>

class BackgroundJob;
class ChartView;
class IntegralTableModel;
class QCategoryAxis;
class QChart;
class QLabel;
class QLineSeries;
class QProgressBar;
class QScatterSeries;
class QTableView;

class ApproximationsTab : public QWidget {
    Q_OBJECT
public:
    explicit ApproximationsTab(QWidget* parent = nullptr);

    void showSolution(const cuneola::analysis::SimilaritySolution& solution);
    void showNoSolution(const QString& reason);
    // The inputs the tables are for, named in the first line of every copy.
    void setCase(const cuneola::analysis::CaseInputs& inputs) { m_case = inputs; }
    bool isBusy() const;

    IntegralTableModel* table() const { return m_model; }
    ChartView* profileView() const { return m_profileView; }
    ChartView* shearView() const { return m_shearView; }
    QString note() const;

public slots:
    void copyTable();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct ExactCurve {
        QList<QPointF> points; // f''(0) against beta on the attached branch
    };
    void buildProfileChart();
    void buildShearChart();
    void drawProfiles();
    void computeExactCurve();
    void showExactCurve(const ExactCurve& curve);

    IntegralTableModel* m_model;
    QTableView* m_table;
    QLabel* m_note;
    QChart* m_profileChart;
    ChartView* m_profileView;
    QCategoryAxis* m_profileEta;
    QCategoryAxis* m_profileValue;
    QLineSeries* m_exactProfile;
    QLineSeries* m_quarticProfile;
    QChart* m_shearChart;
    ChartView* m_shearView;
    QCategoryAxis* m_shearBeta;
    QCategoryAxis* m_shearValue;
    QLineSeries* m_exactShear;
    QLineSeries* m_thwaitesShear;
    QLineSeries* m_pohlhausenShear;
    QScatterSeries* m_current;
    QProgressBar* m_progress;
    BackgroundJob* m_job;
    bool m_curveStarted = false;
    bool m_profilesStale = false;
    std::optional<cuneola::analysis::SimilaritySolution> m_solution;
    cuneola::analysis::CaseInputs m_case;
};
