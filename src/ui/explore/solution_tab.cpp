// SPDX-License-Identifier: GPL-3.0-or-later
// The Solution tab: the exact profiles with pins to compare, and the table of tabulated quantities.
#include "ui/explore/solution_tab.h"

#include "ui/charts/chart_axes.h"
#include "ui/charts/chart_parts.h"
#include "ui/charts/chart_view.h"
#include "ui/charts/straight_runs.h"
#include "ui/common/copyable_table.h"
#include "ui/common/settled_tabs.h"
#include "ui/common/text_view.h"
#include "ui/explore/explore_numbers.h"
#include "ui/explore/pin_key.h"
#include "ui/explore/profile_panel.h"
#include "ui/explore/results_table_model.h"
#include "ui/explore/table_text.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using cuneola::analysis::Profiles;
using cuneola::analysis::SimilaritySolution;
using cuneola::ui::significantText;

namespace {

// Points per curve: over the momentum layer, and as many again beyond it when the
// thermal layer reaches much further out.
constexpr int kCurvePoints = 200;
// f, f' and f'' come first among the curves, then g and g'.
constexpr std::size_t kMomentumCurves = 3;
constexpr int kOuterCurvePoints = 120;
// Far enough to find the edges of the thickest thermal layer (Pr = 0.001: g = 0.99 at η ≈ 82).
constexpr double kSurveyEnd = 150.0;
constexpr int kSurveyPoints = 751;
constexpr double kMinEtaEnd = 6.0;
constexpr double kMaxEtaEnd = 120.0;
// How far a drawn curve may leave the sampled one, as a share of the plot: a tenth of a
// pixel on a plot 1000 pixels across, so that a figure saved large looks the same too.
constexpr double kDrawnTolerance = 1e-4;

// The last η at which a profile is still more than 1 % from its outer value 1.
double edgeOf(const std::vector<double>& eta, const std::vector<double>& values)
{
    for (std::size_t i = values.size(); i-- > 0;)
        if (std::fabs(values[i] - 1.0) > 0.01) return eta[std::min(i + 1, eta.size() - 1)];
    return 0.0;
}

// Room for the momentum layer (1.6 of its thickness) and for the thermal layer, which at
// small Pr is many times thicker.
struct CurveRange {
    double momentumEnd;
    double end;
};

CurveRange rangeFor(const SimilaritySolution& s)
{
    const Profiles survey = cuneola::analysis::sampleProfiles(s, kSurveyEnd, kSurveyPoints);
    const double momentumEnd = std::min(std::max(kMinEtaEnd, 1.6 * edgeOf(survey.eta, survey.fp)), kMaxEtaEnd);
    double end = momentumEnd;
    if (!survey.g.empty()) end = std::max(end, 1.25 * edgeOf(survey.eta, survey.g));
    end = std::min(end, kMaxEtaEnd);
    // A round number at the axis' end.
    const double unit = end <= 10.0 ? 1.0 : end <= 40.0 ? 5.0 : 10.0;
    return {momentumEnd, std::ceil(end / unit) * unit};
}

// Evenly spaced over the momentum layer; beyond it, where only g still changes, coarser.
Profiles curvesFor(const SimilaritySolution& s, const CurveRange& range)
{
    if (range.end <= 1.5 * range.momentumEnd) return cuneola::analysis::sampleProfiles(s, range.end, kCurvePoints);
    Profiles p = cuneola::analysis::sampleProfiles(s, range.momentumEnd, kCurvePoints);
    const Profiles outer = cuneola::analysis::sampleProfiles(s, range.end, kOuterCurvePoints);
    for (std::size_t i = 0; i < outer.eta.size(); ++i) {
        if (!(outer.eta[i] > range.momentumEnd)) continue;
        p.eta.push_back(outer.eta[i]);
        p.f.push_back(outer.f[i]);
        p.fp.push_back(outer.fp[i]);
        p.fpp.push_back(outer.fpp[i]);
        if (!outer.g.empty()) {
            p.g.push_back(outer.g[i]);
            p.gp.push_back(outer.gp[i]);
        }
    }
    return p;
}

double interpolate(const std::vector<double>& eta, const std::vector<double>& values, double at)
{
    if (values.empty() || eta.size() != values.size()) return std::nan("");
    if (at <= eta.front()) return values.front();
    if (at >= eta.back()) return values.back();
    const auto i = static_cast<std::size_t>(std::upper_bound(eta.begin(), eta.end(), at) - eta.begin()) - 1;
    const double t = (at - eta[i]) / (eta[i + 1] - eta[i]);
    return values[i] + t * (values[i + 1] - values[i]);
}

QList<QPointF> pointsOf(const std::vector<double>& x, const std::vector<double>& y)
{
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(y.size()));
    for (std::size_t i = 0; i < y.size() && i < x.size(); ++i) points.append(QPointF(x[i], y[i]));
    return points;
}

