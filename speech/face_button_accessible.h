#pragma once

class QAbstractButton;
class QString;

namespace orvane {

// Lets assistive technology press a keypad button at once. Qt's own button
// interface presses through an animated click that lands 100 ms later and
// swallows a second press within that time, so switch and voice users, and
// scripts, would lose keys. The focus stays where it is.
// The evaluate key's description also ends with the current answer, so that
// asking a screen reader where one is, on that key, tells the answer without
// leaving it; the other keys say only their name and what they do.
void PressAtOnceForAssistiveTechnology(QAbstractButton* button, bool tellsAnswer);

// The answer, as spoken, that the evaluate key's description ends with from now on.
void TellKeysTheAnswer(const QString& spokenAnswer);

}  // namespace orvane
