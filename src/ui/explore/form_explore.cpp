// SPDX-License-Identifier: GPL-3.0-or-later
// Form_Explore: exact solutions for any β and Pr, the last search's shooting map, separation, heat transfer and sweeps.
#include "ui/explore/form_explore.h"

#include "analysis/similarity_solution.h"
#include "ui/common/accessibility.h"
#include "ui/common/app_identity.h"
#include "ui/common/settled_tabs.h"
#include "ui/common/ui_fonts.h"
#include "ui/common/window_placement.h"
#include "ui/explore/approximations_tab.h"
#include "ui/explore/heat_transfer_tab.h"
#include "ui/explore/separation_tab.h"
#include "ui/explore/shooting_tab.h"
#include "ui/explore/solution_tab.h"
#include "ui/explore/sweep_tab.h"
#include "ui/explore/table_text.h"
#include "ui/explore/wedge_tab.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using cuneola::InputBox;
using namespace cuneola::analysis;

namespace {
// Shorter than a student notices, longer than the steps of a dragged slider.
constexpr int kFamilyDelayMs = 100;
// The size it opens at where the screen has room, in pixels.
constexpr QSize kOpeningSize(1040, 700);
} // namespace

Form_Explore::Form_Explore(MainBoxReader readMainBox)
    : QWidget(nullptr, Qt::Window), m_readMainBox(std::move(readMainBox))
{
    cuneola::ui::installFontFallbacks();
    cuneola::ui::installAccessibility();
    setObjectName(QStringLiteral("Form_Explore"));
    setWindowTitle(tr("Explore - exact similarity solutions"));
    setWindowIcon(cuneola::ui::applicationIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_inputs = new ExploreInputs(this);
    m_message = buildMessageLine();
    m_tabs = buildTabs();
    m_announcer = new cuneola::ui::Announcer(tr("Explore announcements"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_inputs);
    layout->addWidget(m_message);
    layout->addWidget(m_tabs, 1);
    resize(kOpeningSize);
    connectParts();

    // The β family depends on nothing the user sets: once, from the start.
    m_separation->computeFamily();
    takeFromMain();
}

Form_Explore::~Form_Explore() = default;

QLabel* Form_Explore::buildMessageLine()
{
    auto* line = new QLabel(this);
    line->setObjectName(QStringLiteral("Lbl_ExploreMessage"));
    line->setWordWrap(true);
    // Failures are announced as they appear, and read as the line's name.
    cuneola::ui::makeNotification(line, tr("Message"));
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette red = line->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    line->setPalette(red);
    // Room for one line kept while it is hidden, so that the tabs do not jump as it comes and goes.
    line->setMinimumHeight(line->fontMetrics().lineSpacing());
    QSizePolicy keep = line->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    line->setSizePolicy(keep);
    return line;
}

QTabWidget* Form_Explore::buildTabs()
{
    m_solution = new SolutionTab;
    m_shooting = new ShootingTab;
    m_separation = new SeparationTab;
    m_heat = new HeatTransferTab;
    m_approximations = new ApproximationsTab;
    m_wedge = new WedgeTab;
    m_sweep = new SweepTab;
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("Tabs_Explore"));
    tabs->setAccessibleName(tr("Explore views"));
    tabs->tabBar()->setAccessibleName(tr("Choice of view"));
    // Alt+S, O, R, H, A, D; Alt+P, B, F, W and N belong to Pr, the branch and the wall, and
    // every letter of "Sweep" is among them.
    tabs->addTab(m_solution, tr("&Solution"));
    tabs->addTab(m_shooting, tr("Sh&ooting"));
    tabs->addTab(m_separation, tr("Sepa&ration"));
    tabs->addTab(m_heat, tr("&Heat transfer"));
    tabs->addTab(m_approximations, tr("&Approximations"));
    tabs->addTab(m_wedge, tr("We&dge"));
    tabs->addTab(m_sweep, tr("Sweep"));
    cuneola::ui::repaintTabsOnlyWhenMoved(tabs);
    return tabs;
}

void Form_Explore::connectParts()
{
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        // A tab chosen on the focused tab bar is read by the screen reader itself; one chosen
        // by its Alt key from elsewhere is said here.
        if (!m_tabs->tabBar()->hasFocus())
            m_announcer->say(tr("%1 tab").arg(m_tabs->tabText(index).remove(QLatin1Char('&'))));
    });
    connect(m_inputs, &ExploreInputs::branchChosen, m_announcer, &cuneola::ui::Announcer::say);

    m_familyDelay.setSingleShot(true);
    m_familyDelay.setInterval(kFamilyDelayMs);
    connect(&m_familyDelay, &QTimer::timeout, this, [this] {
        if (!m_familyKey) return;
        m_heat->computeFamily(m_familyKey->beta, m_familyKey->branch, m_familyKey->wall);
        m_separation->computeFamily(m_familyKey->wall.suction);
    });
    connect(m_inputs, &ExploreInputs::changed, this, &Form_Explore::solve);
    connect(m_inputs, &ExploreInputs::takeRequested, this, &Form_Explore::takeFromMain);
    connect(m_separation, &SeparationTab::pointChosen, m_inputs, &ExploreInputs::choose);
    // A fluid's Pr goes into the Pr box, which announces it like a typed one.
    connect(m_wedge, &WedgeTab::prChosen, this,
            [this](double Pr) { m_inputs->findChild<QDoubleSpinBox*>(QStringLiteral("Spin_Pr"))->setValue(Pr); });
}

