#include "tables/key_characters.h"

#include "tables/key_table.h"

namespace orvane {

std::optional<VirtualKey> MainBlockKey(char16_t c) {
    if (c >= u'0' && c <= u'9') return VirtualKey{static_cast<std::int16_t>(48 + (c - u'0')), 0};
    switch (c) {
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

std::optional<VirtualKey> KeypadKey(char16_t c) {
    if (c >= u'0' && c <= u'9') return VirtualKey{static_cast<std::int16_t>(96 + (c - u'0')), 0};
    switch (c) {
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

}  // namespace orvane
