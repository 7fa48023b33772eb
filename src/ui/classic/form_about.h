// SPDX-License-Identifier: GPL-3.0-or-later
// Form_About: the small window that names the tool, what it does, who made it and whom to write to.
#pragma once

#include "ui/classic/design_units.h"

#include <QWidget>

// A top-level window without an owner: it stacks independently of the main window
// and keeps the program running while it is open. Closing it only hides it.
class Form_About : public QWidget {
    Q_OBJECT
public:
    // The client area, in logical pixels.
    static constexpr int kClientWidth = cuneola::ui::pixelsOf(4275);
    static constexpr int kClientHeight = cuneola::ui::pixelsOf(4230);

    Form_About();

    // Puts every label back to its designed text, font, colour and place.
    void loadDesign();

    // "developed by " and the configured author; the configured contact address.
    static QString authorCredit();
    static QString contactAddress();
};
