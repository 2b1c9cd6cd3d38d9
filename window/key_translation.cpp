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

// The names KeyboardEvent.key gives the keys that produce no character.
std::u16string KeyName(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F35) {
        return u"F" + QString::number(qtKey - Qt::Key_F1 + 1).toStdU16String();
    }
    switch (qtKey) {
        case Qt::Key_Backspace:
            return u"Backspace";
        case Qt::Key_Escape:
            return u"Escape";
        case Qt::Key_Insert:
            return u"Insert";
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return u"Enter";
        default:
            return {};
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

    std::optional<VirtualKey> key = NamedKey(KeyName(qtKey));
    if (key) {
        key->mask = shift;
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

NamedKeyPress NameKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    std::int16_t mask = 0;
    if (held & Qt::ShiftModifier) mask |= kShiftMask;
    if (held & Qt::ControlModifier) mask |= kCtrlMask;
    if (held & Qt::AltModifier) mask |= kAltMask;
    if (held & Qt::MetaModifier) mask |= kCtrlMask | kAltMask;
    std::u16string name = KeyName(event.key());
    if (name.empty()) {
        const QChar c = ProducedCharacter(event.key(), event.text());
        if (!c.isNull()) name = c.unicode();
    }
    return {name, mask};
}

std::optional<VirtualKey> TranslateKey(const QKeyEvent& event) {
    return TranslateKey(event.key(), event.text(), event.modifiers(),
                        event.modifiers().testFlag(Qt::KeypadModifier));
}

}  // namespace orvane
