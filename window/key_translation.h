#pragma once

#include <QString>
#include <Qt>
#include <optional>

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

}  // namespace orvane
