#pragma once

#include <QWidget>

namespace orvane {

// At a fractional scale Qt asks the window manager to size a window in steps
// of the scale rounded up (2 device pixels at 1.5), counted from a base size
// of 0; a window manager that honours the steps then rounds a fixed size such
// as 873 pixels down to 872, a second rounding after Qt's own. Counting the
// steps from the window's own fixed size keeps that size as Qt rounded it.
inline void CountSizeStepsFromFixedSize(QWidget& window) {
    window.setBaseSize(window.minimumSize());
}

}  // namespace orvane
