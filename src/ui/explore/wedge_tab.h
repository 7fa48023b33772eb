// SPDX-License-Identifier: GPL-3.0-or-later
// The Wedge tab: the exact solution on a real wedge, a fluid, a velocity and a station, in SI units.
#pragma once

#include "analysis/case_heading.h"
#include "analysis/similarity_solution.h"
#include "analysis/wedge_station.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QTableView;
class StationTableModel;
class WedgePicture;

class WedgeTab : public QWidget {
    Q_OBJECT
public:
    explicit WedgeTab(QWidget* parent = nullptr);

    void showSolution(const cuneola::analysis::SimilaritySolution& solution);
    void showNoSolution(const QString& reason);
    // The inputs the tables are for, named in the first line of every copy.
    void setCase(const cuneola::analysis::CaseInputs& inputs) { m_case = inputs; }

    // The station as the boxes hold it.
    cuneola::analysis::Station station() const;
    StationTableModel* table() const { return m_table; }
    WedgePicture* picture() const { return m_picture; }
    // Input errors and warnings, in plain words; empty when all is well.
    QString message() const;

signals:
    // A preset fluid was chosen: Explore's Pr should become its Pr.
    void prChosen(double Pr);

public slots:
    void copyStation();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFormLayout* buildInputs();
    void fluidChosen(int index);
    void refresh();
    void drawPicture();

    QComboBox* m_fluid;
    QDoubleSpinBox* m_nu;
    QDoubleSpinBox* m_k;
    QDoubleSpinBox* m_rho;
    QDoubleSpinBox* m_U;
    QDoubleSpinBox* m_x;
    QDoubleSpinBox* m_deltaT;
    QLabel* m_message;
    QTableView* m_tableView;
    StationTableModel* m_table;
    QLabel* m_notes;
    WedgePicture* m_picture;

    std::optional<cuneola::analysis::SimilaritySolution> m_solution;
    QString m_noSolution;
    bool m_pictureStale = false;
    cuneola::analysis::CaseInputs m_case;
};
