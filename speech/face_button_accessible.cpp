#include "speech/face_button_accessible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>

namespace orvane {
namespace {

constexpr char kPressAtOnceProperty[] = "orvanePressAtOnce";

class PressAtOnceButton : public QAccessibleWidget {
public:
    explicit PressAtOnceButton(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (button()->isDown()) s.pressed = true;
        return s;
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

void PressAtOnceForAssistiveTechnology(QAbstractButton* button) {
    QAccessible::installFactory(PressAtOnceFactory);  // Qt keeps each factory once
    button->setProperty(kPressAtOnceProperty, true);
}

}  // namespace orvane
