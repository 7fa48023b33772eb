// SPDX-License-Identifier: GPL-3.0-or-later
// The Explore window's inputs: β and Pr, each a box with a slider, the branch, and the wall.
#pragma once

#include "analysis/momentum_solution.h"
#include "analysis/similarity_solution.h"
#include "solver/search_host.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSlider;

struct ExploreInput {
    double beta = 0.0;
    double Pr = 1.0;
    cuneola::analysis::Branch branch = cuneola::analysis::Branch::Attached;
    // Transpiration f_w and the heating of the wall; the defaults are the classic wall.
    cuneola::analysis::WallConditions wall;
};

// Every change, typed, dragged or chosen, is announced once by changed(); a slider and
// its box follow each other without a second announcement.
class ExploreInputs : public QWidget {
    Q_OBJECT
public:
    // β below the separation point is allowed, so that the window can say what happens there.
    static constexpr double kMinBeta = -0.3;
    static constexpr double kMaxBeta = cuneola::analysis::kMaxBeta;
    static constexpr int kBetaDecimals = 6;
    static constexpr int kPrDecimals = 4;

    explicit ExploreInputs(QWidget* parent = nullptr);

    ExploreInput current() const;

    // β and Pr as the main window's boxes hold them. A value out of range is left as it
    // was; the text returned says so (empty when both were taken). Announces one change.
    QString take(cuneola::NumberReading beta, cuneola::NumberReading Pr);
    // β and the branch of a point chosen on a curve. Announces one change.
    void choose(double beta, cuneola::analysis::Branch branch);

    static constexpr int kSuctionDecimals = 4;
    static constexpr int kExponentDecimals = 3;

signals:
    // `note` tells of a change the window made on its own, such as a branch that had to go.
    void changed(const ExploreInput& input, const QString& note);
    void takeRequested();
    // The branch chosen in its box, in words ("Solution branch: attached").
    void branchChosen(const QString& words);

private:
    void betaEdited(double beta);
    void prEdited(double Pr);
    void suctionEdited(double suction);
    // Lets the β box reach down to the separation point of the wall's suction.
    void reachTheFold();
    void thermalWallChosen();
    QWidget* wallRow();
    void speakSliders();
    void connectInputs();
    void followSlider(QSlider* slider, QDoubleSpinBox* box, double (*valueAt)(int));
    // Enables the reversed-flow item for this β and shows the branch last chosen where it
    // exists; returns a note while the chosen reversed-flow branch cannot be shown.
    QString updateBranchChoice(double beta);
    void announce(const QString& note = QString());
    void nameBranch();

    QDoubleSpinBox* m_beta;
    QSlider* m_betaSlider;
    QDoubleSpinBox* m_Pr;
    QSlider* m_PrSlider;
    QComboBox* m_branch;
    QDoubleSpinBox* m_suction;
    QSlider* m_suctionSlider;
    QComboBox* m_thermalWall;
    QDoubleSpinBox* m_wallExponent;
    QPushButton* m_take;
    bool m_fromSlider = false;
    // The branch the user chose, kept while β passes through values without it (typing
    // -0.15 goes through -0, where the reversed-flow branch does not exist).
    cuneola::analysis::Branch m_chosenBranch = cuneola::analysis::Branch::Attached;
};