// "β = -0.1, reversed flow, Pr = 0.7": the branch and a wall other than the classic one are
// named, so that two pins at the same β and Pr never read alike.
QString pinName(const SimilaritySolution& s)
{
    QString name = QStringLiteral("β = %1").arg(significantText(s.momentum.beta, 6));
    if (s.momentum.branch == cuneola::analysis::Branch::ReversedFlow)
        name += QStringLiteral(", ") + cuneola::ui::fromView(cuneola::analysis::branchName(s.momentum.branch));
    if (s.momentum.suction != 0.0) name += QStringLiteral(", f_w = %1").arg(significantText(s.momentum.suction, 4));
    switch (s.thermal.kind) {
    case cuneola::analysis::ThermalWallKind::Isothermal: break;
    case cuneola::analysis::ThermalWallKind::PowerLaw:
        name += QStringLiteral(", n = %1").arg(significantText(s.thermal.exponent, 4));
        break;
    case cuneola::analysis::ThermalWallKind::UniformFlux: name += QStringLiteral(", uniform flux"); break;
    }
    return name + QStringLiteral(", Pr = %1").arg(significantText(s.Pr, 4));
}

// The pen of the `index`th pin's curves: a grey and a dash pattern of its own, so that a
// printed figure tells the pins apart. Darker first; the lightest grey, 130 of 255, still
// stands out on white paper. Patterns are in units of the momentum curves' width.
QPen pinPen(int index, bool thermal)
{
    static const QList<QList<qreal>> patterns = {{}, {6, 3}, {1, 2.5}, {7, 2.5, 1.5, 2.5}, {12, 4}, {4, 2, 1, 2, 1, 2}};
    const int k = index % static_cast<int>(patterns.size());
    // g and g' thinner than f, f' and f'', with dashes as long.
    const qreal width = thermal ? 1.0 : 2.0;
    QPen pen(QColor::fromHsv(0, 0, 40 + 18 * k), width);
    if (!patterns[k].isEmpty()) {
        QList<qreal> dashes = patterns[k];
        for (qreal& d : dashes) d *= 2.0 / width;
        pen.setDashPattern(dashes);
    }
    return pen;
}

} // namespace

SolutionTab::SolutionTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tab_Solution"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter_Solution"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildCurvePane());
    splitter->addWidget(buildTablePane());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
}

// The curves and the pin buttons under them; why there is no solution the window's message line says.
QWidget* SolutionTab::buildCurvePane()
{
    buildChart();

    m_pin = new QPushButton(tr("Pin"), this);
    m_pin->setObjectName(QStringLiteral("Command_Pin"));
    m_pin->setAccessibleName(tr("Pin the current curves"));
    m_pin->setToolTip(tr("Keep the current curves, labelled with their β, branch and Pr, to compare them "
                         "with the next ones (up to six pins, each in a grey and dash pattern of its own, "
                         "its g and g' thinner)."));
    m_pin->setAutoDefault(false);
    m_clearPins = new QPushButton(tr("Clear pins"), this);
    m_clearPins->setObjectName(QStringLiteral("Command_ClearPins"));
    m_clearPins->setAccessibleName(tr("Clear the pinned curves"));
    m_clearPins->setToolTip(tr("Remove every pinned curve."));
    m_clearPins->setAutoDefault(false);
    m_clearPins->setEnabled(false);
    connect(m_pin, &QPushButton::clicked, this, &SolutionTab::pin);
    connect(m_clearPins, &QPushButton::clicked, this, &SolutionTab::clearPins);

    auto* left = new QWidget(this);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addWidget(m_view, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pin);
    buttons->addWidget(m_clearPins);
    buttons->addStretch(1);
    leftColumn->addLayout(buttons);

    return left;
}

