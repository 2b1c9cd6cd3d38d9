#include "tables/key_characters.h"

#include <span>

#include "tables/key_table.h"

namespace orvane {

namespace {

struct CharacterKey {
    char16_t character;
    VirtualKey key;
};

// Beside the digits, which follow their first code.
constexpr CharacterKey kMainBlock[] = {
    {u'(', {56, kShiftMask}},  {u')', {57, kShiftMask}}, {u'*', {186, kShiftMask}},
    {u'+', {187, kShiftMask}}, {u'-', {189, 0}},         {u'/', {191, 0}},
    {u'.', {190, 0}},          {u'^', {222, 0}},
};
constexpr CharacterKey kKeypad[] = {
    {u'*', {106, 0}}, {u'+', {107, 0}}, {u'-', {109, 0}}, {u'/', {111, 0}},
    {u'.', {110, 0}},
    {u',', {110, 0}},  // the keypad separator of decimal-comma locales
};

std::optional<VirtualKey> Find(char16_t c, std::int16_t digitZero, std::span<const CharacterKey> rows) {
    if (c >= u'0' && c <= u'9') return VirtualKey{static_cast<std::int16_t>(digitZero + (c - u'0')), 0};
    for (const CharacterKey& row : rows) {
        if (row.character == c) return row.key;
    }
    return std::nullopt;
}

}  // namespace

std::optional<VirtualKey> MainBlockKey(char16_t c) { return Find(c, 48, kMainBlock); }
std::optional<VirtualKey> KeypadKey(char16_t c) { return Find(c, 96, kKeypad); }

}  // namespace orvane
