// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the windows are designed for, with metric-compatible stand-ins where they are missing.
#pragma once

#include <QFont>

namespace cuneola::ui {

// Registers the stand-ins once: Liberation Sans for Arial (fontconfig knows this alias
// too) and DejaVu Sans for Verdana. On systems that have the fonts they are not used.
void installFontFallbacks();

// A regular font of the family at a point size.
QFont designFont(const char* family, qreal pointSize);

} // namespace cuneola::ui
