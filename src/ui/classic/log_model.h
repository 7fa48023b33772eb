// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of the iteration log, held compactly for List1.
#pragma once

#include <QAbstractListModel>

#include <string>
#include <string_view>
#include <vector>

// A read-only list of text lines in the order they were appended. The text lives in
// one UTF-8 buffer with an offset per line, so that a search of 100,000 trials costs a
// few megabytes; a line becomes a QString only when a view asks for it.
class LogModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void clear();
    void append(std::string_view line);

    QString line(int row) const;
    // The lines of `rows` in log order, or the whole log when `rows` is empty, each
    // exactly as shown and ended by a line break: what Copy puts on the clipboard.
    QString copyText(QList<int> rows) const;
    // Bytes held for the lines, the text and the offsets together.
    std::size_t storedBytes() const;

private:
    std::string_view lineView(int row) const;

    std::string m_text;
    std::vector<std::size_t> m_ends; // m_ends[i]: end of line i in m_text
};
