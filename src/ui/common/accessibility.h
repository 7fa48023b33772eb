// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads and hears in both windows: labels that carry results, notifications, sliders.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QAccessibleEvent;
class QLabel;
class QSlider;

namespace cuneola::ui {

// Installs the accessible interfaces of this file and of every line edit (once; later calls
// do nothing). A window calls it before it makes its first control: an interface, once asked
// for, stays with its widget.
void installAccessibility();

// Receives the events raised here, and the showing of a notification, as a screen reader would be
// sent them. Qt sends nothing while no screen reader runs; tests watch through this. Null stops.
using AccessibilityWatcher = void (*)(QAccessibleEvent* event);
void watchAccessibility(AccessibilityWatcher watcher);

// A label whose text is the information: a screen reader reads the text as its name (the
// caption while it is empty) and the caption as its description.
void speakLabelText(QLabel* label, const QString& caption);
// The same, and the label is a notification while it has a text: announceLabelText makes its new
// text heard. Without one it is plain text, so that a blank one shown with its window says nothing.
void makeNotification(QLabel* label, const QString& caption);

// Sets a spoken label's text and tells the screen reader its name changed. `spoken` is how the
// text is read when that is not the text itself (a table in rich text), empty otherwise.
void setLabelText(QLabel* label, const QString& text, const QString& spoken = {});
// setLabelText, and a new text that is not empty is announced. A hidden label is announced as
// it is shown.
void announceLabelText(QLabel* label, const QString& text);

// A notification without a look: says short texts, such as which tab was chosen. It takes no
// room, no focus and no clicks.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(const QString& caption, QWidget* parent);
    void say(const QString& text);
    QString text() const { return m_text; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_text;
};

// A slider that stands for a quantity: its accessible value is the quantity, not the position.
struct SliderQuantity {
    std::function<double(int position)> valueAt;
    std::function<int(double value)> positionOf;
    double step = 0.0;                           // the smallest change a screen reader shows
    std::function<QString(double value)> textOf; // the value in words as the window shows it
};
void speakSliderAs(QSlider* slider, SliderQuantity quantity);

} // namespace cuneola::ui
