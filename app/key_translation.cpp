#include "app/key_translation.h"

#include <QKeyEvent>

#include "app/key_table.h"

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

// The main-block row for a character, with the mask the Japanese layout
// needs to produce it.
std::optional<VirtualKey> MainBlockKey(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return VirtualKey{static_cast<std::int16_t>(48 + (u - u'0')), 0};
    switch (u) {
        case u'(':
            return VirtualKey{56, kShiftMask};
        case u')':
            return VirtualKey{57, kShiftMask};
        case u'*':
            return VirtualKey{186, kShiftMask};
        case u'+':
            return VirtualKey{187, kShiftMask};
        case u'-':
            return VirtualKey{189, 0};
        case u'/':
            return VirtualKey{191, 0};
        case u'.':
            return VirtualKey{190, 0};
        case u'^':
            return VirtualKey{222, 0};
        default:
            return std::nullopt;
    }
}

std::optional<VirtualKey> KeypadKey(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return VirtualKey{static_cast<std::int16_t>(96 + (u - u'0')), 0};
    switch (u) {
        case u'*':
            return VirtualKey{106, 0};
        case u'+':
            return VirtualKey{107, 0};
        case u'-':
            return VirtualKey{109, 0};
        case u'/':
            return VirtualKey{111, 0};
        case u'.':
        case u',':  // the keypad separator of decimal-comma locales
            return VirtualKey{110, 0};
        default:
            return std::nullopt;
    }
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
        key = MainBlockKey(QChar(u'^'));
    } else {
        const QChar c = ProducedCharacter(qtKey, text);
        if (c.isNull()) return std::nullopt;
        if (keypad) {
            // A keypad key produces its character whatever Shift does, so a
            // held Shift is the user's and must reach the table: the shifted
            // table has no keypad rows.
            key = KeypadKey(c);
            if (key) key->mask = shift;
        } else {
            key = MainBlockKey(c);
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
