// SPDX-License-Identifier: GPL-3.0-or-later
// Picture1: the plot area, a drawing surface with a retained image at the screen's pixel ratio.
#include "ui/classic/plot_area.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

using cuneola::Colour;
using cuneola::toSingle;

PlotArea::PlotArea(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PlotArea::ensureImage()
{
    const qreal dpr = devicePixelRatioF();
    const QSize logical = contentsRect().size();
    const QSize device(std::max(0, qRound(logical.width() * dpr)), std::max(0, qRound(logical.height() * dpr)));
    if (!m_image.isNull() && m_image.size() == device && m_image.devicePixelRatio() == dpr) return;
    m_image = QImage(device, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(dpr);
    m_image.fill(kBackground);
    m_pen = std::max(1, qRound(dpr));
    m_pixels = nullptr;
    m_touchLimit = static_cast<std::size_t>(device.width()) * static_cast<std::size_t>(device.height()) / 4;
    m_touched.clear();
    m_touchedOverflow = false;
    remap();
}

void PlotArea::remap()
{
    if (!m_scaled) {
        m_left = 0.0;
        m_top = 0.0;
        m_right = contentsRect().width();
        m_bottom = contentsRect().height();
    }
    m_mapping = cuneola::PlotMapping(m_left, m_top, m_right, m_bottom, m_image.width(), m_image.height());
}

void PlotArea::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    ensureImage();
}

void PlotArea::Scale(double left, double top, double right, double bottom)
{
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
    m_scaled = true;
    ensureImage();
    remap();
}

void PlotArea::Cls()
{
    // The trial that just ended is complete: show it if the last showing is long enough ago.
    if (m_inRun && m_drawnSinceShown && m_sinceShown.elapsed() >= kRepaintIntervalMs) {
        showDrawing();
        ++m_runRepaints;
    }
    ensureImage();
    if (m_touchedOverflow) {
        m_image.fill(kBackground);
    } else if (!m_touched.empty()) {
        QRgb* image = pixels();
        for (std::uint32_t i : m_touched) image[i] = kBackground;
    }
    m_touched.clear();
    m_touchedOverflow = false;
    m_drawnSinceShown = true;
}

void PlotArea::Line(double x1, double y1, double x2, double y2)
{
    drawLine(x1, y1, x2, y2, palette().color(QPalette::WindowText).rgb());
}

void PlotArea::Line(double x1, double y1, double x2, double y2, Colour colour)
{
    drawLine(x1, y1, x2, y2, toRgb(colour));
}

// The march calls this for every dot, thousands of times a trial: the common case, a
// dot below one pixel that lands inside, is handled here without further calls.
void PlotArea::Circle(double x, double y, double radius, Colour colour)
{
    const auto sx = toSingle(x);
    const auto sy = toSingle(y);
    const auto sr = toSingle(radius);
    if (!sx || !sy || !sr || !m_mapping.usable()) return;
    const double px = m_mapping.pixelX(*sx);
    const double py = m_mapping.pixelY(*sy);
    const double r = m_mapping.pixelsAlongX(*sr);
    if (!(r < m_pen)) {
        drawCircle(px, py, r, toRgb(colour));
        return;
    }
    // Below one logical pixel the outline is the dot itself.
    const auto cell = m_mapping.cellOf(px, py);
    if (!cell) return;
    if (m_pen == 1 && !m_touchedOverflow && m_touched.size() < m_touchLimit) {
        const auto index = static_cast<std::uint32_t>(cell->y * m_mapping.width() + cell->x);
        QRgb& pixel = pixels()[index];
        const QRgb rgb = toRgb(colour);
        // Neighbouring steps mostly land on the same pixel in the same colour: such a
        // dot changes nothing and needs no restoring.
        if (pixel != rgb) {
            pixel = rgb;
            m_touched.push_back(index);
        }
        m_drawnSinceShown = true;
    } else {
        stamp(cell->x, cell->y, toRgb(colour));
    }
}

QRgb* PlotArea::pixels()
{
    // bits() detaches the image from any copy handed out before.
    if (!m_pixels) m_pixels = reinterpret_cast<QRgb*>(m_image.bits());
    return m_pixels;
}

// Writes a pen-sized block with its top-left corner at (x, y), cut off at the image's
// far edges, and remembers the pixels for Cls.
void PlotArea::stamp(int x, int y, QRgb colour)
{
    const int w = m_image.width();
    QRgb* image = pixels();
    m_drawnSinceShown = true;
    if (m_pen == 1) {
        const auto index = static_cast<std::uint32_t>(y * w + x);
        image[index] = colour;
        if (!m_touchedOverflow) m_touched.push_back(index);
    } else {
        const int h = m_image.height();
        for (int yy = y; yy < y + m_pen && yy < h; ++yy) {
            for (int xx = x; xx < x + m_pen && xx < w; ++xx) {
                const auto index = static_cast<std::uint32_t>(yy * w + xx);
                image[index] = colour;
                if (!m_touchedOverflow) m_touched.push_back(index);
            }
        }
    }
    if (m_touched.size() > m_touchLimit) {
        m_touchedOverflow = true;
        m_touched.clear();
    }
}

void PlotArea::drawLine(double x1, double y1, double x2, double y2, QRgb colour)
{
    const auto a = toSingle(x1);
    const auto b = toSingle(y1);
    const auto c = toSingle(x2);
    const auto d = toSingle(y2);
    if (!a || !b || !c || !d || !m_mapping.usable()) return;
    drawSegment(m_mapping.pixelX(*a), m_mapping.pixelY(*b), m_mapping.pixelX(*c), m_mapping.pixelY(*d), colour);
}

// Cuts the segment to the image (Cohen-Sutherland) and walks its cells (Bresenham). A
// cut end is moved onto the edge it crosses, with the edge's own coordinate exact, so
// that ends far outside (a float reaches 3.4e38) lose no precision on the way in.
void PlotArea::drawSegment(double px0, double py0, double px1, double py1, QRgb colour)
{
    if (!std::isfinite(px0) || !std::isfinite(py0) || !std::isfinite(px1) || !std::isfinite(py1)) return;
    // The image covers [0, width) x [0, height); the far edges themselves lie outside.
    const double maxX = std::nextafter(static_cast<double>(m_image.width()), 0.0);
    const double maxY = std::nextafter(static_cast<double>(m_image.height()), 0.0);
    enum : int { Left = 1, Right = 2, Above = 4, Below = 8 };
    auto outcode = [&](double x, double y) {
        return (x < 0.0 ? Left : x > maxX ? Right : 0) | (y < 0.0 ? Above : y > maxY ? Below : 0);
    };
    int code0 = outcode(px0, py0);
    int code1 = outcode(px1, py1);
    while (code0 | code1) {
        if (code0 & code1) return; // wholly on the outer side of one edge
        const int code = code0 ? code0 : code1;
        double x = 0.0;
        double y = 0.0;
        if (code & (Left | Right)) {
            x = code & Left ? 0.0 : maxX;
            y = py0 + (py1 - py0) * ((x - px0) / (px1 - px0));
        } else {
            y = code & Above ? 0.0 : maxY;
            x = px0 + (px1 - px0) * ((y - py0) / (py1 - py0));
        }
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        if (code == code0) {
            px0 = x;
            py0 = y;
            code0 = outcode(px0, py0);
        } else {
            px1 = x;
            py1 = y;
            code1 = outcode(px1, py1);
        }
    }
    const auto start = m_mapping.cellOf(px0, py0);
    const auto end = m_mapping.cellOf(px1, py1);
    if (!start || !end) return;

    int x = start->x;
    int y = start->y;
    const int stepsX = std::abs(end->x - x);
    const int stepsY = -std::abs(end->y - y);
    const int sx = x < end->x ? 1 : -1;
    const int sy = y < end->y ? 1 : -1;
    int err = stepsX + stepsY;
    for (;;) {
        stamp(x, y, colour);
        if (x == end->x && y == end->y) break;
        const int e2 = 2 * err;
        if (e2 >= stepsY) {
            err += stepsY;
            x += sx;
        }
        if (e2 <= stepsX) {
            err += stepsX;
            y += sy;
        }
    }
}

// A circle outline of radius r pixels (at least one logical pixel) around the
// continuous pixel position (cx, cy).
void PlotArea::drawCircle(double cx, double cy, double r, QRgb colour)
{
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) return;

    // One pass over the columns and one over the rows that the circle spans inside the
    // image: each finds the outline's crossings there. The work is bounded by the image
    // size whatever the radius.
    const int w = m_image.width();
    const int h = m_image.height();
    const double r2 = r * r;
    const int firstX = static_cast<int>(std::clamp(std::floor(cx - r), 0.0, static_cast<double>(w)));
    const int lastX = static_cast<int>(std::clamp(std::floor(cx + r), -1.0, static_cast<double>(w - 1)));
    for (int px = firstX; px <= lastX; ++px) {
        const double off = (px + 0.5) - cx;
        if (off * off > r2) continue;
        const double half = std::sqrt(r2 - off * off);
        for (const double py : {cy - half, cy + half})
            if (const auto cell = m_mapping.cellOf(px + 0.5, py)) stamp(cell->x, cell->y, colour);
    }
    const int firstY = static_cast<int>(std::clamp(std::floor(cy - r), 0.0, static_cast<double>(h)));
    const int lastY = static_cast<int>(std::clamp(std::floor(cy + r), -1.0, static_cast<double>(h - 1)));
    for (int py = firstY; py <= lastY; ++py) {
        const double off = (py + 0.5) - cy;
        if (off * off > r2) continue;
        const double half = std::sqrt(r2 - off * off);
        for (const double px : {cx - half, cx + half})
            if (const auto cell = m_mapping.cellOf(px, py + 0.5)) stamp(cell->x, cell->y, colour);
    }
}

void PlotArea::beginRun()
{
    m_inRun = true;
    m_drawnSinceShown = false;
    m_runRepaints = 0;
    m_sinceShown.start();
}

void PlotArea::endRun()
{
    m_inRun = false;
    showDrawing();
}

// Puts the drawing on the screen now, without waiting for the event loop; a hidden
// widget is marked for its next paint instead.
void PlotArea::showDrawing()
{
    if (isVisible())
        repaint();
    else
        update();
    m_drawnSinceShown = false;
    m_sinceShown.restart();
}

void PlotArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, QColor::fromRgb(kBackground));
    if (!m_image.isNull()) painter.drawImage(inside.topLeft(), m_image);
    drawFrame(&painter);
}
