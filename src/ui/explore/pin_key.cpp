// SPDX-License-Identifier: GPL-3.0-or-later
// The key of the pinned curves, drawn on the chart: a stroke in each pin's pen beside its name.
#include "ui/explore/pin_key.h"

#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QPainter>

#include <algorithm>

namespace {
constexpr qreal kStroke = 30.0; // the length of each pin's sample stroke, in pixels
constexpr qreal kPad = 4.0;
} // namespace

PinKey::PinKey(QChart* chart) : QGraphicsItem(chart), m_chart(chart)
{
    setZValue(10.0); // over the curves
    setVisible(false);
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [this] { place(); });
}

void PinKey::setEntries(QList<Entry> entries)
{
    prepareGeometryChange();
    m_entries = std::move(entries);
    const QFontMetricsF metrics(m_chart->legend()->font());
    qreal widest = 0.0;
    for (const Entry& e : m_entries) widest = std::max(widest, metrics.horizontalAdvance(e.name));
    m_size = QSizeF(3 * kPad + kStroke + widest, 2 * kPad + metrics.height() * m_entries.size());
    setVisible(!m_entries.isEmpty());
    place();
    update();
}

void PinKey::place()
{
    const QRectF plot = m_chart->plotArea();
    // Clear of the zero line, where f'' and g' have died away.
    setPos(std::max(plot.left(), plot.right() - m_size.width() - kPad),
           std::max(plot.top(), plot.bottom() - 0.1 * plot.height() - m_size.height()));
}

QRectF PinKey::boundingRect() const { return QRectF(QPointF(0.0, 0.0), m_size); }

void PinKey::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QFont font = m_chart->legend()->font();
    const QFontMetricsF metrics(font);
    painter->setPen(QPen(QColor(160, 160, 160), 1.0));
    painter->setBrush(QColor(255, 255, 255, 230));
    painter->drawRect(boundingRect().adjusted(0.5, 0.5, -0.5, -0.5));
    painter->setFont(font);
    qreal y = kPad;
    for (const Entry& e : m_entries) {
        const qreal middle = y + metrics.height() / 2;
        painter->setPen(e.pen);
        painter->drawLine(QPointF(kPad, middle), QPointF(kPad + kStroke, middle));
        painter->setPen(m_chart->legend()->labelColor());
        painter->drawText(QPointF(2 * kPad + kStroke, y + metrics.ascent()), e.name);
        y += metrics.height();
    }
}
