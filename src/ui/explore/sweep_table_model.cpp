// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a sweep as a table: β, Pr and the chosen quantities, a missing value in words.
#include "ui/explore/sweep_table_model.h"

#include "ui/common/text_view.h"
#include "ui/explore/explore_numbers.h"
#include "ui/explore/table_text.h"

using cuneola::analysis::Estimate;
using cuneola::analysis::Outcome;
using cuneola::ui::fromView;

namespace {

// As the results table: ten digits shown, fifteen copied, each only as far as the error holds them.
constexpr int kShownDigits = 10;
constexpr int kCopiedDigits = 15;
constexpr int kInputColumns = 2; // β, Pr

QString missing(const Outcome<Estimate>& value)
{
    return fromView(cuneola::analysis::missingText(value.failure().kind));
}

} // namespace

SweepTableModel::SweepTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SweepTableModel::setRows(std::vector<cuneola::analysis::SweepRow> rows,
                              std::vector<cuneola::analysis::Quantity> quantities,
                              const cuneola::analysis::CaseInputs& inputs)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_quantities = std::move(quantities);
    m_inputs = inputs;
    endResetModel();
}

void SweepTableModel::clear() { setRows({}, m_quantities, m_inputs); }

int SweepTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SweepTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kInputColumns + static_cast<int>(m_quantities.size());
}

QVariant SweepTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const cuneola::analysis::SweepRow& row = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (index.column() < kInputColumns) {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
        return cuneola::ui::copyText(index.column() == 0 ? row.beta : row.Pr);
    }
    const Outcome<Estimate>& value = row.values[static_cast<std::size_t>(index.column() - kInputColumns)];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return value ? cuneola::ui::significantText(
                           value->value, cuneola::analysis::heldDigits(value->value, value->error, kShownDigits))
                     : missing(value);
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) && !value)
        return QString::fromStdString(value.failure().message);
    return {};
}

QVariant SweepTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0) return QStringLiteral("β");
    if (section == 1) return QStringLiteral("Pr");
    return fromView(cuneola::analysis::quantityName(m_quantities[static_cast<std::size_t>(section - kInputColumns)]));
}

QString SweepTableModel::joined(QChar separator, bool forCsv) const
{
    const auto number = [forCsv](double v, int digits) {
        return forCsv ? cuneola::ui::csvNumber(v, digits)
                      : (digits >= kCopiedDigits ? cuneola::ui::copyText(v) : cuneola::ui::significantText(v, digits));
    };
    QString text;
    for (int c = 0; c < columnCount(); ++c) {
        if (c > 0) text += separator;
        text += headerData(c, Qt::Horizontal).toString();
    }
    text += QLatin1Char('\n');
    for (const cuneola::analysis::SweepRow& row : m_rows) {
        text += number(row.beta, kCopiedDigits) + separator + number(row.Pr, kCopiedDigits);
        for (const Outcome<Estimate>& value : row.values)
            text +=
                separator +
                (value ? number(value->value, cuneola::analysis::heldDigits(value->value, value->error, kCopiedDigits))
                       : missing(value));
        text += QLatin1Char('\n');
    }
    return text;
}

QString SweepTableModel::copyText() const
{
    return cuneola::ui::headed(tr("Sweep"), m_inputs, joined(QLatin1Char('\t'), false));
}

QByteArray SweepTableModel::csv() const
{
    return cuneola::ui::csvFile(tr("Sweep"), m_inputs, joined(QLatin1Char(','), true));
}
