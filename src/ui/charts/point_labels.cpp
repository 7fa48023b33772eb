// SPDX-License-Identifier: GPL-3.0-or-later
// Short texts pinned to data points of a chart, kept in place as the chart resizes.
#include "ui/charts/point_labels.h"

#include <QChart>
#include <QGraphicsSimpleTextItem>

PointLabels::PointLabels(QChart* chart, QAbstractSeries* series) : QObject(chart), m_chart(chart), m_series(series)
{
    connect(chart, &QChart::plotAreaChanged, this, &PointLabels::relayout);
}

void PointLabels::setLabels(const QList<Label>& labels)
{
    m_labels = labels;
    while (m_items.size() > m_labels.size()) delete m_items.takeLast();
    while (m_items.size() < m_labels.size()) {
        auto* item = new QGraphicsSimpleTextItem(m_chart);
        item->setZValue(10);
        m_items << item;
    }
    for (qsizetype i = 0; i < m_labels.size(); ++i) m_items[i]->setText(m_labels[i].text);
    relayout();
}

void PointLabels::relayout()
{
    const QRectF plot = m_chart->plotArea();
    QList<QRectF> taken;
    for (qsizetype i = 0; i < m_labels.size(); ++i) {
        QGraphicsSimpleTextItem* item = m_items[i];
        const QPointF at = m_chart->mapToPosition(m_labels[i].value, m_series);
        const QSizeF size = item->boundingRect().size();
        QRectF box(at + QPointF(3.0, -size.height() - 2.0), size);
        auto covers = [&](const QRectF& r) {
            for (const QRectF& t : taken)
                if (t.intersects(r)) return true;
            return false;
        };
        while (covers(box) && box.top() - size.height() >= plot.top()) box.translate(0.0, -size.height());
        if (box.top() < plot.top()) box.moveTop(at.y() + 2.0);
        while (covers(box) && box.bottom() + size.height() <= plot.bottom()) box.translate(0.0, size.height());
        item->setPos(box.topLeft());
        item->setVisible(plot.contains(at));
        taken << box;
    }
}
