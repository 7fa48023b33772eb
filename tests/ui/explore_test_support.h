// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the Explore window tests: opening it from the main window, its inputs, table and charts.
#pragma once

#include "ui/charts/chart_view.h"
#include "ui/common/save_file.h"
#include "ui/explore/form_explore.h"
#include "ui/explore/results_table_model.h"
#include "ui/explore/solution_tab.h"
#include "ui_test_support.h"

#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineSeries>
#include <QMenuBar>
#include <QTabWidget>
#include <QXYSeries>

namespace cuneola::testing {

// Long enough for a family on a busy machine (a porous-wall family in the unoptimised
// sanitizer build took 39 s with both cores loaded); a wait ends as soon as the work
// is done, so only a hang waits this long.
inline constexpr int kJobTimeoutMs = 120000;

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

// Answers the save dialogs: this path, this choice; collects the warnings.
struct Answers {
    QString path;
    int choice = 0;
    QStringList warnings;
    cuneola::ui::SaveDialogs saved = cuneola::ui::saveDialogs();

    Answers()
    {
        auto& d = cuneola::ui::saveDialogs();
        d.savePath = [this](QWidget*, const QString&, const QString&, const QString&) { return path; };
        d.choose = [this](QWidget*, const QString&, const QString&, const QStringList&) { return choice; };
        d.warn = [this](QWidget*, const QString& message) { warnings << message; };
    }
    ~Answers() { cuneola::ui::saveDialogs() = saved; }
};

// The bytes of a file, none when it cannot be read.
inline QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline ResultsTableModel* results(const Form_Explore& explore) { return explore.solutionTab()->results(); }

inline int rowOf(const Form_Explore& explore, const QString& quantity)
{
    const ResultsTableModel* model = results(explore);
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, ResultsTableModel::QuantityColumn).data().toString() == quantity) return row;
    QTest::qFail(qPrintable(QStringLiteral("no row %1").arg(quantity)), __FILE__, __LINE__);
    return -1; // an invalid index: its cells read as empty and every comparison fails
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
    QTest::qFail(qPrintable(QStringLiteral("no series %1 in %2").arg(QLatin1String(name), QLatin1String(view))),
                 __FILE__, __LINE__);
    // An empty stand-in, kept to the end of the run, so that the test fails on its next check instead of crashing.
    static Series* const missing = [] {
        auto* line = new QLineSeries;
        line->setObjectName(QStringLiteral("missing"));
        return qobject_cast<Series*>(line);
    }();
    return missing;
}

// The first and last points of a curve; on an empty curve a point of NaNs, which no comparison accepts, so that
// a wrong result fails the test instead of reading past the end of the list.
inline QPointF firstOf(const QList<QPointF>& points)
{
    return points.isEmpty() ? QPointF(qQNaN(), qQNaN()) : points.first();
}
inline QPointF lastOf(const QList<QPointF>& points)
{
    return points.isEmpty() ? QPointF(qQNaN(), qQNaN()) : points.last();
}

} // namespace cuneola::testing
