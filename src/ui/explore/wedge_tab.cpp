// SPDX-License-Identifier: GPL-3.0-or-later
// The Wedge tab: the exact solution on a real wedge, a fluid, a velocity and a station, in SI units.
#include "ui/explore/wedge_tab.h"

#include "analysis/fluid_properties.h"
#include "analysis/wedge_flow.h"
#include "ui/common/copyable_table.h"
#include "ui/common/text_view.h"
#include "ui/explore/explore_numbers.h"
#include "ui/explore/station_table_model.h"
#include "ui/explore/table_text.h"
#include "ui/explore/wedge_picture.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <charconv>
#include <cmath>

using cuneola::analysis::kFluids;
using cuneola::analysis::Station;
using cuneola::ui::fromView;

namespace {

// A box for values such as 1.516e-05 m²/s: shown and read in exponent form, a full stop as
// the point whatever the locale.
class ExponentSpinBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    QString textFromValue(double value) const override { return cuneola::ui::significantText(value, 6); }
    double valueFromText(const QString& text) const override { return parse(text).value_or(value()); }
    QValidator::State validate(QString& text, int&) const override
    {
        const std::optional<double> v = parse(text);
        if (v && *v >= minimum() && *v <= maximum()) return QValidator::Acceptable;
        return QValidator::Intermediate;
    }

private:
    std::optional<double> parse(const QString& text) const
    {
        const QByteArray bytes = text.trimmed().toLatin1();
        if (bytes.isEmpty() || !(std::isdigit(static_cast<unsigned char>(bytes[0])) || bytes[0] == '.'))
            return std::nullopt;
        double v = 0.0;
        const auto [end, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), v);
        if (error != std::errc() || end != bytes.data() + bytes.size() || !std::isfinite(v)) return std::nullopt;
        return v;
    }
};

QDoubleSpinBox* box(QDoubleSpinBox* b, const char* name, double min, double max, int decimals, double step,
                    double value, const QString& unit, const QString& spoken, const QString& tip)
{
    b->setObjectName(QLatin1String(name));
    b->setLocale(QLocale::c());
    b->setDecimals(decimals);
    b->setRange(min, max);
    b->setSingleStep(step);
    b->setValue(value);
    b->setSuffix(QLatin1Char(' ') + unit);
    b->setAccessibleName(spoken);
    b->setToolTip(tip);
    b->setKeyboardTracking(false);
    return b;
}

// A hidden label for warnings, in red, its text selectable.
QLabel* warningLabel(QWidget* parent, const char* name, const QString& spoken)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAccessibleName(spoken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    label->setPalette(red);
    label->hide();
    return label;
}

} // namespace

WedgeTab::WedgeTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tab_Wedge"));
    // Built first: Tab walks the inputs before the table.
    QFormLayout* form = buildInputs();

    m_message = warningLabel(this, "Lbl_WedgeMessage", tr("Warnings on the station"));

    m_table = new StationTableModel(this);
    const cuneola::ui::CopyableTable table = cuneola::ui::copyableTable(
        this, m_table,
        {"Table_Station", tr("Table of the station"), "copyStationAction", "Command_CopyStation",
         tr("Copy the station's table"),
         tr("Put the table on the clipboard as tab-separated lines after a line naming β, the branch, Pr and the "
            "wall, 15 digits a value (Ctrl+C in the table does the "
            "same).")});
    m_tableView = table.view;
    m_tableView->horizontalHeader()->setStretchLastSection(true);
    cuneola::ui::fitColumns(m_tableView, {"h (W/(m²·K))"});
    connect(table.copy, &QAction::triggered, this, &WedgeTab::copyStation);

    m_notes = new QLabel(this);
    m_notes->setObjectName(QStringLiteral("Lbl_StationNotes"));
    m_notes->setWordWrap(true);
    m_notes->setAccessibleName(tr("Notes on the station's table"));
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notes->hide();

    m_picture = new WedgePicture(this);

    auto* left = new QWidget(this);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addLayout(form);
    leftColumn->addWidget(m_message);
    leftColumn->addWidget(m_tableView, 1);
    leftColumn->addLayout(cuneola::ui::leftRow({table.button}));
    leftColumn->addWidget(m_notes);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter_Wedge"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(left);
    splitter->addWidget(m_picture);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(m_fluid, &QComboBox::currentIndexChanged, this, &WedgeTab::fluidChosen);
    for (QDoubleSpinBox* b : {m_nu, m_k, m_rho, m_U, m_x, m_deltaT})
        connect(b, &QDoubleSpinBox::valueChanged, this, &WedgeTab::refresh);
}

