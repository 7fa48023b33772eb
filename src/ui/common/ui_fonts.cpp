// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the windows are designed for, with metric-compatible stand-ins where they are missing.
#include "ui/common/ui_fonts.h"

namespace cuneola::ui {

void installFontFallbacks()
{
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        return true;
    }();
    Q_UNUSED(installed);
}

QFont designFont(const char* family, qreal pointSize)
{
    installFontFallbacks();
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace cuneola::ui
