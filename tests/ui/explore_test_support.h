// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the Explore window tests: opening it from the main window, its inputs, table and charts.
#pragma once

#include "ui/charts/chart_view.h"
#include "ui/explore/form_explore.h"
#include "ui/explore/results_table_model.h"
#include "ui/explore/solution_tab.h"
#include "ui_test_support.h"

#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMenuBar>
#include <QTabWidget>
#include <QXYSeries>

namespace cuneola::testing {

// Long enough for a family on a busy machine; a wait ends as soon as the work is done.
inline constexpr int kJobTimeoutMs = 30000;

// Waits, processing events, until no background computation of the window runs.
#define WAIT_UNTIL_IDLE(explore) QTRY_VERIFY_WITH_TIMEOUT(!(explore).isBusy(), cuneola::testing::kJobTimeoutMs)

// A main window with Explore opened from its menu bar.
struct ExploreSession : TestWindow {
    Form_Explore* explore = nullptr;

    void open()
    {
        for (QAction* a : window.menuBar()->actions())
            if (a->objectName() == QLatin1String("Mn_Explore")) a->trigger();
        explore = window.exploreWindow();
        if (!explore || !QTest::qWaitForWindowExposed(explore)) qFatal("Explore did not open");
    }
    ~ExploreSession()
    {
        if (explore) explore->close();
    }

    QDoubleSpinBox* beta() const { return control<QDoubleSpinBox>(*explore, "Spin_Beta"); }
    QDoubleSpinBox* Pr() const { return control<QDoubleSpinBox>(*explore, "Spin_Pr"); }
    QComboBox* branch() const { return control<QComboBox>(*explore, "Combo_Branch"); }
    QString message() const { return explore->message(); }
    void showTab(const char* objectName) const
    {
        auto* tabs = control<QTabWidget>(*explore, "Tabs_Explore");
        tabs->setCurrentWidget(control(*explore, QLatin1String(objectName)));
    }
};

inline ResultsTableModel* results(const Form_Explore& explore) { return explore.solutionTab()->results(); }

inline int rowOf(const Form_Explore& explore, const QString& quantity)
{
    const ResultsTableModel* model = results(explore);
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, ResultsTableModel::QuantityColumn).data().toString() == quantity) return row;
    qFatal("no row %s", qPrintable(quantity));
}

inline QString cell(const Form_Explore& explore, const QString& quantity, int column)
{
    return results(explore)->index(rowOf(explore, quantity), column).data().toString();
}

// A series of a chart view by its objectName.
template <class Series = QXYSeries>
Series* seriesOf(const Form_Explore& explore, const char* view, const char* name)
{
    for (QAbstractSeries* s : control<QChartView>(explore, QLatin1String(view))->chart()->series())
        if (s->objectName() == QLatin1String(name)) return qobject_cast<Series*>(s);
    qFatal("no series %s in %s", name, view);
}

} // namespace cuneola::testing
