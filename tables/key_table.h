#pragma once

#include <cstdint>

#include "entry/key_action.h"

namespace orvane {

class Calculator;

// Modifier mask bits of a key-down event.
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kCtrlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

// The action of a key (a Windows virtual-key code on a Japanese layout) held
// with the given modifier mask, or KeyAction::None when the key is ignored.
KeyAction LookUpKey(std::int16_t keyCode, std::int16_t mask);

// The window's key-down handler: runs the key's action on the calculator. It
// consumes nothing; the caller passes the key on to the focused button.
void Form_KeyDown(Calculator& calculator, std::int16_t keyCode, std::int16_t mask);

}  // namespace orvane
