// SPDX-License-Identifier: GPL-3.0-or-later
// The UTF-8 texts of the Qt-free libraries as Qt strings.
#pragma once

#include <QString>

#include <string_view>

namespace cuneola::ui {

inline QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace cuneola::ui