// The fluid, its properties and the station, in a form.
QFormLayout* WedgeTab::buildInputs()
{
    const auto& air = kFluids[0];
    m_fluid = new QComboBox(this);
    m_fluid->setObjectName(QStringLiteral("Combo_Fluid"));
    for (const auto& fluid : kFluids) {
        m_fluid->addItem(fromView(fluid.name));
        m_fluid->setItemData(m_fluid->count() - 1,
                             tr("ν = %1 m²/s, k = %2 W/(m·K), ρ = %3 kg/m³, Pr = %4 (%5)")
                                 .arg(cuneola::ui::significantText(fluid.nu, 4),
                                      cuneola::ui::significantText(fluid.k, 4),
                                      cuneola::ui::significantText(fluid.rho, 4),
                                      cuneola::ui::significantText(fluid.Pr, 4), fromView(fluid.source)),
                             Qt::ToolTipRole);
    }
    m_fluid->addItem(tr("custom"));
    m_fluid->setAccessibleName(tr("Fluid"));
    m_fluid->setToolTip(tr("A fluid from a property table at 1 atm, or custom values. Choosing a fluid sets "
                           "Pr; typing another Pr makes the fluid custom."));

    m_nu = box(new ExponentSpinBox(this), "Spin_Nu", 0.0, 1.0, 15, 1e-6, air.nu, tr("m²/s"),
               tr("Kinematic viscosity in square metres per second"),
               tr("The kinematic viscosity ν of a custom fluid, for instance 1.516e-05 m²/s for air at 20 °C."));
    m_k = box(new QDoubleSpinBox(this), "Spin_K", 0.0, 1000.0, 5, 0.001, air.k, tr("W/(m·K)"),
              tr("Thermal conductivity in watts per metre and kelvin"),
              tr("The thermal conductivity k of a custom fluid."));
    m_rho = box(new QDoubleSpinBox(this), "Spin_Rho", 0.0, 30000.0, 3, 1.0, air.rho, tr("kg/m³"),
                tr("Density in kilograms per cubic metre"),
                tr("The density ρ of a custom fluid; the wall shear stress τ_w needs it."));
    m_U = box(new QDoubleSpinBox(this), "Spin_U", -1000.0, 1000.0, 3, 1.0, 10.0, tr("m/s"),
              tr("Outer velocity at the station in metres per second"),
              tr("The velocity U just outside the layer at the station; along the wall U(x) = C·x^m with "
                 "m = β/(2 − β)."));
    m_x = box(new QDoubleSpinBox(this), "Spin_X", -100.0, 100.0, 4, 0.1, 0.5, tr("m"),
              tr("Distance of the station from the leading edge in metres"),
              tr("The distance x of the station from the leading edge, along the wall."));
    m_deltaT = box(new QDoubleSpinBox(this), "Spin_DeltaT", -2000.0, 2000.0, 2, 1.0, 10.0, tr("K"),
                   tr("Wall temperature minus fluid temperature in kelvin"),
                   tr("The wall's temperature minus the fluid's far from the wall, ΔT = T_w − T_∞; the heat flux "
                      "q_w = h·ΔT flows into the fluid when ΔT > 0."));
    for (QDoubleSpinBox* b : {m_nu, m_k, m_rho}) b->setEnabled(false);

    auto* form = new QFormLayout;
    form->addRow(tr("F&luid:"), m_fluid);
    form->addRow(tr("ν ="), m_nu);
    form->addRow(tr("&k ="), m_k);
    form->addRow(tr("ρ ="), m_rho);
    form->addRow(tr("&U ="), m_U);
    form->addRow(tr("&x ="), m_x);
    form->addRow(tr("ΔT ="), m_deltaT);
    return form;
}

