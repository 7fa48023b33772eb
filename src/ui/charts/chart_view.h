// SPDX-License-Identifier: GPL-3.0-or-later
// A chart view of the Explore window: copy as an image, a read-out under the mouse, clicks on the plot.
#pragma once

#include <QChartView>
#include <QHash>
#include <QPointer>
#include <QXYSeries>

#include <functional>

class QLabel;

class ChartView : public QChartView {
    Q_OBJECT
public:
    // The read-out's text for the mouse at `value`, in the axes of the reference series.
    using Readout = std::function<QString(const QPointF& value)>;

    ChartView(QChart* chart, const QString& spokenName, QWidget* parent = nullptr);
    ~ChartView() override;

    // `reference` names the axes `value` is measured in (the chart's first series when null).
    void setReadout(QAbstractSeries* reference, Readout readout);
    // What the read-out shows now; empty while the mouse is off the plot.
    QString readoutText() const;
    // Shows the read-out for a chart position, as a mouse move there would.
    void showReadoutAt(const QPointF& chartPosition);

    // The picture the "Copy plot" command puts on the clipboard.
    QImage snapshot();

    // What the chart shows, in words with its key numbers, for a screen reader.
    void setDescription(const QString& text);
    // The keys step through the points of the curves that have a name: Left and Right one
    // point, Page Up and Page Down a tenth of the curve, Home and End to its ends, Up and Down
    // to the previous or next curve. Each point is shown and announced as it is reached.
    // The text of a point: "f' = 0.4131 at η = 1.2, point 25 of 200".
    QString pointText(const QXYSeries* series, int index) const;
    // A curve that draws only some of its points (straight runs left out, which looks the
    // same) still steps through all of them: `points` are those the keys reach on `series`.
    void setStepPoints(const QXYSeries* series, const QList<QPointF>& points);
    // The points the keys reach on `series`: those given for it, or else those it draws.
    QList<QPointF> stepPoints(const QXYSeries* series) const;
    // The curve and point the keys reached; no curve before the first key.
    const QXYSeries* steppedSeries() const { return m_stepSeries; }
    int steppedPoint() const { return m_stepPoint; }

signals:
    // A left click inside the plot area, in the chart's own coordinates.
    void plotClicked(const QPointF& chartPosition);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // A frame in the highlight colour while the keys act on the chart.
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    QPointF chartPositionOf(const QPoint& viewportPosition) const;
    void hideReadout();
    QList<QXYSeries*> steppableSeries() const;
    void stepTo(QXYSeries* series, int index);

    QLabel* m_readout;
    QAbstractSeries* m_reference = nullptr;
    Readout m_readoutText;
    QHash<const QXYSeries*, QList<QPointF>> m_stepPoints;
    QPointer<QXYSeries> m_stepSeries;
    int m_stepPoint = -1;
    bool m_snapshot = false; // the focus frame stays out of the copied picture
};
