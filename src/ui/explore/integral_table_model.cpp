// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the Approximations tab: the exact values beside Thwaites' and Pohlhausen's, with their errors.
#include "ui/explore/integral_table_model.h"

#include "analysis/transpiration.h"
#include "ui/common/text_view.h"
#include "ui/explore/explore_numbers.h"

#include <cmath>

using namespace cuneola::analysis;
using cuneola::ui::fromView;
using cuneola::ui::significantText;

namespace {

constexpr int kShownDigits = 6;
constexpr int kErrorDigits = 3;
constexpr const char* kRowNames[IntegralTableModel::kRows] = {"f''(0)",   "δ*",         "θ",         "H",
                                                              "Cf·√Re_x", "δ*/x·√Re_x", "θ/x·√Re_x", "separation β"};
constexpr Quantity kExactQuantities[IntegralTableModel::kRows - 1] = {
    Quantity::WallShear,    Quantity::Displacement,  Quantity::MomentumThickness, Quantity::ShapeFactor,
    Quantity::SkinFriction, Quantity::DisplacementX, Quantity::MomentumX};

double estimateValue(const IntegralEstimate& e, int row)
{
    switch (row) {
    case 0: return e.wallShear;
    case 1: return e.displacement;
    case 2: return e.momentumThickness;
    case 3: return e.shapeFactor;
    case 4: return e.skinFriction;
    case 5: return e.displacementX;
    case 6: return e.momentumX;
    default: return integralSeparationBeta(e.method);
    }
}

} // namespace

IntegralTableModel::IntegralTableModel(QObject* parent)
    : FixedTableModel(kRows,
                      {QStringLiteral("quantity"), QStringLiteral("exact"), QStringLiteral("Thwaites"),
                       QStringLiteral("error"), QStringLiteral("Pohlhausen"), QStringLiteral("error")},
                      parent)
{
}

void IntegralTableModel::setSolution(const SimilaritySolution& solution)
{
    const double suction = solution.momentum.suction;
    for (int row = 0; row < kRows - 1; ++row) {
        const Outcome<double> v = quantityValue(solution, kExactQuantities[row]);
        m_cells[row][0] = v ? Cell{*v, {}} : Cell{std::nullopt, QString::fromStdString(v.failure().message)};
    }
    const Outcome<MomentumSolution> fold = transpiredSeparation(suction);
    m_cells[kRows - 1][0] =
        fold ? Cell{fold->beta, {}} : Cell{std::nullopt, QString::fromStdString(fold.failure().message)};

    const IntegralMethod methods[] = {IntegralMethod::Thwaites, IntegralMethod::Pohlhausen};
    for (int m = 0; m < 2; ++m) {
        const Outcome<IntegralEstimate> e = suction != 0.0
                                                ? Outcome<IntegralEstimate>(fail(FailureKind::NotDefined, ""))
                                                : integralEstimate(methods[m], solution.momentum.beta);
        const QString note =
            suction != 0.0
                ? tr("The integral methods assume an impermeable wall (f_w = 0): with suction or blowing only the "
                     "exact values are shown.")
                : (e ? QString() : QString::fromStdString(e.failure().message));
        for (int row = 0; row < kRows; ++row) {
            if (e)
                m_cells[row][m + 1] = Cell{estimateValue(*e, row), {}};
            else if (row == kRows - 1 && suction == 0.0)
                m_cells[row][m + 1] = Cell{integralSeparationBeta(methods[m]), {}};
            else
                m_cells[row][m + 1] = Cell{std::nullopt, note};
        }
    }
    changeAll();
}

void IntegralTableModel::setMissing(const QString& reason)
{
    for (auto& row : m_cells)
        for (Cell& cell : row) cell = Cell{std::nullopt, reason};
    changeAll();
}

std::optional<double> IntegralTableModel::error(int row, int methodColumn) const
{
    const Cell& exact = m_cells[row][0];
    const Cell& method = m_cells[row][methodColumn];
    if (!exact.value || !method.value || *exact.value == 0.0) return std::nullopt;
    return 100.0 * (*method.value - *exact.value) / std::fabs(*exact.value);
}

QString IntegralTableModel::cellText(int row, int column, bool forCopy) const
{
    const auto number = [forCopy](double v, int digits) {
        return forCopy ? cuneola::ui::copyText(v) : significantText(v, digits);
    };
    switch (column) {
    case QuantityColumn: return QString::fromUtf8(kRowNames[row]);
    case ExactColumn:
    case ThwaitesColumn:
    case PohlhausenColumn: {
        const Cell& cell = m_cells[row][column == ExactColumn ? 0 : column == ThwaitesColumn ? 1 : 2];
        return cell.value ? number(*cell.value, column == ExactColumn ? 10 : kShownDigits) : QString();
    }
    case ThwaitesErrorColumn:
    case PohlhausenErrorColumn: {
        const std::optional<double> e = error(row, column == ThwaitesErrorColumn ? 1 : 2);
        if (!e) return QString();
        if (forCopy) return cuneola::ui::copyText(*e);
        return cuneola::ui::signedText(*e, kErrorDigits) + QStringLiteral(" %");
    }
    default: return {};
    }
}

QVariant IntegralTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= kRows) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return cellText(index.row(), index.column(), false);
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
        const int c = index.column();
        if (c == ThwaitesErrorColumn || c == PohlhausenErrorColumn) return tr("(method − exact) / exact, in per cent");
        if (c == ThwaitesColumn) return m_cells[index.row()][1].note;
        if (c == PohlhausenColumn) return m_cells[index.row()][2].note;
        if (c == ExactColumn) return m_cells[index.row()][0].note;
        return {};
    }
    if (role == Qt::TextAlignmentRole) return alignment(index);
    return {};
}

QStringList IntegralTableModel::notes() const
{
    QStringList notes;
    for (const auto& row : m_cells)
        for (const Cell& cell : row) addOnce(notes, cell.note);
    return notes;
}

QString IntegralTableModel::copyText() const
{
    QString text = headerLine();
    for (int row = 0; row < kRows; ++row) {
        QStringList cells;
        for (int c = 0; c < ColumnCount; ++c) cells << cellText(row, c, true);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}
