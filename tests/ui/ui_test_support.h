// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the window tests: finding controls by name and taking a snapshot of all the window shows.
#pragma once

#include "solver/input_boxes.h"
#include "ui/classic/form_main.h"
#include "ui/classic/log_model.h"
#include "ui/classic/plot_area.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

namespace cuneola::testing {

// The objectNames of the input boxes, in the order of cuneola::InputBox.
inline const QStringList kInputBoxNames = [] {
    QStringList names;
    for (const cuneola::InputBoxDesign& design : cuneola::kInputBoxes) names << QLatin1String(design.name);
    return names;
}();

template <class T = QWidget>
T* control(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found) qFatal("no control named %s", qPrintable(name));
    return found;
}

inline QStringList logLines(const Form_Main& window)
{
    QStringList lines;
    for (int i = 0; i < window.logModel()->rowCount(); ++i) lines << window.logModel()->line(i);
    return lines;
}

// Everything a Calculate can change.
struct WindowSnapshot {
    QStringList texts;
    QStringList log;
    QString status;
    QImage plot;

    explicit WindowSnapshot(const Form_Main& window)
        : log(logLines(window)), status(control<QLabel>(window, "Lbl_iter")->text()),
          plot(window.plotArea()->image().copy())
    {
        for (const QString& name : kInputBoxNames) texts << control<QLineEdit>(window, name)->text();
    }
    bool operator==(const WindowSnapshot&) const = default;
};

// A main window that collects its warnings instead of showing message boxes.
struct TestWindow {
    Form_Main window;
    QStringList warnings;

    TestWindow()
    {
        window.setWarningHandler([this](const QString& message) { warnings << message; });
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) qFatal("the main window was never exposed");
    }
    void setText(const QString& box, const QString& text) { control<QLineEdit>(window, box)->setText(text); }
    QString text(const QString& box) const { return control<QLineEdit>(window, box)->text(); }
    QString status() const { return control<QLabel>(window, "Lbl_iter")->text(); }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton); }
};

} // namespace cuneola::testing
