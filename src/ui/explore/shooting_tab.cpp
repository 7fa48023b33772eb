// SPDX-License-Identifier: GPL-3.0-or-later
// The Shooting tab: the function the main window's last search zeroed, its trials on it, its error budget.
#include "ui/explore/shooting_tab.h"

#include "ui/charts/chart_axes.h"
#include "ui/charts/chart_parts.h"
#include "ui/charts/chart_view.h"
#include "ui/charts/point_labels.h"
#include "ui/common/accessibility.h"
#include "ui/common/background_job.h"
#include "ui/explore/explore_numbers.h"
#include "ui/explore/shooting_analysis.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QProgressBar>
#include <QScatterSeries>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace cuneola::analysis;
using cuneola::MarchMode;
using cuneola::ui::copyText;
using cuneola::ui::significantText;
using namespace cuneola::ui;

namespace {

QString unknownOf(MarchMode mode)
{
    return mode == MarchMode::Energy ? QStringLiteral("g'(0)") : QStringLiteral("f''(0)");
}
QString outerOf(MarchMode mode)
{
    return mode == MarchMode::Energy ? QStringLiteral("g(η max)") : QStringLiteral("f'(η max)");
}

} // namespace

void ShootingTab::setWallNote(bool nonClassicWall) { m_wallNote->setVisible(nonClassicWall); }

ShootingTab::ShootingTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tab_Shooting"));
    m_setting = noteLabel(this, "Lbl_ShootingSetting", tr("Which search the map shows"));
    cuneola::ui::speakLabelText(m_setting, tr("Which search the map shows"));
    cuneola::ui::setLabelText(m_setting, tr("Run a Calculate in the main window; its search will show here."));
    buildChart();

    const ProgressedJob progressed = progressedJob(this, "Progress_Shooting", tr("Progress of the shooting map"));
    m_progress = progressed.progress;
    m_job = progressed.job;
    connect(m_job, &BackgroundJob::failed, this, [this](const QString& message) { setNote(message); });

    m_note = noteLabel(this, "Lbl_ShootingNote", tr("Notes on the shooting map"));
    m_budget = noteLabel(this, "Lbl_Budget", tr("Error budget of the search's result"), true);
    m_budget->setWordWrap(false);
    m_budget->setTextFormat(Qt::RichText);
    cuneola::ui::speakLabelText(m_budget, tr("Error budget of the search's result"));
    m_advice = noteLabel(this, "Lbl_BudgetAdvice", tr("Where the error comes from"), true);
    cuneola::ui::speakLabelText(m_advice, tr("Where the error comes from"));
    // The budget and its advice are results: Tab reaches them, and they cannot be edited.
    for (QLabel* result : {m_budget, m_advice}) {
        result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        result->setFocusPolicy(Qt::StrongFocus);
    }

    m_wallNote = noteLabel(this, "Lbl_ShootingWall", tr("What the classic search leaves out"));
    m_wallNote->setText(tr("The main window's search knows neither suction nor a heated wall: this tab describes "
                           "its classic problem (f_w = 0, isothermal wall) and compares it with that problem's "
                           "exact solution, not with the one Explore shows now."));
    m_wallNote->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_wallNote);
    layout->addWidget(m_setting);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_progress);
    layout->addWidget(m_note);
    layout->addWidget(m_budget);
    layout->addWidget(m_advice);
    clearChart();
}

void ShootingTab::buildChart()
{
    m_chart = newChart();
    m_trialAxis = addRoundAxis(m_chart, Qt::AlignBottom);
    m_outerAxis = addRoundAxis(m_chart, Qt::AlignLeft);
    m_target = namedLine(m_chart, "target", tr("target 1"), QPen(QColor(255, 0, 255), 1.5, Qt::DashLine));
    m_cutOff = namedMarkers(m_chart, "cutOff", tr("cut off at f min"), QScatterSeries::MarkerShapeTriangle, 7.0,
                            QColor(150, 150, 150));
    m_overflow = namedMarkers(m_chart, "overflow", tr("left the number range"), QScatterSeries::MarkerShapeTriangle,
                              7.0, QColor(90, 90, 90));
    m_trials = namedMarkers(m_chart, "trials", tr("trials of the search"), QScatterSeries::MarkerShapeCircle, 8.0,
                            QColor(220, 0, 0));
    // Added last, so that a root shows on top of the trial next to it.
    m_roots = namedMarkers(m_chart, "roots", tr("root of the march"), QScatterSeries::MarkerShapeRotatedRectangle, 12.0,
                           QColor(0, 160, 0));
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{m_target, m_cutOff, m_overflow, m_trials, m_roots})
        plotOn(m_chart, s, m_trialAxis, m_outerAxis);
    m_trialNumbers = new PointLabels(m_chart, m_trials);

    m_view = new ChartView(m_chart, tr("Shooting map: the outer value against the trial wall value"), this);
    m_view->setObjectName(QStringLiteral("Chart_Shooting"));
    m_view->setReadout(m_target, [this](const QPointF& value) { return readout(value); });
}

