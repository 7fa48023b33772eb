// SPDX-License-Identifier: GPL-3.0-or-later
// The Explore window's inputs: β and Pr, each a box with a slider, the branch, and the wall.
#include "ui/explore/explore_inputs.h"

#include "analysis/energy_solution.h"
#include "analysis/momentum_solution.h"
#include "analysis/published_values.h"
#include "analysis/transpiration.h"
#include "ui/common/accessibility.h"
#include "ui/common/flow_layout.h"
#include "ui/explore/explore_numbers.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <cmath>
#include <initializer_list>

using cuneola::analysis::Branch;
using cuneola::analysis::kMaxPr;
using cuneola::analysis::kMinPr;
using cuneola::analysis::reversedFlowExists;
using cuneola::ui::significantText;

namespace {

// The β slider moves in steps of 0.001; the Pr slider in steps of 0.001 decade.
constexpr int kBetaSliderSteps = 4300;
constexpr int kPrSliderSteps = 6000;
const double kLogMinPr = std::log10(kMinPr);
const double kLogMaxPr = std::log10(kMaxPr);

// The range ends as the texts write them: "-0.3", "4", "0.001", "1000".
QString rangeText(double value) { return significantText(value, 4); }

double betaAt(int position)
{
    return ExploreInputs::kMinBeta + (ExploreInputs::kMaxBeta - ExploreInputs::kMinBeta) * position / kBetaSliderSteps;
}
int positionOfBeta(double beta)
{
    return static_cast<int>(std::lround((beta - ExploreInputs::kMinBeta) /
                                        (ExploreInputs::kMaxBeta - ExploreInputs::kMinBeta) * kBetaSliderSteps));
}
// The f_w slider moves in steps of 0.01.
constexpr int kSuctionSliderSteps = 1200;
double suctionAt(int position)
{
    using namespace cuneola::analysis;
    return kMinSuction + (kMaxSuction - kMinSuction) * position / kSuctionSliderSteps;
}
int positionOfSuction(double suction)
{
    using namespace cuneola::analysis;
    return static_cast<int>(std::lround((suction - kMinSuction) / (kMaxSuction - kMinSuction) * kSuctionSliderSteps));
}
double PrAt(int position) { return std::pow(10.0, kLogMinPr + (kLogMaxPr - kLogMinPr) * position / kPrSliderSteps); }
int positionOfPr(double Pr)
{
    return static_cast<int>(std::lround((std::log10(Pr) - kLogMinPr) / (kLogMaxPr - kLogMinPr) * kPrSliderSteps));
}

QDoubleSpinBox* numberBox(QWidget* parent, const char* name, double min, double max, int decimals, double step,
                          const QString& spoken, const QString& tip)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    // Always a full stop as the point, as in the main window's boxes.
    box->setLocale(QLocale::c());
    box->setDecimals(decimals);
    box->setRange(min, max);
    box->setSingleStep(step);
    box->setAccelerated(true);
    box->setAccessibleName(spoken);
    box->setToolTip(tip);
    return box;
}

QSlider* slider(QWidget* parent, const char* name, int steps, const QString& spoken, const QString& tip)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(0, steps);
    s->setPageStep(steps / 40);
    s->setMinimumWidth(120);
    s->setAccessibleName(spoken);
    s->setToolTip(tip);
    return s;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

// A caption with its box (and slider), kept together on one line. One that `grows` takes a
// share of what its line has left.
QWidget* group(QWidget* parent, std::initializer_list<QWidget*> parts, bool grows)
{
    auto* g = new QWidget(parent);
    auto* row = new QHBoxLayout(g);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* part : parts) row->addWidget(part, qobject_cast<QSlider*>(part) ? 1 : 0);
    g->setSizePolicy(grows ? QSizePolicy::Expanding : QSizePolicy::Fixed, QSizePolicy::Fixed);
    return g;
}

