#include "window/key_translation.h"

#include <QKeyEvent>

#include "tables/key_table.h"

namespace orvane {
namespace {

// The character a key produces. With Ctrl held many platforms report a
// control character or no text at all; the key code of a printable key is
// its (unshifted-case) character, which is all the table needs.
QChar ProducedCharacter(int qtKey, const QString& text) {
    if (text.size() == 1 && text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7f) {
        return text.at(0);
    }
    if (qtKey >= 0x20 && qtKey <= 0x7e) return QChar(qtKey);
    return {};
}

}  // namespace

std::optional<VirtualKey> TranslateKey(int qtKey, const QString& text,
                                       Qt::KeyboardModifiers modifiers, bool keypad) {
    // Ctrl and Alt travel in the mask so that the table itself turns such
    // chords away, exactly as it does for the original key codes.
    std::int16_t chord = 0;
    if (modifiers & Qt::ControlModifier) chord |= kCtrlMask;
    if (modifiers & Qt::AltModifier) chord |= kAltMask;
    const std::int16_t shift = (modifiers & Qt::ShiftModifier) ? kShiftMask : 0;

    std::optional<VirtualKey> key;
    if (qtKey == Qt::Key_Backspace || qtKey == Qt::Key_Escape) {
        key = VirtualKey{static_cast<std::int16_t>(qtKey == Qt::Key_Backspace ? 8 : 27), shift};
    } else if (qtKey == Qt::Key_Dead_Circumflex) {
        // German and French layouts put ^ on a dead key, which produces no
        // text of its own; it still is the key that types ^. Other dead keys
        // stand for nothing in the table and fall through to no character.
        key = MainBlockKey(u'^');
    } else {
        const QChar c = ProducedCharacter(qtKey, text);
        if (c.isNull()) return std::nullopt;
        if (keypad) {
            // A keypad key produces its character whatever Shift does, so a
            // held Shift is the user's and must reach the table: the shifted
            // table has no keypad rows.
            key = KeypadKey(c.unicode());
            if (key) key->mask = shift;
        } else {
            key = MainBlockKey(c.unicode());
        }
    }
    if (key) key->mask = static_cast<std::int16_t>(key->mask | chord);
    return key;
}

std::optional<VirtualKey> TranslateKey(const QKeyEvent& event) {
    return TranslateKey(event.key(), event.text(), event.modifiers(),
                        event.modifiers().testFlag(Qt::KeypadModifier));
}

}  // namespace orvane
