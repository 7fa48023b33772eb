// SPDX-License-Identifier: GPL-3.0-or-later
// The table of one station on a real wedge: Re_x, thicknesses in mm, wall shear and heat flux.
#pragma once

#include "analysis/wedge_station.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <array>
#include <optional>

// Rows in the order of cuneola::analysis::kStationQuantities; columns "quantity" and
// "value". A value that does not exist has an empty cell and its reason as a note.
class StationTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { QuantityColumn, ValueColumn, ColumnCount };

    explicit StationTableModel(QObject* parent = nullptr);

    void setStation(const cuneola::analysis::SimilaritySolution& solution, const cuneola::analysis::Station& station);
    // Every value is missing for the reason given.
    void setMissing(const QString& reason);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The value of a row as shown, empty when missing.
    std::optional<double> value(cuneola::analysis::StationQuantity q) const;
    // The reasons for the missing values, each once, in row order.
    QStringList notes() const;
    // Tab-separated lines, header first, 15 significant digits, missing values empty.
    QString copyText() const;

    // How a value is shown: five significant digits, whole numbers from 10^5 on.
    static QString shownText(double value);

private:
    struct Row {
        std::optional<double> value;
        QString note;
    };
    std::array<Row, cuneola::analysis::kStationQuantities.size()> m_rows;
};
