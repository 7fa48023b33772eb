// SPDX-License-Identifier: GPL-3.0-or-later
// The search's view of the main window: its text boxes, status label and log.
#pragma once

#include "solver/search_host.h"

#include <QString>
#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;
class LogModel;

// Reads and writes the boxes by the text rules of the tool (never by the locale), sets
// the status text and fills the log. Warnings are collected, not shown: the window
// shows them once the run is over and the busy cursor is gone.
class FormHost final : public cuneola::SearchHost {
public:
    // The boxes in the order of cuneola::InputBox.
    using Boxes = std::array<QLineEdit*, cuneola::kInputBoxes.size()>;

    FormHost(const Boxes& boxes, QLabel* status, LogModel* log);

    cuneola::NumberReading readNumber(cuneola::InputBox box) override;
    void writeNumber(cuneola::InputBox box, double value) override;
    void setStatus(std::string_view text) override;
    void clearLog() override;
    void appendLog(std::string_view line) override;
    void showWarning(std::string_view message) override;

    // The warnings of the run so far, handed over once.
    QStringList takeWarnings();

private:
    QLineEdit* box(cuneola::InputBox box) const;

    Boxes m_boxes;
    QLabel* m_status;
    LogModel* m_log;
    QStringList m_warnings;
};
