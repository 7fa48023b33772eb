// SPDX-License-Identifier: GPL-3.0-or-later
// What the Explore window's tables of quantities share: fixed rows under fixed column titles,
// numbers right-aligned, every cell changing at once, and the reasons for empty cells.
#include "ui/explore/fixed_table_model.h"

#include <utility>

FixedTableModel::FixedTableModel(int rows, QStringList titles, QObject* parent)
    : QAbstractTableModel(parent), m_rows(rows), m_titles(std::move(titles))
{
}

int FixedTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int FixedTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_titles.size());
}

QVariant FixedTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= m_titles.size()) return {};
    return m_titles[section];
}

void FixedTableModel::changeAll() { emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1)); }

QString FixedTableModel::headerLine() const { return m_titles.join(QLatin1Char('\t')) + QLatin1Char('\n'); }

QVariant FixedTableModel::alignment(const QModelIndex& index)
{
    if (index.column() == 0) return {};
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
}

void FixedTableModel::addOnce(QStringList& notes, const QString& note)
{
    if (!note.isEmpty() && !notes.contains(note)) notes << note;
}
