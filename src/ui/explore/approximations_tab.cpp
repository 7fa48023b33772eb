// SPDX-License-Identifier: GPL-3.0-or-later
// The Approximations tab: Thwaites' method and Pohlhausen's quartic beside the exact solution.
#include "ui/explore/approximations_tab.h"

#include "analysis/integral_methods.h"
#include "analysis/transpiration.h"
#include "ui/charts/chart_axes.h"
#include "ui/charts/chart_parts.h"
#include "ui/charts/chart_view.h"
#include "ui/common/background_job.h"
#include "ui/common/copyable_table.h"
#include "ui/explore/integral_table_model.h"
#include "ui/explore/table_text.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace cuneola::analysis;
using namespace cuneola::ui;

namespace {

// The table's pane can be narrowed to this, in pixels; its columns then scroll.
constexpr int kLeastPaneWidth = 280;

constexpr int kProfilePoints = 160;
// The f''(0) curves run up to here; the integral methods need beta < 2.
constexpr double kCurveTop = 1.9;
constexpr int kMethodPoints = 120;

QList<QPointF> methodCurve(IntegralMethod method)
{
    QList<QPointF> points;
    const double bottom = integralSeparationBeta(method);
    for (int i = 0; i <= kMethodPoints; ++i) {
        const double beta = bottom + (kCurveTop - bottom) * i / kMethodPoints;
        if (const Outcome<IntegralEstimate> e = integralEstimate(method, beta))
            points.append(QPointF(beta, e->wallShear));
    }
    return points;
}

} // namespace

ApproximationsTab::ApproximationsTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tab_Approximations"));
    m_model = new IntegralTableModel(this);
    const CopyableTable table = copyableTable(
        this, m_model,
        {"Table_Integral", tr("Table of the integral methods against the exact solution"), "copyIntegralAction",
         "Command_CopyIntegral", tr("Copy the table of the integral methods"),
         tr("Put the whole table on the clipboard as tab-separated lines after a line naming β, the branch, Pr and "
            "the wall, 15 digits a value (Ctrl+C in the table "
            "does the same).")});
    m_table = table.view;
    m_table->horizontalHeader()->setStretchLastSection(true);
    fitColumns(m_table, {"separation β", "-0.0000000000", "-0.000000", "-0.0000 %", "-0.000000"});
    connect(table.copy, &QAction::triggered, this, &ApproximationsTab::copyTable);
    m_note = noteLabel(this, "Lbl_IntegralNotes", tr("Notes on the integral methods"), true);

    buildProfileChart();
    buildShearChart();
    const ProgressedJob pj =
        progressedJob(this, "Progress_IntegralShear", tr("Progress of the exact wall-shear curve"));
    m_progress = pj.progress;
    m_job = pj.job;

    auto* left = new QWidget(this);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addWidget(m_table, 1);
    leftColumn->addLayout(leftRow({table.button}));
    leftColumn->addWidget(m_note);
    auto* right = new QWidget(this);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->addWidget(m_profileView, 1);
    rightColumn->addWidget(m_shearView, 1);
    rightColumn->addWidget(m_progress);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter_Approximations"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    // The whole table in view where the window has room, the plots beside it at their least
    // width; in a narrower window the table scrolls sideways.
    int tableWidth = 24;
    const QFontMetrics metrics(m_table->font());
    for (int column = 0; column < IntegralTableModel::ColumnCount; ++column)
        tableWidth +=
            column < 5 ? m_table->columnWidth(column) : metrics.horizontalAdvance(QStringLiteral("-0.0000 %")) + 16;
    left->setMinimumWidth(kLeastPaneWidth);
    splitter->setSizes({tableWidth, right->minimumSizeHint().width()});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
}

void ApproximationsTab::buildProfileChart()
{
    m_profileChart = newChart();
    m_profileEta = addRoundAxis(m_profileChart, Qt::AlignBottom, QStringLiteral("η"));
    m_profileValue = addRoundAxis(m_profileChart, Qt::AlignLeft, QStringLiteral("f'"));
    m_exactProfile = namedLine(m_profileChart, "ExactProfile", tr("exact f'"), QPen(QColor(0, 0, 255), 2.0));
    m_quarticProfile = namedLine(m_profileChart, "QuarticProfile", tr("Pohlhausen's quartic"),
                                 QPen(QColor(200, 0, 0), 2.0, Qt::DashLine));
    for (QLineSeries* s : {m_exactProfile, m_quarticProfile}) plotOn(m_profileChart, s, m_profileEta, m_profileValue);
    m_profileView = new ChartView(m_profileChart, tr("Velocity profile f prime against eta, exact and quartic"), this);
    m_profileView->setObjectName(QStringLiteral("Chart_IntegralProfile"));
}