ShootingTab::~ShootingTab() = default;

bool ShootingTab::isBusy() const { return m_job->isRunning(); }

void ShootingTab::showSearch(const cuneola::SearchRecord& record)
{
    m_pending = record;
    if (window()->isVisible()) showPending();
}

void ShootingTab::suspend()
{
    // A map of long marches may take a minute: a hidden window does not compute it.
    if (!m_job->isRunning() || !m_computing) return;
    m_job->cancel();
    if (!m_pending) m_pending = std::move(m_computing);
    m_computing.reset();
}

void ShootingTab::showPending()
{
    if (!m_pending) return;
    const cuneola::SearchRecord record = std::move(*m_pending);
    m_pending.reset();
    // Nothing of the previous search stays while this one is computed.
    m_job->cancel();
    clearChart();
    m_mode = record.mode;
    if (record.trials.empty()) {
        cuneola::ui::setLabelText(
            m_setting, tr("The last Calculate stopped early and kept no record of its trials, so there is no "
                          "shooting map to draw."));
        setNote(QString());
        return;
    }
    const ClassicSetting s = classicSettingOf(record);
    QString text = record.mode == MarchMode::Energy
                       ? tr("The energy search at β = %1, Pr = %2 with f''(0) = %3")
                             .arg(significantText(s.Beta, 7), significantText(s.Pr, 7), significantText(s.wallShear, 7))
                       : tr("The momentum search at β = %1").arg(significantText(s.Beta, 7));
    text += tr(", Δη = %1, η max = %2, f min = %3: the outer value %4 against the trial %5, with the search's "
               "trials numbered in the order it marched them (0 is the first guess, k the log's row k).")
                .arg(significantText(s.h, 7), significantText(s.xMax, 7), significantText(s.yMin, 7),
                     outerOf(record.mode), unknownOf(record.mode));
    cuneola::ui::setLabelText(m_setting, text);
    setNote(tr("Computing the map …"));
    m_computing = record;
    m_job->start([record](const BackgroundJob::Control& control) { return analyseSearch(record, control); },
                 [this](const ShootingAnalysis& analysis) { deliver(analysis); });
}

void ShootingTab::clearChart()
{
    for (QLineSeries* s : m_curve) {
        m_chart->removeSeries(s);
        delete s;
    }
    m_curve.clear();
    m_reached.clear();
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{m_target, m_trials, m_roots, m_cutOff, m_overflow})
        s->clear();
    m_trialNumbers->setLabels({});
    cuneola::ui::setRoundTicks(m_trialAxis, 0.0, 1.0);
    cuneola::ui::setRoundTicks(m_outerAxis, 0.0, 1.5);
    showLegendOfFilledSeries();
    m_trialAxis->setTitleText(QString());
    m_outerAxis->setTitleText(QString());
    clearBudget(QString());
    m_view->setDescription(tr("No shooting map yet."));
}

void ShootingTab::deliver(const ShootingAnalysis& analysis)
{
    m_computing.reset();
    drawMap(analysis);
    showBudget(analysis);
}

void ShootingTab::drawMap(const ShootingAnalysis& a)
{
    const MarchMode mode = a.record.mode;
    m_trialAxis->setTitleText(tr("trial %1").arg(unknownOf(mode)));
    m_outerAxis->setTitleText(outerOf(mode));
    if (!a.map) {
        setNote(QString::fromStdString(a.map.failure().message));
        m_view->setDescription(tr("No shooting map: %1").arg(QString::fromStdString(a.map.failure().message)));
        return;
    }
    const MapSpan span = mapSpan(a);
    drawMapCurves(*a.map);
    drawMapPoints(a, span);
    setNote(mapNotes(a, span));
    m_view->setDescription(mapDescription(a));
}

// The outer values the search saw and the map's reached samples decide the height.
ShootingTab::MapSpan ShootingTab::mapSpan(const ShootingAnalysis& a)
{
    MapSpan span;
    const auto widen = [&span](double outer) {
        span.low = std::min(span.low, outer), span.high = std::max(span.high, outer);
    };
    for (const ClassicTrial& t : a.map->samples) {
        if (t.end == TrialEnd::Reached && std::isfinite(t.outer))
            widen(t.outer);
        else
            ++(t.end == TrialEnd::CutOff ? span.cutOff : span.overflow);
    }
    for (const cuneola::TrialRecord& t : a.record.trials)
        if (t.finished && std::isfinite(t.outer)) widen(t.outer);
    const double margin = span.high > span.low ? 0.06 * (span.high - span.low) : 0.5;
    span.low -= margin, span.high += margin;
    return span;
}

