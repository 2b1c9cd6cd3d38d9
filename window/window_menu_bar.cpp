#include "window/window_menu_bar.h"

#include <QActionEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace orvane {

WindowMenuBar::WindowMenuBar(QWidget* parent) : QMenuBar(parent) {
    connect(qApp, &QApplication::focusChanged, this, &WindowMenuBar::rememberFocus);
    // A command has run: the bar's work is done, whatever window it opened.
    connect(this, &QMenuBar::triggered, this, &WindowMenuBar::leaveKeyboardMode);
}

void WindowMenuBar::rememberFocus(QWidget* old, QWidget* now) {
    QWidget* candidate = now == this ? old : now;
    if (candidate && candidate != this && candidate->window() == window()) {
        focusBefore_ = candidate;
    }
}

// The window's focus, also while another window is active: the bar must not
// be the control that gets the keys when this window comes back.
bool WindowMenuBar::holdsWindowFocus() const { return window()->focusWidget() == this; }

void WindowMenuBar::returnFocus() {
    // Moving the focus away is what ends the toolkit's own keyboard mode.
    if (focusBefore_) {
        focusBefore_->setFocus(Qt::MenuBarFocusReason);
    } else {
        clearFocus();
    }
}

// The toolkit keeps its keyboard mode to itself; what shows it is the focus,
// which the bar takes only in that mode (its own focus policy is none).
bool WindowMenuBar::inKeyboardMode() const { return hasFocus(); }

bool WindowMenuBar::menuOpen() const {
    const QAction* active = activeAction();
    return active && active->menu() && active->menu()->isVisible();
}

bool WindowMenuBar::ownsKeyboard() const {
    return inKeyboardMode() || menuOpen() || QApplication::activePopupWidget() != nullptr;
}

void WindowMenuBar::leaveKeyboardMode() {
    if (!holdsWindowFocus() || menuOpen()) return;
    if (activeAction() != nullptr) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(this, &escape);
    }
    if (holdsWindowFocus()) returnFocus();
}

void WindowMenuBar::settle() {
    if (holdsWindowFocus() && activeAction() == nullptr && !menuOpen() &&
        QApplication::activePopupWidget() == nullptr) {
        returnFocus();
    }
}

void WindowMenuBar::keyPressEvent(QKeyEvent* event) {
    // Esc with no menu open ends the mode, but the toolkit gives the focus
    // back only to a control it saw before the first menu was opened.
    QMenuBar::keyPressEvent(event);
    settle();
}

void WindowMenuBar::changeEvent(QEvent* event) {
    QMenuBar::changeEvent(event);
    // Keyboard mode belongs to one stretch of work in the window: switching
    // to another window and back ends it, so the keys go to the calculator.
    if (event->type() == QEvent::ActivationChange && QApplication::activePopupWidget() == nullptr) {
        leaveKeyboardMode();
    }
}

void WindowMenuBar::actionEvent(QActionEvent* event) {
    QMenuBar::actionEvent(event);
    // A menu that closed for any reason other than Esc (which steps back to
    // its title) leaves no title chosen; once it has gone, see to the focus.
    if (event->type() != QEvent::ActionAdded) return;
    if (QMenu* menu = event->action()->menu()) {
        connect(menu, &QMenu::aboutToHide, this, &WindowMenuBar::settle, Qt::QueuedConnection);
    }
}

void WindowMenuBar::paintEvent(QPaintEvent* event) {
    QMenuBar::paintEvent(event);
    QAction* active = activeAction();
    if (!inKeyboardMode() || !active || menuOpen()) return;
    // A raised frame around the chosen title, in the colours of the
    // highlight, so it reads as chosen but not yet opened.
    const QRect title = actionGeometry(active).adjusted(0, 0, -1, -1);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(title);
    painter.setPen(palette().color(QPalette::Highlight).lighter(160));
    painter.drawRect(title.adjusted(1, 1, -1, -1));
}

void WindowMenuBar::mouseMoveEvent(QMouseEvent* event) {
    // The pointer resting on the bar's empty part would take away the chosen
    // title while the keyboard still works the bar, leaving Enter and the
    // arrows nothing to act on and nothing shown. Over a title, it still
    // chooses that title.
    if (inKeyboardMode() && !menuOpen() && actionAt(event->position().toPoint()) == nullptr) {
        return;
    }
    QMenuBar::mouseMoveEvent(event);
}

}  // namespace orvane
