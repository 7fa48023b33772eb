// SPDX-License-Identifier: GPL-3.0-or-later
// The Shooting tab: the function the main window's last search zeroed, its trials on it, its error budget.
#pragma once

#include "solver/search_record.h"

#include <QLabel>
#include <QWidget>

#include <optional>

class BackgroundJob;
class ChartView;
class PointLabels;
class QChart;
class QLabel;
class QLineSeries;
class QProgressBar;
class QScatterSeries;
class QCategoryAxis;
struct ShootingAnalysis;
namespace cuneola::analysis {
struct ShootingMap;
}

class ShootingTab : public QWidget {
    Q_OBJECT
public:
    explicit ShootingTab(QWidget* parent = nullptr);
    ~ShootingTab() override;

    // The search to show. While the window is hidden it is only kept, and computed once
    // the window shows again (see showPending).
    void showSearch(const cuneola::SearchRecord& record);
    void showPending();
    // Stops a computation while the window is hidden; it starts again with showPending.
    void suspend();
    bool isBusy() const;
    // Says that the classic search ignores f_w and the wall heating, when Explore's differ.
    void setWallNote(bool nonClassicWall);
    bool showsWallNote() const { return !m_wallNote->isHidden(); }

    ChartView* chartView() const { return m_view; }
    BackgroundJob* job() const { return m_job; }

private:
    void deliver(const ShootingAnalysis& analysis);
    void drawMap(const ShootingAnalysis& analysis);
    // The height of the map and its samples without an outer value.
    struct MapSpan {
        double low = 1.0, high = 1.0;
        int cutOff = 0, overflow = 0;
    };
    static MapSpan mapSpan(const ShootingAnalysis& analysis);
    void drawMapCurves(const cuneola::analysis::ShootingMap& map);
    void drawMapPoints(const ShootingAnalysis& analysis, const MapSpan& span);
    static QString mapNotes(const ShootingAnalysis& analysis, const MapSpan& span);
    static QString mapDescription(const ShootingAnalysis& analysis);
    void showBudget(const ShootingAnalysis& analysis);
    void buildChart();
    void clearChart();
    // A legend entry only for what the chart shows.
    void showLegendOfFilledSeries();
    void clearBudget(const QString& advice);
    void setNote(const QString& text);
    QString readout(const QPointF& value) const;

    QLabel* m_wallNote;
    QLabel* m_setting;
    QChart* m_chart;
    ChartView* m_view;
    QCategoryAxis* m_trialAxis;
    QCategoryAxis* m_outerAxis;
    QLineSeries* m_target;
    QScatterSeries* m_trials;
    QScatterSeries* m_roots;
    QScatterSeries* m_cutOff;
    QScatterSeries* m_overflow;
    QList<QLineSeries*> m_curve; // the reached samples, one series per unbroken run
    PointLabels* m_trialNumbers;
    QProgressBar* m_progress;
    QLabel* m_note;
    QLabel* m_budget;
    QLabel* m_advice;
    BackgroundJob* m_job;

    std::optional<cuneola::SearchRecord> m_pending;
    std::optional<cuneola::SearchRecord> m_computing;
    QList<QPointF> m_reached; // for the read-out
    cuneola::MarchMode m_mode = cuneola::MarchMode::Momentum;
};
