// SPDX-License-Identifier: GPL-3.0-or-later
// The key of the pinned curves, drawn on the chart: a stroke in each pin's pen beside its name.
#pragma once

#include <QGraphicsItem>
#include <QList>
#include <QPen>
#include <QString>

class QChart;

// The chart's own legend lays its entries out in one line and drops names that do not fit;
// this key stacks them, so that every pin keeps its name in a narrow window and in a
// saved figure. It sits at the lower right of the plot area, where the profiles have
// reached their outer values and the wall gradients died away, on a white ground.
class PinKey : public QGraphicsItem {
public:
    struct Entry {
        QPen pen;
        QString name;
    };

    explicit PinKey(QChart* chart);

    void setEntries(QList<Entry> entries);
    const QList<Entry>& entries() const { return m_entries; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void place();

    QChart* m_chart;
    QList<Entry> m_entries;
    QSizeF m_size;
};