// The table of results with its copy button and notes.
QWidget* SolutionTab::buildTablePane()
{
    m_results = new ResultsTableModel(this);
    const cuneola::ui::CopyableTable table = cuneola::ui::copyableTable(
        this, m_results,
        {"Table_Results", tr("Table of results"), "copyResultsAction", "Command_CopyResults", tr("Copy the table"),
         tr("Put the whole table on the clipboard as tab-separated lines after a line naming β, the branch, Pr and "
            "the wall, 15 digits a value (Ctrl+C in the table "
            "does the same).")});
    m_table = table.view;
    // Columns sized once for the widest texts they take: sizing them to every new value
    // would lay out all the cells' text on each move of a slider.
    m_table->horizontalHeader()->setStretchLastSection(true);
    cuneola::ui::fitColumns(m_table, {"δ99/x·√Re_x", "-0.0000000000", "0.0000000000", "+0.000000"});
    m_table->setMinimumWidth(330);
    connect(table.copy, &QAction::triggered, this, &SolutionTab::copyResults);

    m_notes = cuneola::ui::noteLabel(this, "Lbl_ResultNotes", tr("Notes on the table"), true);
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* right = new QWidget(this);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->addWidget(m_table, 1);
    rightColumn->addLayout(cuneola::ui::leftRow({table.button}));
    rightColumn->addWidget(m_notes);

    // The results and the profile table share the right-hand side.
    m_profilePanel = new ProfilePanel(this);
    auto* tables = new QTabWidget(this);
    tables->setObjectName(QStringLiteral("Tabs_SolutionTables"));
    tables->setAccessibleName(tr("Tables of the solution"));
    tables->tabBar()->setAccessibleName(tr("Choice of table"));
    tables->addTab(right, tr("Results"));
    tables->addTab(m_profilePanel, tr("Profiles"));
    cuneola::ui::repaintTabsOnlyWhenMoved(tables);
    return tables;
}

void SolutionTab::buildChart()
{
    m_chart = cuneola::ui::newChart();
    m_etaAxis = cuneola::ui::addRoundAxis(m_chart, Qt::AlignBottom, QStringLiteral("η"));
    m_valueAxis = cuneola::ui::addRoundAxis(m_chart, Qt::AlignLeft);
    m_curves = {addCurve(QStringLiteral("f"), QColor(255, 0, 0), Qt::SolidLine),
                addCurve(QStringLiteral("f'"), QColor(0, 0, 255), Qt::SolidLine),
                addCurve(QStringLiteral("f''"), QColor(0, 160, 0), Qt::SolidLine),
                addCurve(QStringLiteral("g"), QColor(255, 0, 0), Qt::DashLine),
                addCurve(QStringLiteral("g'"), QColor(0, 0, 255), Qt::DashLine)};
    m_pinKey = new PinKey(m_chart);
    m_view = new ChartView(m_chart, tr("Profiles of f, f prime, f double prime, g and g prime against eta"), this);
    m_view->setObjectName(QStringLiteral("Chart_Solution"));
    // A new solution moves every curve: the whole plot is painted once under a plain
    // rectangle, rather than under the many-sided region of all that changed.
    m_view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    m_view->setReadout(m_curves.front(), [this](const QPointF& value) { return readout(value.x()); });
}

