// SPDX-License-Identifier: GPL-3.0-or-later
// The profiles of the exact solution as a table: eta, f, f', f'', g, g' at evenly spaced eta.
#pragma once

#include "analysis/similarity_solution.h"

#include <QAbstractTableModel>

class ProfileTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { EtaColumn, FColumn, FpColumn, FppColumn, GColumn, GpColumn, ColumnCount };

    explicit ProfileTableModel(QObject* parent = nullptr);

    // The values at eta = 0, step, 2 step, ... up to `end` (the last row at `end` itself
    // when it is a whole number of steps); g and g' empty where g'(0) does not exist.
    void setProfiles(const cuneola::analysis::SimilaritySolution& solution, double step, double end);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The table as tab-separated lines after a heading line with β, the branch, Pr, the wall
    // and η∞, then the header, 15 significant digits a value.
    QString copyText() const;
    // Comma-separated, the heading as a comment line, then the header; values in scientific
    // notation so that no spreadsheet import misreads them.
    QByteArray csv() const;

    // The eta of each row for a step and an end: i * step, never a sum of steps.
    static std::vector<double> etaRows(double step, double end);

private:
    QString joined(QChar separator, QString (*number)(double)) const;

    cuneola::analysis::Profiles m_p;
    QString m_noTemperature; // the tooltip of the g and g' cells when they are empty
    QString m_about;         // "Profiles: β = 0, branch attached, Pr = 0.7, isothermal wall, f_w = 0, η∞ = 8.4"
};
