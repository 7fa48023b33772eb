// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for a report: a picture saved as PNG at a chosen resolution, or as SVG or PDF vectors.
#include "ui/charts/figure_export.h"

#include "ui/common/save_file.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QWidget>

#include <cmath>

namespace cuneola::ui {

std::optional<FigureFormat> figureFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return FigureFormat::Png;
    if (suffix == QLatin1String("svg")) return FigureFormat::Svg;
    if (suffix == QLatin1String("pdf")) return FigureFormat::Pdf;
    return std::nullopt;
}

QByteArray figureBytes(FigureFormat format, const QSizeF& size, const FigurePainter& paint, double pngScale)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QRectF target(QPointF(0.0, 0.0), size);
    switch (format) {
    case FigureFormat::Png: {
        const QSize pixels(static_cast<int>(std::lround(size.width() * pngScale)),
                           static_cast<int>(std::lround(size.height() * pngScale)));
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(pngScale);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paint(painter, target);
        }
        image.save(&buffer, "PNG");
        break;
    }
    case FigureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size.toSize());
        svg.setViewBox(target);
        svg.setTitle(QCoreApplication::applicationName());
        QPainter painter(&svg);
        painter.fillRect(target, Qt::white);
        paint(painter, target);
        break;
    }
    case FigureFormat::Pdf: {
        // One point per logical pixel: the page is the figure's size.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator(QCoreApplication::applicationName());
        QPainter painter(&pdf);
        painter.fillRect(target, Qt::white);
        paint(painter, target);
        break;
    }
    }
    return bytes;
}

QAction* addSaveImageAction(QWidget* widget, const FigurePainter& paint)
{
    auto* save = new QAction(QCoreApplication::translate("FigureExport", "Save image…"), widget);
    save->setObjectName(QStringLiteral("saveImageAction"));
    QObject::connect(save, &QAction::triggered, widget, [widget, paint] {
        auto& dialogs = saveDialogs();
        const auto tr = [](const char* text) { return QCoreApplication::translate("FigureExport", text); };
        const QString path = dialogs.savePath(widget, tr("Save image"), QStringLiteral("figure.png"),
                                              tr("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
        if (path.isEmpty()) return;
        const std::optional<FigureFormat> format = figureFormatOf(path);
        if (!format) {
            dialogs.warn(widget, tr("The file name must end in .png, .svg or .pdf, which picks the format. "
                                    "Nothing was written."));
            return;
        }
        const QSizeF size = widget->size();
        double scale = 1.0;
        if (*format == FigureFormat::Png) {
            const QStringList choices{tr("as on the screen"), tr("twice the screen's pixels"),
                                      tr("300 dpi for a figure 16 cm wide")};
            const int choice = dialogs.choose(widget, tr("Save image"), tr("Resolution of the PNG image:"), choices);
            if (choice < 0) return;
            scale = choice == 0 ? widget->devicePixelRatioF() : choice == 1 ? 2.0 : kPrintWidthPixels / size.width();
        }
        const QString failure = writeFileAtomically(path, figureBytes(*format, size, paint, scale));
        if (!failure.isEmpty()) dialogs.warn(widget, failure);
    });
    widget->addAction(save);
    return save;
}

} // namespace cuneola::ui
