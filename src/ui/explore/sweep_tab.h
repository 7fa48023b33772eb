// SPDX-License-Identifier: GPL-3.0-or-later
// The Sweep tab: chosen quantities over typed lists of β and Pr, one row per input, to copy or save as CSV.
#pragma once

#include "analysis/case_heading.h"
#include "analysis/sweep.h"

#include <QElapsedTimer>
#include <QWidget>

#include <optional>

class BackgroundJob;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QTableView;
class QVBoxLayout;
class SweepTableModel;

class SweepTab : public QWidget {
    Q_OBJECT
public:
    explicit SweepTab(QWidget* parent = nullptr);

    // The current inputs: the branch and wall of every row, and β or Pr where its list is empty.
    // A run for other inputs is stopped.
    void setCase(const cuneola::analysis::CaseInputs& inputs);
    bool isBusy() const;
    SweepTableModel* model() const { return m_model; }

public slots:
    // Reads the lists and starts the run, stopping one still running; a list or a request
    // that is refused is said in the note and leaves the table as it was.
    void compute();
    void copyTable();
    // Asks for a file and writes the table there as CSV; says so when that fails.
    void saveCsv();

private:
    QHBoxLayout* buildListRow();
    QListWidget* buildQuantityList();
    QVBoxLayout* buildTablePane();
    // The request for the typed lists and the current inputs, or why there is none.
    cuneola::analysis::Outcome<cuneola::analysis::SweepRequest> request() const;
    // The parts of the inputs that a row depends on.
    static bool sameRows(const cuneola::analysis::SweepRequest& a, const cuneola::analysis::SweepRequest& b);
    void show(const cuneola::analysis::Outcome<std::vector<cuneola::analysis::SweepRow>>& rows);

    QLineEdit* m_betas;
    QLineEdit* m_Prs;
    QListWidget* m_quantities;
    QTableView* m_table;
    SweepTableModel* m_model;
    QLabel* m_note;
    QProgressBar* m_progress;
    BackgroundJob* m_job;
    cuneola::analysis::CaseInputs m_case;
    std::optional<cuneola::analysis::SweepRequest> m_running;
    QElapsedTimer m_clock;
};
