// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads and hears in both windows: labels that carry results, notifications, sliders.
#include "ui/common/accessibility.h"

#include "ui/common/accessible_boxes.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTextDocument>

namespace cuneola::ui {

namespace {

AccessibilityWatcher g_watcher = nullptr;

void raise(QAccessibleEvent& event)
{
    QAccessible::updateAccessibility(&event);
    if (g_watcher) g_watcher(&event);
}

// The dynamic properties that mark a label for the factory.
constexpr char kCaption[] = "cuneolaCaption";
constexpr char kSpoken[] = "cuneolaSpoken";
constexpr char kNotification[] = "cuneolaNotification";

// The label's text as it is read: the spoken form, or the text without markup and mnemonics,
// its lines run together.
QString spokenTextOf(const QLabel* label)
{
    const QString spoken = label->property(kSpoken).toString();
    if (!spoken.isEmpty()) return spoken;
    QString text = label->text();
    if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

class SpokenLabel final : public QAccessibleWidget {
public:
    SpokenLabel(QLabel* label, bool notification) : QAccessibleWidget(label), m_notification(notification) {}

    QAccessible::Role role() const override
    {
        const bool saying = m_notification && !spokenTextOf(static_cast<const QLabel*>(widget())).isEmpty();
        return saying ? QAccessible::Notification : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<const QLabel*>(widget());
        const QString caption = label->property(kCaption).toString();
        if (t == QAccessible::Name) {
            const QString text = spokenTextOf(label);
            return text.isEmpty() ? caption : text;
        }
        if (t == QAccessible::Description) return caption;
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = static_cast<const QLabel*>(widget())->textInteractionFlags() != Qt::NoTextInteraction;
        return state;
    }

private:
    bool m_notification;
};

class SpokenAnnouncer final : public QAccessibleWidget {
public:
    explicit SpokenAnnouncer(Announcer* announcer) : QAccessibleWidget(announcer) {}

    QAccessible::Role role() const override
    {
        return static_cast<const Announcer*>(widget())->text().isEmpty() ? QAccessible::StaticText
                                                                         : QAccessible::Notification;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString text = static_cast<const Announcer*>(widget())->text();
            if (!text.isEmpty()) return text;
        }
        return QAccessibleWidget::text(t);
    }
};

// Holds what a slider's positions stand for; lives as the slider's child.
class SliderSpeech final : public QObject {
public:
    SliderSpeech(QSlider* slider, SliderQuantity quantity) : QObject(slider), quantity(std::move(quantity)) {}
    SliderQuantity quantity;
};

class SpokenSlider final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    SpokenSlider(QSlider* slider, const SliderSpeech* speech)
        : QAccessibleWidget(slider, QAccessible::Slider), m_speech(speech)
    {
        addControllingSignal(QStringLiteral("valueChanged(int)"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) return quantity().textOf(quantity().valueAt(slider()->value()));
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QVariant currentValue() const override { return quantity().valueAt(slider()->value()); }
    void setCurrentValue(const QVariant& value) override
    {
        slider()->setValue(quantity().positionOf(value.toDouble()));
    }
    QVariant maximumValue() const override { return quantity().valueAt(slider()->maximum()); }
    QVariant minimumValue() const override { return quantity().valueAt(slider()->minimum()); }
    QVariant minimumStepSize() const override { return quantity().step; }

private:
    QSlider* slider() const { return static_cast<QSlider*>(widget()); }
    const SliderQuantity& quantity() const { return m_speech->quantity; }

    const SliderSpeech* m_speech;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLineEdit")) return new AccessibleLineEdit(static_cast<QLineEdit*>(object));
    if (className == QLatin1String("QDoubleSpinBox") || className == QLatin1String("QSpinBox") ||
        className == QLatin1String("QAbstractSpinBox"))
        return new AccessibleSpinBox(static_cast<QAbstractSpinBox*>(object));
    if (className == QLatin1String("QLabel") && object->property(kCaption).isValid())
        return new SpokenLabel(static_cast<QLabel*>(object), object->property(kNotification).toBool());
    if (className == QLatin1String("QSlider"))
        if (const auto* speech = object->findChild<SliderSpeech*>(QString(), Qt::FindDirectChildrenOnly))
            return new SpokenSlider(static_cast<QSlider*>(object), speech);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new SpokenAnnouncer(static_cast<Announcer*>(object));
    return nullptr;
}

// A widget's first events make Qt choose its interface before the widget is marked: drop that
// one, so that the next request gets the marked widget's.
void renewInterface(QObject* object)
{
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void tellNameChanged(QObject* object)
{
    QAccessibleEvent event(object, QAccessible::NameChanged);
    raise(event);
}

// Qt tells a screen reader of a notification shown; the watcher hears it here.
class ShowWatcher final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && g_watcher) {
            QAccessibleEvent shown(watched, QAccessible::ObjectShow);
            g_watcher(&shown);
        }
        return false;
    }
};

// A notification that is showing says its text again. One still hidden is heard as it is shown.
void sayFrom(QWidget* notification, const QString& text)
{
    if (text.isEmpty() || !notification->isVisible()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(notification, text);
#else
    QAccessibleEvent event(notification, QAccessible::ObjectShow);
#endif
    raise(event);
}

void markLabel(QLabel* label, const QString& caption, bool notification)
{
    installAccessibility();
    label->setProperty(kCaption, caption);
    label->setProperty(kNotification, notification);
    // The caption stays the widget's name: the factory's interface reads the text instead.
    label->setAccessibleName(caption);
    if (notification) label->installEventFilter(new ShowWatcher(label));
    renewInterface(label);
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void watchAccessibility(AccessibilityWatcher watcher) { g_watcher = watcher; }

void speakLabelText(QLabel* label, const QString& caption) { markLabel(label, caption, false); }

void makeNotification(QLabel* label, const QString& caption) { markLabel(label, caption, true); }

void setLabelText(QLabel* label, const QString& text, const QString& spoken)
{
    const bool changed = text != label->text() || spoken != label->property(kSpoken).toString();
    if (text != label->text()) label->setText(text);
    label->setProperty(kSpoken, spoken.isEmpty() ? QVariant() : QVariant(spoken));
    if (changed) tellNameChanged(label);
}

void announceLabelText(QLabel* label, const QString& text)
{
    const bool changed = text != label->text();
    setLabelText(label, text);
    if (changed) sayFrom(label, spokenTextOf(label));
}

Announcer::Announcer(const QString& caption, QWidget* parent) : QWidget(parent)
{
    installAccessibility();
    setObjectName(QStringLiteral("Announcer"));
    setAccessibleName(caption);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    // Shown only to speak, so that it does not speak again when its window opens.
    setVisible(false);
    installEventFilter(new ShowWatcher(this));
    window()->installEventFilter(this);
    renewInterface(this);
}

void Announcer::say(const QString& text)
{
    // Hidden and shown again: a notification is heard as it shows.
    setVisible(false);
    m_text = text;
    tellNameChanged(this);
    setVisible(!text.isEmpty() && window()->isVisible());
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::Hide) setVisible(false);
    return QWidget::eventFilter(watched, event);
}

void speakSliderAs(QSlider* slider, SliderQuantity quantity)
{
    installAccessibility();
    new SliderSpeech(slider, std::move(quantity));
    renewInterface(slider);
}

} // namespace cuneola::ui