QString Form_Explore::message() const { return m_message->text(); }

bool Form_Explore::isBusy() const
{
    return m_shooting->isBusy() || m_separation->isBusy() || m_heat->isBusy() || m_approximations->isBusy() ||
           m_sweep->isBusy() || m_familyDelay.isActive();
}

void Form_Explore::takeFromMain()
{
    if (m_readMainBox) m_inputs->take(m_readMainBox(InputBox::Beta), m_readMainBox(InputBox::Pr));
}

void Form_Explore::placeBeside(const QWidget& other)
{
    if (const QScreen* screen = other.screen()) placeBeside(other, screen->availableGeometry());
}

void Form_Explore::placeBeside(const QWidget& other, const QRect& available)
{
    // Not yet shown, this window has no frame: it will get one like the other's.
    const QRect outer = other.frameGeometry(), inner = other.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    const QSize framing(frame.left() + frame.right(), frame.top() + frame.bottom());
    // The inputs take more lines in a narrower window: the least height is the one at the width found.
    QSize least = minimumSizeHint() + framing;
    // A screen too small even for that gets the window as it is, to be moved by hand.
    if (available.width() < least.width() || available.height() < least.height()) return;
    QRect placed = cuneola::ui::placeBeside(outer, available, kOpeningSize + framing, least);
    least.setHeight(layout()->totalMinimumHeightForWidth(placed.width() - framing.width()) + framing.height());
    placed = cuneola::ui::placeBeside(outer, available, kOpeningSize + framing, least);
    setGeometry(placed.marginsRemoved(frame));
}

void Form_Explore::showSearch(const cuneola::SearchRecord& record) { m_shooting->showSearch(record); }

void Form_Explore::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_shooting->showPending();
}

void Form_Explore::hideEvent(QHideEvent* event)
{
    m_shooting->suspend();
    QWidget::hideEvent(event);
}

void Form_Explore::solve(const ExploreInput& input, const QString& note)
{
    QStringList messages;
    if (!note.isEmpty()) messages << note;
    const CaseInputs about = cuneola::ui::caseOf(input);
    m_solution->setCase(about);
    m_approximations->setCase(about);
    m_wedge->setCase(about);
    m_sweep->setCase(about);
    const Outcome<SimilaritySolution> solution = solveSimilarity(input.beta, input.branch, input.Pr, input.wall);
    m_shooting->setWallNote(!input.wall.isDefault());
    if (!solution) {
        const QString reason = QString::fromStdString(solution.failure().message);
        messages << reason;
        m_solution->showNoSolution(reason);
        m_approximations->showNoSolution(reason);
        m_separation->setCurrent(std::nullopt);
        m_heat->setCurrent(input.Pr, std::nullopt);
        m_familyDelay.stop();
        m_heat->showNoFamily();
        m_wedge->showNoSolution(reason);
        m_familyKey.reset();
        m_separation->computeFamily(input.wall.suction);
    } else {
        const SimilaritySolution& s = *solution;
        if (!s.wallGradient) messages << QString::fromStdString(s.wallGradient.failure().message);
        m_solution->showSolution(s);
        m_approximations->showSolution(s);
        m_wedge->showSolution(s);
        m_separation->setCurrent(
            SeparationTab::Current{s.momentum.beta, s.momentum.wallShear, s.momentum.shapeFactor()});
        m_heat->setCurrent(input.Pr, s.wallGradient ? std::optional<double>(*s.wallGradient) : std::nullopt);
        const FamilyKey key{input.beta, input.branch, input.wall};
        if (m_familyKey != key) {
            m_familyKey = key;
            m_heat->awaitFamily();
            m_familyDelay.start();
        }
    }
    // A wrapped label lays its text out anew on every setText.
    // A label still hidden is announced by being shown.
    cuneola::ui::announceLabelText(m_message, messages.join(QLatin1Char(' ')));
    m_message->setVisible(!messages.isEmpty());
}