void ApproximationsTab::buildShearChart()
{
    m_shearChart = newChart();
    m_shearBeta = addRoundAxis(m_shearChart, Qt::AlignBottom, QStringLiteral("β"));
    m_shearValue = addRoundAxis(m_shearChart, Qt::AlignLeft, QStringLiteral("f''(0)"));
    m_exactShear = namedLine(m_shearChart, "ExactShear", tr("exact"), QPen(QColor(0, 0, 255), 2.0));
    m_thwaitesShear =
        namedLine(m_shearChart, "ThwaitesShear", tr("Thwaites"), QPen(QColor(0, 150, 0), 2.0, Qt::DashLine));
    m_pohlhausenShear =
        namedLine(m_shearChart, "PohlhausenShear", tr("Pohlhausen"), QPen(QColor(200, 0, 0), 2.0, Qt::DotLine));
    m_current = currentRing(m_shearChart, tr("current β"));
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{m_exactShear, m_thwaitesShear, m_pohlhausenShear, m_current})
        plotOn(m_shearChart, s, m_shearBeta, m_shearValue);
    m_thwaitesShear->replace(methodCurve(IntegralMethod::Thwaites));
    m_pohlhausenShear->replace(methodCurve(IntegralMethod::Pohlhausen));
    setRoundTicks(m_shearBeta, -0.25, 2.0);
    setRoundTicks(m_shearValue, 0.0, 1.8);
    m_shearView = new ChartView(m_shearChart,
                                tr("Wall shear f double prime of 0 against beta, exact and "
                                   "from both integral methods"),
                                this);
    m_shearView->setObjectName(QStringLiteral("Chart_IntegralShear"));
}

QString ApproximationsTab::note() const { return m_note->text(); }
bool ApproximationsTab::isBusy() const { return m_job->isRunning(); }

void ApproximationsTab::showSolution(const SimilaritySolution& solution)
{
    m_solution = solution;
    m_model->setSolution(solution);
    const QString text = m_model->notes().join(QLatin1Char('\n'));
    if (text != m_note->text()) m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
    m_current->clear();
    m_current->append(solution.momentum.beta, solution.momentum.wallShear);
    m_profilesStale = true;
    if (isVisible()) drawProfiles();
}

void ApproximationsTab::showNoSolution(const QString& reason)
{
    m_solution.reset();
    m_profilesStale = false;
    m_model->setMissing(reason);
    // The window's message line says why; the note does not say it again.
    m_note->clear();
    m_note->hide();
    m_current->clear();
    m_exactProfile->clear();
    m_quarticProfile->clear();
}

void ApproximationsTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    computeExactCurve();
    drawProfiles();
}

void ApproximationsTab::drawProfiles()
{
    if (!m_profilesStale || !m_solution) return;
    m_profilesStale = false;
    const SimilaritySolution& s = *m_solution;
    const Outcome<IntegralEstimate> quartic = s.momentum.suction == 0.0
                                                  ? integralEstimate(IntegralMethod::Pohlhausen, s.momentum.beta)
                                                  : Outcome<IntegralEstimate>(fail(FailureKind::NotDefined, ""));
    double end = std::max(6.0, 1.3 * (s.momentum.eta99 ? *s.momentum.eta99 : s.momentum.etaInf / 2.0));
    if (quartic) end = std::max(end, 1.2 * quartic->thickness);
    end = std::ceil(std::min(end, 40.0));
    const Profiles p = sampleProfiles(s, end, kProfilePoints);
    QList<QPointF> exact, approximate;
    double low = 0.0;
    for (std::size_t i = 0; i < p.eta.size(); ++i) {
        exact.append(QPointF(p.eta[i], p.fp[i]));
        low = std::min(low, p.fp[i]);
        if (quartic) approximate.append(QPointF(p.eta[i], pohlhausenVelocity(*quartic, p.eta[i])));
    }
    m_exactProfile->replace(exact);
    m_quarticProfile->replace(approximate);
    setRoundTicks(m_profileEta, 0.0, end);
    setRoundTicks(m_profileValue, low - 0.05, 1.08);
}

void ApproximationsTab::computeExactCurve()
{
    if (m_curveStarted) return;
    m_curveStarted = true;
    m_job->start(
        [](const BackgroundJob::Control& control) {
            ExactCurve curve;
            const Outcome<MomentumSolution> fold = separationSolution();
            if (fold) curve.points.append(QPointF(fold->beta, 0.0));
            std::vector<double> betas{-0.198, -0.195, -0.19, -0.18, -0.16, -0.14, -0.12};
            for (int i = -10; i <= 38; ++i) betas.push_back(i / 20.0);
            for (std::size_t i = 0; i < betas.size(); ++i) {
                if (control.cancelled()) break;
                if (const Outcome<MomentumSolution> m = solveMomentum(betas[i], Branch::Attached))
                    curve.points.append(QPointF(betas[i], m->wallShear));
                control.report((i + 1.0) / betas.size());
            }
            return curve;
        },
        [this](const ExactCurve& curve) { showExactCurve(curve); });
}

void ApproximationsTab::showExactCurve(const ExactCurve& curve) { m_exactShear->replace(curve.points); }

void ApproximationsTab::copyTable()
{
    QGuiApplication::clipboard()->setText(cuneola::ui::headed(tr("Integral methods"), m_case, m_model->copyText()));
}
