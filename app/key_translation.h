#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

class QKeyEvent;

namespace orvane {

// A key as the key table knows it: a Windows virtual-key code of the
// Japanese layout and the modifier mask (1 Shift, 2 Ctrl, 4 Alt).
struct VirtualKey {
    std::int16_t keyCode;
    std::int16_t mask;

    friend bool operator==(const VirtualKey&, const VirtualKey&) = default;
};

// Maps a toolkit key event onto the key table. Keys of the main block are
// matched by the character they produce, not by where they sit, so "(" is
// the same key whether the layout puts it on Shift+8 (Japanese) or Shift+9
// (US), and carry the Shift the Japanese layout needs for that character.
// The key that types ^ is the power key even where ^ is a dead key. Keypad
// keys keep their own codes and the Shift actually held. Ctrl and Alt always
// travel in the mask. Keys the table has no row for give nothing.
std::optional<VirtualKey> TranslateKey(int qtKey, const QString& text,
                                       Qt::KeyboardModifiers modifiers, bool keypad);
std::optional<VirtualKey> TranslateKey(const QKeyEvent& event);

}  // namespace orvane