QLineSeries* SolutionTab::addCurve(const QString& name, const QColor& colour, Qt::PenStyle style)
{
    QLineSeries* series = cuneola::ui::namedLine(m_chart, qPrintable(name), name, QPen(colour, 2.0, style));
    cuneola::ui::plotOn(m_chart, series, m_etaAxis, m_valueAxis);
    return series;
}

void SolutionTab::showSolution(const SimilaritySolution& solution)
{
    m_solution = solution;
    m_results->setSolution(solution);
    m_profilePanel->setSolution(solution);
    m_pin->setEnabled(true);
    showNotes();
    describe();
    // Curves nobody sees are drawn when they come into view.
    m_curvesStale = true;
    if (isVisible()) drawCurves();
}

void SolutionTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    drawCurves();
}

void SolutionTab::drawCurves()
{
    if (!m_curvesStale || !m_solution) return;
    m_curvesStale = false;
    const CurveRange range = rangeFor(*m_solution);
    m_profiles = curvesFor(*m_solution, range);
    const Profiles& p = m_profiles;
    const std::vector<double>* values[] = {&p.f, &p.fp, &p.fpp, &p.g, &p.gp};
    // f grows without bound and leaves through the top, as in the main window's plot.
    double low = 0.0, high = 1.0;
    for (std::size_t c = 0; c < m_curves.size(); ++c) {
        if (c == 0) continue;
        for (double v : *values[c]) low = std::min(low, v), high = std::max(high, v);
    }
    // Each axis change recomputes the drawn geometry of every curve on it: emptied first, the
    // old curves are not laid out twice more for nothing.
    for (QLineSeries* curve : m_curves) curve->clear();
    cuneola::ui::setRoundTicks(m_etaAxis, 0.0, range.end);
    cuneola::ui::setRoundTicks(m_valueAxis, low - 0.04 * (high - low), high + 0.08 * (high - low));
    // Stroking costs by the point: each curve draws only the points it needs to look the
    // same, and the keys still step through every sampled one.
    const QSizeF span(m_etaAxis->max() - m_etaAxis->min(), m_valueAxis->max() - m_valueAxis->min());
    for (std::size_t c = 0; c < m_curves.size(); ++c) {
        const QList<QPointF> points = pointsOf(p.eta, *values[c]);
        m_view->setStepPoints(m_curves[c], points);
        m_curves[c]->replace(withoutStraightRuns(points, span, kDrawnTolerance));
    }
    // Laid out now, with the new axes' labels, the chart is painted once; left to the event
    // loop, the labels moved the plot after the first paint and the chart was painted twice.
    if (QGraphicsLayout* layout = m_chart->layout()) layout->activate();
}

void SolutionTab::showNoSolution(const QString& reason)
{
    m_solution.reset();
    m_curvesStale = false;
    m_profiles = {};
    for (QLineSeries* curve : m_curves) curve->clear();
    m_results->setMissing(reason);
    m_profilePanel->setNoSolution();
    m_pin->setEnabled(false);
    describe(reason);
    // The window's message line already says why every row is empty.
    m_notes->clear();
    m_notes->hide();
}

void SolutionTab::showNotes()
{
    const QStringList notes = m_results->notes();
    const QString text = notes.join(QLatin1Char('\n'));
    if (text != m_notes->text()) m_notes->setText(text);
    m_notes->setVisible(!notes.isEmpty());
}

void SolutionTab::describe(const QString& noSolution)
{
    if (!m_solution) {
        m_view->setDescription(tr("No curves: %1").arg(noSolution));
        return;
    }
    const SimilaritySolution& s = *m_solution;
    QStringList parts;
    const cuneola::analysis::Outcome<double> eta99 =
        cuneola::analysis::quantityValue(s, cuneola::analysis::Quantity::Eta99);
    if (eta99)
        parts << tr("f'(η) rises from 0 to 1 by η99 = %1").arg(significantText(*eta99, 3));
    else
        parts << tr("f'(η) starts below 0 near the wall, where the flow runs backwards, and rises to 1 further out");
    parts << tr("f''(0) = %1").arg(significantText(s.momentum.wallShear, 4));
    if (s.wallGradient)
        parts << tr("g rises from 0 to 1 with g'(0) = %1 at Pr = %2")
                     .arg(significantText(*s.wallGradient, 4), significantText(s.Pr, 4));
    else
        parts << tr("no g: %1").arg(QString::fromStdString(s.wallGradient.failure().message));
    m_view->setDescription(
        tr("At β = %1: %2.").arg(significantText(s.momentum.beta, 6), parts.join(QStringLiteral("; "))));
}

