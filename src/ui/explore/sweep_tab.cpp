// SPDX-License-Identifier: GPL-3.0-or-later
// The Sweep tab: chosen quantities over typed lists of β and Pr, one row per input, to copy or save as CSV.
#include "ui/explore/sweep_tab.h"

#include "numbertext/number_list.h"
#include "ui/charts/chart_parts.h"
#include "ui/common/background_job.h"
#include "ui/common/copyable_table.h"
#include "ui/common/save_file.h"
#include "ui/common/text_view.h"
#include "ui/explore/results_table_model.h"
#include "ui/explore/sweep_table_model.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace cuneola::analysis;

namespace {

// Checked at first: what a textbook's table of wedge flows gives.
constexpr Quantity kFirstChosen[] = {Quantity::WallShear,         Quantity::WallGradient, Quantity::Displacement,
                                     Quantity::MomentumThickness, Quantity::ShapeFactor,  Quantity::Nusselt};

QLineEdit* listEdit(QWidget* parent, const char* name, const QString& spoken, const QString& placeholder)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(spoken);
    edit->setPlaceholderText(placeholder);
    edit->setToolTip(SweepTab::tr("Numbers with a full stop as the point, separated by blanks or semicolons."));
    return edit;
}

// The numbers typed, or the reader's sentence naming the list.
Outcome<std::vector<double>> listOf(const QLineEdit* edit, const QString& what)
{
    const cuneola::NumberList list = cuneola::readNumberList(edit->text().toStdString());
    if (!list.reason.empty())
        return fail(FailureKind::OutOfRange, (what + QStringLiteral(": ")).toStdString() + list.reason);
    return list.values;
}

QString rowsText(std::size_t rows) { return rows == 1 ? SweepTab::tr("1 row") : SweepTab::tr("%1 rows").arg(rows); }

} // namespace

