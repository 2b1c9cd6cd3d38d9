#include "tables/command_table.h"

namespace orvane {

const CommandKeyRow* LookUpCommandKey(std::u16string_view key, std::int16_t mask) {
    // Letters are matched in either case: Caps Lock does not make S Shift+S.
    char16_t letter = key.size() == 1 ? key[0] : 0;
    if (letter >= u'A' && letter <= u'Z') letter = static_cast<char16_t>(letter - u'A' + u'a');
    for (const CommandKeyRow& row : kCommandKeys) {
        const bool same = letter ? row.key.size() == 1 && row.key[0] == letter : row.key == key;
        const bool held = row.mask == kEitherShift ? (mask & ~kShiftMask) == 0 : row.mask == mask;
        if (same && held) return &row;
    }
    return nullptr;
}

const CommandKeyRow* CommandKeyOf(KeyAction action) {
    for (const CommandKeyRow& row : kCommandKeys) {
        if (row.command == WindowCommand::Press && row.action == action) return &row;
    }
    return nullptr;
}

}  // namespace orvane
