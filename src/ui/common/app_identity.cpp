// SPDX-License-Identifier: GPL-3.0-or-later
// Who the application is to the desktop: its id and its icon.
#include "ui/common/app_identity.h"

#include "app_id.h"

namespace cuneola::ui {

QString applicationId() { return QString::fromLatin1(kAppId); }

QIcon applicationIcon()
{
    // Compiled in by qt_add_resources, which also links its registration into every program.
    return QIcon(QStringLiteral(":/cuneola/cuneola-256.png"));
}

} // namespace cuneola::ui
