// SPDX-License-Identifier: GPL-3.0-or-later
// Line edits and spin boxes as a screen reader sees them, with the whole text as one run of attributes.
#include "ui/common/accessible_boxes.h"

#include <QAbstractSpinBox>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace cuneola::ui {

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* AccessibleLineEdit::edit() const { return static_cast<QLineEdit*>(widget()); }

QString AccessibleLineEdit::shownText() const
{
    return edit()->echoMode() == QLineEdit::Normal ? edit()->text() : edit()->displayText();
}

QString AccessibleLineEdit::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value) return shownText();
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) text = edit()->placeholderText();
    return text;
}

void AccessibleLineEdit::setText(QAccessible::Text t, const QString& text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    if (edit()->isReadOnly()) return;
    QString fixed = text;
    int position = 0;
    if (const QValidator* validator = edit()->validator();
        validator && validator->validate(fixed, position) != QValidator::Acceptable)
        return;
    edit()->setText(fixed);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (edit()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    if (edit()->echoMode() != QLineEdit::Normal) state.passwordEdit = true;
    state.selectableText = true;
    return state;
}

void* AccessibleLineEdit::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void AccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText()) return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int AccessibleLineEdit::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

void AccessibleLineEdit::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) edit()->deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0) return;
    edit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const { return edit()->cursorPosition(); }

void AccessibleLineEdit::setCursorPosition(int position) { edit()->setCursorPosition(position); }

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset) return {};
    return shownText().mid(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::characterCount() const { return static_cast<int>(shownText().size()); }

QRect AccessibleLineEdit::characterRect(int offset) const
{
    // The box's text area, as the style lays it out, with the text from its left edge.
    QStyleOptionFrame option;
    option.initFrom(edit());
    option.lineWidth =
        edit()->hasFrame() ? edit()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit()) : 0;
    const QRect area = edit()->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit());
    const QString text = shownText();
    if (offset < 0 || offset >= text.size()) return {};
    const QFontMetrics metrics(edit()->font());
    const int left = area.left() + metrics.horizontalAdvance(text.left(offset));
    const QRect local(left, area.top(), metrics.horizontalAdvance(text.at(offset)), area.height());
    return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const
{
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

QString AccessibleLineEdit::attributes(int offset, int* startOffset, int* endOffset) const
{
    // The box has one font and one colour: one run over the whole text.
    const int count = characterCount();
    *startOffset = 0;
    *endOffset = count;
    if (offset < 0 || offset > count) *startOffset = *endOffset = std::clamp(offset, 0, count);
    return {};
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void AccessibleLineEdit::insertText(int offset, const QString& text) { replaceText(offset, offset, text); }

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (edit()->isReadOnly()) return;
    const QString old = edit()->text();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(old.size()));
    endOffset = std::clamp(endOffset, startOffset, static_cast<int>(old.size()));
    setText(QAccessible::Value, old.left(startOffset) + text + old.mid(endOffset));
}

AccessibleSpinBox::AccessibleSpinBox(QAbstractSpinBox* box) : QAccessibleWidget(box, QAccessible::SpinBox)
{
    // Each kind of box has the one signal of its own value's type.
    addControllingSignal(qobject_cast<QDoubleSpinBox*>(box) ? QStringLiteral("valueChanged(double)")
                                                            : QStringLiteral("valueChanged(int)"));
}

AccessibleSpinBox::~AccessibleSpinBox() = default;

QAbstractSpinBox* AccessibleSpinBox::box() const { return static_cast<QAbstractSpinBox*>(widget()); }

AccessibleLineEdit& AccessibleSpinBox::edit() const
{
    // Not registered as an interface of its own: the spin box is what a reader sees.
    if (!m_edit) m_edit = std::make_unique<AccessibleLineEdit>(box()->findChild<QLineEdit*>());
    return *m_edit;
}

QString AccessibleSpinBox::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value) return box()->text();
    return QAccessibleWidget::text(t);
}

void* AccessibleSpinBox::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QStringList AccessibleSpinBox::actionNames() const
{
    return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
}

void AccessibleSpinBox::doAction(const QString& actionName)
{
    if (!box()->isEnabled()) return;
    if (actionName == increaseAction())
        box()->stepUp();
    else if (actionName == decreaseAction())
        box()->stepDown();
    else
        QAccessibleWidget::doAction(actionName);
}

QVariant AccessibleSpinBox::currentValue() const { return box()->property("value"); }
void AccessibleSpinBox::setCurrentValue(const QVariant& value) { box()->setProperty("value", value); }
QVariant AccessibleSpinBox::maximumValue() const { return box()->property("maximum"); }
QVariant AccessibleSpinBox::minimumValue() const { return box()->property("minimum"); }
QVariant AccessibleSpinBox::minimumStepSize() const { return box()->property("singleStep"); }

void AccessibleSpinBox::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    edit().selection(selectionIndex, startOffset, endOffset);
}
int AccessibleSpinBox::selectionCount() const { return edit().selectionCount(); }
void AccessibleSpinBox::addSelection(int startOffset, int endOffset) { edit().addSelection(startOffset, endOffset); }
void AccessibleSpinBox::removeSelection(int selectionIndex) { edit().removeSelection(selectionIndex); }
void AccessibleSpinBox::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    edit().setSelection(selectionIndex, startOffset, endOffset);
}
int AccessibleSpinBox::cursorPosition() const { return edit().cursorPosition(); }
void AccessibleSpinBox::setCursorPosition(int position) { edit().setCursorPosition(position); }
QString AccessibleSpinBox::text(int startOffset, int endOffset) const { return edit().text(startOffset, endOffset); }
int AccessibleSpinBox::characterCount() const { return edit().characterCount(); }
QRect AccessibleSpinBox::characterRect(int offset) const { return edit().characterRect(offset); }
int AccessibleSpinBox::offsetAtPoint(const QPoint& point) const { return edit().offsetAtPoint(point); }
void AccessibleSpinBox::scrollToSubstring(int startIndex, int endIndex)
{
    edit().scrollToSubstring(startIndex, endIndex);
}
QString AccessibleSpinBox::attributes(int offset, int* startOffset, int* endOffset) const
{
    return edit().attributes(offset, startOffset, endOffset);
}
void AccessibleSpinBox::deleteText(int startOffset, int endOffset) { edit().deleteText(startOffset, endOffset); }
void AccessibleSpinBox::insertText(int offset, const QString& text) { edit().insertText(offset, text); }
void AccessibleSpinBox::replaceText(int startOffset, int endOffset, const QString& text)
{
    edit().replaceText(startOffset, endOffset, text);
}

} // namespace cuneola::ui