// The reached samples as curves, one for each unbroken run, in the legend once.
void ShootingTab::drawMapCurves(const ShootingMap& map)
{
    QList<QList<QPointF>> runs(1);
    for (const ClassicTrial& t : map.samples) {
        if (t.end == TrialEnd::Reached && std::isfinite(t.outer)) {
            runs.back().append(QPointF(t.trial, t.outer));
            m_reached.append(QPointF(t.trial, t.outer));
        } else if (!runs.back().isEmpty()) {
            runs.append(QList<QPointF>());
        }
    }
    bool first = true;
    for (const QList<QPointF>& run : runs) {
        if (run.isEmpty()) continue;
        auto* curve = new QLineSeries(m_chart);
        curve->setObjectName(QStringLiteral("map"));
        curve->setName(tr("outer value at η max"));
        curve->setPen(QPen(QColor(0, 0, 255), 2.0));
        curve->replace(run);
        m_chart->addSeries(curve);
        curve->attachAxis(m_trialAxis);
        curve->attachAxis(m_outerAxis);
        if (!first)
            for (QLegendMarker* marker : m_chart->legend()->markers(curve)) marker->setVisible(false);
        first = false;
        m_curve << curve;
    }
}

// The roots, the samples without an outer value and the search's trials as markers.
void ShootingTab::drawMapPoints(const ShootingAnalysis& a, const MapSpan& span)
{
    const ShootingMap& map = *a.map;
    // Samples without an outer value sit on the edges: cut off below, overflowed above.
    QList<QPointF> cutOffs, overflows, roots, trials;
    for (const ClassicTrial& t : map.samples) {
        if (t.end == TrialEnd::CutOff) cutOffs.append(QPointF(t.trial, span.low));
        if (t.end == TrialEnd::Overflow) overflows.append(QPointF(t.trial, span.high));
    }
    for (double root : map.roots) roots.append(QPointF(root, 1.0));

    // A search of thousands of rounds: its first and last trials, and those either side of
    // a crossing of the target, carry their numbers.
    const std::size_t count = a.record.trials.size();
    const auto numbered = [&a, count](std::size_t k) {
        return count <= 2 * kNumberedEnds || k < kNumberedEnds || k >= count - kNumberedEnds ||
               crossesTarget(a.record.trials, k) || crossesTarget(a.record.trials, k + 1);
    };
    QList<PointLabels::Label> numbers;
    trials.reserve(static_cast<qsizetype>(a.drawn.size()));
    for (std::size_t k : a.drawn) {
        const cuneola::TrialRecord& t = a.record.trials[k];
        if (!std::isfinite(t.guess)) continue;
        const QPointF at(t.guess, t.finished ? t.outer : span.high);
        (t.finished ? trials : overflows).append(at);
        if (numbered(k)) numbers.append(PointLabels::Label{at, QString::number(k)});
    }
    m_cutOff->replace(cutOffs);
    m_overflow->replace(overflows);
    m_roots->replace(roots);
    m_trials->replace(trials);
    m_target->replace({QPointF(map.from, 1.0), QPointF(map.to, 1.0)});
    cuneola::ui::setRoundTicks(m_trialAxis, map.from, map.to);
    cuneola::ui::setRoundTicks(m_outerAxis, span.low, span.high);
    m_trialNumbers->setLabels(numbers);
    showLegendOfFilledSeries();
}

QString ShootingTab::mapNotes(const ShootingAnalysis& a, const MapSpan& span)
{
    const std::size_t count = a.record.trials.size();
    QStringList notes;
    if (span.cutOff > 0)
        notes << tr("%n trial value(s) were cut off: f' fell below f min = %1 before η max.", nullptr, span.cutOff)
                     .arg(significantText(a.setting.yMin, 7));
    if (span.overflow > 0)
        notes << tr("%n trial value(s) left the range of numbers the computer can hold.", nullptr, span.overflow);
    if (a.map->roots.empty()) notes << tr("The march's outer value does not reach 1 in this range.");
    if (count == 1 && std::isfinite(a.record.writtenGuess))
        notes << tr("The first guess already passed, so the search logged no rows; the log still shows the run "
                    "before.");
    if (a.drawn.size() < count)
        notes << tr("Of its %1 trials the map draws %2: the first and the last %3 and those either side of each "
                    "crossing of the target, numbered; the lowest, the highest and evenly spaced ones between.")
                     .arg(count)
                     .arg(a.drawn.size())
                     .arg(kNumberedEnds);
    else if (count > 2 * kNumberedEnds)
        notes << tr("Of its %1 trials the first and the last %2 carry their numbers, and those either side of each "
                    "crossing of the target.")
                     .arg(count)
                     .arg(kNumberedEnds);
    return notes.join(QLatin1Char(' '));
}

