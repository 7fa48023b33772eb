// SPDX-License-Identifier: GPL-3.0-or-later
// The profiles of the exact solution as a table: eta, f, f', f'', g, g' at evenly spaced eta.
#include "ui/explore/profile_table_model.h"

#include "ui/common/text_view.h"
#include "ui/explore/explore_numbers.h"
#include "ui/explore/table_text.h"

#include <cmath>

using cuneola::ui::significantText;

namespace {

constexpr int kShownDigits = 10;
const char* const kNames[] = {"η", "f", "f'", "f''", "g", "g'"};

} // namespace

ProfileTableModel::ProfileTableModel(QObject* parent) : QAbstractTableModel(parent) {}

std::vector<double> ProfileTableModel::etaRows(double step, double end)
{
    std::vector<double> eta;
    if (!(step > 0.0) || !(end >= 0.0) || !std::isfinite(end)) return eta;
    // A relative allowance so that 8 / 0.1 still gives the row at 8.
    const auto last = static_cast<long long>(std::floor(end / step * (1.0 + 1e-12)));
    eta.reserve(static_cast<std::size_t>(last + 1));
    for (long long i = 0; i <= last; ++i) eta.push_back(std::min(static_cast<double>(i) * step, end));
    return eta;
}

void ProfileTableModel::setProfiles(const cuneola::analysis::SimilaritySolution& s, double step, double end)
{
    cuneola::analysis::Profiles p = cuneola::analysis::profilesAt(s, etaRows(step, end));
    const QString about = QString::fromStdString(cuneola::analysis::tableHeading("Profiles", cuneola::ui::caseOf(s))) +
                          QStringLiteral(", η∞ = ") + cuneola::ui::copyText(s.momentum.etaInf);
    // Why g and g' are missing, when they are: the energy solution's own reason.
    m_noTemperature =
        s.wallGradient ? tr("No temperature profile at these η for this wall.")
                       : tr("No temperature profile: %1").arg(QString::fromStdString(s.wallGradient.failure().message));
    // The same rows with new values (a new beta or Pr): the cells change, the view's
    // layout and scroll position stay, and only the cells in view repaint.
    const bool sameShape = p.eta == m_p.eta && p.g.size() == m_p.g.size();
    if (sameShape && rowCount() > 0) {
        m_p = std::move(p);
        m_about = about;
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_p = std::move(p);
    m_about = about;
    endResetModel();
}

void ProfileTableModel::clear()
{
    beginResetModel();
    m_p = {};
    m_about.clear();
    endResetModel();
}

int ProfileTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_p.eta.size());
}

int ProfileTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

namespace {
const std::vector<double>& columnOf(const cuneola::analysis::Profiles& p, int column)
{
    const std::vector<double>* columns[] = {&p.eta, &p.f, &p.fp, &p.fpp, &p.g, &p.gp};
    return *columns[column];
}
} // namespace

QVariant ProfileTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        const std::vector<double>& values = columnOf(m_p, index.column());
        const auto row = static_cast<std::size_t>(index.row());
        return row < values.size() ? significantText(values[row], kShownDigits) : QString();
    }
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) && index.column() >= GColumn &&
        m_p.g.empty())
        return m_noTemperature;
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ProfileTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(kNames[section]);
}

QString ProfileTableModel::joined(QChar separator, QString (*number)(double)) const
{
    QString text;
    text.reserve(static_cast<qsizetype>(m_p.eta.size()) * 6 * 20 + 64);
    for (int c = 0; c < ColumnCount; ++c) {
        if (c > 0) text += separator;
        text += QString::fromUtf8(kNames[c]);
    }
    text += QLatin1Char('\n');
    for (std::size_t row = 0; row < m_p.eta.size(); ++row) {
        for (int c = 0; c < ColumnCount; ++c) {
            if (c > 0) text += separator;
            const std::vector<double>& values = columnOf(m_p, c);
            if (row < values.size()) text += number(values[row]);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QString ProfileTableModel::copyText() const
{
    const QString heading = m_about.isEmpty() ? QString() : m_about + QLatin1Char('\n');
    return heading + joined(QLatin1Char('\t'), [](double v) { return cuneola::ui::copyText(v); });
}

QByteArray ProfileTableModel::csv() const
{
    return (QStringLiteral("# ") + m_about + QLatin1Char('\n') +
            joined(QLatin1Char(','), [](double v) { return cuneola::ui::csvNumber(v); }))
        .toUtf8();
}
