// SPDX-License-Identifier: GPL-3.0-or-later
// Form_Explore: exact solutions for any β and Pr, the last search's shooting map, separation, heat transfer and sweeps.
#pragma once

#include "solver/search_host.h"
#include "solver/search_record.h"
#include "ui/explore/explore_inputs.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

namespace cuneola::ui {
class Announcer;
}
class ApproximationsTab;
class HeatTransferTab;
class QLabel;
class QTabWidget;
class SeparationTab;
class ShootingTab;
class SolutionTab;
class SweepTab;
class WedgeTab;

// A top-level window without an owner, like About: closing it only hides it. Every
// change of its inputs re-solves at once on the window's thread (a solve takes well
// under a millisecond); the families and the shooting map run in the background.
class Form_Explore : public QWidget {
    Q_OBJECT
public:
    // Reads a box of the main window by the Val rule.
    using MainBoxReader = std::function<cuneola::NumberReading(cuneola::InputBox)>;

    explicit Form_Explore(MainBoxReader readMainBox);
    ~Form_Explore() override;

    ExploreInputs* inputs() const { return m_inputs; }
    SolutionTab* solutionTab() const { return m_solution; }
    ShootingTab* shootingTab() const { return m_shooting; }
    SeparationTab* separationTab() const { return m_separation; }
    HeatTransferTab* heatTransferTab() const { return m_heat; }
    // Says what changed where nothing visible does: the tab chosen, the branch.
    cuneola::ui::Announcer* announcer() const { return m_announcer; }
    ApproximationsTab* approximationsTab() const { return m_approximations; }
    WedgeTab* wedgeTab() const { return m_wedge; }
    SweepTab* sweepTab() const { return m_sweep; }
    // The message line: failures and notes in plain words, empty when all is well.
    QString message() const;
    // Whether a family or the shooting map is still being computed.
    bool isBusy() const;

    // Sizes and moves the window to lie beside `other` on its screen (or on the `available`
    // part of a screen) where there is room.
    void placeBeside(const QWidget& other);
    void placeBeside(const QWidget& other, const QRect& available);

public slots:
    // Sets β and Pr from the main window's boxes.
    void takeFromMain();
    // Shows this search on the Shooting tab (computed once the window is visible).
    void showSearch(const cuneola::SearchRecord& record);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The red line of failures and notes, which keeps its room while empty.
    QLabel* buildMessageLine();
    // The tabs, in the order of their Alt keys.
    QTabWidget* buildTabs();
    // The inputs to the solve, the tabs to the inputs, the families to their delay, and what the announcer says.
    void connectParts();
    void solve(const ExploreInput& input, const QString& note);

    MainBoxReader m_readMainBox;
    ExploreInputs* m_inputs;
    QLabel* m_message;
    QTabWidget* m_tabs;
    SolutionTab* m_solution;
    ShootingTab* m_shooting;
    SeparationTab* m_separation;
    HeatTransferTab* m_heat;
    cuneola::ui::Announcer* m_announcer;
    ApproximationsTab* m_approximations;
    // The β, branch and wall of the Pr family shown, being computed or about to be.
    struct FamilyKey {
        double beta;
        cuneola::analysis::Branch branch;
        cuneola::analysis::WallConditions wall;
        bool operator==(const FamilyKey& o) const
        {
            return beta == o.beta && branch == o.branch && wall.suction == o.wall.suction &&
                   wall.thermal.kind == o.wall.thermal.kind && wall.thermal.exponent == o.wall.thermal.exponent;
        }
    };
    std::optional<FamilyKey> m_familyKey;
    WedgeTab* m_wedge;
    SweepTab* m_sweep;
    // Starts the Pr family once β has stood still for a moment, so that a dragged
    // slider does not start and cancel one family per step.
    QTimer m_familyDelay;
};
