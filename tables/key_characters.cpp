#include "tables/key_characters.h"

#include <span>
#include <vector>

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

struct NamedRow {
    std::u16string_view name;  // as KeyboardEvent.key names it
    std::u16string_view shown;
    VirtualKey key;
};
constexpr NamedRow kNamed[] = {
    {u"Backspace", u"Backspace", {8, 0}},
    {u"Escape", u"Esc", {27, 0}},
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

std::optional<VirtualKey> NamedKey(std::u16string_view name) {
    for (const NamedRow& row : kNamed) {
        if (row.name == name) return row.key;
    }
    return std::nullopt;
}

std::vector<std::u16string_view> KeyTableNames() {
    std::vector<std::u16string_view> names;
    for (const NamedRow& row : kNamed) names.push_back(row.name);
    return names;
}

std::u16string_view KeyTableKeyOf(KeyAction action) {
    static constexpr std::u16string_view kDigits = u"0123456789";
    for (std::size_t digit = 0; digit < kDigits.size(); ++digit) {
        if (LookUpKey(static_cast<std::int16_t>(48 + digit), 0) == action) {
            return kDigits.substr(digit, 1);
        }
    }
    for (const CharacterKey& row : kMainBlock) {
        if (LookUpKey(row.key.keyCode, row.key.mask) == action) {
            return std::u16string_view(&row.character, 1);
        }
    }
    for (const NamedRow& row : kNamed) {
        if (LookUpKey(row.key.keyCode, row.key.mask) == action) return row.shown;
    }
    return {};
}

}  // namespace orvane
