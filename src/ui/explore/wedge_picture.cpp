// SPDX-License-Identifier: GPL-3.0-or-later
// The wedge and its boundary layer drawn in physical space, lengths to scale and heights stretched by a stated factor.
#include "ui/explore/wedge_picture.h"

#include "ui/charts/chart_axes.h"
#include "ui/charts/figure_export.h"
#include "ui/explore/explore_numbers.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

using cuneola::analysis::FlowPoint;
using cuneola::ui::significantText;

namespace {

constexpr double kLeftOfEdge = 0.22; // the part of the picture ahead of the leading edge, of xEnd
constexpr double kTextHeight = 44.0;
constexpr double kWallAt = 0.64; // the wall's height in the drawing area, from the top

// The largest of 1, 2, 5 times a power of ten not above `factor`.
double roundDown(double factor)
{
    if (!(factor > 0.0) || !std::isfinite(factor)) return 1.0;
    const double decade = std::pow(10.0, std::floor(std::log10(factor)));
    for (const double step : {5.0, 2.0, 1.0})
        if (step * decade <= factor) return step * decade;
    return decade;
}

QString lengthText(double metres)
{
    if (metres < 1e-3) return QStringLiteral("%1 µm").arg(significantText(metres * 1e6, 3));
    if (metres < 1.0) return QStringLiteral("%1 mm").arg(significantText(metres * 1e3, 3));
    return QStringLiteral("%1 m").arg(significantText(metres, 3));
}

const QColor kInk(40, 40, 40);
QPen streamlinePen() { return QPen(QColor(150, 150, 150), 1.0); }
QPen delta99Pen() { return QPen(QColor(0, 0, 220), 2.0); }
QPen displacementPen() { return QPen(QColor(0, 150, 0), 2.0, Qt::DashLine); }
QPen arrowPen() { return QPen(QColor(190, 0, 0), 1.3); }

} // namespace

// Metres to the target's pixels: x to scale, y above the wall stretched.
struct WedgePicture::Frame {
    double left, wall, kx, ky, stretch;
    QRectF area;
    QPointF at(double x, double y) const { return {left + x * kx, wall - y * ky}; }
};

WedgePicture::WedgePicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture_Wedge"));
    setAccessibleName(tr("The wedge and its boundary layer to scale"));
    setMinimumSize(320, 220);
    setFocusPolicy(Qt::StrongFocus);
    auto* copy = new QAction(tr("Copy plot"), this);
    copy->setObjectName(QStringLiteral("copyPlotAction"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setImage(grab().toImage()); });
    addAction(copy);
    cuneola::ui::addSaveImageAction(this, [this](QPainter& painter, const QRectF& target) { paint(painter, target); });
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void WedgePicture::setFlow(const cuneola::analysis::WedgeFlow& flow, double beta, double stationX)
{
    m_flow = flow;
    m_beta = beta;
    m_stationX = stationX;
    m_reason.clear();
    update();
}

void WedgePicture::setNothing(const QString& reason)
{
    m_flow = {};
    m_reason = reason;
    update();
}

WedgePicture::Frame WedgePicture::frameFor(const QRectF& target) const
{
    const QRectF area = target.adjusted(12.0, kTextHeight, -12.0, -28.0);
    Frame f{};
    f.area = area;
    const double span = m_flow.xEnd * (1.0 + kLeftOfEdge + 0.03);
    f.kx = area.width() / span;
    f.left = area.left() + kLeftOfEdge * m_flow.xEnd * f.kx;
    f.wall = area.top() + kWallAt * area.height();
    const double room = 0.94 * (f.wall - area.top());
    f.stretch = roundDown(room / (m_flow.yTop * f.kx));
    if (f.stretch > 1.0 && f.stretch < 2.0) f.stretch = 1.0;
    f.ky = f.kx * f.stretch;
    return f;
}

double WedgePicture::stretchFor(const QSizeF& size) const
{
    if (!(m_flow.xEnd > 0.0)) return 0.0;
    return frameFor(QRectF(QPointF(0, 0), size)).stretch;
}

QString WedgePicture::stretchSentence(double stretch)
{
    if (stretch == 1.0) return tr("Drawn to scale.");
    return tr("Heights above the wall drawn %1× enlarged; lengths along it and the wedge to scale.")
        .arg(significantText(stretch, 3));
}

QString WedgePicture::stretchText() const
{
    const double s = stretchFor(size());
    if (s == 0.0) return {};
    return stretchSentence(s);
}

QString WedgePicture::geometryText() const
{
    if (!(m_flow.xEnd > 0.0)) return {};
    const double degrees = m_beta * 180.0;
    if (m_beta == 0.0) return tr("β = 0: a flat plate along the stream.");
    if (m_beta == 1.0) return tr("β = 1: a wall facing the stream (plane stagnation flow).");
    if (m_beta > 0.0)
        return tr("A wedge of included angle βπ = %1°; the layer on its upper face.").arg(significantText(degrees, 4));
    return tr("β < 0 is no wedge: the wall turns away from the stream by %1° at the leading edge, and the outer "
              "flow slows down along it as x^m, m = %2.")
        .arg(significantText(-m_beta * 90.0, 4), significantText(m_beta / (2.0 - m_beta), 4));
}

void WedgePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, rect());
}

