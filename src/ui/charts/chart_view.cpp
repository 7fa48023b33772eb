// SPDX-License-Identifier: GPL-3.0-or-later
// A chart view of the Explore window: copy as an image, a read-out under the mouse, clicks on the plot.
#include "ui/charts/chart_view.h"

#include "ui/charts/figure_export.h"
#include "ui/common/accessibility.h"

#include <QAbstractAxis>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QXYSeries>

#include <algorithm>
#include <cmath>

namespace {

QString titleOf(const QXYSeries* series, Qt::Orientation orientation)
{
    for (const QAbstractAxis* axis : const_cast<QXYSeries*>(series)->attachedAxes())
        if (axis->orientation() == orientation) return axis->titleText();
    return {};
}

QString numberText(double value) { return QString::number(value, 'g', 4); }

} // namespace

ChartView::ChartView(QChart* chart, const QString& spokenName, QWidget* parent) : QChartView(chart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    setAccessibleName(spokenName);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    // Small enough for two charts above each other in a window of 540 pixels (a 1080p projector at scale 2).
    setMinimumSize(240, 150);
    chart->setMargins(QMargins(4, 4, 4, 4));

    auto* copy = new QAction(tr("Copy plot"), this);
    copy->setObjectName(QStringLiteral("copyPlotAction"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setImage(snapshot()); });
    addAction(copy);
    // The scene holds the chart with its legend and titles; the read-out is a widget on
    // top of it and stays out of the figure.
    cuneola::ui::addSaveImageAction(this, [this](QPainter& painter, const QRectF& target) {
        painter.fillRect(target, Qt::white);
        scene()->render(&painter, target, sceneRect());
    });
    setContextMenuPolicy(Qt::ActionsContextMenu);

    m_readout = new QLabel(viewport());
    m_readout->setObjectName(QStringLiteral("Lbl_Readout"));
    m_readout->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_readout->setAutoFillBackground(true);
    QPalette palette = m_readout->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 255, 230));
    m_readout->setPalette(palette);
    m_readout->setMargin(3);
    m_readout->hide();
    cuneola::ui::makeNotification(m_readout, tr("Value at the point"));
}

ChartView::~ChartView()
{
    // The chart and its series outlive this part of the view: they go with the base class.
    for (auto it = m_stepPoints.cbegin(); it != m_stepPoints.cend(); ++it)
        disconnect(it.key(), &QObject::destroyed, this, nullptr);
}

void ChartView::setDescription(const QString& text)
{
    if (text != accessibleDescription()) setAccessibleDescription(text);
}

QList<QXYSeries*> ChartView::steppableSeries() const
{
    QList<QXYSeries*> list;
    for (QAbstractSeries* s : chart()->series())
        if (auto* xy = qobject_cast<QXYSeries*>(s);
            xy && xy->isVisible() && !xy->name().isEmpty() && xy->count() > 0 && !stepPoints(xy).isEmpty())
            list << xy;
    return list;
}

void ChartView::setStepPoints(const QXYSeries* series, const QList<QPointF>& points)
{
    if (!m_stepPoints.contains(series))
        connect(series, &QObject::destroyed, this, [this, series] { m_stepPoints.remove(series); });
    m_stepPoints.insert(series, points);
}

QList<QPointF> ChartView::stepPoints(const QXYSeries* series) const
{
    const auto given = m_stepPoints.constFind(series);
    return given != m_stepPoints.cend() ? *given : series->points();
}

QString ChartView::pointText(const QXYSeries* series, int index) const
{
    const QList<QPointF> points = stepPoints(series);
    const QPointF p = points.at(index);
    const QString name = series->name();
    const QString y = titleOf(series, Qt::Vertical);
    const QString x = titleOf(series, Qt::Horizontal);
    QString text = y.isEmpty() || y == name ? QStringLiteral("%1 = %2").arg(name, numberText(p.y()))
                                            : QStringLiteral("%1: %2 = %3").arg(name, y, numberText(p.y()));
    text += QStringLiteral(" at %1 = %2").arg(x.isEmpty() ? QStringLiteral("x") : x, numberText(p.x()));
    return text + tr(", point %1 of %2").arg(index + 1).arg(points.size());
}