Station WedgeTab::station() const
{
    return Station{m_U->value(), m_x->value(), m_deltaT->value(), m_nu->value(), m_k->value(), m_rho->value()};
}

QString WedgeTab::message() const { return m_message->isVisible() ? m_message->text() : QString(); }

void WedgeTab::fluidChosen(int index)
{
    const bool custom = index < 0 || index >= static_cast<int>(kFluids.size());
    for (QDoubleSpinBox* b : {m_nu, m_k, m_rho}) b->setEnabled(custom);
    if (custom) return;
    const auto& fluid = kFluids[static_cast<std::size_t>(index)];
    {
        const QSignalBlocker b1(m_nu), b2(m_k), b3(m_rho);
        m_nu->setValue(fluid.nu);
        m_k->setValue(fluid.k);
        m_rho->setValue(fluid.rho);
    }
    refresh();
    emit prChosen(fluid.Pr);
}

void WedgeTab::showSolution(const cuneola::analysis::SimilaritySolution& solution)
{
    m_solution = solution;
    m_noSolution.clear();
    // A Pr other than the chosen fluid's makes the fluid custom, its other properties kept.
    const int index = m_fluid->currentIndex();
    if (index >= 0 && index < static_cast<int>(kFluids.size()) &&
        std::fabs(kFluids[static_cast<std::size_t>(index)].Pr - solution.Pr) > 1e-9 * solution.Pr) {
        const QSignalBlocker blocker(m_fluid);
        m_fluid->setCurrentIndex(m_fluid->count() - 1);
        for (QDoubleSpinBox* b : {m_nu, m_k, m_rho}) b->setEnabled(true);
    }
    refresh();
}

void WedgeTab::showNoSolution(const QString& reason)
{
    m_solution.reset();
    m_noSolution = reason;
    refresh();
}

void WedgeTab::refresh()
{
    const Station st = station();
    QStringList said;
    for (const std::string& e : cuneola::analysis::stationInputErrors(st)) said << QString::fromStdString(e);
    if (!said.isEmpty()) {
        m_table->setMissing(said.join(QLatin1Char(' ')));
    } else if (!m_solution) {
        m_table->setMissing(m_noSolution);
    } else {
        m_table->setStation(*m_solution, st);
        for (const std::string& w : cuneola::analysis::stationWarnings(*m_solution, st))
            said << QString::fromStdString(w);
    }
    const QString text = said.join(QLatin1Char('\n'));
    if (text != m_message->text()) m_message->setText(text);
    m_message->setVisible(!said.isEmpty());
    // Notes say why single values are missing; a failure of the whole table is said above it.
    const QStringList notes = said.isEmpty() && m_solution ? m_table->notes() : QStringList();
    const QString noteText = notes.join(QLatin1Char('\n'));
    if (noteText != m_notes->text()) m_notes->setText(noteText);
    m_notes->setVisible(!notes.isEmpty());
    m_pictureStale = true;
    if (isVisible()) drawPicture();
}

void WedgeTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    drawPicture();
}

void WedgeTab::drawPicture()
{
    if (!m_pictureStale) return;
    m_pictureStale = false;
    const Station st = station();
    const auto errors = cuneola::analysis::stationInputErrors(st);
    if (!errors.empty()) return m_picture->setNothing(QString::fromStdString(errors.front()));
    if (!m_solution) return m_picture->setNothing(m_noSolution);
    const cuneola::analysis::WedgeFlow flow = cuneola::analysis::wedgeFlow(*m_solution, st);
    if (!(flow.xEnd > 0.0))
        return m_picture->setNothing(tr("There is no wedge flow to draw: U(x) = C·x^m needs a finite "
                                        "m = β/(2 − β), that is β < 2."));
    m_picture->setFlow(flow, m_solution->momentum.beta, st.x);
}

void WedgeTab::copyStation()
{
    QGuiApplication::clipboard()->setText(cuneola::ui::headed(tr("Wedge station"), m_case, m_table->copyText()));
}
