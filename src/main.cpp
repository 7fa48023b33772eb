// SPDX-License-Identifier: MIT
// Cuneola's entry point: the application and its main window.
#include "form_main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Form_Main window;
    window.show();
    return app.exec();
}
