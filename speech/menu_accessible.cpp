#include "speech/menu_accessible.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QWindow>

#include "tables/spoken_names.h"

namespace orvane {
namespace {

constexpr char kNameProperty[] = "orvaneAccessibleName";
constexpr char kDescriptionProperty[] = "orvaneAccessibleDescription";

// A menu item as Qt presents it (role, states, geometry, press and the
// submenu as its child), with the name and description it was given.
class MenuItemInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemInterface(QAction* action, QWidget* owner) : action_(action), owner_(owner) {}

    bool isValid() const override { return action_ && owner_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner_);
    }
    int childCount() const override { return action_->menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && action_->menu()
                   ? QAccessible::queryAccessibleInterface(action_->menu())
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && action_->menu() && child->object() == action_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* submenu = child(0);
        return submenu && submenu->rect().contains(x, y) ? submenu : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return action_->property(kNameProperty).toString();
            case QAccessible::Description:
                return action_->property(kDescriptionProperty).toString();
            case QAccessible::Accelerator:
                return QKeySequence::mnemonic(action_->text()).toString(QKeySequence::NativeText);
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        QRect area;
        if (auto* bar = qobject_cast<QMenuBar*>(owner_)) area = bar->actionGeometry(action_);
        if (auto* menu = qobject_cast<QMenu*>(owner_)) area = menu->actionGeometry(action_);
        return area.translated(owner_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override {
        return action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!owner_->isVisible() || !action_->isVisible()) s.invisible = true;
        QAction* active = nullptr;
        if (auto* bar = qobject_cast<QMenuBar*>(owner_)) active = bar->activeAction();
        if (auto* menu = qobject_cast<QMenu*>(owner_)) active = menu->activeAction();
        s.focusable = true;
        s.focused = active == action_;
        if (owner_->style()->styleHint(QStyle::SH_Menu_MouseTracking)) s.hotTracked = true;
        if (action_->isSeparator() || !action_->isEnabled()) s.disabled = true;
        if (action_->menu()) s.hasPopup = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // QAccessibleActionInterface: a command is pressed, a menu is opened.
    QStringList actionNames() const override {
        if (action_->isSeparator()) return {};
        return {action_->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!action_->isEnabled()) return;
        if (name == pressAction()) {
            action_->trigger();
        } else if (name == showMenuAction()) {
            if (action_->menu()->isVisible()) {
                action_->menu()->hide();
            } else if (auto* bar = qobject_cast<QMenuBar*>(owner_)) {
                bar->setActiveAction(action_);
            } else if (auto* menu = qobject_cast<QMenu*>(owner_)) {
                menu->setActiveAction(action_);
            }
        }
    }
    // The access key, as "<mnemonic>;<full path>;<accelerator>": screen
    // readers announce the mnemonic, which they find only here.
    QStringList keyBindingsForAction(const QString&) const override {
        const QString key =
            QKeySequence::mnemonic(action_->text()).toString(QKeySequence::NativeText);
        if (key.isEmpty()) return {};
        return {key, key, QString()};
    }

private:
    QPointer<QAction> action_;
    QPointer<QWidget> owner_;
};

QAccessibleInterface* MenuItemFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QAction") || !object ||
        !object->property(kNameProperty).isValid()) {
        return nullptr;
    }
    auto* action = static_cast<QAction*>(object);
    for (QObject* container : action->associatedObjects()) {
        if (qobject_cast<QMenu*>(container) || qobject_cast<QMenuBar*>(container)) {
            return new MenuItemInterface(action, static_cast<QWidget*>(container));
        }
    }
    return nullptr;
}

}  // namespace

void DescribeMenus(QMenuBar* bar) {
    QAccessible::installFactory(MenuItemFactory);  // Qt keeps each factory once
    for (const SpokenName& row : kMenuNames) {
        const QString name = QCoreApplication::translate("Orvane", row.name);
        const QString description = QCoreApplication::translate("Orvane", row.description);
        const QString objectName = QString::fromLatin1(row.objectName);
        // A menu is both a popup widget and an item of the bar or its menu.
        if (auto* menu = bar->findChild<QMenu*>(objectName)) {
            menu->setAccessibleName(name);
            menu->setAccessibleDescription(description);
        }
        for (auto* item : bar->findChildren<QAction*>(objectName)) {
            item->setProperty(kNameProperty, name);
            item->setProperty(kDescriptionProperty, description);
        }
    }
}

}  // namespace orvane
