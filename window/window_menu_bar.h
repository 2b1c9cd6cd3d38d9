#pragma once

#include <QMenuBar>
#include <QPointer>

namespace orvane {

// The calculator window's menu bar. Alt alone, or Esc closing a menu opened
// with Alt and a letter, puts it in keyboard mode: it then holds the focus,
// and so every key, until Esc or a click elsewhere. This bar shows that mode
// by a frame around the chosen title, which the toolkit's own style draws
// only while a menu is open, and keeps a title chosen while the mode lasts.
//
// The toolkit can leave the focus on the bar after its mode has ended (a
// command chosen from a menu opened from the keyboard, the window losing
// activation), where it takes every key and acts on none. The bar therefore
// ends the mode itself whenever it is over and gives the focus back to the
// control that had it before.
class WindowMenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit WindowMenuBar(QWidget* parent);

    // True while the bar has the keyboard: in keyboard mode, or with one of
    // its menus open. Keys then belong to the bar alone.
    bool ownsKeyboard() const;

    // Leaves keyboard mode the way Esc does, handing the focus back to the
    // control that had it; nothing while one of its menus is open.
    void leaveKeyboardMode();

    // Hands the focus back when the bar holds it with neither a menu open
    // nor a title chosen: the toolkit's mode is over, and keys would go
    // nowhere. Called before every key the window sees.
    void settle();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    bool inKeyboardMode() const;
    bool holdsWindowFocus() const;
    bool menuOpen() const;
    void rememberFocus(QWidget* old, QWidget* now);
    void returnFocus();

    // The control in this window that had the focus before the bar took it.
    QPointer<QWidget> focusBefore_;
};

}  // namespace orvane
