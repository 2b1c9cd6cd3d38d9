#include "app/window_menu_bar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace orvane {

WindowMenuBar::WindowMenuBar(QWidget* parent) : QMenuBar(parent) {}

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
    if (!inKeyboardMode() || menuOpen()) return;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(this, &escape);
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
