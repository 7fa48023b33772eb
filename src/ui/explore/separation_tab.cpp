// SPDX-License-Identifier: GPL-3.0-or-later
// The Separation tab: f''(0) and H along β over both branches through the fold at β_s.
#include "ui/explore/separation_tab.h"

#include "analysis/wall_families.h"
#include "ui/charts/chart_axes.h"
#include "ui/charts/chart_parts.h"
#include "ui/charts/chart_view.h"
#include "ui/charts/point_labels.h"
#include "ui/common/accessibility.h"
#include "ui/common/background_job.h"
#include "ui/explore/explore_inputs.h"
#include "ui/explore/explore_numbers.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QProgressBar>
#include <QScatterSeries>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace cuneola::analysis;
using cuneola::ui::significantText;
using namespace cuneola::ui;

namespace {

// How close to a curve, in pixels, a click must land to choose a point on it.
constexpr double kClickReach = 15.0;
constexpr double kZoomFrom = -0.205;
constexpr double kZoomTo = 0.005;

const QColor kAttachedColour(0, 0, 255);
const QColor kReversedColour(230, 110, 0);

double valueOf(const BetaFamilyPoint& p, bool shapeFactor) { return shapeFactor ? p.shapeFactor : p.wallShear; }

// The point of the segment a-b nearest to c, as the fraction along it.
double fractionAlong(const QPointF& a, const QPointF& b, const QPointF& c)
{
    const QPointF d = b - a;
    const double length2 = QPointF::dotProduct(d, d);
    if (length2 == 0.0) return 0.0;
    return std::clamp(QPointF::dotProduct(c - a, d) / length2, 0.0, 1.0);
}

} // namespace

SeparationTab::SeparationTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tab_Separation"));
    auto* shearAxis = new QCategoryAxis;
    shearAxis->setLabelFormat(QStringLiteral("%g"));
    m_shear = makePlot("Chart_WallShear", tr("Wall shear f double prime of 0 against beta, both branches"),
                       QStringLiteral("f''(0)"), shearAxis);
    auto* shapeAxis = new QLogValueAxis;
    shapeAxis->setLabelFormat(QStringLiteral("%g"));
    shapeAxis->setBase(10.0);
    shapeAxis->setMinorTickCount(8);
    m_shape = makePlot("Chart_ShapeFactor", tr("Shape factor H against beta, both branches, logarithmic"),
                       QStringLiteral("H = δ*/θ"), shapeAxis);
    m_shearView = m_shear.view;
    m_shapeView = m_shape.view;
    // One legend serves both plots.
    m_shear.chart->legend()->setAlignment(Qt::AlignTop);
    m_shape.chart->legend()->hide();
    connect(m_shear.chart, &QChart::plotAreaChanged, this, &SeparationTab::alignPlots);
    connect(m_shape.chart, &QChart::plotAreaChanged, this, &SeparationTab::alignPlots);

    m_zoom = new QCheckBox(this);
    m_zoom->setObjectName(QStringLiteral("Check_FoldZoom"));
    setZoomText(kZoomFrom, kZoomTo);
    m_zoom->setToolTip(tr("Both branches meet at β_s, close to β = -0.2; zoom in to see them apart."));
    connect(m_zoom, &QCheckBox::toggled, this, &SeparationTab::applyRanges);

    m_note = noteLabel(this, "Lbl_SeparationNote", tr("Notes on the separation plots"));
    // It carries β_s: read its text.
    cuneola::ui::speakLabelText(m_note, tr("Notes on the separation plots"));
    cuneola::ui::setLabelText(m_note, tr("Click a curve to take its β and branch."));
    const ProgressedJob progressed = progressedJob(this, "Progress_Separation", tr("Progress of the beta family"));
    m_progress = progressed.progress;
    m_job = progressed.job;
    connect(m_job, &BackgroundJob::failed, this,
            [this](const QString& text) { cuneola::ui::setLabelText(m_note, text); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_shear.view, 1);
    layout->addWidget(m_shape.view, 1);
    layout->addWidget(m_progress);
    layout->addWidget(m_zoom);
    layout->addWidget(m_note);
    applyRanges();
}