QString SolutionTab::readout(double eta) const
{
    if (!m_solution || m_profiles.eta.empty()) return {};
    const Profiles& p = m_profiles;
    QString text = QStringLiteral("η = %1").arg(significantText(eta, 4));
    const std::pair<const char*, const std::vector<double>*> curves[] = {
        {"f", &p.f}, {"f'", &p.fp}, {"f''", &p.fpp}, {"g", &p.g}, {"g'", &p.gp}};
    for (const auto& [name, values] : curves)
        if (!values->empty())
            text += QStringLiteral("   %1 = %2")
                        .arg(QLatin1String(name), significantText(interpolate(p.eta, *values, eta), 4));
    return text;
}

void SolutionTab::pin()
{
    if (!m_solution) return;
    drawCurves(); // what is pinned is the current solution, even when it was not in view
    if (static_cast<int>(m_pins.size()) == kMaxPins) {
        for (QLineSeries* s : m_pins.front().series) {
            m_chart->removeSeries(s);
            delete s;
        }
        m_pins.erase(m_pins.begin());
    }
    Pin pin;
    pin.name = pinName(*m_solution);
    const int made = m_pinsMade++;
    for (std::size_t c = 0; c < m_curves.size(); ++c) {
        QLineSeries* curve = m_curves[c];
        if (curve->count() == 0) continue;
        auto* copy = new QLineSeries(m_chart);
        copy->setObjectName(QStringLiteral("pin"));
        copy->setName(pin.name);
        copy->setPen(pinPen(made, c >= kMomentumCurves));
        copy->replace(curve->points());
        m_view->setStepPoints(copy, m_view->stepPoints(curve));
        m_chart->addSeries(copy);
        copy->attachAxis(m_etaAxis);
        copy->attachAxis(m_valueAxis);
        pin.series.push_back(copy);
    }
    // Pins are named in their own key, which has room for every name.
    for (QLineSeries* copy : pin.series)
        for (QLegendMarker* marker : m_chart->legend()->markers(copy)) marker->setVisible(false);
    m_pins.push_back(std::move(pin));
    showPinKey();
    m_clearPins->setEnabled(true);
    // Series are drawn in the order they were added: the current curves go on top again.
    for (QLineSeries* curve : m_curves) {
        m_chart->removeSeries(curve);
        m_chart->addSeries(curve);
        curve->attachAxis(m_etaAxis);
        curve->attachAxis(m_valueAxis);
    }
}

void SolutionTab::clearPins()
{
    for (Pin& pin : m_pins)
        for (QLineSeries* s : pin.series) {
            m_chart->removeSeries(s);
            delete s;
        }
    m_pins.clear();
    // The next pin is the first again: the darkest, drawn solid.
    m_pinsMade = 0;
    m_clearPins->setEnabled(false);
    showPinKey();
}

void SolutionTab::showPinKey()
{
    QList<PinKey::Entry> entries;
    for (const Pin& pin : m_pins) entries.append({pin.series.front()->pen(), pin.name});
    m_pinKey->setEntries(entries);
}

QStringList SolutionTab::pinNames() const
{
    QStringList names;
    for (const Pin& pin : m_pins) names << pin.name;
    return names;
}

void SolutionTab::copyResults()
{
    QGuiApplication::clipboard()->setText(cuneola::ui::headed(tr("Results table"), m_case, m_results->copyText()));
}
