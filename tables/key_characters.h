#pragma once

#include <cstdint>
#include <optional>

namespace orvane {

// A key as the key table knows it: a Windows virtual-key code of the
// Japanese layout and the modifier mask (1 Shift, 2 Ctrl, 4 Alt).
struct VirtualKey {
    std::int16_t keyCode;
    std::int16_t mask;

    friend bool operator==(const VirtualKey&, const VirtualKey&) = default;
};

// The row of the key table for a character the user's layout produced.
// Keys of the main block are matched by that character, not by where they
// sit, so "(" is the same key whether the layout puts it on Shift+8
// (Japanese) or Shift+9 (US), and carry the Shift the Japanese layout needs
// for it. Keypad keys keep their own codes and no mask: the caller adds the
// Shift actually held, which the shifted table then turns away. Characters
// the table has no row for give nothing.
std::optional<VirtualKey> MainBlockKey(char16_t c);
std::optional<VirtualKey> KeypadKey(char16_t c);

}  // namespace orvane
