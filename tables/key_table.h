#pragma once

#include <cstdint>

#include "tables/key_action.h"

namespace orvane {

// Modifier mask bits of a key-down event.
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kCtrlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

// The action of a key (a Windows virtual-key code on a Japanese layout) held
// with the given modifier mask, or KeyAction::None when the key is ignored.
KeyAction LookUpKey(std::int16_t keyCode, std::int16_t mask);

}  // namespace orvane
