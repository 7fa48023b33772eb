// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/charts/chart_parts.h"

#include "ui/charts/chart_axes.h"
#include "ui/common/background_job.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QProgressBar>

namespace cuneola::ui {

QChart* newChart(Qt::Alignment legendAt)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(legendAt);
    return chart;
}

QCategoryAxis* addRoundAxis(QChart* chart, Qt::Alignment side, const QString& title)
{
    auto* axis = new QCategoryAxis(chart);
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(axis, side);
    return axis;
}

QLogValueAxis* addDecadeAxis(QChart* chart, Qt::Alignment side, const QString& title, double low, double high)
{
    auto* axis = new QLogValueAxis(chart);
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setBase(10.0);
    axis->setMinorTickCount(8);
    setDecades(axis, low, high);
    chart->addAxis(axis, side);
    return axis;
}

void plotOn(QChart* chart, QXYSeries* series, QAbstractAxis* x, QAbstractAxis* y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QLineSeries* namedLine(QChart* chart, const char* name, const QString& legend, const QPen& pen)
{
    auto* s = new QLineSeries(chart);
    s->setObjectName(QLatin1String(name));
    s->setName(legend);
    s->setPen(pen);
    return s;
}

QScatterSeries* namedMarkers(QChart* chart, const char* name, const QString& legend, QScatterSeries::MarkerShape shape,
                             qreal size, const QColor& colour)
{
    auto* s = new QScatterSeries(chart);
    s->setObjectName(QLatin1String(name));
    s->setName(legend);
    s->setMarkerShape(shape);
    s->setMarkerSize(size);
    s->setColor(colour);
    s->setBorderColor(colour.darker(130));
    return s;
}

QScatterSeries* currentRing(QChart* chart, const QString& legend)
{
    auto* s = new QScatterSeries(chart);
    s->setObjectName(QStringLiteral("current"));
    s->setName(legend);
    s->setMarkerSize(13.0);
    s->setBrush(Qt::NoBrush);
    s->setPen(QPen(QColor(220, 0, 0), 2.5));
    return s;
}

QLabel* noteLabel(QWidget* parent, const char* name, const QString& accessibleName, bool selectable)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAccessibleName(accessibleName);
    if (selectable) label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

ProgressedJob progressedJob(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* progress = new QProgressBar(parent);
    progress->setObjectName(QLatin1String(name));
    progress->setAccessibleName(accessibleName);
    return {progress, new BackgroundJob(progress, parent)};
}

} // namespace cuneola::ui
