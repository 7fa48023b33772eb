// SPDX-License-Identifier: GPL-3.0-or-later
// Who the application is to the desktop: its id and its icon.
#pragma once

#include <QIcon>

namespace cuneola::ui {

// The reverse-DNS id of the desktop entry, the metainfo and the installed icon.
QString applicationId();

// The application icon, built into the program.
QIcon applicationIcon();

} // namespace cuneola::ui
