#pragma once

class QAbstractButton;

namespace orvane {

// Lets assistive technology press a keypad button at once. Qt's own button
// interface presses through an animated click that lands 100 ms later and
// swallows a second press within that time, so switch and voice users, and
// scripts, would lose keys. The focus stays where it is.
void PressAtOnceForAssistiveTechnology(QAbstractButton* button);

}  // namespace orvane