SeparationTab::Plot SeparationTab::makePlot(const char* name, const QString& spoken, const QString& valueTitle,
                                            QAbstractAxis* valueAxis)
{
    Plot p;
    p.chart = newChart();
    p.betaAxis = addRoundAxis(p.chart, Qt::AlignBottom, QStringLiteral("β"));
    p.valueAxis = valueAxis;
    valueAxis->setParent(p.chart);
    valueAxis->setTitleText(valueTitle);
    p.chart->addAxis(valueAxis, Qt::AlignLeft);
    p.attached = namedLine(p.chart, "attached", tr("attached"), QPen(kAttachedColour, 2.0));
    p.reversed = namedLine(p.chart, "reversed", tr("reversed flow"), QPen(kReversedColour, 2.0));
    p.foldLine = namedLine(p.chart, "foldLine", QString(), QPen(QColor(110, 110, 110), 1.0, Qt::DashLine));
    p.fold = new QScatterSeries(p.chart);
    p.fold->setObjectName(QStringLiteral("fold"));
    p.fold->setName(tr("separation β_s"));
    p.fold->setMarkerSize(9.0);
    p.fold->setColor(Qt::black);
    p.current = currentRing(p.chart, tr("current β"));
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{p.attached, p.reversed, p.foldLine, p.fold, p.current})
        plotOn(p.chart, s, p.betaAxis, valueAxis);
    for (QLegendMarker* marker : p.chart->legend()->markers(p.foldLine)) marker->setVisible(false);
    p.foldLabel = new PointLabels(p.chart, p.foldLine);

    p.view = new ChartView(p.chart, spoken, this);
    p.view->setObjectName(QLatin1String(name));
    const bool shapeFactor = valueTitle.startsWith(QLatin1Char('H'));
    p.view->setReadout(p.attached, [this, shapeFactor](const QPointF& value) { return readout(value, shapeFactor); });
    connect(p.view, &ChartView::plotClicked, this,
            [this, shapeFactor](const QPointF& at) { clicked(shapeFactor ? m_shape : m_shear, at); });
    return p;
}

void SeparationTab::computeFamily() { computeFamily(0.0); }

void SeparationTab::computeFamily(double suction)
{
    if (m_started && suction == m_suction) return;
    if (m_started) {
        // The curves of another f_w must not stay while this one is computed.
        m_family.reset();
        for (Plot* p : {&m_shear, &m_shape}) {
            p->attached->clear();
            p->reversed->clear();
            p->fold->clear();
        }
    }
    m_started = true;
    m_suction = suction;
    cuneola::ui::setLabelText(m_note, tr("Computing f''(0) and H along β …"));
    m_job->start([suction](const BackgroundJob::Control& control) { return betaFamily(suction, control); },
                 [this](const Outcome<BetaFamily>& family) { showFamily(family); });
}

bool SeparationTab::isBusy() const { return m_job->isRunning(); }

void SeparationTab::showFamily(const Outcome<BetaFamily>& family)
{
    if (!family) {
        cuneola::ui::setLabelText(m_note, QString::fromStdString(family.failure().message));
        return;
    }
    m_family = *family;
    const BetaFamilyPoint& fold = m_family->fold;
    for (Plot* p : {&m_shear, &m_shape}) {
        const bool shapeFactor = p == &m_shape;
        QList<QPointF> attached, reversed{QPointF(fold.beta, valueOf(fold, shapeFactor))};
        for (const BetaFamilyPoint& point : m_family->points)
            (point.branch == Branch::Attached ? attached : reversed)
                .append(QPointF(point.beta, valueOf(point, shapeFactor)));
        p->attached->replace(attached);
        p->reversed->replace(reversed);
        p->fold->replace({QPointF(fold.beta, valueOf(fold, shapeFactor))});
    }
    cuneola::ui::setLabelText(m_note, tr("The two branches meet at the separation point β_s = %1, where f''(0) = 0. "
                                         "Click a curve to take its β and branch.")
                                          .arg(significantText(fold.beta, 9)));
    applyRanges();
    describe();
}

void SeparationTab::setCurrent(const std::optional<Current>& current)
{
    m_current = current;
    m_shear.current->clear();
    m_shape.current->clear();
    if (current) {
        m_shear.current->append(current->beta, current->wallShear);
        m_shape.current->append(current->beta, current->shapeFactor);
    }
    applyRanges();
    describe();
}

