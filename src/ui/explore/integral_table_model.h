// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the Approximations tab: the exact values beside Thwaites' and Pohlhausen's, with their errors.
#pragma once

#include "analysis/integral_methods.h"
#include "analysis/similarity_solution.h"
#include "ui/explore/fixed_table_model.h"

#include <array>
#include <optional>

// Rows f''(0), δ*, θ, H, Cf·√Re_x, δ*/x·√Re_x, θ/x·√Re_x, separation β; columns "quantity", "exact",
// "Thwaites", "error", "Pohlhausen", "error" (errors in per cent of the exact value).
class IntegralTableModel : public FixedTableModel {
    Q_OBJECT
public:
    enum Column {
        QuantityColumn,
        ExactColumn,
        ThwaitesColumn,
        ThwaitesErrorColumn,
        PohlhausenColumn,
        PohlhausenErrorColumn,
        ColumnCount
    };
    static constexpr int kRows = 8;

    explicit IntegralTableModel(QObject* parent = nullptr);

    // The exact solution and, on an impermeable wall, both methods at its β.
    void setSolution(const cuneola::analysis::SimilaritySolution& solution);
    // No exact solution: every cell is empty for the reason given.
    void setMissing(const QString& reason);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Why cells are empty, each reason once.
    QStringList notes() const;
    // Tab-separated, header first, 15 significant digits, empty cells empty.
    QString copyText() const;

private:
    struct Cell {
        std::optional<double> value;
        QString note;
    };
    std::optional<double> error(int row, int methodColumn) const;
    QString cellText(int row, int column, bool forCopy) const;

    // [row][exact, Thwaites, Pohlhausen]
    std::array<std::array<Cell, 3>, kRows> m_cells;
};
