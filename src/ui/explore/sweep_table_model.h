// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a sweep as a table: β, Pr and the chosen quantities, a missing value in words.
#pragma once

#include "analysis/case_heading.h"
#include "analysis/sweep.h"

#include <QAbstractTableModel>

#include <vector>

class SweepTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SweepTableModel(QObject* parent = nullptr);

    // The rows of one run, for `inputs` (β or Pr left out where the rows run over it).
    void setRows(std::vector<cuneola::analysis::SweepRow> rows, std::vector<cuneola::analysis::Quantity> quantities,
                 const cuneola::analysis::CaseInputs& inputs);
    void clear();
    const cuneola::analysis::CaseInputs& inputs() const { return m_inputs; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Tab-separated after a line naming the table and its inputs, each value to the digits its error holds.
    QString copyText() const;
    // Comma-separated, that line as a comment, values in scientific notation with a full stop.
    QByteArray csv() const;

private:
    QString joined(QChar separator, bool forCsv) const;

    std::vector<cuneola::analysis::SweepRow> m_rows;
    std::vector<cuneola::analysis::Quantity> m_quantities;
    cuneola::analysis::CaseInputs m_inputs;
};
