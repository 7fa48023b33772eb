// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file the user chose: atomically, with a plain message on failure, and the dialogs that ask.
#include "ui/common/save_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QSaveFile>

namespace cuneola::ui {

QString writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto failed = [&](const QString& why) {
        return QCoreApplication::translate("SaveFile", "%1 could not be saved: %2. Nothing was written.")
            .arg(shown, why);
    };
    if (path.isEmpty()) return failed(QCoreApplication::translate("SaveFile", "no file name was given"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return failed(why);
    }
    if (!file.commit()) return failed(file.errorString());
    return {};
}

SaveDialogs& saveDialogs()
{
    static SaveDialogs dialogs{
        [](QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
            return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
        },
        [](QWidget* parent, const QString& caption, const QString& label, const QStringList& items) {
            bool ok = false;
            const QString item = QInputDialog::getItem(parent, caption, label, items, 0, false, &ok);
            return ok ? static_cast<int>(items.indexOf(item)) : -1;
        },
        [](QWidget* parent, const QString& message) {
            QMessageBox::warning(parent, QCoreApplication::translate("SaveFile", "Not saved"), message);
        }};
    return dialogs;
}

void saveCsvAs(QWidget* parent, const QString& caption, const QString& suggested, const QByteArray& csv)
{
    const SaveDialogs& dialogs = saveDialogs();
    const QString path = dialogs.savePath(parent, caption, suggested,
                                          QCoreApplication::translate("SaveFile", "CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    if (const QString failure = writeFileAtomically(path, csv); !failure.isEmpty()) dialogs.warn(parent, failure);
}

} // namespace cuneola::ui
