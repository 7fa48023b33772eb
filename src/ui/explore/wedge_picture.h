// SPDX-License-Identifier: GPL-3.0-or-later
// The wedge and its boundary layer drawn in physical space, lengths to scale and heights stretched by a stated factor.
#pragma once

#include "analysis/wedge_flow.h"

#include <QWidget>

class QPainter;

class WedgePicture : public QWidget {
    Q_OBJECT
public:
    explicit WedgePicture(QWidget* parent = nullptr);

    // The flow to draw for this beta, with the station at `stationX` metres.
    void setFlow(const cuneola::analysis::WedgeFlow& flow, double beta, double stationX);
    // Nothing to draw: `reason` instead.
    void setNothing(const QString& reason);

    // The factor heights above the wall are drawn enlarged by, for a picture of `size`
    // (1 when the layer is thick enough to see at true scale); 0 when nothing is drawn.
    double stretchFor(const QSizeF& size) const;
    // "Heights above the wall drawn 50× enlarged" as the picture says it.
    QString stretchText() const;
    // The sentence on the picture that says what the wall looks like at this β.
    QString geometryText() const;

    // Draws the whole picture into `target` of any paint device.
    void paint(QPainter& painter, const QRectF& target) const;

    QSize sizeHint() const override { return {560, 360}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Frame;
    Frame frameFor(const QRectF& target) const;
    static QString stretchSentence(double stretch);
    void drawSolid(QPainter& painter, const Frame& f, const QRectF& target) const;
    void drawLayer(QPainter& painter, const Frame& f) const;
    void drawVelocities(QPainter& painter, const Frame& f) const;
    void drawStationAndLegend(QPainter& painter, const Frame& f) const;
    void drawScaleBar(QPainter& painter, const Frame& f, const QRectF& target) const;

    cuneola::analysis::WedgeFlow m_flow;
    double m_beta = 0.0;
    double m_stationX = 0.0;
    QString m_reason;
};