// The number a box of `decimals` decimals holds for `value`.
double boxValue(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

ExploreInputs::ExploreInputs(QWidget* parent) : QWidget(parent)
{
    cuneola::ui::installAccessibility();
    setObjectName(QStringLiteral("ExploreInputs"));
    m_beta = numberBox(
        this, "Spin_Beta", kMinBeta, kMaxBeta, kBetaDecimals, 0.01, tr("Wedge parameter beta"),
        tr("The wedge parameter β, from %1 to %2. Below β_s ≈ %3 the boundary layer "
           "separates and there is no similarity solution.")
            .arg(rangeText(kMinBeta), rangeText(kMaxBeta), rangeText(cuneola::analysis::kPublishedSeparationBeta)));
    m_betaSlider = slider(this, "Slider_Beta", kBetaSliderSteps, tr("Wedge parameter beta slider"),
                          tr("Drag to change β from %1 to %2.").arg(rangeText(kMinBeta), rangeText(kMaxBeta)));
    m_Pr = numberBox(this, "Spin_Pr", kMinPr, kMaxPr, kPrDecimals, 0.1, tr("Prandtl number"),
                     tr("The Prandtl number Pr, from %1 (liquid metals) through 0.7 (air) and 7 (water) "
                        "to %2 (oils).")
                         .arg(rangeText(kMinPr), rangeText(kMaxPr)));
    m_PrSlider = slider(this, "Slider_Pr", kPrSliderSteps, tr("Prandtl number slider, logarithmic"),
                        tr("Drag to change Pr from %1 to %2; each tenth of the slider is one power of ten.")
                            .arg(rangeText(kMinPr), rangeText(kMaxPr)));
    m_branch = new QComboBox(this);
    m_branch->setObjectName(QStringLiteral("Combo_Branch"));
    m_branch->addItem(tr("attached"), QVariant::fromValue(static_cast<int>(Branch::Attached)));
    m_branch->addItem(tr("reversed flow"), QVariant::fromValue(static_cast<int>(Branch::ReversedFlow)));
    nameBranch();
    m_branch->setToolTip(tr("Between β_s and 0 the Falkner-Skan equation has a second solution whose flow "
                            "runs backwards near the wall (f''(0) < 0)."));
    m_take = new QPushButton(tr("&Take β and Pr from the main window"), this);
    m_take->setObjectName(QStringLiteral("Command_TakeFromMain"));
    m_take->setAccessibleName(tr("Take beta and Pr from the main window"));
    m_take->setToolTip(tr("Set β and Pr to the numbers in the main window's boxes."));
    m_take->setAutoDefault(false);

    // Each caption stays with its box and slider; the groups wrap onto further lines in a narrow window.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* flow = new FlowLayout;
    rows->addLayout(flow);
    rows->addWidget(wallRow());
    flow->addWidget(group(this, {caption(this, "Label_Beta", tr("β ="), m_beta), m_beta, m_betaSlider}, true));
    flow->addWidget(group(this, {caption(this, "Label_Pr", tr("&Pr ="), m_Pr), m_Pr, m_PrSlider}, true));
    flow->addWidget(group(this, {caption(this, "Label_Branch", tr("&Branch:"), m_branch), m_branch}, false));
    flow->addWidget(m_take);

    {
        const QSignalBlocker b1(m_beta), b2(m_betaSlider), b3(m_Pr), b4(m_PrSlider);
        m_beta->setValue(0.0);
        m_betaSlider->setValue(positionOfBeta(0.0));
        m_Pr->setValue(1.0);
        m_PrSlider->setValue(positionOfPr(1.0));
    }
    updateBranchChoice(0.0);
    speakSliders();
    connectInputs();
}

// The sliders are read as the β, Pr and f_w they set, as their boxes hold them.
void ExploreInputs::speakSliders()
{
    cuneola::ui::speakSliderAs(m_betaSlider,
                               {[](int position) { return boxValue(betaAt(position), kBetaDecimals); }, positionOfBeta,
                                0.001, [](double beta) { return significantText(beta, kBetaDecimals + 1); }});
    cuneola::ui::speakSliderAs(m_PrSlider, {[](int position) { return boxValue(PrAt(position), kPrDecimals); },
                                            positionOfPr, std::pow(10.0, -kPrDecimals),
                                            [](double Pr) { return significantText(Pr, kPrDecimals + 3); }});
    cuneola::ui::speakSliderAs(m_suctionSlider,
                               {[](int position) { return boxValue(suctionAt(position), kSuctionDecimals); },
                                positionOfSuction, 0.01,
                                [](double fw) { return significantText(fw, kSuctionDecimals + 2); }});
}

// A slider sets its box; the box announces the change.
void ExploreInputs::followSlider(QSlider* slider, QDoubleSpinBox* box, double (*valueAt)(int))
{
    connect(slider, &QSlider::valueChanged, this, [this, box, valueAt](int position) {
        m_fromSlider = true;
        box->setValue(valueAt(position));
        m_fromSlider = false;
    });
}

void ExploreInputs::connectInputs()
{
    connect(m_beta, &QDoubleSpinBox::valueChanged, this, &ExploreInputs::betaEdited);
    connect(m_Pr, &QDoubleSpinBox::valueChanged, this, &ExploreInputs::prEdited);
    followSlider(m_betaSlider, m_beta, betaAt);
    followSlider(m_PrSlider, m_Pr, PrAt);
    connect(m_branch, &QComboBox::currentIndexChanged, this, [this] {
        m_chosenBranch = static_cast<Branch>(m_branch->currentData().toInt());
        nameBranch();
        emit branchChosen(m_branch->accessibleName());
        announce();
    });
    connect(m_suction, &QDoubleSpinBox::valueChanged, this, &ExploreInputs::suctionEdited);
    followSlider(m_suctionSlider, m_suction, suctionAt);
    connect(m_thermalWall, &QComboBox::currentIndexChanged, this, &ExploreInputs::thermalWallChosen);
    connect(m_wallExponent, &QDoubleSpinBox::valueChanged, this, [this] { announce(); });
    connect(m_take, &QPushButton::clicked, this, &ExploreInputs::takeRequested);
}

QWidget* ExploreInputs::wallRow()
{
    using namespace cuneola::analysis;
    auto* box = new QWidget(this);
    m_suction = numberBox(box, "Spin_Suction", kMinSuction, kMaxSuction, kSuctionDecimals, 0.05, tr("Wall suction f_w"),
                          tr("Suction through a porous wall, f_w = f(0): above 0 fluid is drawn out of the layer, "
                             "below 0 it is blown in. The wall velocity is v_w = -f_w·√((m+1)νU/(2x))."));
    m_suctionSlider = slider(box, "Slider_Suction", kSuctionSliderSteps, tr("Wall suction f_w slider"),
                             tr("Drag to change f_w from -2 (blowing) to 10 (strong suction)."));
    m_thermalWall = new QComboBox(box);
    m_thermalWall->setObjectName(QStringLiteral("Combo_ThermalWall"));
    m_thermalWall->addItem(tr("isothermal wall"), static_cast<int>(ThermalWallKind::Isothermal));
    m_thermalWall->addItem(tr("wall temperature ∝ x^n"), static_cast<int>(ThermalWallKind::PowerLaw));
    m_thermalWall->addItem(tr("uniform heat flux"), static_cast<int>(ThermalWallKind::UniformFlux));
    m_thermalWall->setAccessibleName(tr("Thermal wall condition"));
    m_thermalWall->setToolTip(tr("How the wall is heated: at one temperature, with T_w - T_∞ growing as x^n, or "
                                 "with the same heat flux everywhere (n = (1 - m)/2)."));
    m_wallExponent =
        numberBox(box, "Spin_WallExponent", kMinWallExponent, kMaxWallExponent, kExponentDecimals, 0.1,
                  tr("Wall temperature exponent n"),
                  tr("The exponent n of T_w - T_∞ ∝ x^n, from -1 to 3; used for the power-law wall only."));
    m_wallExponent->setEnabled(false);
    {
        const QSignalBlocker b1(m_suction), b2(m_suctionSlider);
        m_suction->setValue(0.0);
        m_suctionSlider->setValue(positionOfSuction(0.0));
    }
    auto* flow = new FlowLayout(box);
    flow->setContentsMargins(0, 0, 0, 0);
    flow->addWidget(
        group(box, {caption(box, "Label_Suction", tr("&f_w ="), m_suction), m_suction, m_suctionSlider}, false));
    flow->addWidget(group(box, {caption(box, "Label_ThermalWall", tr("&Wall:"), m_thermalWall), m_thermalWall}, false));
    flow->addWidget(
        group(box, {caption(box, "Label_WallExponent", tr("&n ="), m_wallExponent), m_wallExponent}, false));
    return box;
}

ExploreInput ExploreInputs::current() const
{
    ExploreInput input;
    input.beta = m_beta->value();
    input.Pr = m_Pr->value();
    input.branch = static_cast<Branch>(m_branch->currentData().toInt());
    input.wall.suction = m_suction->value();
    input.wall.thermal.kind = static_cast<cuneola::analysis::ThermalWallKind>(m_thermalWall->currentData().toInt());
    if (input.wall.thermal.kind == cuneola::analysis::ThermalWallKind::PowerLaw)
        input.wall.thermal.exponent = m_wallExponent->value();
    return input;
}

void ExploreInputs::suctionEdited(double suction)
{
    if (!m_fromSlider) {
        const QSignalBlocker blocker(m_suctionSlider);
        m_suctionSlider->setValue(positionOfSuction(suction));
    }
    reachTheFold();
    announce(updateBranchChoice(m_beta->value()));
}

void ExploreInputs::reachTheFold()
{
    // Suction moves β_s below the box's usual least β (to -0.42 at f_w = 0.5): without
    // this a β chosen there on the Separation tab would be clamped to that least one. The
    // slider keeps its range.
    double least = kMinBeta;
    const auto fold = cuneola::analysis::transpiredSeparation(m_suction->value());
    if (fold && fold->beta < least) least = std::floor(fold->beta * 1e3) / 1e3;
    if (least == m_beta->minimum()) return;
    const QSignalBlocker blocker(m_beta);
    m_beta->setMinimum(least);
}

void ExploreInputs::thermalWallChosen()
{
    m_wallExponent->setEnabled(m_thermalWall->currentData().toInt() ==
                               static_cast<int>(cuneola::analysis::ThermalWallKind::PowerLaw));
    announce();
}

void ExploreInputs::betaEdited(double beta)
{
    if (!m_fromSlider) {
        // Rounding the slider to its steps must not move the box back.
        const QSignalBlocker blocker(m_betaSlider);
        m_betaSlider->setValue(positionOfBeta(beta));
    }
    announce(updateBranchChoice(beta));
}

void ExploreInputs::prEdited(double Pr)
{
    if (!m_fromSlider) {
        const QSignalBlocker blocker(m_PrSlider);
        m_PrSlider->setValue(positionOfPr(Pr));
    }
    announce();
}

QString ExploreInputs::updateBranchChoice(double beta)
{
    const bool exists = reversedFlowExists(beta, m_suction->value());
    auto* model = qobject_cast<QStandardItemModel*>(m_branch->model());
    model->item(1)->setEnabled(exists);
    const bool wanted = m_chosenBranch == Branch::ReversedFlow;
    const int index = exists && wanted ? 1 : 0;
    if (m_branch->currentIndex() != index) {
        const QSignalBlocker blocker(m_branch);
        m_branch->setCurrentIndex(index);
        nameBranch();
    }
    if (!wanted || exists) return {};
    return tr("The reversed-flow branch exists only for β_s < β < 0, so the attached branch is shown.");
}

void ExploreInputs::nameBranch()
{
    // Read with its current value, which a screen reader does not find on its own.
    const QString name = tr("Solution branch: %1").arg(m_branch->currentText());
    if (name != m_branch->accessibleName()) m_branch->setAccessibleName(name);
}

void ExploreInputs::announce(const QString& note) { emit changed(current(), note); }

QString ExploreInputs::take(cuneola::NumberReading beta, cuneola::NumberReading Pr)
{
    QStringList refused;
    const QSignalBlocker b1(m_beta), b2(m_betaSlider), b3(m_Pr), b4(m_PrSlider);
    if (!beta.inRange)
        refused << tr("The main window's β is too large a number to calculate with; β stays %1.")
                       .arg(significantText(m_beta->value(), 7));
    else if (!(beta.value >= kMinBeta && beta.value <= kMaxBeta))
        refused << tr("The main window's β = %1 is outside %2 to %3, the range Explore shows; β stays %4.")
                       .arg(significantText(beta.value, 7), significantText(kMinBeta, 3), significantText(kMaxBeta, 3),
                            significantText(m_beta->value(), 7));
    else {
        m_beta->setValue(beta.value);
        m_betaSlider->setValue(positionOfBeta(m_beta->value()));
    }
    if (!Pr.inRange)
        refused << tr("The main window's Pr is too large a number to calculate with; Pr stays %1.")
                       .arg(significantText(m_Pr->value(), 7));
    else if (!(Pr.value >= kMinPr && Pr.value <= kMaxPr))
        refused << tr("The main window's Pr = %1 is outside %2 to %3, the range Explore solves; Pr stays %4.")
                       .arg(significantText(Pr.value, 7), rangeText(kMinPr), rangeText(kMaxPr),
                            significantText(m_Pr->value(), 7));
    else {
        m_Pr->setValue(Pr.value);
        m_PrSlider->setValue(positionOfPr(m_Pr->value()));
    }
    const QString branchNote = updateBranchChoice(m_beta->value());
    if (!branchNote.isEmpty()) refused << branchNote;
    const QString note = refused.join(QLatin1Char(' '));
    announce(note);
    return note;
}

void ExploreInputs::choose(double beta, Branch branch)
{
    // The box keeps six decimals; a point at the fold must not round to beyond it.
    const double scale = std::pow(10.0, kBetaDecimals);
    double rounded = std::round(beta * scale) / scale;
    const auto fold = cuneola::analysis::transpiredSeparation(m_suction->value());
    if (fold && rounded < fold->beta) rounded = std::ceil(beta * scale) / scale;
    beta = rounded;
    {
        const QSignalBlocker b1(m_beta), b2(m_betaSlider), b3(m_branch);
        m_beta->setValue(beta);
        m_betaSlider->setValue(positionOfBeta(m_beta->value()));
        m_chosenBranch = branch;
        updateBranchChoice(m_beta->value());
        const bool reversed = branch == Branch::ReversedFlow && reversedFlowExists(m_beta->value(), m_suction->value());
        m_branch->setCurrentIndex(reversed ? 1 : 0);
        nameBranch();
    }
    announce();
}
