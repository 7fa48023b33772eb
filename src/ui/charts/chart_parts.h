// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces every Explore plot is built of: a chart, its axes, named series on them, and the notes and
// progress bar under it. One way to make each, so that the tabs look and read alike.
#pragma once

#include <QPen>
#include <QScatterSeries>

class QAbstractAxis;
class QCategoryAxis;
class QChart;
class QLabel;
class QLineSeries;
class QLogValueAxis;
class QProgressBar;
class QWidget;
class QXYSeries;
class BackgroundJob;

namespace cuneola::ui {

// A chart with its legend at `legendAt`; its owner is the chart view it is shown in.
QChart* newChart(Qt::Alignment legendAt = Qt::AlignBottom);

// An axis with round ticks (see setRoundTicks), added to `chart` on `side`.
QCategoryAxis* addRoundAxis(QChart* chart, Qt::Alignment side, const QString& title = {});

// A base-10 log axis over the decades around [low, high], added to `chart` on `side`.
QLogValueAxis* addDecadeAxis(QChart* chart, Qt::Alignment side, const QString& title, double low, double high);

// Adds `series` to `chart` on the two axes.
void plotOn(QChart* chart, QXYSeries* series, QAbstractAxis* x, QAbstractAxis* y);

// A curve, found by its objectName and shown in the legend as `legend` (none when empty).
QLineSeries* namedLine(QChart* chart, const char* name, const QString& legend, const QPen& pen);

// Markers of one shape and colour, with a darker rim.
QScatterSeries* namedMarkers(QChart* chart, const char* name, const QString& legend, QScatterSeries::MarkerShape shape,
                             qreal size, const QColor& colour);

// The ring that marks the current β or Pr on a family's curve.
QScatterSeries* currentRing(QChart* chart, const QString& legend);

// A wrapped note under a plot; `selectable` lets the user copy its text with the mouse.
QLabel* noteLabel(QWidget* parent, const char* name, const QString& accessibleName, bool selectable = false);

// A progress bar (shown while a job runs) and the job that drives it, both owned by `parent`.
struct ProgressedJob {
    QProgressBar* progress;
    BackgroundJob* job;
};
ProgressedJob progressedJob(QWidget* parent, const char* name, const QString& accessibleName);

} // namespace cuneola::ui