void SeparationTab::setZoomText(double from, double to)
{
    m_zoom->setText(
        tr("Show only the fold (β from %1 to %2)").arg(QString::number(from, 'g', 6), QString::number(to, 'g', 6)));
    m_zoom->setAccessibleName(m_zoom->text());
}

void SeparationTab::applyRanges()
{
    const bool zoom = m_zoom->isChecked();
    // Suction moves the fold: the zoom follows it, and the whole view reaches down to it.
    const bool moved = m_family && m_suction != 0.0;
    const double zoomFrom = moved ? std::floor((m_family->fold.beta - 0.006) * 1000.0) / 1000.0 : kZoomFrom;
    setZoomText(zoomFrom, kZoomTo);
    double from = zoom ? zoomFrom : ExploreInputs::kMinBeta;
    double to = zoom ? kZoomTo : 2.5;
    if (!zoom && m_current) to = std::max(to, m_current->beta + 0.1);
    if (!zoom && moved) from = std::min(from, std::floor((m_family->fold.beta - 0.05) * 10.0) / 10.0);
    for (Plot* p : {&m_shear, &m_shape}) {
        const bool shapeFactor = p == &m_shape;
        double low = std::numeric_limits<double>::infinity(), high = -low;
        auto include = [&](double beta, double v) {
            if (beta >= from && beta <= to && std::isfinite(v)) low = std::min(low, v), high = std::max(high, v);
        };
        if (m_family)
            for (const BetaFamilyPoint& point : m_family->points) include(point.beta, valueOf(point, shapeFactor));
        if (m_current) include(m_current->beta, shapeFactor ? m_current->shapeFactor : m_current->wallShear);
        if (!(low <= high)) low = shapeFactor ? 2.0 : -0.2, high = shapeFactor ? 10.0 : 2.0;
        cuneola::ui::setRoundTicks(p->betaAxis, from, to);
        if (shapeFactor) {
            cuneola::ui::setDecades(static_cast<QLogValueAxis*>(p->valueAxis), low, high);
        } else {
            const double margin = std::max(0.06 * (high - low), 0.02);
            cuneola::ui::setRoundTicks(static_cast<QCategoryAxis*>(p->valueAxis), low - margin, high + margin);
        }
        if (m_family) {
            // The fold's line spans the whole height.
            const double bottom = shapeFactor ? static_cast<QLogValueAxis*>(p->valueAxis)->min()
                                              : static_cast<QCategoryAxis*>(p->valueAxis)->min();
            const double top = shapeFactor ? static_cast<QLogValueAxis*>(p->valueAxis)->max()
                                           : static_cast<QCategoryAxis*>(p->valueAxis)->max();
            p->foldLine->replace({QPointF(m_family->fold.beta, bottom), QPointF(m_family->fold.beta, top)});
            // Named at the top of the f''(0) plot, where its curves leave room. In the H plot the
            // reversed-flow branch climbs beside the line at every height and the attached one runs
            // along its foot: the plot above, on the same β axis, names it for both.
            if (shapeFactor)
                p->foldLabel->setLabels({});
            else
                p->foldLabel->setLabels({{QPointF(m_family->fold.beta, top),
                                          QStringLiteral("β_s = %1").arg(significantText(m_family->fold.beta, 9))}});
        }
        p->foldLabel->relayout();
    }
}

QPointF SeparationTab::wallShearPosition(const BetaFamilyPoint& point) const
{
    return m_shear.chart->mapToPosition(QPointF(point.beta, point.wallShear), m_shear.attached);
}

void SeparationTab::clicked(const Plot& plot, const QPointF& at)
{
    if (!m_family) return;
    double best = kClickReach;
    std::optional<std::pair<double, Branch>> chosen;
    for (const auto& [series, branch] :
         {std::pair{plot.attached, Branch::Attached}, std::pair{plot.reversed, Branch::ReversedFlow}}) {
        const QList<QPointF> points = series->points();
        for (qsizetype i = 0; i + 1 < points.size(); ++i) {
            const QPointF a = plot.chart->mapToPosition(points[i], series);
            const QPointF b = plot.chart->mapToPosition(points[i + 1], series);
            const double t = fractionAlong(a, b, at);
            const double distance = QLineF(a + t * (b - a), at).length();
            if (distance < best) {
                best = distance;
                chosen = std::pair{points[i].x() + t * (points[i + 1].x() - points[i].x()), branch};
            }
        }
    }
    if (chosen) emit pointChosen(chosen->first, chosen->second);
}

