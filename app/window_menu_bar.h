#pragma once

#include <QMenuBar>

namespace orvane {

// The calculator window's menu bar. Alt alone, or Esc closing a menu opened
// with Alt and a letter, puts it in keyboard mode: it then holds the focus,
// and so every key, until Esc or a click elsewhere. This bar shows that mode
// by a frame around the chosen title, which the toolkit's own style draws
// only while a menu is open, and keeps a title chosen while the mode lasts.
class WindowMenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit WindowMenuBar(QWidget* parent);

    // True while the bar has the keyboard: in keyboard mode, or with one of
    // its menus open. Keys then belong to the bar alone.
    bool ownsKeyboard() const;

    // Leaves keyboard mode the way Esc does, handing the focus back to the
    // control that had it; nothing when the bar is not in that mode.
    void leaveKeyboardMode();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool inKeyboardMode() const;
    bool menuOpen() const;
};

}  // namespace orvane
