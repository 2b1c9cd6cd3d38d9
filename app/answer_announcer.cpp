#include "app/answer_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace orvane {
namespace {

constexpr char kNotificationProperty[] = "orvaneNotification";

QAccessibleInterface* NotificationFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && object &&
        object->property(kNotificationProperty).toBool()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

AnswerAnnouncer::AnswerAnnouncer(QWidget* parent) : notification_(new QWidget(parent)) {
    QAccessible::installFactory(NotificationFactory);  // Qt keeps each factory once
    notification_->setObjectName(QStringLiteral("answerNotification"));
    notification_->setProperty(kNotificationProperty, true);
    notification_->setFocusPolicy(Qt::NoFocus);
    notification_->setAttribute(Qt::WA_TransparentForMouseEvents);
    notification_->setGeometry(0, 0, 0, 0);
    notification_->hide();
}

void AnswerAnnouncer::Announce(const QString& text) {
    // Done whether or not a screen reader listens yet: it costs nothing to
    // see, the widget having no size, and one that starts later finds the
    // last outcome there.
    notification_->hide();
    notification_->setAccessibleName(text);
    notification_->show();
}

}  // namespace orvane
