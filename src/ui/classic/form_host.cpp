// SPDX-License-Identifier: GPL-3.0-or-later
// The search's view of the main window: its text boxes, status label and log.
#include "ui/classic/form_host.h"

#include "numbertext/number_text.h"
#include "ui/classic/log_model.h"
#include "ui/common/accessibility.h"
#include "ui/common/text_view.h"

#include <QLabel>
#include <QLineEdit>

using cuneola::InputBox;
using cuneola::ui::fromView;

FormHost::FormHost(const Boxes& boxes, QLabel* status, LogModel* log) : m_boxes(boxes), m_status(status), m_log(log) {}

QLineEdit* FormHost::box(InputBox box) const { return m_boxes.at(static_cast<std::size_t>(box)); }

cuneola::NumberReading FormHost::readNumber(InputBox which)
{
    const QByteArray text = box(which)->text().toUtf8();
    const cuneola::ValResult r =
        cuneola::readVal(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    return {r.value, r.status == cuneola::ValStatus::Ok};
}

void FormHost::writeNumber(InputBox which, double value)
{
    QLineEdit* edit = box(which);
    edit->setText(QString::fromStdString(cuneola::numberToText(value)));
    // A 15-digit result is wider than its box: show its leading digits.
    edit->setCursorPosition(0);
}

void FormHost::setStatus(std::string_view text) { cuneola::ui::announceLabelText(m_status, fromView(text)); }

void FormHost::clearLog() { m_log->clear(); }

void FormHost::appendLog(std::string_view line) { m_log->append(line); }

void FormHost::showWarning(std::string_view message) { m_warnings << fromView(message); }

QStringList FormHost::takeWarnings() { return std::exchange(m_warnings, {}); }