SweepTab::SweepTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tab_Sweep"));
    m_quantities = buildQuantityList();
    auto* quantitiesLabel = new QLabel(tr("&Quantities:"), this);
    quantitiesLabel->setBuddy(m_quantities);
    auto* choice = new QVBoxLayout;
    choice->addWidget(quantitiesLabel);
    choice->addWidget(m_quantities, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(choice);
    middle->addLayout(buildTablePane(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildListRow());
    layout->addLayout(middle, 1);
}

QHBoxLayout* SweepTab::buildListRow()
{
    m_betas = listEdit(this, "Edit_SweepBetas", tr("Beta values"), tr("e.g. -0.1 0 0.5 1; empty: β above"));
    m_Prs = listEdit(this, "Edit_SweepPrs", tr("Prandtl numbers"), tr("e.g. 0.1 0.5 1 2 5 10; empty: Pr above"));
    auto* betaLabel = new QLabel(tr("β &values:"), this);
    betaLabel->setBuddy(m_betas);
    auto* PrLabel = new QLabel(tr("Pr va&lues:"), this);
    PrLabel->setBuddy(m_Prs);
    auto* run = cuneola::ui::commandButton(
        this, "Command_ComputeSweep", tr("&Compute"), tr("Compute the sweep"),
        tr("Solve every combination of the β and Pr values, the branch and the wall above, in the "
           "background (at most %1 rows); a new run stops one still going.")
            .arg(kMaxSweepRows));
    connect(run, &QPushButton::clicked, this, &SweepTab::compute);
    for (QLineEdit* edit : {m_betas, m_Prs}) connect(edit, &QLineEdit::returnPressed, this, &SweepTab::compute);
    auto* row = new QHBoxLayout;
    row->addWidget(betaLabel);
    row->addWidget(m_betas, 1);
    row->addWidget(PrLabel);
    row->addWidget(m_Prs, 1);
    row->addWidget(run);
    return row;
}

QListWidget* SweepTab::buildQuantityList()
{
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("List_SweepQuantities"));
    list->setAccessibleName(tr("Quantities to tabulate"));
    for (Quantity q : kQuantities) {
        auto* item = new QListWidgetItem(cuneola::ui::fromView(quantityName(q)), list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setData(Qt::UserRole, static_cast<int>(q));
        item->setData(Qt::AccessibleTextRole, ResultsTableModel::spokenName(q));
        const bool chosen = std::find(std::begin(kFirstChosen), std::end(kFirstChosen), q) != std::end(kFirstChosen);
        item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    }
    // As wide as its longest name, the table taking the rest.
    list->setFixedWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                        list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    return list;
}

QVBoxLayout* SweepTab::buildTablePane()
{
    m_model = new SweepTableModel(this);
    const cuneola::ui::CopyableTable table = cuneola::ui::copyableTable(
        this, m_model,
        {"Table_Sweep", tr("Table of the sweep"), "copySweepAction", "Command_CopySweep", tr("Copy the sweep table"),
         tr("Put the table on the clipboard as tab-separated lines after a line naming the branch, the wall and "
            "the β or Pr common to every row (Ctrl+C in the table does the same).")});
    m_table = table.view;
    connect(table.copy, &QAction::triggered, this, &SweepTab::copyTable);
    auto* saveButton = cuneola::ui::addSaveCsv(
        m_table, this, "saveSweepAction", "Command_SaveSweep", tr("Save the sweep table as CSV"),
        tr("Write the table to a comma-separated file, with what it was computed for in a comment line before the "
           "header, the numbers in scientific notation."),
        [this] { saveCsv(); });

    m_note = cuneola::ui::noteLabel(this, "Lbl_SweepNote", tr("Notes on the sweep"), true);
    const cuneola::ui::ProgressedJob progressed =
        cuneola::ui::progressedJob(this, "Progress_Sweep", tr("Progress of the sweep"));
    m_progress = progressed.progress;
    m_job = progressed.job;
    connect(m_job, &BackgroundJob::failed, m_note, &QLabel::setText);

    auto* column = new QVBoxLayout;
    column->addWidget(m_table, 1);
    column->addWidget(m_progress);
    column->addWidget(m_note);
    column->addLayout(cuneola::ui::leftRow({table.button, saveButton}));
    return column;
}

bool SweepTab::isBusy() const { return m_job->isRunning(); }

Outcome<SweepRequest> SweepTab::request() const
{
    const Outcome<std::vector<double>> betas = listOf(m_betas, tr("β values"));
    if (!betas) return betas.failure();
    const Outcome<std::vector<double>> Prs = listOf(m_Prs, tr("Pr values"));
    if (!Prs) return Prs.failure();
    SweepRequest r{*betas, *Prs, m_case.beta.value_or(0.0), m_case.Pr.value_or(1.0), m_case.branch, m_case.wall, {}};
    for (int i = 0; i < m_quantities->count(); ++i)
        if (const QListWidgetItem* item = m_quantities->item(i); item->checkState() == Qt::Checked)
            r.quantities.push_back(static_cast<Quantity>(item->data(Qt::UserRole).toInt()));
    if (const Outcome<std::size_t> rows = sweepRows(r); !rows) return rows.failure();
    return r;
}

void SweepTab::compute()
{
    const Outcome<SweepRequest> r = request();
    if (!r) {
        m_note->setText(QString::fromStdString(r.failure().message));
        return;
    }
    m_running = *r;
    m_model->clear();
    m_note->setText(tr("Computing %1 …").arg(rowsText(*sweepRows(*r))));
    m_clock.start();
    m_job->start([request = *r](const BackgroundJob::Control& control) { return sweep(request, control); },
                 [this](const Outcome<std::vector<SweepRow>>& rows) { show(rows); });
}

void SweepTab::show(const Outcome<std::vector<SweepRow>>& rows)
{
    const SweepRequest r = *m_running;
    m_running.reset();
    if (!rows) {
        m_note->setText(QString::fromStdString(rows.failure().message));
        return;
    }
    // The heading names what every row shares; a list's values are in its column.
    CaseInputs shared{r.beta, r.branch, r.Pr, r.wall};
    if (!r.betas.empty()) shared.beta.reset();
    if (!r.Prs.empty()) shared.Pr.reset();
    m_model->setRows(*rows, r.quantities, shared);
    m_table->resizeColumnsToContents();
    m_note->setText(tr("%1 in %2 s for %3.")
                        .arg(rowsText(rows->size()), QString::number(m_clock.elapsed() / 1000.0, 'f', 2),
                             QString::fromStdString(caseText(shared))));
}

bool SweepTab::sameRows(const SweepRequest& a, const SweepRequest& b)
{
    return a.branch == b.branch && a.wall.suction == b.wall.suction && a.wall.thermal.kind == b.wall.thermal.kind &&
           a.wall.thermal.exponent == b.wall.thermal.exponent && (!a.betas.empty() || a.beta == b.beta) &&
           (!a.Prs.empty() || a.Pr == b.Pr);
}

void SweepTab::setCase(const CaseInputs& inputs)
{
    m_case = inputs;
    if (!m_running || !m_job->isRunning()) return;
    SweepRequest now = *m_running;
    now.beta = inputs.beta.value_or(0.0);
    now.Pr = inputs.Pr.value_or(1.0);
    now.branch = inputs.branch;
    now.wall = inputs.wall;
    if (sameRows(*m_running, now)) return;
    m_job->cancel();
    m_running.reset();
    m_note->setText(tr("Stopped: the inputs above changed. Compute again for the new ones."));
}

void SweepTab::copyTable() { QGuiApplication::clipboard()->setText(m_model->copyText()); }

void SweepTab::saveCsv()
{
    auto& dialogs = cuneola::ui::saveDialogs();
    if (m_model->rowCount() == 0) {
        dialogs.warn(this, tr("There is no sweep to save: compute one first."));
        return;
    }
    cuneola::ui::saveCsvAs(this, tr("Save the sweep table"), QStringLiteral("sweep.csv"), m_model->csv());
}
