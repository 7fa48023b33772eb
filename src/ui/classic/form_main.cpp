// SPDX-License-Identifier: GPL-3.0-or-later
// Form_Main: Cuneola's working window, with the inputs, the two Calculate buttons, the plot and the log.
#include "ui/classic/form_main.h"

#include "ui/classic/design_units.h"
#include "ui/classic/form_about.h"
#include "ui/classic/form_host.h"
#include "ui/classic/log_model.h"
#include "ui/classic/plot_area.h"
#include "ui/common/accessibility.h"
#include "ui/common/app_identity.h"
#include "ui/common/ui_fonts.h"
#include "ui/explore/form_explore.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <iterator>
#include <limits>
#include <new>

using cuneola::BoxFrame;
using cuneola::MarchMode;
using cuneola::Twips;
using cuneola::ui::pixelsOf;

namespace {

// The frames along the top, in the order of cuneola::BoxFrame.
struct FrameDesign {
    const char* name;
    const char* title; // empty: none
    Twips place;
    const char* spoken;
};
constexpr FrameDesign kFrames[] = {
    {"Frame1", "Falkner-Skan equation", {120, 240, 1935, 1935}, "Falkner-Skan equation"},
    {"Frame2", "Energy equation", {2160, 240, 1815, 1935}, "Energy equation"},
    {"Frame4", "Iteration parameters", {4080, 0, 1815, 2175}, "Iteration parameters"},
    {"Frame3", "", {6000, 0, 1695, 2175}, "Plot limits and legend"},
};

using Frames = std::array<QGroupBox*, std::size(kFrames)>;

// The legend rows in Frame3, one per curve colour.
struct LegendDesign {
    const char* name;
    const char* text;
    Twips place;
    QRgb colour;
    const char* spoken;
};
constexpr LegendDesign kLegend[] = {
    {"Label7", "  f     ----------  g", {120, 1320, 1335, 255}, qRgb(255, 0, 0), "Legend: red, f and g"},
    {"Label8", "  f '    ---------  g'", {120, 1560, 1335, 255}, qRgb(0, 0, 255), "Legend: blue, f prime and g prime"},
    {"Label9", "  f ' '  ---------", {120, 1800, 1335, 255}, qRgb(0, 192, 0), "Legend: green, f double prime"},
};

// The keyboard order of the controls that take the focus (the order of their tab
// positions); the first has the focus at start.
constexpr const char* kFocusOrder[] = {"Text_dF0_2w",  "Text_F0_2w",  "Command1",  "Command3",  "Text_Pr",
                                       "Text_F1_1w",   "Text_dF1_1w", "Text_yMin", "Text_yMax", "Text_xMax",
                                       "Text_MaxIter", "Text_Eps",    "Text_h",    "List1",     "Text_Beta"};

void setFocusOrder(QWidget* client)
{
    QWidget* previous = nullptr;
    for (const char* name : kFocusOrder) {
        QWidget* control = client->findChild<QWidget*>(QLatin1String(name));
        if (previous)
            QWidget::setTabOrder(previous, control);
        else
            control->setFocus();
        previous = control;
    }
}

// Texts a person reads or hears go through the window's translation hook.
QString translated(const char* text) { return Form_Main::tr(text); }

void paintOn(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QGroupBox* addFrame(QWidget* parent, const FrameDesign& design)
{
    auto* frame = new QGroupBox(*design.title ? translated(design.title) : QString(), parent);
    frame->setObjectName(QLatin1String(design.name));
    frame->setGeometry(pixelsOf(design.place));
    frame->setAccessibleName(translated(design.spoken));
    return frame;
}

QLabel* addLabel(QWidget* parent, const char* name, const char* text, const Twips& place, const char* spoken)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(pixelsOf(place));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAccessibleName(translated(spoken));
    return label;
}

void addBoxLabel(QWidget* parent, const cuneola::BoxLabel& design)
{
    QLabel* label = addLabel(parent, design.name, design.text, design.place, design.spoken);
    if (design.font) label->setFont(cuneola::ui::designFont(design.font, 8.25));
}

QLineEdit* addBox(QWidget* parent, const cuneola::InputBoxDesign& design)
{
    auto* box = new QLineEdit(QString::fromUtf8(design.defaultText), parent);
    box->setObjectName(QLatin1String(design.name));
    box->setGeometry(pixelsOf(design.place));
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAccessibleName(translated(design.spoken));
    box->setToolTip(translated(design.tip));
    return box;
}

QPushButton* addButton(QWidget* parent, const char* name, const Twips& place, const char* spoken, const char* tip)
{
    auto* button = new QPushButton(QObject::tr("Calculate"), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(pixelsOf(place));
    button->setToolTip(translated(tip));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setAccessibleName(translated(spoken));
    return button;
}

// A legend row: Arial 9 pt in the curve's colour on the plot's light yellow.
void addLegend(QWidget* parent, const LegendDesign& design)
{
    QLabel* label = addLabel(parent, design.name, design.text, design.place, design.spoken);
    label->setFont(cuneola::ui::designFont("Arial", 9.0));
    paintOn(label, QColor::fromRgb(design.colour), QColor::fromRgb(cuneola::ui::kLightYellow));
}

// Each box with its label, in its frame; the boxes come back in the order of InputBox.
FormHost::Boxes addInputBoxes(const Frames& frames)
{
    FormHost::Boxes boxes{};
    for (const cuneola::InputBoxDesign& design : cuneola::kInputBoxes) {
        QGroupBox* frame = frames[static_cast<std::size_t>(design.frame)];
        addBoxLabel(frame, design.label);
        if (design.overLabel.name) addBoxLabel(frame, design.overLabel);
        boxes[static_cast<std::size_t>(design.box)] = addBox(frame, design);
    }
    return boxes;
}

// The wait cursor for as long as a run lasts.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

Form_Main::Form_Main(QWidget* parent) : QMainWindow(parent)
{
    cuneola::ui::installFontFallbacks();
    cuneola::ui::installAccessibility();
    setObjectName(QStringLiteral("Form_Main"));
    setWindowTitle(QStringLiteral("Cuneola - Solution of the Falkner-Skan and energy similarity equations"));
    // The layout is designed for an 8.25 pt sans serif of Arial's metrics.
    setFont(cuneola::ui::designFont("Arial", 8.25));
    buildControls();
    Form_Load();
}

Form_Main::~Form_Main() = default;

void Form_Main::buildControls()
{
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false); // a menu bar of two commands belongs inside the window
    QAction* about = bar->addAction(tr("About"));
    about->setObjectName(QStringLiteral("Mn_About"));
    // The menu texts carry no mnemonic; the keys reach the commands all the same, before a
    // focused box could take them as typing.
    about->setShortcut(QKeySequence(Qt::ALT | Qt::Key_A));
    connect(about, &QAction::triggered, this, &Form_Main::Mn_About_Click);
    QAction* explore = bar->addAction(tr("Explore"));
    explore->setObjectName(QStringLiteral("Mn_Explore"));
    explore->setShortcut(QKeySequence(Qt::ALT | Qt::Key_E));
    connect(explore, &QAction::triggered, this, &Form_Main::Mn_Explore_Click);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Frames frames{};
    for (std::size_t i = 0; i < frames.size(); ++i) frames[i] = addFrame(client, kFrames[i]);
    auto frame = [&frames](BoxFrame which) { return frames[static_cast<std::size_t>(which)]; };
    const FormHost::Boxes boxes = addInputBoxes(frames);
    QPushButton* command1 =
        addButton(frame(BoxFrame::Frame1), "Command1", {240, 1440, 1455, 375}, "Calculate the Falkner-Skan equation",
                  "Search for the f''(0) at which f' reaches 1 at η max, starting from "
                  "the guess and step in the boxes above.");
    QPushButton* command3 =
        addButton(frame(BoxFrame::Frame2), "Command3", {240, 1440, 1335, 375}, "Calculate the energy equation",
                  "Search for the g'(0) at which g reaches 1 at η max, using the f''(0) "
                  "that stands in the Falkner-Skan box.");
    for (const LegendDesign& legend : kLegend) addLegend(frame(BoxFrame::Frame3), legend);

    addPlotAndLog(client);
    connect(command1, &QPushButton::clicked, this, &Form_Main::Command1_Click);
    connect(command3, &QPushButton::clicked, this, &Form_Main::Command3_Click);

    setFocusOrder(client);
    addCopyCommands();
    setWindowIcon(cuneola::ui::applicationIcon());
    m_host = std::make_unique<FormHost>(boxes, m_status, m_log);
}

// The plot with the status text inside it, and the iteration log beside it.
void Form_Main::addPlotAndLog(QWidget* client)
{
    m_picture = new PlotArea(client);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setGeometry(pixelsOf(Twips{120, 2280, 4140, 3045}));
    m_picture->setAccessibleName(tr("Solution plot"));
    m_status = new QLabel(QStringLiteral("Iteration"), m_picture);
    m_status->setObjectName(QStringLiteral("Lbl_iter"));
    m_status->setGeometry(pixelsOf(Twips{2160, 2640, 1695, 255}).translated(m_picture->interiorOrigin()));
    // Its text is the outcome of the search: read as its name, and announced when it comes.
    cuneola::ui::makeNotification(m_status, tr("Status"));
    paintOn(m_status, QColor(255, 0, 0), QColor::fromRgb(cuneola::ui::kLightYellow));
    m_status->raise();

    m_log = new LogModel(this);
    m_list = new QListView(client);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setGeometry(pixelsOf(Twips{4320, 2280, 3375, 2985}));
    m_list->setModel(m_log);
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setAccessibleName(tr("Iteration log"));
}

// Copying takes results out of the window; it changes nothing in it.
void Form_Main::addCopyCommands()
{
    auto* copyLog = new QAction(tr("Copy"), m_list);
    copyLog->setObjectName(QStringLiteral("copyLogAction"));
    copyLog->setShortcut(QKeySequence::Copy);
    copyLog->setShortcutContext(Qt::WidgetShortcut);
    connect(copyLog, &QAction::triggered, this, &Form_Main::copyLog);
    m_list->addAction(copyLog);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* copyPlot = new QAction(tr("Copy plot"), m_picture);
    copyPlot->setObjectName(QStringLiteral("copyPlotAction"));
    connect(copyPlot, &QAction::triggered, this, &Form_Main::copyPlot);
    m_picture->addAction(copyPlot);
    m_picture->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void Form_Main::copyLog()
{
    QList<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedIndexes()) rows << index.row();
    QGuiApplication::clipboard()->setText(m_log->copyText(rows));
}

void Form_Main::copyPlot() { QGuiApplication::clipboard()->setImage(m_picture->snapshot()); }

// The curve colours (red, blue, green) are the default of FormValues, set as the window is made.
void Form_Main::Form_Load() { cuneola::ui::setLabelText(m_status, QString()); }

void Form_Main::Command1_Click() { calculate(MarchMode::Momentum); }

void Form_Main::Command3_Click() { calculate(MarchMode::Energy); }

void Form_Main::calculate(MarchMode mode)
{
    QStringList warnings;
    {
        BusyCursor busy;
        m_picture->beginRun();
        try {
            m_lastResult = cuneola::runSearch(mode, m_form, *m_picture, *m_host);
        } catch (const std::bad_alloc&) {
            // The log of a very long search is the only thing that grows.
            m_lastResult = {cuneola::SearchOutcome::OutOfMemory, 0, {}};
            m_host->showWarning("The calculation stopped because the computer ran out of memory for the "
                                "iteration log. Enter a smaller MaxIter.");
        }
        m_picture->endRun();
        // The last rows say how the search ended: bring them into view.
        m_list->scrollToBottom();
        warnings = m_host->takeWarnings();
    }
    if (m_lastResult.outcome != cuneola::SearchOutcome::Refused) {
        m_lastRecord = m_lastResult.record;
        emit searchFinished(*m_lastRecord);
    }
    for (const QString& message : warnings) warn(message);
}

void Form_Main::warn(const QString& message)
{
    if (m_warn) {
        m_warn(message);
        return;
    }
    QMessageBox::warning(this, QStringLiteral("Cuneola"), message);
}

cuneola::MarchOutcome Form_Main::RK4G(double F0_0w, double F0_1w, double F0_2w, double& F0_1s_Itr, double F1_0w,
                                      double F1_1w, double& F1_0s_Itr)
{
    const cuneola::MarchOutcome outcome =
        cuneola::RK4G(m_form, *m_picture, F0_0w, F0_1w, F0_2w, F0_1s_Itr, F1_0w, F1_1w, F1_0s_Itr);
    m_picture->update();
    return outcome;
}

void Form_Main::Mn_About_Click()
{
    if (!m_about)
        m_about = std::make_unique<Form_About>();
    else if (!m_about->isVisible())
        m_about->loadDesign(); // a closed About window opens as designed
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

cuneola::NumberReading Form_Main::textValue(cuneola::InputBox box) const { return m_host->readNumber(box); }

void Form_Main::Mn_Explore_Click()
{
    if (!m_explore) {
        m_explore = std::make_unique<Form_Explore>([this](cuneola::InputBox box) { return textValue(box); });
        connect(this, &Form_Main::searchFinished, m_explore.get(), &Form_Explore::showSearch);
        if (m_lastRecord) m_explore->showSearch(*m_lastRecord);
        // Opened the first time beside this window; later where the user left it.
        m_explore->placeBeside(*this);
    } else if (!m_explore->isVisible()) {
        m_explore->takeFromMain(); // opening again takes β and Pr again
    }
    m_explore->show();
    m_explore->raise();
    m_explore->activateWindow();
}
