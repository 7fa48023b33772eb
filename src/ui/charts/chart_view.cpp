// SPDX-License-Identifier: GPL-3.0-or-later
// A chart view of the Explore window: copy as an image, a read-out under the mouse, clicks on the plot.
#include "ui/charts/chart_view.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>

ChartView::ChartView(QChart* chart, const QString& spokenName, QWidget* parent) : QChartView(chart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    setAccessibleName(spokenName);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setMinimumSize(240, 180);
    chart->setMargins(QMargins(4, 4, 4, 4));

    auto* copy = new QAction(tr("Copy plot"), this);
    copy->setObjectName(QStringLiteral("copyPlotAction"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setImage(snapshot()); });
    addAction(copy);
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
    const QImage image = grab().toImage();
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
