// SPDX-License-Identifier: GPL-3.0-or-later
// The table of one station on a real wedge: Re_x, thicknesses in mm, wall shear and heat flux.
#include "ui/explore/station_table_model.h"

#include "ui/common/text_view.h"
#include "ui/explore/explore_numbers.h"

#include <cmath>

using cuneola::analysis::kStationQuantities;
using cuneola::analysis::StationQuantity;
using cuneola::ui::fromView;

namespace {
constexpr int kShownDigits = 5;
} // namespace

StationTableModel::StationTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void StationTableModel::setStation(const cuneola::analysis::SimilaritySolution& solution,
                                   const cuneola::analysis::Station& station)
{
    for (std::size_t i = 0; i < kStationQuantities.size(); ++i) {
        const auto v = cuneola::analysis::stationValue(solution, station, kStationQuantities[i]);
        m_rows[i] = v ? Row{*v, QString()} : Row{std::nullopt, QString::fromStdString(v.failure().message)};
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void StationTableModel::setMissing(const QString& reason)
{
    for (Row& row : m_rows) row = Row{std::nullopt, reason};
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int StationTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int StationTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString StationTableModel::shownText(double value)
{
    if (std::fabs(value) >= 1e5 && std::fabs(value) < 1e15) return cuneola::ui::decimalsText(value, 0);
    return cuneola::ui::significantText(value, kShownDigits);
}

QVariant StationTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        if (index.column() == QuantityColumn)
            return fromView(
                cuneola::analysis::stationQuantityName(kStationQuantities[static_cast<std::size_t>(index.row())]));
        if (index.column() == ValueColumn) return row.value ? shownText(*row.value) : QString();
        return {};
    }
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) && !row.note.isEmpty()) return row.note;
    if (role == Qt::TextAlignmentRole && index.column() == ValueColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant StationTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == QuantityColumn) return QStringLiteral("quantity");
    if (section == ValueColumn) return QStringLiteral("value");
    return {};
}

std::optional<double> StationTableModel::value(StationQuantity q) const
{
    for (std::size_t i = 0; i < kStationQuantities.size(); ++i)
        if (kStationQuantities[i] == q) return m_rows[i].value;
    return std::nullopt;
}

QStringList StationTableModel::notes() const
{
    QStringList notes;
    for (const Row& row : m_rows)
        if (!row.note.isEmpty() && !notes.contains(row.note)) notes << row.note;
    return notes;
}

QString StationTableModel::copyText() const
{
    QString text = QStringLiteral("quantity\tvalue\n");
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        text += fromView(cuneola::analysis::stationQuantityName(kStationQuantities[i])) + QLatin1Char('\t');
        text += (m_rows[i].value ? cuneola::ui::copyText(*m_rows[i].value) : QString()) + QLatin1Char('\n');
    }
    return text;
}
