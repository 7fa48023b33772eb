// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of the iteration log, held compactly for List1.
#include "ui/classic/log_model.h"

#include "ui/common/text_view.h"

#include <algorithm>

int LogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_ends.size());
}

QVariant LogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return line(index.row());
    return {};
}

void LogModel::clear()
{
    if (m_ends.empty()) return;
    beginResetModel();
    m_text.clear();
    m_text.shrink_to_fit();
    m_ends.clear();
    m_ends.shrink_to_fit();
    endResetModel();
}

void LogModel::append(std::string_view line)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_text.append(line);
    m_ends.push_back(m_text.size());
    endInsertRows();
}

std::string_view LogModel::lineView(int row) const
{
    const std::size_t begin = row == 0 ? 0 : m_ends[static_cast<std::size_t>(row) - 1];
    return std::string_view(m_text).substr(begin, m_ends[static_cast<std::size_t>(row)] - begin);
}

QString LogModel::line(int row) const
{
    if (row < 0 || row >= rowCount()) return {};
    return cuneola::ui::fromView(lineView(row));
}

QString LogModel::copyText(QList<int> rows) const
{
    QString text;
    auto add = [&](int row) {
        text += line(row);
        text += QLatin1Char('\n');
    };
    if (rows.isEmpty()) {
        text.reserve(static_cast<qsizetype>(m_text.size() + m_ends.size()));
        for (int row = 0; row < rowCount(); ++row) add(row);
        return text;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        if (row >= 0 && row < rowCount()) add(row);
    return text;
}

std::size_t LogModel::storedBytes() const { return m_text.capacity() + m_ends.capacity() * sizeof(std::size_t); }