// The map in words, for screen readers.
QString ShootingTab::mapDescription(const ShootingAnalysis& a)
{
    const ShootingMap& map = *a.map;
    const MarchMode mode = a.record.mode;
    QStringList rootTexts;
    for (double root : map.roots) rootTexts << significantText(root, 6);
    const QString unknown = unknownOf(mode);
    QString words = tr("%1 against the trial %2 from %3 to %4, with the search's %5 trials; ")
                        .arg(outerOf(mode), unknown, significantText(map.from, 4), significantText(map.to, 4))
                        .arg(a.record.trials.size());
    words += rootTexts.isEmpty() ? tr("the outer value does not reach 1 in this range.")
                                 : tr("it reaches 1 at %1 = %2.").arg(unknown, rootTexts.join(tr(" and ")));
    return words;
}

void ShootingTab::showBudget(const ShootingAnalysis& a)
{
    const QString unknown = unknownOf(a.record.mode);
    if (!a.budget && a.budget.failure().message == kNothingWrittenBack.message) {
        clearBudget(tr("The search ended without a result (a march left the range of numbers), so it has no "
                       "error to split."));
        return;
    }
    if (!a.budget) {
        clearBudget(tr("No error budget: %1").arg(QString::fromStdString(a.budget.failure().message)));
        return;
    }
    const ErrorBudget& b = *a.budget;
    const ClassicSetting& s = a.setting;
    const double relative = b.exact != 0.0 ? 100.0 * b.total() / b.exact : std::nan("");
    QList<std::pair<QString, QString>> rows{
        {tr("exact %1").arg(unknown), significantText(b.exact, 12)},
        {tr("written back"), copyText(b.written)},
        {tr("total error"), std::isfinite(relative)
                                ? tr("%1 (%2 %)").arg(signedText(b.total(), 3), signedText(relative, 2))
                                : signedText(b.total(), 3)},
        {tr("  from ε = %1").arg(significantText(a.record.Eps, 6)), signedText(b.tolerancePart, 3)},
        {tr("  from Δη = %1").arg(significantText(s.h, 6)), signedText(b.stepPart, 3)},
    };
    if (b.mode == MarchMode::Energy)
        rows.append({tr("  from the f''(0) = %1 it used").arg(significantText(s.wallShear, 7)),
                     signedText(b.wallShearPart, 3)});
    rows.append({tr("  from η max = %1").arg(significantText(s.xMax, 6)), signedText(b.farFieldPart, 3)});

    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    QStringList spoken;
    for (const auto& [name, value] : rows) {
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\">&nbsp;&nbsp;%2</td></tr>")
                    .arg(name.toHtmlEscaped().replace(QLatin1String("  "), QLatin1String("&nbsp;&nbsp;&nbsp;&nbsp;")),
                         value.toHtmlEscaped());
        spoken << name.trimmed() + QLatin1Char(' ') + value;
    }
    html += QStringLiteral("</table>");
    const QString words = spoken.join(QStringLiteral("; "));
    cuneola::ui::setLabelText(m_budget, html, words);
    m_budget->setAccessibleDescription(words);
    cuneola::ui::setLabelText(m_advice, QString::fromStdString(a.advice));
}

QString ShootingTab::readout(const QPointF& value) const
{
    if (m_reached.isEmpty()) return {};
    // The nearest sample of the map.
    const auto nearest = std::min_element(m_reached.begin(), m_reached.end(), [&](const QPointF& p, const QPointF& q) {
        return std::fabs(p.x() - value.x()) < std::fabs(q.x() - value.x());
    });
    return QStringLiteral("%1 = %2   %3 = %4")
        .arg(unknownOf(m_mode), significantText(nearest->x(), 6), outerOf(m_mode), significantText(nearest->y(), 6));
}

void ShootingTab::showLegendOfFilledSeries()
{
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{m_target, m_trials, m_roots, m_cutOff, m_overflow})
        for (QLegendMarker* marker : m_chart->legend()->markers(s)) marker->setVisible(s->count() > 0);
}

void ShootingTab::clearBudget(const QString& advice)
{
    // The words of a budget no longer shown must not be read either.
    cuneola::ui::setLabelText(m_budget, QString());
    m_budget->setAccessibleDescription(QString());
    cuneola::ui::setLabelText(m_advice, advice);
}

void ShootingTab::setNote(const QString& text)
{
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}
