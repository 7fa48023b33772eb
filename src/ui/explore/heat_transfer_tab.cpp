// SPDX-License-Identifier: GPL-3.0-or-later
// The Heat-transfer tab: g'(0) against Pr on log-log axes, its two asymptotes and its power fit.
#include "ui/explore/heat_transfer_tab.h"

#include "analysis/energy_solution.h"
#include "analysis/wall_families.h"
#include "ui/charts/chart_axes.h"
#include "ui/charts/chart_parts.h"
#include "ui/charts/chart_view.h"
#include "ui/common/accessibility.h"
#include "ui/common/background_job.h"
#include "ui/explore/explore_numbers.h"

#include <QChart>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
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

constexpr int kFamilyPoints = 121;
constexpr int kAsymptotePoints = 61;

double PrAt(int i, int count)
{
    const double from = std::log10(kMinPr), to = std::log10(kMaxPr);
    return std::pow(10.0, from + (to - from) * i / (count - 1));
}

} // namespace

HeatTransferTab::HeatTransferTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tab_HeatTransfer"));
    m_chart = newChart();
    m_PrAxis = addDecadeAxis(m_chart, Qt::AlignBottom, QStringLiteral("Pr"), kMinPr, kMaxPr);
    m_gradientAxis = addDecadeAxis(m_chart, Qt::AlignLeft, QStringLiteral("g'(0)"), 0.01, 10.0);
    m_gradient = namedLine(m_chart, "gradient", QStringLiteral("g'(0)"), QPen(QColor(0, 0, 255), 2.0));
    m_smallPr =
        namedLine(m_chart, "smallPr", QStringLiteral("√(2Pr/π), Pr → 0"), QPen(QColor(0, 150, 0), 1.5, Qt::DashLine));
    m_largePr = namedLine(m_chart, "largePr", QStringLiteral("(Pr f''(0)/6)^(1/3)/Γ(4/3), Pr → ∞"),
                          QPen(QColor(200, 0, 200), 1.5, Qt::DashLine));
    m_current = currentRing(m_chart, tr("current Pr"));
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{m_smallPr, m_largePr, m_gradient, m_current})
        plotOn(m_chart, s, m_PrAxis, m_gradientAxis);

    m_view = new ChartView(m_chart, tr("Wall temperature gradient g prime of 0 against Pr, logarithmic"), this);
    m_view->setObjectName(QStringLiteral("Chart_HeatTransfer"));
    m_view->setReadout(m_gradient, [this](const QPointF& value) { return readout(value); });

    m_fit = noteLabel(this, "Lbl_Fit", tr("Power fit of g prime of 0"), true);
    cuneola::ui::speakLabelText(m_fit, tr("Power fit of g prime of 0"));
    // A result: Tab reaches it, and it cannot be edited.
    m_fit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_fit->setFocusPolicy(Qt::StrongFocus);
    m_note = noteLabel(this, "Lbl_HeatNote", tr("Notes on the heat-transfer plot"));
    const ProgressedJob progressed =
        progressedJob(this, "Progress_HeatTransfer", tr("Progress of the Prandtl number family"));
    m_progress = progressed.progress;
    m_job = progressed.job;
    connect(m_job, &BackgroundJob::failed, m_note, &QLabel::setText);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_progress);
    layout->addWidget(fitRangeRow());
    layout->addWidget(m_fit);
    layout->addWidget(m_note);
}

