// SPDX-License-Identifier: GPL-3.0-or-later
// What the Explore window's tables of quantities share: fixed rows under fixed column titles,
// numbers right-aligned, every cell changing at once, and the reasons for empty cells.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class FixedTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    FixedTableModel(int rows, QStringList titles, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
    void changeAll();
    // The column titles as the first line of a copied table.
    QString headerLine() const;
    // Right-aligned for every column but the first, which names the quantity.
    static QVariant alignment(const QModelIndex& index);
    // `note` added to `notes` unless it is empty or already there.
    static void addOnce(QStringList& notes, const QString& note);

private:
    int m_rows;
    QStringList m_titles;
};
