// SPDX-License-Identifier: GPL-3.0-or-later
// What every copied or saved table of Explore shares: its heading line and its CSV numbers.
#include "ui/explore/table_text.h"

#include "numbertext/number_list.h"

namespace cuneola::ui {

cuneola::analysis::CaseInputs caseOf(const ExploreInput& input)
{
    return {input.beta, input.branch, input.Pr, input.wall};
}

cuneola::analysis::CaseInputs caseOf(const cuneola::analysis::SimilaritySolution& solution)
{
    return {solution.momentum.beta, solution.momentum.branch, solution.Pr,
            cuneola::analysis::WallConditions{solution.momentum.suction, solution.thermal}};
}

QString headed(const QString& table, const cuneola::analysis::CaseInputs& inputs, const QString& body)
{
    return QString::fromStdString(cuneola::analysis::tableHeading(table.toStdString(), inputs)) + QLatin1Char('\n') +
           body;
}

QByteArray csvFile(const QString& table, const cuneola::analysis::CaseInputs& inputs, const QString& body)
{
    return (QStringLiteral("# ") + headed(table, inputs, body)).toUtf8();
}

QString csvNumber(double value, int digits) { return QString::fromStdString(cuneola::scientificText(value, digits)); }

} // namespace cuneola::ui
