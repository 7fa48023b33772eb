// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only table whose whole content a "Copy table" action and a button beside it put on
// the clipboard.
#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

class QAbstractItemModel;
class QAction;
class QHBoxLayout;
class QPushButton;
class QTableView;
class QWidget;

namespace cuneola::ui {

struct CopyableTableNames {
    const char* view;     // objectName of the table
    QString viewSpoken;   // its accessible name
    const char* action;   // objectName of the copy action
    const char* button;   // objectName of the copy button
    QString buttonSpoken; // the button's accessible name
    QString buttonTip;    // and its tool tip
};

struct CopyableTable {
    QTableView* view;
    QAction* copy;       // Ctrl+C in the table and its context menu; the caller connects triggered
    QPushButton* button; // triggers `copy`
};

// A table of `model` that selects whole rows, cannot be edited, has no row numbers or word
// wrap, and lets Tab leave it instead of walking its cells.
CopyableTable copyableTable(QWidget* parent, QAbstractItemModel* model, const CopyableTableNames& names);

// A push button for a command: no default, named and described for a screen reader.
QPushButton* commandButton(QWidget* parent, const char* name, const QString& text, const QString& spoken,
                           const QString& tip);

// A "Save as CSV…" action in the table's context menu that runs `save`, and a button
// beside the table (named `button`) that triggers it.
QPushButton* addSaveCsv(QTableView* view, QWidget* parent, const char* action, const char* button,
                        const QString& spoken, const QString& tip, const std::function<void()>& save);

// Each of the first columns as wide as its widest text and `padding`.
void fitColumns(QTableView* view, std::initializer_list<const char*> widest, int padding = 16);

// The widgets from the left, the rest of the row empty.
QHBoxLayout* leftRow(std::initializer_list<QWidget*> widgets);

} // namespace cuneola::ui
