// SPDX-License-Identifier: GPL-3.0-or-later
// The profile table beside the results: a step and an end the user chooses, copy and save as CSV.
#include "ui/explore/profile_panel.h"

#include "ui/common/copyable_table.h"
#include "ui/common/save_file.h"
#include "ui/explore/profile_table_model.h"

#include <QAction>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* etaBox(QWidget* parent, const char* name, double min, double max, double value, const QString& spoken,
                       const QString& tip)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setLocale(QLocale::c());
    box->setDecimals(3);
    box->setRange(min, max);
    box->setSingleStep(0.1);
    box->setValue(value);
    box->setKeyboardTracking(false);
    box->setAccessibleName(spoken);
    box->setToolTip(tip);
    return box;
}

} // namespace

ProfilePanel::ProfilePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel_Profiles"));
    m_step = etaBox(this, "Spin_ProfileStep", 0.001, 10.0, 0.5, tr("Step in eta"),
                    tr("The step in η between rows, from 0.001."));
    m_end = etaBox(this, "Spin_ProfileEnd", 0.0, 100.0, 8.0, tr("Last eta"), tr("The last η of the table."));

    m_model = new ProfileTableModel(this);
    const cuneola::ui::CopyableTable table = cuneola::ui::copyableTable(
        this, m_model,
        {"Table_Profiles", tr("Table of the profiles"), "copyProfilesAction", "Command_CopyProfiles",
         tr("Copy the profile table"),
         tr("Put the table on the clipboard as tab-separated lines after a line naming β, the branch, Pr, the "
            "wall and η∞, 15 digits a value (Ctrl+C in the "
            "table does the same).")});
    m_table = table.view;
    // Uniform rows and fixed columns: a table of 100,000 rows fills without measuring each.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int width = QFontMetrics(m_table->font()).horizontalAdvance(QStringLiteral("-0.0000000000e-00")) + 12;
    for (int c = 0; c < ProfileTableModel::ColumnCount; ++c) m_table->setColumnWidth(c, width);
    connect(table.copy, &QAction::triggered, this, &ProfilePanel::copyProfiles);
    auto* saveButton = cuneola::ui::addSaveCsv(
        m_table, this, "saveProfilesAction", "Command_SaveProfiles", tr("Save the profile table as CSV"),
        tr("Write the table to a comma-separated file, with β, the branch, Pr, the wall and η∞ in a comment line "
           "before the header, the numbers in scientific notation."),
        [this] { saveCsv(); });

    auto* inputs = new QHBoxLayout;
    auto* stepLabel = new QLabel(tr("η st&ep:"), this);
    stepLabel->setBuddy(m_step);
    auto* endLabel = new QLabel(tr("to η &end:"), this);
    endLabel->setBuddy(m_end);
    inputs->addWidget(stepLabel);
    inputs->addWidget(m_step);
    inputs->addWidget(endLabel);
    inputs->addWidget(m_end);
    inputs->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(inputs);
    column->addWidget(m_table, 1);
    column->addLayout(cuneola::ui::leftRow({table.button, saveButton}));

    for (QDoubleSpinBox* b : {m_step, m_end})
        connect(b, &QDoubleSpinBox::valueChanged, this, [this] {
            m_stale = true;
            if (isVisible()) fill();
        });
}

void ProfilePanel::setSolution(const cuneola::analysis::SimilaritySolution& solution)
{
    m_solution = solution;
    m_stale = true;
    if (isVisible()) fill();
}

void ProfilePanel::setNoSolution()
{
    m_solution.reset();
    m_stale = false;
    m_model->clear();
}

void ProfilePanel::fill()
{
    if (!m_stale || !m_solution) return;
    m_stale = false;
    m_model->setProfiles(*m_solution, m_step->value(), m_end->value());
}

void ProfilePanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fill();
}

void ProfilePanel::copyProfiles()
{
    fill();
    QGuiApplication::clipboard()->setText(m_model->copyText());
}

void ProfilePanel::saveCsv()
{
    fill();
    auto& dialogs = cuneola::ui::saveDialogs();
    if (m_model->rowCount() == 0) {
        dialogs.warn(this, tr("There is no profile to save: the current β has no solution."));
        return;
    }
    cuneola::ui::saveCsvAs(this, tr("Save the profile table"), QStringLiteral("profiles.csv"), m_model->csv());
}
