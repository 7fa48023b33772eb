// SPDX-License-Identifier: GPL-3.0-or-later
// The Solution tab: the exact profiles with pins to compare, and the table of tabulated quantities.
#pragma once

#include "analysis/case_heading.h"
#include "analysis/similarity_solution.h"

#include <QWidget>

#include <optional>
#include <vector>

class ChartView;
class QChart;
class QLabel;
class QLineSeries;
class QPushButton;
class QTableView;
class QCategoryAxis;
class PinKey;
class ProfilePanel;
class ResultsTableModel;

class SolutionTab : public QWidget {
    Q_OBJECT
public:
    // Pins kept at most; a further pin replaces the oldest.
    static constexpr int kMaxPins = 6;

    explicit SolutionTab(QWidget* parent = nullptr);

    void showSolution(const cuneola::analysis::SimilaritySolution& solution);
    // No solution: a plain sentence instead of curves and numbers.
    void showNoSolution(const QString& reason);
    // The inputs the tables are for, named in the first line of every copy.
    void setCase(const cuneola::analysis::CaseInputs& inputs) { m_case = inputs; }

    // "β = 0.1, Pr = 0.7" for each pin, oldest first; "β = -0.1, reversed flow, Pr = 0.7" on that branch.
    QStringList pinNames() const;
    ResultsTableModel* results() const { return m_results; }
    ChartView* chartView() const { return m_view; }
    ProfilePanel* profilePanel() const { return m_profilePanel; }

public slots:
    void pin();
    void clearPins();
    void copyResults();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Pin {
        QString name;
        std::vector<QLineSeries*> series;
    };

    QWidget* buildCurvePane();
    QWidget* buildTablePane();
    void buildChart();
    void drawCurves();
    void showPinKey();
    QLineSeries* addCurve(const QString& name, const QColor& colour, Qt::PenStyle style);
    QString readout(double eta) const;
    void showNotes();
    void describe(const QString& noSolution = QString());

    QChart* m_chart;
    ChartView* m_view;
    QCategoryAxis* m_etaAxis;
    QCategoryAxis* m_valueAxis;
    std::vector<QLineSeries*> m_curves; // f, f', f'', g, g'
    std::vector<Pin> m_pins;
    int m_pinsMade = 0;
    PinKey* m_pinKey;
    QPushButton* m_pin;
    QPushButton* m_clearPins;
    QTableView* m_table;
    ResultsTableModel* m_results;
    QLabel* m_notes;
    ProfilePanel* m_profilePanel;

    std::optional<cuneola::analysis::SimilaritySolution> m_solution;
    bool m_curvesStale = false;
    cuneola::analysis::Profiles m_profiles;
    cuneola::analysis::CaseInputs m_case;
};