QWidget* HeatTransferTab::fitRangeRow()
{
    auto* row = new QWidget(this);
    const auto box = [row](const char* name, double value, const QString& spoken) {
        auto* b = new QDoubleSpinBox(row);
        b->setObjectName(QLatin1String(name));
        b->setLocale(QLocale::c());
        b->setDecimals(3);
        b->setRange(kMinPr, kMaxPr);
        b->setValue(value);
        b->setKeyboardTracking(false);
        b->setAccessibleName(spoken);
        b->setToolTip(tr("The power fit spans the Prandtl numbers from the first box to the second, "
                         "within %1 to %2.")
                          .arg(significantText(kMinPr, 3), significantText(kMaxPr, 4)));
        return b;
    };
    m_fitFrom = box("Spin_FitFromPr", kPowerFitFromPr, tr("Power fit from Pr"));
    m_fitTo = box("Spin_FitToPr", kPowerFitToPr, tr("Power fit to Pr"));
    auto* fromLabel = new QLabel(tr("F&it over Pr from"), row);
    fromLabel->setBuddy(m_fitFrom);
    auto* toLabel = new QLabel(tr("to"), row);
    toLabel->setBuddy(m_fitTo);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fromLabel);
    layout->addWidget(m_fitFrom);
    layout->addWidget(toLabel);
    layout->addWidget(m_fitTo);
    layout->addStretch(1);
    for (QDoubleSpinBox* b : {m_fitFrom, m_fitTo})
        connect(b, &QDoubleSpinBox::valueChanged, this, [this] { showFit(); });
    return row;
}

bool HeatTransferTab::isBusy() const { return m_job->isRunning(); }

QString HeatTransferTab::fitText() const { return m_fit->text(); }

void HeatTransferTab::awaitFamily()
{
    // The curves of another β must not stay while this one is computed.
    m_job->cancel();
    clearCurves();
    m_note->setText(
        tr("Computing g'(0) for Pr from %1 to %2 …").arg(significantText(kMinPr, 3), significantText(kMaxPr, 4)));
}

void HeatTransferTab::computeFamily(double beta, Branch branch) { computeFamily(beta, branch, {}); }

void HeatTransferTab::computeFamily(double beta, Branch branch, const WallConditions& wall)
{
    awaitFamily();
    m_wall = wall;
    const double from = m_fitFrom->value(), to = m_fitTo->value();
    m_job->start(
        [beta, branch, wall, from, to](const BackgroundJob::Control& control) {
            return prandtlFamily(beta, branch, wall, kFamilyPoints, control, from, to);
        },
        [this, from, to](const Outcome<PrandtlFamily>& family) {
            m_fittedFrom = from;
            m_fittedTo = to;
            showFamily(family);
        });
}

void HeatTransferTab::showNoFamily()
{
    m_job->cancel();
    clearCurves();
    // The window's message line says why there are no curves.
    m_note->clear();
}

void HeatTransferTab::clearCurves()
{
    m_family.reset();
    m_gradient->clear();
    m_smallPr->clear();
    m_largePr->clear();
    cuneola::ui::setLabelText(m_fit, QString());
    describe();
}

void HeatTransferTab::showFamily(const Outcome<PrandtlFamily>& family)
{
    if (!family) {
        clearCurves();
        m_note->setText(QString::fromStdString(family.failure().message));
        return;
    }
    m_family = *family;
    QList<QPointF> points;
    int missing = 0;
    for (const PrandtlFamilyPoint& p : m_family->points) {
        // Log axes take positive values only; a Pr without g'(0) is left out.
        if (p.wallGradient && *p.wallGradient > 0.0)
            points.append(QPointF(p.Pr, *p.wallGradient));
        else
            ++missing;
    }
    m_gradient->replace(points);
    QList<QPointF> small, large;
    for (int i = 0; i < kAsymptotePoints; ++i) {
        const double Pr = PrAt(i, kAsymptotePoints);
        const double beta = m_family->momentum.beta;
        if (const Outcome<double> g = smallPrandtlAsymptote(Pr, beta, m_wall.thermal)) small.append(QPointF(Pr, *g));
        if (const Outcome<double> g = largePrandtlAsymptote(Pr, beta, m_family->momentum.wallShear, m_wall.thermal))
            large.append(QPointF(Pr, *g));
    }
    m_smallPr->replace(small);
    m_largePr->replace(large);

    showFit();
    QStringList notes;
    if (missing > 0) notes << tr("%n Prandtl number(s) without a g'(0) are left out of the line.", nullptr, missing);
    if (small.isEmpty())
        notes << tr("This wall has no small-Pr asymptote: its heat flux there is zero or flows into the wall.");
    if (large.isEmpty() && !small.isEmpty())
        notes << tr("The large-Pr asymptote needs f''(0) > 0; on the reversed-flow branch it does not exist.");
    else if (large.isEmpty())
        notes << tr("Nor has it a large-Pr asymptote.");
    m_note->setText(notes.join(QLatin1Char(' ')));
    applyRanges();
    describe();
}

