// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file the user chose: atomically, with a plain message on failure, and the dialogs that ask.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace cuneola::ui {

// Writes `bytes` to `path` through a temporary file renamed into place: on failure any
// file already there is left as it was. Returns a plain sentence on failure, else empty.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

// The questions a save asks and the way it reports a failure. The defaults are Qt's
// dialogs; tests put answers in their place.
struct SaveDialogs {
    // A path to save to, or empty when the user cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter)>
        savePath;
    // One of `items` (its index), or -1 when the user cancelled.
    std::function<int(QWidget* parent, const QString& caption, const QString& label, const QStringList& items)> choose;
    // Says why a save failed.
    std::function<void(QWidget* parent, const QString& message)> warn;
};
SaveDialogs& saveDialogs();

// Asks where to save a table as CSV (`suggested` the file name offered) and writes `csv`
// there; a failure is said in plain words, a cancel does nothing.
void saveCsvAs(QWidget* parent, const QString& caption, const QString& suggested, const QByteArray& csv);

} // namespace cuneola::ui