QString SeparationTab::readout(const QPointF& value, bool shapeFactor) const
{
    if (!m_family) return {};
    const Plot& plot = shapeFactor ? m_shape : m_shear;
    const QPointF at = plot.chart->mapToPosition(value, plot.attached);
    const BetaFamilyPoint* nearest = nullptr;
    double best = std::numeric_limits<double>::infinity();
    for (const BetaFamilyPoint& point : m_family->points) {
        const double d =
            QLineF(plot.chart->mapToPosition(QPointF(point.beta, valueOf(point, shapeFactor)), plot.attached), at)
                .length();
        if (d < best) best = d, nearest = &point;
    }
    if (!nearest) return {};
    return QStringLiteral("%1: β = %2   f''(0) = %3   H = %4")
        .arg(QString::fromUtf8(branchName(nearest->branch).data(),
                               static_cast<qsizetype>(branchName(nearest->branch).size())),
             significantText(nearest->beta, 6), significantText(nearest->wallShear, 6),
             significantText(nearest->shapeFactor, 5));
}

void SeparationTab::describe()
{
    QString shear = tr("f''(0) against β on both branches");
    QString shape = tr("H against β on both branches, logarithmic");
    if (m_family && !m_family->points.empty()) {
        const BetaFamilyPoint& fold = m_family->fold;
        const auto attached = std::find_if(m_family->points.begin(), m_family->points.end(),
                                           [](const BetaFamilyPoint& p) { return p.branch == Branch::Attached; });
        const auto reversed = std::find_if(m_family->points.rbegin(), m_family->points.rend(),
                                           [](const BetaFamilyPoint& p) { return p.branch == Branch::ReversedFlow; });
        const QString foldBeta = significantText(fold.beta, 6);
        if (attached != m_family->points.end() && reversed != m_family->points.rend()) {
            shear += tr(": on the attached branch it falls from %1 at β = %2 to 0 at the separation point β_s = %3; "
                        "on the reversed-flow branch it is negative, %4 at β = %5")
                         .arg(significantText(attached->wallShear, 4), significantText(attached->beta, 3), foldBeta,
                              significantText(reversed->wallShear, 4), significantText(reversed->beta, 3));
            shape += tr(": %1 at β = %2 on the attached branch, %3 at β_s = %4, and on the reversed-flow branch %5 "
                        "at β = %6")
                         .arg(significantText(attached->shapeFactor, 4), significantText(attached->beta, 3),
                              significantText(fold.shapeFactor, 4), foldBeta, significantText(reversed->shapeFactor, 4),
                              significantText(reversed->beta, 3));
        }
    }
    const QString current =
        m_current ? tr("; the current β = %1 has f''(0) = %2 and H = %3.")
                        .arg(significantText(m_current->beta, 6), significantText(m_current->wallShear, 4),
                             significantText(m_current->shapeFactor, 4))
                  : tr("; the current β has no solution.");
    m_shear.view->setDescription(shear + current);
    m_shape.view->setDescription(shape + current);
}

void SeparationTab::alignPlots()
{
    // The plots share the β axis: their left edges line up whatever width the labels take.
    const int shearEdge = static_cast<int>(std::ceil(m_shear.chart->plotArea().left())) - m_shearIndent;
    const int shapeEdge = static_cast<int>(std::ceil(m_shape.chart->plotArea().left())) - m_shapeIndent;
    const int edge = std::max(shearEdge, shapeEdge);
    const int shearIndent = edge - shearEdge, shapeIndent = edge - shapeEdge;
    if (shearIndent != m_shearIndent) {
        m_shearIndent = shearIndent;
        m_shear.chart->setMargins(QMargins(4 + shearIndent, 4, 4, 4));
    }
    if (shapeIndent != m_shapeIndent) {
        m_shapeIndent = shapeIndent;
        m_shape.chart->setMargins(QMargins(4 + shapeIndent, 4, 4, 4));
    }
}
