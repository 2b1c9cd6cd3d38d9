#include "speech/answer_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace orvane {
namespace {

// The accessible role a plain QWidget of ours stands for.
constexpr char kRoleProperty[] = "orvaneAccessibleRole";

// The status line only holds the brief notifications. Shown, so that they
// can appear, but said to be invisible: a screen reader's review of the
// window would otherwise read out "status bar" above the displays.
class StatusLine : public QAccessibleWidget {
public:
    explicit StatusLine(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StatusBar) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = s.offscreen = true;
        return s;
    }
};

QAccessibleInterface* RoleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || !object) return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (role.toInt() == QAccessible::StatusBar) return new StatusLine(widget);
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

QWidget* ZeroSizeWidget(QWidget* parent, const QString& name, QAccessible::Role role) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(name);
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setGeometry(0, 0, 0, 0);
    return widget;
}

}  // namespace

AnswerAnnouncer::AnswerAnnouncer(QWidget* parent, const QString& name, Style style) {
    QAccessible::installFactory(RoleFactory);  // Qt keeps each factory once
    std::size_t count = 1;
    if (style == Style::Brief) {
        // Shown for good, so that the notifications inside can appear.
        parent = ZeroSizeWidget(parent, name + QStringLiteral("Line"), QAccessible::StatusBar);
        count = 8;
    }
    for (std::size_t i = 0; i < count; ++i) {
        notifications_.push_back(ZeroSizeWidget(parent, name, QAccessible::Notification));
        notifications_.back()->hide();
    }
}

void AnswerAnnouncer::Announce(const QString& text) {
    notifications_[last_]->hide();
    last_ = (last_ + 1) % notifications_.size();
    QWidget* notification = notifications_[last_];
    notification->hide();
    notification->setAccessibleName(text);
    notification->show();
}

}  // namespace orvane
