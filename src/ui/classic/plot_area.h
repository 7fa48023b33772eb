// SPDX-License-Identifier: GPL-3.0-or-later
// Picture1: the plot area, a drawing surface with a retained image at the screen's pixel ratio.
#pragma once

#include "solver/plot_surface.h"
#include "ui/classic/design_units.h"
#include "ui/classic/plot_mapping.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QImage>

#include <cstdint>
#include <vector>

// Draws the march's frame and dots into a retained image and shows it. A mark goes
// straight into the image's pixels: a dot whose radius is below one pixel is one pixel
// (a pen-sized block on high-DPI screens), larger circles and the lines are rasterised
// here too, cut off at the edges of the image and never clamped onto them.
class PlotArea : public QFrame, public cuneola::PlotSurface {
    Q_OBJECT
public:
    static constexpr QRgb kBackground = cuneola::ui::kLightYellow;
    // Shortest time between two repaints while a search runs: about 30 a second.
    static constexpr qint64 kRepaintIntervalMs = 33;

    explicit PlotArea(QWidget* parent = nullptr);

    void Scale(double left, double top, double right, double bottom) override;
    void Cls() override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2, cuneola::Colour colour) override;
    void Circle(double x, double y, double radius, cuneola::Colour colour) override;

    // The retained drawing, in device pixels, with its device pixel ratio set. A copy
    // taken of it keeps what it shows: the next mark then draws into a fresh buffer.
    const QImage& image() const
    {
        m_pixels = nullptr;
        return m_image;
    }
    // The mapping of the current world rectangle onto image().
    const cuneola::PlotMapping& mapping() const { return m_mapping; }
    // A copy of the drawing that stays as it is, for the clipboard.
    QImage snapshot() const { return m_image.copy(); }
    // Width of lines and dots in device pixels: one logical pixel, at least one.
    int penWidth() const { return m_pen; }
    // Where the plot's inside begins, in the widget's coordinates (children count from here).
    QPoint interiorOrigin() const { return contentsRect().topLeft(); }

    // A search brackets its marches with these: during the run the finished trials are
    // shown at most every kRepaintIntervalMs, and the last march is always shown at its end.
    void beginRun();
    void endRun();
    // How many times the drawing was put on the screen during runs; for tests and benchmarks.
    int runRepaints() const { return m_runRepaints; }

    static QRgb toRgb(cuneola::Colour colour)
    {
        // Stored as blue * 65536 + green * 256 + red.
        return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensureImage();
    void remap();
    void drawLine(double x1, double y1, double x2, double y2, QRgb colour);
    void drawSegment(double px0, double py0, double px1, double py1, QRgb colour);
    void drawCircle(double cx, double cy, double r, QRgb colour);
    void stamp(int x, int y, QRgb colour);
    QRgb* pixels();
    void showDrawing();

    QImage m_image;
    // m_image's pixels while no one else holds the buffer; null once it was handed out.
    mutable QRgb* m_pixels = nullptr;
    cuneola::PlotMapping m_mapping;
    // World rectangle of the last Scale; before the first, the interior in logical pixels.
    double m_left = 0.0;
    double m_top = 0.0;
    double m_right = 1.0;
    double m_bottom = 1.0;
    bool m_scaled = false;
    int m_pen = 1;

    // Pixels written since the last Cls, so that Cls restores only those; past a
    // quarter of the image it refills the whole image instead.
    std::vector<std::uint32_t> m_touched;
    std::size_t m_touchLimit = 0;
    bool m_touchedOverflow = false;

    bool m_inRun = false;
    bool m_drawnSinceShown = false;
    int m_runRepaints = 0;
    QElapsedTimer m_sinceShown;
};
