// SPDX-License-Identifier: GPL-3.0-or-later
// Short texts pinned to data points of a chart, kept in place as the chart resizes.
#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <QString>

class QAbstractSeries;
class QChart;
class QGraphicsSimpleTextItem;

// Each text sits just above and right of its point; one that would cover an earlier
// one moves up (or below the point at the top of the plot), so close points stay readable.
class PointLabels : public QObject {
    Q_OBJECT
public:
    struct Label {
        QPointF value; // in the axes of the series
        QString text;
    };

    PointLabels(QChart* chart, QAbstractSeries* series);

    void setLabels(const QList<Label>& labels);
    QList<Label> labels() const { return m_labels; }
    // Places the texts again; call after the axes' ranges changed.
    void relayout();

private:
    QChart* m_chart;
    QAbstractSeries* m_series;
    QList<Label> m_labels;
    QList<QGraphicsSimpleTextItem*> m_items;
};
