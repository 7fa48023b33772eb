// SPDX-License-Identifier: GPL-3.0-or-later
// Form_About: the small window that names the tool, what it does, who made it and whom to write to.
#include "ui/classic/form_about.h"

#include "about_credits.h"
#include "ui/common/app_identity.h"
#include "ui/common/ui_fonts.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

struct AboutLabel {
    const char* name;
    qreal pointSize;
    bool heading;              // bold and underlined
    QColor colour;             // invalid: the default text colour
    Qt::Alignment alignment;   // horizontal
    cuneola::Twips place;      // in the window
    bool configurable = false; // text set by the build: may be longer than the design
};

// Space kept free at the window's sides when a line has to grow.
constexpr int kMargin = 8;
constexpr qreal kSmallestPointSize = 6.0;

// The credit and the contact line come from the build and may be longer than their
// one-line boxes, whose further lines would be cut off. Such a line grows to the
// right, moves left only as far as the window needs, and shrinks its font only if it
// still does not fit.
void fitOnOneLine(QLabel* label)
{
    const QRect designed = label->geometry();
    const int room = Form_About::kClientWidth - 2 * kMargin;
    QFont font = label->font();
    auto needed = [&] { return QFontMetrics(font).horizontalAdvance(label->text()) + 2; };
    if (needed() <= designed.width()) return;
    while (needed() > room && font.pointSizeF() > kSmallestPointSize) font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
    const int width = std::min(needed(), room);
    const int left = std::min(designed.left(), Form_About::kClientWidth - kMargin - width);
    label->setGeometry(left, designed.top(), width, designed.height());
}

// Top to bottom. The three centred labels read as one sentence.
const AboutLabel kLabels[] = {
    {"Label1", 12.0, true, QColor(255, 0, 0), Qt::AlignLeft, {1560, 240, 1215, 255}},
    {"Label2", 9.75, false, QColor(0, 128, 0), Qt::AlignHCenter, {480, 720, 3135, 735}},
    {"Label6", 9.75, false, QColor(0, 0, 255), Qt::AlignHCenter, {600, 1560, 2895, 495}},
    {"Label3", 9.75, false, QColor(0, 128, 0), Qt::AlignHCenter, {840, 2160, 2415, 495}},
    {"Label7", 8.25, false, QColor(), Qt::AlignLeft, {720, 3000, 2535, 255}, true},
    {"Label8", 8.25, false, QColor(), Qt::AlignLeft, {720, 3240, 2775, 255}},
    {"Label4", 8.25, false, QColor(), Qt::AlignLeft, {360, 3720, 3375, 255}},
    {"Label5", 8.25, false, QColor(0, 0, 255), Qt::AlignLeft, {1080, 3960, 1935, 255}, true},
};

QString textOf(const char* name)
{
    const QString n = QLatin1String(name);
    if (n == u"Label1") return QStringLiteral("Cuneola");
    if (n == u"Label2")
        return QStringLiteral("Application of the 4th order Runge-Kutta method with Gill modification ");
    if (n == u"Label6") return QStringLiteral("to Falkner-Skan and energy similarity equations");
    if (n == u"Label3") return QStringLiteral("for the boundary layer around a wedge");
    if (n == u"Label7") return Form_About::authorCredit();
    if (n == u"Label8") return QStringLiteral("last modified : ") + QString::fromUtf8(cuneola::credits::kLastModified);
    if (n == u"Label4") return QStringLiteral("for comments and questions e-mail to");
    return Form_About::contactAddress();
}

} // namespace

Form_About::Form_About() : QWidget(nullptr, Qt::Window)
{
    cuneola::ui::installFontFallbacks();
    setObjectName(QStringLiteral("Form_About"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(cuneola::ui::applicationIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kClientWidth, kClientHeight);
    setFocusPolicy(Qt::NoFocus);

    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, QColor::fromRgb(cuneola::ui::kLightYellow));
    setPalette(yellow);
    setAutoFillBackground(true);

    for (const AboutLabel& design : kLabels) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(design.name));
        label->setWordWrap(true);
    }
    loadDesign();
}

void Form_About::loadDesign()
{
    setFixedSize(kClientWidth, kClientHeight);
    for (const AboutLabel& design : kLabels) {
        auto* label = findChild<QLabel*>(QLatin1String(design.name), Qt::FindDirectChildrenOnly);
        QFont font = cuneola::ui::designFont("Verdana", design.pointSize);
        font.setBold(design.heading);
        font.setUnderline(design.heading);
        label->setFont(font);
        QPalette palette = this->palette();
        if (design.colour.isValid()) palette.setColor(QPalette::WindowText, design.colour);
        label->setPalette(palette);
        label->setText(textOf(design.name));
        label->setAccessibleName(label->text());
        label->setAlignment(design.alignment | Qt::AlignTop);
        label->setGeometry(cuneola::ui::pixelsOf(design.place));
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        if (design.configurable) fitOnOneLine(label);
        label->show();
    }
}

QString Form_About::authorCredit()
{
    return QStringLiteral("developed by ") + QString::fromUtf8(cuneola::credits::kAuthor);
}

QString Form_About::contactAddress() { return QString::fromUtf8(cuneola::credits::kContact); }