void ChartView::keyPressEvent(QKeyEvent* event)
{
    const QList<QXYSeries*> list = steppableSeries();
    if (list.isEmpty()) {
        QChartView::keyPressEvent(event);
        return;
    }
    qsizetype curve = m_stepSeries ? list.indexOf(m_stepSeries.data()) : -1;
    const bool fresh = curve < 0;
    if (fresh) curve = 0;
    QXYSeries* series = list[curve];
    const QList<QPointF> points = stepPoints(series);
    const int last = static_cast<int>(points.size()) - 1;
    const int step = std::max(1, static_cast<int>(points.size() / 10));
    const int at = fresh ? -1 : std::clamp(m_stepPoint, 0, last);
    switch (event->key()) {
    case Qt::Key_Right: stepTo(series, fresh ? 0 : std::min(at + 1, last)); break;
    case Qt::Key_Left: stepTo(series, fresh ? 0 : std::max(at - 1, 0)); break;
    case Qt::Key_PageDown: stepTo(series, fresh ? 0 : std::min(at + step, last)); break;
    case Qt::Key_PageUp: stepTo(series, fresh ? 0 : std::max(at - step, 0)); break;
    case Qt::Key_Home: stepTo(series, 0); break;
    case Qt::Key_End: stepTo(series, last); break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const qsizetype next = fresh                          ? 0
                               : event->key() == Qt::Key_Down ? (curve + 1) % list.size()
                                                              : (curve + list.size() - 1) % list.size();
        QXYSeries* to = list[next];
        // The point of the new curve nearest to where the old one was.
        int nearest = 0;
        if (!fresh) {
            const double x = points.at(at).x();
            const QList<QPointF> toPoints = stepPoints(to);
            for (int i = 1; i < toPoints.size(); ++i)
                if (std::fabs(toPoints.at(i).x() - x) < std::fabs(toPoints.at(nearest).x() - x)) nearest = i;
        }
        stepTo(to, nearest);
        break;
    }
    default: QChartView::keyPressEvent(event); return;
    }
    event->accept();
}

void ChartView::stepTo(QXYSeries* series, int index)
{
    m_stepSeries = series;
    m_stepPoint = index;
    const QString text = pointText(series, index);
    const QRectF plot = chart()->plotArea();
    // Shown like the mouse's read-out; one already showing is announced, a hidden one as it shows.
    cuneola::ui::announceLabelText(m_readout, text);
    m_readout->adjustSize();
    m_readout->move(mapFromScene(chart()->mapToScene(plot.topLeft())) + QPoint(6, 4));
    m_readout->show();
    m_readout->raise();
}

void ChartView::focusInEvent(QFocusEvent* event)
{
    QChartView::focusInEvent(event);
    viewport()->update();
}

void ChartView::focusOutEvent(QFocusEvent* event)
{
    hideReadout();
    QChartView::focusOutEvent(event);
    viewport()->update();
}

void ChartView::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    if (!hasFocus() || m_snapshot) return;
    painter->save();
    painter->resetTransform();
    painter->setRenderHint(QPainter::Antialiasing, false);
    // Two pixels wide, inside the viewport's edge.
    painter->setPen(QPen(palette().color(QPalette::Highlight), 2.0));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(viewport()->rect()).adjusted(1.0, 1.0, -1.0, -1.0));
    painter->restore();
}

void ChartView::setReadout(QAbstractSeries* reference, Readout readout)
{
    m_reference = reference;
    m_readoutText = std::move(readout);
}

QString ChartView::readoutText() const { return m_readout->isVisible() ? m_readout->text() : QString(); }

QImage ChartView::snapshot()
{
    // The read-out belongs to the mouse, not to the picture.
    const bool shown = m_readout->isVisible();
    m_readout->hide();
    m_snapshot = true;
    const QImage image = grab().toImage();
    m_snapshot = false;
    m_readout->setVisible(shown);
    return image;
}

QPointF ChartView::chartPositionOf(const QPoint& viewportPosition) const
{
    return chart()->mapFromScene(mapToScene(viewportPosition));
}

void ChartView::showReadoutAt(const QPointF& chartPosition)
{
    const QRectF plot = chart()->plotArea();
    QAbstractSeries* reference = m_reference;
    if (!reference && !chart()->series().isEmpty()) reference = chart()->series().constFirst();
    if (!m_readoutText || !reference || !plot.contains(chartPosition)) {
        hideReadout();
        return;
    }
    const QString text = m_readoutText(chart()->mapToValue(chartPosition, reference));
    if (text.isEmpty()) {
        hideReadout();
        return;
    }
    m_readout->setText(text);
    m_readout->adjustSize();
    const QPoint corner = mapFromScene(chart()->mapToScene(plot.topLeft()));
    m_readout->move(corner + QPoint(6, 4));
    m_readout->show();
    m_readout->raise();
}

void ChartView::hideReadout() { m_readout->hide(); }

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    showReadoutAt(chartPositionOf(event->position().toPoint()));
    QChartView::mouseMoveEvent(event);
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = chartPositionOf(event->position().toPoint());
    if (event->button() == Qt::LeftButton && chart()->plotArea().contains(at)) emit plotClicked(at);
    QChartView::mousePressEvent(event);
}

void ChartView::leaveEvent(QEvent* event)
{
    hideReadout();
    QChartView::leaveEvent(event);
}
