#include "speech/answer_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace orvane {
namespace {

// The accessible role a plain QWidget of ours stands for, and the text a
// notification says.
constexpr char kRoleProperty[] = "orvaneAccessibleRole";
constexpr char kTextProperty[] = "orvaneAnnouncedText";

// Shown, so that they can appear, but said to be invisible: a screen
// reader's review of the window would otherwise read out "status bar" and
// old notifications above the displays.
class Unseen : public QAccessibleWidget {
public:
    Unseen(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = s.offscreen = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && role() == QAccessible::Notification) {
            return widget()->property(kTextProperty).toString();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* RoleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || !object) return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new Unseen(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
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
        parent = ZeroSizeWidget(parent, name + QStringLiteral("Line"), QAccessible::StatusBar);
    }
    notification_ = ZeroSizeWidget(parent, name, QAccessible::Notification);
}

void AnswerAnnouncer::Announce(const QString& text) {
    notification_->setProperty(kTextProperty, text);
    // A fresh interface is a new object on the bus, whose name nobody has
    // read yet.
    if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(notification_)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    }
    QAccessibleEvent appeared(notification_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appeared);
}

}  // namespace orvane
