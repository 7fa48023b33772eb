// SPDX-License-Identifier: GPL-3.0-or-later
// Cuneola's entry point: the application and its main window.
#include "ui/classic/form_main.h"
#include "ui/common/app_identity.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(cuneola::ui::applicationId());
    Form_Main window;
    window.show();
    return app.exec();
}
