#include "app/answer_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace orvane {
namespace {

// The accessible role a plain QWidget of ours stands for.
constexpr char kRoleProperty[] = "orvaneAccessibleRole";

QAccessibleInterface* RoleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || !object) return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object),
                                 static_cast<QAccessible::Role>(role.toInt()));
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
    if (style == Style::Brief) {
        // Shown for good, so that the notification inside can appear.
        parent = ZeroSizeWidget(parent, name + QStringLiteral("Line"), QAccessible::StatusBar);
    }
    notification_ = ZeroSizeWidget(parent, name, QAccessible::Notification);
    notification_->hide();
}

void AnswerAnnouncer::Announce(const QString& text) {
    notification_->hide();
    notification_->setAccessibleName(text);
    notification_->show();
}

}  // namespace orvane