void HeatTransferTab::showFit()
{
    if (!m_family) return;
    const double from = m_fitFrom->value(), to = m_fitTo->value();
    // 25 energy solves, a few milliseconds: done here rather than restarting the family.
    if (from != m_fittedFrom || to != m_fittedTo) {
        m_family->fit = powerFit(m_family->momentum, m_wall.thermal, from, to);
        m_fittedFrom = from;
        m_fittedTo = to;
    }
    const Outcome<PowerFit>& fit = m_family->fit;
    const QString fromText = significantText(from, 4), toText = significantText(to, 4);
    const QString fitRange = tr("%1 ≤ Pr ≤ %2").arg(fromText, toText);
    if (fit) {
        const QString a = significantText(fit->a, 4), b = significantText(fit->b, 4);
        cuneola::ui::setLabelText(m_fit, tr("Least-squares fit over %1: g'(0) ≈ %2·Pr^%3").arg(fitRange, a, b),
                                  tr("Least-squares fit over Pr from %1 to %2: g prime of 0 is about %3 times Pr to "
                                     "the power %4")
                                      .arg(fromText, toText, a, b));
    } else if (fit.failure().kind == FailureKind::OutOfRange) {
        cuneola::ui::setLabelText(m_fit, tr("No power fit: %1").arg(QString::fromStdString(fit.failure().message)));
    } else {
        cuneola::ui::setLabelText(m_fit, tr("No power fit: g'(0) is missing over %1.").arg(fitRange));
    }
}

void HeatTransferTab::setCurrent(double Pr, std::optional<double> wallGradient)
{
    m_current->clear();
    if (wallGradient && *wallGradient > 0.0) m_current->append(Pr, *wallGradient);
    m_currentPr = Pr;
    m_currentGradient = wallGradient;
    applyRanges();
    describe();
}

void HeatTransferTab::applyRanges()
{
    double low = std::numeric_limits<double>::infinity(), high = 0.0;
    for (const QXYSeries* s : {static_cast<const QXYSeries*>(m_gradient), static_cast<const QXYSeries*>(m_current)})
        for (const QPointF& p : s->points()) low = std::min(low, p.y()), high = std::max(high, p.y());
    if (!(low <= high)) return;
    // Whole decades, with the asymptotes clipped to them.
    cuneola::ui::setDecades(m_gradientAxis, low, high);
}

void HeatTransferTab::describe()
{
    QString text = tr("g'(0) against Pr, both logarithmic");
    const QList<QPointF> points = m_gradient->points();
    if (!points.isEmpty())
        text += tr(": it rises from %1 at Pr = %2 to %3 at Pr = %4")
                    .arg(significantText(points.front().y(), 4), significantText(points.front().x(), 3),
                         significantText(points.back().y(), 4), significantText(points.back().x(), 4));
    text += m_currentGradient ? tr("; the current Pr = %1 has g'(0) = %2.")
                                    .arg(significantText(m_currentPr, 4), significantText(*m_currentGradient, 4))
                              : tr("; the current Pr has no g'(0).");
    m_view->setDescription(text);
}

QString HeatTransferTab::readout(const QPointF& value) const
{
    if (!m_family || !(value.x() > 0.0)) return {};
    const PrandtlFamilyPoint* nearest = nullptr;
    for (const PrandtlFamilyPoint& p : m_family->points)
        if (!nearest || std::fabs(std::log(p.Pr / value.x())) < std::fabs(std::log(nearest->Pr / value.x())))
            nearest = &p;
    if (!nearest) return {};
    const QString g = nearest->wallGradient ? significantText(*nearest->wallGradient, 6) : tr("none");
    return QStringLiteral("Pr = %1   g'(0) = %2").arg(significantText(nearest->Pr, 4), g);
}
