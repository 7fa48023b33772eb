// SPDX-License-Identifier: GPL-3.0-or-later
// The table of what a textbook tabulates: computed value, published value and their difference.
#pragma once

#include "analysis/similarity_solution.h"
#include "ui/explore/fixed_table_model.h"

#include <array>
#include <optional>

// Twelve rows in the order of cuneola::analysis::kQuantities; columns "quantity", "value",
// "published", "difference". A quantity without a value has empty cells and a note.
class ResultsTableModel : public FixedTableModel {
    Q_OBJECT
public:
    enum Column { QuantityColumn, ValueColumn, PublishedColumn, DifferenceColumn, ColumnCount };

    explicit ResultsTableModel(QObject* parent = nullptr);

    // The quantities of `solution`.
    void setSolution(const cuneola::analysis::SimilaritySolution& solution);
    // No solution: every value is missing for the reason given.
    void setMissing(const QString& reason);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The reasons for the missing values, each once, in row order.
    QStringList notes() const;
    // The whole table as tab-separated lines, header first, computed values with as
    // many of 15 significant digits as their error estimates hold (published values and
    // differences with 15), missing values as empty cells.
    QString copyText() const;

    // How a screen reader says the quantity whose symbol a cell shows: "shape factor H".
    static QString spokenName(cuneola::analysis::Quantity q);

private:
    struct Row {
        std::optional<double> value;
        int shownDigits = 0;  // as many as its error estimate holds, at most ten
        int copiedDigits = 0; // the same, at most fifteen
        QString note;         // why there is no value
        std::optional<cuneola::analysis::PublishedValue> published;
    };

    static std::optional<double> difference(const Row& row);

    std::array<Row, cuneola::analysis::kQuantities.size()> m_rows;
};
