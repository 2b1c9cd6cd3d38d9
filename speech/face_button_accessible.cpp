#include "speech/face_button_accessible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>

namespace orvane {
namespace {

constexpr char kPressAtOnceProperty[] = "orvanePressAtOnce";
constexpr char kTellsAnswerProperty[] = "orvaneTellsAnswer";
// The answer a key's description ends with, as last told for that key.
constexpr char kAnswerProperty[] = "orvaneAnswerTold";

QString& CurrentAnswer() {
    static QString answer;
    return answer;
}

// Screen readers keep a description once read, until told it changed: the
// focused key is told at once, any other key when it gets the focus, before
// the screen reader hears of that focus.
void Retell(QWidget* key) {
    if (!key->property(kTellsAnswerProperty).toBool()) return;
    if (key->property(kAnswerProperty).toString() == CurrentAnswer()) return;
    key->setProperty(kAnswerProperty, CurrentAnswer());
    if (!QAccessible::isActive()) return;
    QAccessibleEvent changed(key, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

class RetellOnFocus : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) Retell(static_cast<QWidget*>(watched));
        return false;
    }
};

class PressAtOnceButton : public QAccessibleWidget {
public:
    explicit PressAtOnceButton(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (button()->isDown()) s.pressed = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        const QString answer = widget()->property(kAnswerProperty).toString();
        if (t != QAccessible::Description || answer.isEmpty()) return text;
        return text + u' ' + answer;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        if (widget()->isEnabled()) button()->click();
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(object()); }
};

QAccessibleInterface* PressAtOnceFactory(const QString&, QObject* object) {
    if (object && object->property(kPressAtOnceProperty).toBool()) {
        return new PressAtOnceButton(static_cast<QAbstractButton*>(object));
    }
    return nullptr;
}

}  // namespace

void PressAtOnceForAssistiveTechnology(QAbstractButton* button, bool tellsAnswer) {
    QAccessible::installFactory(PressAtOnceFactory);  // Qt keeps each factory once
    button->setProperty(kPressAtOnceProperty, true);
    button->setProperty(kTellsAnswerProperty, tellsAnswer);
    static RetellOnFocus retell;
    button->installEventFilter(&retell);
}

void TellKeysTheAnswer(const QString& spokenAnswer) {
    CurrentAnswer() = spokenAnswer;
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused->property(kPressAtOnceProperty).toBool()) Retell(focused);
}

}  // namespace orvane
