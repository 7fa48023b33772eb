// SPDX-License-Identifier: GPL-3.0-or-later
// A chart view of the Explore window: copy as an image, a read-out under the mouse, clicks on the plot.
#pragma once

#include <QChartView>

#include <functional>

class QLabel;

class ChartView : public QChartView {
    Q_OBJECT
public:
    // The read-out's text for the mouse at `value`, in the axes of the reference series.
    using Readout = std::function<QString(const QPointF& value)>;

    ChartView(QChart* chart, const QString& spokenName, QWidget* parent = nullptr);

    // `reference` names the axes `value` is measured in (the chart's first series when null).
    void setReadout(QAbstractSeries* reference, Readout readout);
    // What the read-out shows now; empty while the mouse is off the plot.
    QString readoutText() const;
    // Shows the read-out for a chart position, as a mouse move there would.
    void showReadoutAt(const QPointF& chartPosition);

    // The picture the "Copy plot" command puts on the clipboard.
    QImage snapshot();

signals:
    // A left click inside the plot area, in the chart's own coordinates.
    void plotClicked(const QPointF& chartPosition);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPointF chartPositionOf(const QPoint& viewportPosition) const;
    void hideReadout();

    QLabel* m_readout;
    QAbstractSeries* m_reference = nullptr;
    Readout m_readoutText;
};
