#pragma once

class QWidget;

namespace orvane {

// Keeps a fixed-size window in its normal state. Window managers and
// compositors can still maximize it or make it fullscreen (a key of their
// own, or on Wayland the maximize button that Qt draws on every title bar):
// the window then asks to be normal again at once. On Wayland the surface
// must take the size a maximized or fullscreen configure names, or the
// compositor ends the connection and the program with it, so there the fixed
// size is let go until the window is back in its normal state.
void KeepWindowStateNormal(QWidget& window);

}  // namespace orvane
