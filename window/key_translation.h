#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <string>

#include "tables/key_characters.h"

class QKeyEvent;

namespace orvane {

// Maps a toolkit key event onto the key table, by the character it produces
// (see MainBlockKey). The key that types ^ is the power key even where ^ is
// a dead key. Keypad keys keep their own codes and the Shift actually held.
// Ctrl and Alt always travel in the mask. Keys the table has no row for give
// nothing.
std::optional<VirtualKey> TranslateKey(int qtKey, const QString& text,
                                       Qt::KeyboardModifiers modifiers, bool keypad);
std::optional<VirtualKey> TranslateKey(const QKeyEvent& event);

// A key event as a web page's KeyboardEvent.key names it ("s", "=", "F2",
// "Insert"), with the modifier mask held, for the window's commands; Meta
// counts as Ctrl and Alt together, so that no command takes it.
struct NamedKeyPress {
    std::u16string name;
    std::int16_t mask;
};
NamedKeyPress NameKey(const QKeyEvent& event);

}  // namespace orvane
