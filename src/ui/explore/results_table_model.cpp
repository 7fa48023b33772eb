// SPDX-License-Identifier: GPL-3.0-or-later
// The table of what a textbook tabulates: computed value, published value and their difference.
#include "ui/explore/results_table_model.h"

#include "ui/common/text_view.h"
#include "ui/explore/explore_numbers.h"

using cuneola::analysis::kQuantities;
using cuneola::analysis::Quantity;
using cuneola::ui::decimalsText;
using cuneola::ui::fromView;
using cuneola::ui::significantText;

namespace {

// At most ten digits show, where the published tables end, and fifteen are copied,
// each only as far as the value's error estimate holds them; the difference needs
// only its size.
constexpr int kShownDigits = 10;
constexpr int kCopiedDigits = 15;
constexpr int kDifferenceDigits = 3;

// All fifteen digits by the boxes' rule, fewer as significant digits.
QString heldText(double value, int digits)
{
    return digits >= kCopiedDigits ? cuneola::ui::copyText(value) : significantText(value, digits);
}

} // namespace

ResultsTableModel::ResultsTableModel(QObject* parent)
    : FixedTableModel(static_cast<int>(kQuantities.size()),
                      {QStringLiteral("quantity"), QStringLiteral("value"), QStringLiteral("published"),
                       QStringLiteral("difference")},
                      parent)
{
}

QString ResultsTableModel::spokenName(Quantity q)
{
    switch (q) {
    case Quantity::WallShear: return tr("wall shear f double prime at 0");
    case Quantity::WallGradient: return tr("wall heat transfer g prime at 0");
    case Quantity::Displacement: return tr("displacement thickness delta star");
    case Quantity::MomentumThickness: return tr("momentum thickness theta");
    case Quantity::ShapeFactor: return tr("shape factor H");
    case Quantity::Eta99: return tr("boundary-layer thickness eta 99");
    case Quantity::EtaInf: return tr("outer edge of the search eta infinity");
    case Quantity::SkinFriction: return tr("skin friction times root Re x");
    case Quantity::Nusselt: return tr("Nusselt number over root Re x");
    case Quantity::DisplacementX: return tr("displacement thickness over x times root Re x");
    case Quantity::MomentumX: return tr("momentum thickness over x times root Re x");
    case Quantity::Thickness99X: return tr("99 percent thickness over x times root Re x");
    }
    return {};
}

void ResultsTableModel::setSolution(const cuneola::analysis::SimilaritySolution& solution)
{
    for (std::size_t i = 0; i < kQuantities.size(); ++i) {
        const cuneola::analysis::Outcome<cuneola::analysis::Estimate> value =
            cuneola::analysis::quantityEstimate(solution, kQuantities[i]);
        Row& row = m_rows[i];
        row.value = value ? std::optional<double>(value->value) : std::nullopt;
        row.shownDigits = value ? cuneola::analysis::heldDigits(value->value, value->error, kShownDigits) : 0;
        row.copiedDigits = value ? cuneola::analysis::heldDigits(value->value, value->error, kCopiedDigits) : 0;
        row.note = value ? QString() : QString::fromStdString(value.failure().message);
        const auto published = cuneola::analysis::publishedValue(solution, kQuantities[i]);
        row.published = published ? std::optional(*published) : std::nullopt;
    }
    changeAll();
}

void ResultsTableModel::setMissing(const QString& reason)
{
    for (Row& row : m_rows) row = Row{std::nullopt, 0, 0, reason, std::nullopt};
    changeAll();
}

std::optional<double> ResultsTableModel::difference(const Row& row)
{
    if (!row.value || !row.published) return std::nullopt;
    return *row.value - row.published->value;
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const Quantity quantity = kQuantities[static_cast<std::size_t>(index.row())];
    if (role == Qt::AccessibleTextRole && index.column() == QuantityColumn) return spokenName(quantity);
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        switch (index.column()) {
        case QuantityColumn: return fromView(cuneola::analysis::quantityName(quantity));
        case ValueColumn: return row.value ? significantText(*row.value, row.shownDigits) : QString();
        case PublishedColumn:
            return row.published ? decimalsText(row.published->value, row.published->decimals) : QString();
        case DifferenceColumn: {
            const std::optional<double> d = difference(row);
            return d ? cuneola::ui::signedText(*d, kDifferenceDigits) : QString();
        }
        default: return {};
        }
    }
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
        if (!row.note.isEmpty()) return row.note;
        if (index.column() == PublishedColumn && row.published) return fromView(row.published->source);
        if (index.column() == DifferenceColumn && row.published) return tr("computed value minus published value");
        return {};
    }
    if (role == Qt::TextAlignmentRole) return alignment(index);
    return {};
}

QStringList ResultsTableModel::notes() const
{
    QStringList notes;
    for (const Row& row : m_rows) addOnce(notes, row.note);
    return notes;
}

QString ResultsTableModel::copyText() const
{
    QString text = headerLine();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        const std::optional<double> d = difference(row);
        text += fromView(cuneola::analysis::quantityName(kQuantities[i])) + QLatin1Char('\t');
        text += (row.value ? heldText(*row.value, row.copiedDigits) : QString()) + QLatin1Char('\t');
        text += (row.published ? cuneola::ui::copyText(row.published->value) : QString()) + QLatin1Char('\t');
        text += (d ? cuneola::ui::copyText(*d) : QString()) + QLatin1Char('\n');
    }
    return text;
}
