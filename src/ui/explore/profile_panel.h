// SPDX-License-Identifier: GPL-3.0-or-later
// The profile table beside the results: a step and an end the user chooses, copy and save as CSV.
#pragma once

#include "analysis/similarity_solution.h"

#include <QWidget>

#include <optional>

class ProfileTableModel;
class QDoubleSpinBox;
class QLabel;
class QTableView;

class ProfilePanel : public QWidget {
    Q_OBJECT
public:
    explicit ProfilePanel(QWidget* parent = nullptr);

    void setSolution(const cuneola::analysis::SimilaritySolution& solution);
    void setNoSolution();
    // Fills the table now if it is out of date (it is filled when it comes into view).
    void fill();

    ProfileTableModel* model() const { return m_model; }

public slots:
    void copyProfiles();
    // Asks for a file and writes the table there as CSV; says so when that fails.
    void saveCsv();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QDoubleSpinBox* m_step;
    QDoubleSpinBox* m_end;
    QTableView* m_table;
    ProfileTableModel* m_model;
    std::optional<cuneola::analysis::SimilaritySolution> m_solution;
    bool m_stale = false;
};
