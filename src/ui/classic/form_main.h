// SPDX-License-Identifier: GPL-3.0-or-later
// Form_Main: Cuneola's working window, with the inputs, the two Calculate buttons, the plot and the log.
#pragma once

#include "solver/form_values.h"
#include "solver/rk4g.h"
#include "solver/search_record.h"
#include "solver/shooting_search.h"
#include "ui/classic/design_units.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListView;
class FormHost;
class Form_About;
class Form_Explore;
class LogModel;
class PlotArea;

class Form_Main : public QMainWindow {
    Q_OBJECT
public:
    // The client area below the menu bar, in logical pixels.
    static constexpr int kClientWidth = cuneola::ui::pixelsOf(7785);
    static constexpr int kClientHeight = cuneola::ui::pixelsOf(5430);

    explicit Form_Main(QWidget* parent = nullptr);
    ~Form_Main() override;

    // One march with the window's form values, drawing on Picture1; see cuneola::RK4G.
    cuneola::MarchOutcome RK4G(double F0_0w, double F0_1w, double F0_2w, double& F0_1s_Itr, double F1_0w, double F1_1w,
                               double& F1_0s_Itr);

    const cuneola::FormValues& formValues() const { return m_form; }
    PlotArea* plotArea() const { return m_picture; }
    LogModel* logModel() const { return m_log; }
    // Nothing until About was first chosen.
    Form_About* aboutWindow() const { return m_about.get(); }
    // The outcome of the last Calculate.
    cuneola::SearchResult lastResult() const { return m_lastResult; }
    // Nothing until Explore was first chosen.
    Form_Explore* exploreWindow() const { return m_explore.get(); }
    // The record of the last search that ran (a refused click leaves it as it was).
    const std::optional<cuneola::SearchRecord>& lastSearchRecord() const { return m_lastRecord; }
    // A box's text read by the Val rule, as a Calculate would read it.
    cuneola::NumberReading textValue(cuneola::InputBox box) const;

    // Where a refused input or a fault of a run is told. By default a warning message
    // box; tests capture the text instead. An empty handler restores the message box.
    using WarningHandler = std::function<void(const QString& message)>;
    void setWarningHandler(WarningHandler handler) { m_warn = std::move(handler); }

public slots:
    // Blanks the status text; runs once before the first showing. The curve colours are
    // already set: they are the default of cuneola::FormValues.
    void Form_Load();
    // Finds f''(0) of the Falkner-Skan equation.
    void Command1_Click();
    // Finds g'(0) of the energy equation with the f''(0) in its box.
    void Command3_Click();
    // Opens the About window, or brings it to the front.
    void Mn_About_Click();
    // Opens the Explore window with β and Pr from the boxes, or brings it to the front.
    void Mn_Explore_Click();

signals:
    // After every Calculate that ran, with the record of its search.
    void searchFinished(const cuneola::SearchRecord& record);

private slots:
    // Puts the selected log lines, or the whole log, on the clipboard as plain text.
    void copyLog();
    // Puts the plot on the clipboard as an image.
    void copyPlot();

private:
    void buildControls();
    void addPlotAndLog(QWidget* client);
    void addCopyCommands();
    void calculate(cuneola::MarchMode mode);
    void warn(const QString& message);

    cuneola::FormValues m_form;
    PlotArea* m_picture = nullptr;
    QLabel* m_status = nullptr;
    QListView* m_list = nullptr;
    LogModel* m_log = nullptr;
    std::unique_ptr<FormHost> m_host;
    std::unique_ptr<Form_About> m_about;
    WarningHandler m_warn;
    cuneola::SearchResult m_lastResult;
    std::optional<cuneola::SearchRecord> m_lastRecord;
    // Reads the boxes through m_host, so it goes first.
    std::unique_ptr<Form_Explore> m_explore;
};
