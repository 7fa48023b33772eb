// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for a report: a picture saved as PNG at a chosen resolution, or as SVG or PDF vectors.
#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QPainter;
class QRectF;
class QWidget;

namespace cuneola::ui {

// Draws a figure into `target` on any paint device, on a white background.
using FigurePainter = std::function<void(QPainter& painter, const QRectF& target)>;

enum class FigureFormat { Png, Svg, Pdf };

// The format a file name's extension asks for (.png, .svg, .pdf, in any case).
std::optional<FigureFormat> figureFormatOf(const QString& path);

// The file's bytes for a figure of `size` logical pixels: a PNG `pngScale` times as
// many pixels across; SVG and PDF with curves as paths and text as text.
QByteArray figureBytes(FigureFormat format, const QSizeF& size, const FigurePainter& paint, double pngScale = 1.0);

// Pixels across of a PNG 16 cm wide at 300 dpi.
inline constexpr double kPrintWidthPixels = 16.0 / 2.54 * 300.0;

// Adds "Save image…" (objectName saveImageAction) to `widget`'s context menu: a file name
// whose extension picks the format, a resolution for PNG, an atomic write, and a plain
// message when it fails.
QAction* addSaveImageAction(QWidget* widget, const FigurePainter& paint);

} // namespace cuneola::ui
