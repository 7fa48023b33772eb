// SPDX-License-Identifier: MIT
// Form_Main: Cuneola's working window, with the inputs, the two Calculate buttons, the plot and the log.
#include "form_main.h"

#include "app_identity.h"
#include "form_about.h"
#include "form_explore.h"
#include "form_host.h"
#include "log_model.h"
#include "plot_area.h"
#include "ui_fonts.h"

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

#include <limits>
#include <new>

using cuneola::InputBox;
using cuneola::MarchMode;

namespace {

// Positions and sizes are designed in twips; 15 twips are one logical pixel.
QRect twips(int left, int top, int width, int height)
{
    constexpr int kTwipsPerPixel = 15;
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

const QColor kLightYellow(255, 255, 192);

void paintOn(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& title, const QRect& geometry,
                    const QString& spoken)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setAccessibleName(spoken);
    return frame;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                 const QString& spoken)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAccessibleName(spoken);
    return label;
}

QLineEdit* addBox(QWidget* parent, const char* name, const char* text, const QRect& geometry,
                  const QString& spoken, const QString& tip)
{
    auto* box = new QLineEdit(QString::fromLatin1(text), parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAccessibleName(spoken);
    box->setToolTip(tip);
    return box;
}

QPushButton* addButton(QWidget* parent, const char* name, const QRect& geometry, const QString& spoken,
                       const QString& hint)
{
    auto* button = new QPushButton(QObject::tr("Calculate"), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setAccessibleName(spoken);
    return button;
}

// A legend row: Arial 9 pt in the curve's colour on the plot's light yellow.
QLabel* addLegend(QWidget* parent, const char* name, const char* text, const QRect& geometry, const QColor& colour,
                  const QString& spoken)
{
    QLabel* label = addLabel(parent, name, QString::fromLatin1(text), geometry, spoken);
    label->setFont(cuneola::ui::designFont("Arial", 9.0));
    paintOn(label, colour, kLightYellow);
    return label;
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
    connect(about, &QAction::triggered, this, &Form_Main::Mn_About_Click);
    QAction* explore = bar->addAction(tr("Explore"));
    explore->setObjectName(QStringLiteral("Mn_Explore"));
    connect(explore, &QAction::triggered, this, &Form_Main::Mn_Explore_Click);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Falkner-Skan equation.
    QGroupBox* frame1 = addFrame(client, "Frame1", tr("Falkner-Skan equation"), twips(120, 240, 1935, 1935),
                                 tr("Falkner-Skan equation"));
    addLabel(frame1, "Label10", QStringLiteral("β ="), twips(360, 360, 255, 255), tr("beta"));
    auto* textBeta = addBox(frame1, "Text_Beta", "0", twips(840, 360, 855, 285), tr("Wedge parameter beta"),
                            tr("The wedge parameter β: 0 for a flat plate, 1 for a stagnation point, "
                               "negative for a flow slowing down towards separation (about -0.199)."));
    addLabel(frame1, "Label4", QStringLiteral("f ''(0) ="), twips(240, 720, 495, 255), tr("f double prime at the wall"));
    auto* textF0 = addBox(frame1, "Text_F0_2w", "0.1", twips(840, 720, 855, 285),
                          tr("Wall shear f double prime of 0, first guess and result"),
                          tr("The wall shear f''(0): the first guess of the momentum search, and its "
                             "result after Calculate, so that another click continues from it."));
    addLabel(frame1, "Label11", QStringLiteral("df''(0) ="), twips(240, 1080, 615, 255), tr("trial step of f double prime"));
    auto* textDF0 = addBox(frame1, "Text_dF0_2w", "0.1", twips(840, 1080, 855, 255),
                           tr("Trial step of f double prime of 0"),
                           tr("How far the momentum search moves f''(0) from one trial to the next; the step "
                              "turns back and becomes ten times smaller each time f' passes 1."));
    QPushButton* command1 = addButton(frame1, "Command1", twips(240, 1440, 1455, 375),
                                      tr("Calculate the Falkner-Skan equation"),
                                      tr("Search for the f''(0) at which f' reaches 1 at η max, starting from "
                                         "the guess and step in the boxes above."));

    // Energy equation.
    QGroupBox* frame2 = addFrame(client, "Frame2", tr("Energy equation"), twips(2160, 240, 1815, 1935),
                                 tr("Energy equation"));
    QLabel* label22 = addLabel(frame2, "Label22", QStringLiteral("Pr ="), twips(360, 360, 375, 255), tr("Prandtl number"));
    label22->setFont(cuneola::ui::designFont("Arial", 8.25));
    auto* textPr = addBox(frame2, "Text_Pr", "1", twips(840, 360, 735, 285), tr("Prandtl number"),
                          tr("The Prandtl number Pr: how fast momentum spreads compared with heat "
                             "(about 0.7 for air, 7 for water)."));
    addLabel(frame2, "Label16", QStringLiteral("g'(0) ="), twips(240, 720, 495, 255), tr("g prime at the wall"));
    auto* textF1 = addBox(frame2, "Text_F1_1w", "-1", twips(840, 720, 735, 285),
                          tr("Wall temperature gradient g prime of 0, first guess and result"),
                          tr("The temperature gradient at the wall g'(0): the first guess of the energy "
                             "search, and its result after Calculate, so that another click continues from it."));
    addLabel(frame2, "Label15", QStringLiteral("dg'(0) ="), twips(240, 1080, 615, 255), tr("trial step of g prime"));
    auto* textDF1 = addBox(frame2, "Text_dF1_1w", "0.1", twips(840, 1080, 735, 255),
                           tr("Trial step of g prime of 0"),
                           tr("How far the energy search moves g'(0) from one trial to the next; the step "
                              "turns back and becomes ten times smaller each time g passes 1."));
    QPushButton* command3 = addButton(frame2, "Command3", twips(240, 1440, 1335, 375),
                                      tr("Calculate the energy equation"),
                                      tr("Search for the g'(0) at which g reaches 1 at η max, using the f''(0) "
                                         "that stands in the Falkner-Skan box."));

    // Iteration parameters.
    QGroupBox* frame4 = addFrame(client, "Frame4", tr("Iteration parameters"), twips(4080, 0, 1815, 2175),
                                 tr("Iteration parameters"));
    addLabel(frame4, "Label1", QStringLiteral("Δη ="), twips(240, 480, 375, 255), tr("delta eta"));
    auto* textH = addBox(frame4, "Text_h", "0.01", twips(720, 480, 855, 285), tr("Step delta eta of the march"),
                         tr("The step Δη of the Runge-Kutta march: a smaller step is more accurate "
                            "and takes longer."));
    addLabel(frame4, "Label12", QStringLiteral("ε ="), twips(240, 840, 255, 255), tr("epsilon"));
    auto* textEps = addBox(frame4, "Text_Eps", "0.01", twips(720, 840, 855, 285), tr("Tolerance epsilon"),
                           tr("The tolerance ε: a search has converged when the value it aims at, at "
                              "η max, is closer to 1 than this."));
    addLabel(frame4, "Label5", QStringLiteral("MaxIter ="), twips(240, 1200, 735, 255), tr("iteration limit"));
    auto* textMaxIter = addBox(frame4, "Text_MaxIter", "15", twips(960, 1200, 615, 285), tr("Iteration limit"),
                               tr("The most trials a search makes after its first before it stops with "
                                  "\"Iteration not converged\"."));

    // Plot limits and legend.
    QGroupBox* frame3 = addFrame(client, "Frame3", QString(), twips(6000, 0, 1695, 2175), tr("Plot limits and legend"));
    addLabel(frame3, "Label2", QStringLiteral("η"), twips(240, 240, 615, 255), tr("eta"));
    addLabel(frame3, "Label13", QStringLiteral("max = "), twips(360, 240, 615, 255), tr("max"));
    auto* textXMax = addBox(frame3, "Text_xMax", "10", twips(960, 240, 495, 285), tr("Eta max"),
                            tr("The end η max of the march, where the far-field value 1 is aimed at; also "
                               "the right edge of the plot."));
    addLabel(frame3, "Label3", QStringLiteral("f max ="), twips(240, 600, 615, 255), tr("f max"));
    auto* textYMax = addBox(frame3, "Text_yMax", "1.5", twips(960, 600, 495, 285), tr("Top edge of the plot"),
                            tr("The value at the top edge of the plot."));
    addLabel(frame3, "Label6", QStringLiteral("f min ="), twips(240, 960, 615, 255), tr("f min"));
    auto* textYMin = addBox(frame3, "Text_yMin", "-1", twips(960, 960, 495, 285), tr("Bottom edge of the plot"),
                            tr("The value at the bottom edge of the plot; the march also stops as soon as "
                               "f' falls below it."));
    addLegend(frame3, "Label7", "  f     ----------  g", twips(120, 1320, 1335, 255), QColor(255, 0, 0),
              tr("Legend: red, f and g"));
    addLegend(frame3, "Label8", "  f '    ---------  g'", twips(120, 1560, 1335, 255), QColor(0, 0, 255),
              tr("Legend: blue, f prime and g prime"));
    addLegend(frame3, "Label9", "  f ' '  ---------", twips(120, 1800, 1335, 255), QColor(0, 192, 0),
              tr("Legend: green, f double prime"));

    // The plot, with the status text inside it.
    m_picture = new PlotArea(client);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setGeometry(twips(120, 2280, 4140, 3045));
    m_picture->setAccessibleName(tr("Solution plot"));
    m_status = new QLabel(QStringLiteral("Iteration"), m_picture);
    m_status->setObjectName(QStringLiteral("Lbl_iter"));
    m_status->setGeometry(twips(2160, 2640, 1695, 255).translated(m_picture->interiorOrigin()));
    m_status->setAccessibleName(tr("Status"));
    paintOn(m_status, QColor(255, 0, 0), kLightYellow);
    m_status->raise();

    // The iteration log.
    m_log = new LogModel(this);
    m_list = new QListView(client);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setGeometry(twips(4320, 2280, 3375, 2985));
    m_list->setModel(m_log);
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setAccessibleName(tr("Iteration log"));

    connect(command1, &QPushButton::clicked, this, &Form_Main::Command1_Click);
    connect(command3, &QPushButton::clicked, this, &Form_Main::Command3_Click);

    // Keyboard order of the controls that take the focus.
    const QList<QWidget*> focusOrder = {textDF0, textF0, command1, command3, textPr, textF1, textDF1, textYMin,
                                        textYMax, textXMax, textMaxIter, textEps, textH, m_list, textBeta};
    for (qsizetype i = 1; i < focusOrder.size(); ++i) setTabOrder(focusOrder[i - 1], focusOrder[i]);
    textDF0->setFocus();

    // In the order of cuneola::InputBox.
    addCopyCommands();
    setWindowIcon(cuneola::ui::applicationIcon());

    const FormHost::Boxes boxes = {textBeta, textF0, textDF0, textPr, textF1, textDF1,
                                   textH, textEps, textMaxIter, textXMax, textYMax, textYMin};
    m_host = std::make_unique<FormHost>(boxes, m_status, m_log);
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

void Form_Main::Form_Load()
{
    m_form.Colors = cuneola::kCurveColours; // red, blue, green
    m_status->setText(QString());
}

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
            m_lastResult = {cuneola::SearchOutcome::Fault, 0, {}};
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
        m_explore = std::make_unique<Form_Explore>([this](InputBox box) { return textValue(box); });
        connect(this, &Form_Main::searchFinished, m_explore.get(), &Form_Explore::showSearch);
        if (m_lastRecord) m_explore->showSearch(*m_lastRecord);
    } else if (!m_explore->isVisible()) {
        m_explore->takeFromMain(); // opening again takes β and Pr again
    }
    m_explore->show();
    m_explore->raise();
    m_explore->activateWindow();
}