void WedgePicture::paint(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(target, Qt::white);
    painter.setClipRect(target);
    if (!(m_flow.xEnd > 0.0)) {
        painter.setPen(kInk);
        painter.drawText(target.adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, m_reason);
        painter.restore();
        return;
    }
    const Frame f = frameFor(target);

    // The texts above the drawing.
    painter.setPen(kInk);
    const QRectF textBox = target.adjusted(10.0, 4.0, -10.0, 0.0);
    painter.drawText(QRectF(textBox.left(), textBox.top(), textBox.width(), kTextHeight), Qt::AlignLeft | Qt::AlignTop,
                     geometryText() + QLatin1Char('\n') + stretchSentence(f.stretch));

    drawSolid(painter, f, target);
    painter.setClipRect(QRectF(target.left(), f.area.top() - 4.0, target.width(), f.wall - f.area.top() + 4.0));
    drawLayer(painter, f);
    drawVelocities(painter, f);
    painter.setClipRect(target);
    drawStationAndLegend(painter, f);
    drawScaleBar(painter, f, target);
    painter.restore();
}

// The solid: a sector from the upper face clockwise through the included angle (the
// wedge, beta pi) or, for beta < 0, round to the wall the flow came along.
void WedgePicture::drawSolid(QPainter& painter, const Frame& f, const QRectF& target) const
{
    const double turn = m_beta >= 0.0 ? m_beta * std::numbers::pi : std::numbers::pi * (1.0 + m_beta / 2.0);
    const QPointF edge = f.at(0.0, 0.0);
    const double R = 3.0 * (target.width() + target.height());
    QPainterPath solid;
    solid.moveTo(edge);
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const double phi = -turn * i / steps;
        solid.lineTo(edge + QPointF(R * std::cos(phi), -R * std::sin(phi)));
    }
    solid.closeSubpath();
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(QColor(200, 200, 200));
    if (turn > 0.0)
        painter.drawPath(solid);
    else
        painter.drawRect(QRectF(edge, QPointF(target.right() + 2.0, edge.y() + 3.0)));
    painter.setBrush(Qt::NoBrush);
}

// The streamlines, delta99 and delta*.
void WedgePicture::drawLayer(QPainter& painter, const Frame& f) const
{
    const auto polyline = [&](const std::vector<FlowPoint>& points) {
        QPainterPath path;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPointF p = f.at(points[i].x, points[i].y);
            if (i == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        painter.drawPath(path);
    };
    painter.setPen(streamlinePen());
    for (const auto& line : m_flow.streamlines) polyline(line);
    painter.setPen(delta99Pen());
    polyline(m_flow.delta99);
    painter.setPen(displacementPen());
    polyline(m_flow.deltaStar);
}

// Velocity profiles: one arrow per height, its length u on a common scale.
void WedgePicture::drawVelocities(QPainter& painter, const Frame& f) const
{
    double uMax = 0.0;
    for (const auto& v : m_flow.profiles)
        for (double u : v.u) uMax = std::max(uMax, std::fabs(u));
    const double ka = uMax > 0.0 ? 0.2 * m_stationX * f.kx / uMax : 0.0;
    painter.setPen(arrowPen());
    for (const auto& v : m_flow.profiles) {
        const QPointF base = f.at(v.x, 0.0);
        painter.drawLine(base, f.at(v.x, v.y.back() + (v.y.back() - v.y.front()) / 16.0));
        for (std::size_t j = 0; j < v.y.size(); ++j) {
            const QPointF from = f.at(v.x, v.y[j]);
            const double length = v.u[j] * ka;
            const QPointF to = from + QPointF(length, 0.0);
            painter.drawLine(from, to);
            if (std::fabs(length) > 5.0) {
                const double head = length > 0.0 ? -4.0 : 4.0;
                painter.drawLine(to, to + QPointF(head, -2.5));
                painter.drawLine(to, to + QPointF(head, 2.5));
            }
        }
    }
}

// The station and, under the wall, the legend.
void WedgePicture::drawStationAndLegend(QPainter& painter, const Frame& f) const
{
    painter.setPen(QPen(kInk, 1.0, Qt::DotLine));
    const QPointF station = f.at(m_stationX, 0.0);
    painter.drawLine(station, QPointF(station.x(), f.area.top()));
    painter.setPen(kInk);
    painter.drawText(QPointF(station.x() + 4.0, f.area.top() + 12.0), tr("station x = %1").arg(lengthText(m_stationX)));

    const double legendY = f.wall + 18.0;
    const struct {
        QPen pen;
        QString text;
        bool shown;
    } legend[] = {
        {delta99Pen(), tr("δ99(x)"), !m_flow.delta99.empty()},
        {displacementPen(), tr("δ*(x)"), true},
        {streamlinePen(), tr("streamlines"), true},
        {arrowPen(), tr("velocity u at three stations"), true},
    };
    double legendRowX = f.area.left();
    for (const auto& item : legend) {
        if (!item.shown) continue;
        painter.setPen(item.pen);
        painter.drawLine(QPointF(legendRowX, legendY - 4.0), QPointF(legendRowX + 22.0, legendY - 4.0));
        painter.setPen(kInk);
        painter.drawText(QPointF(legendRowX + 26.0, legendY), item.text);
        legendRowX += 40.0 + painter.fontMetrics().horizontalAdvance(item.text);
    }
}

// A scale bar along the wall, from the leading edge.
void WedgePicture::drawScaleBar(QPainter& painter, const Frame& f, const QRectF& target) const
{
    const double bar = cuneola::ui::niceStep(m_flow.xEnd, 3);
    const double barY = target.bottom() - 12.0;
    const QPointF a(f.at(0.0, 0.0).x(), barY), b(f.at(bar, 0.0).x(), barY);
    painter.setPen(QPen(kInk, 1.5));
    painter.drawLine(a, b);
    painter.drawLine(a + QPointF(0, -4), a + QPointF(0, 4));
    painter.drawLine(b + QPointF(0, -4), b + QPointF(0, 4));
    painter.drawText(QPointF(b.x() + 6.0, barY + 4.0), lengthText(bar));
}
