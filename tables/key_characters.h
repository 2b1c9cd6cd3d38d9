#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "tables/key_action.h"

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

// The row of a key the table knows by name, as KeyboardEvent.key names it
// ("Backspace", "Escape"), with no mask: the caller adds what is held.
std::optional<VirtualKey> NamedKey(std::u16string_view name);
// Those names, in the table's order.
std::vector<std::u16string_view> KeyTableNames();

// The key that runs `action` through the key table, as written for the user
// ("7", "+", "Esc"); empty for an action the table has no key for.
std::u16string_view KeyTableKeyOf(KeyAction action);

}  // namespace orvane
