#include "tests/support/event_bytes.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "record/calculator.h"
#include "tables/button_table.h"
#include "tables/key_table.h"

namespace orvane {

namespace {

// Every code of the key tables, and a few that are in neither.
constexpr std::array<std::int16_t, 32> kKeyCodes = {
    48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 96, 97, 98, 99, 100, 101, 102, 103, 104, 105,
    110, 190, 107, 109, 189, 106, 111, 191, 222, 8, 27, 186,
};
constexpr std::array<std::int16_t, 6> kOtherCodes = {187, 13, 32, 65, 0, -1};

}  // namespace

std::size_t RunEventFromBytes(Calculator& calculator, const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t kind = data[0];
    if (kind < 180) {  // most events are clicks
        calculator.Perform(kButtons[kind % kButtons.size()].action);
        return 1;
    }
    if (kind < 184) {
        calculator.Perform(kind % 2 ? KeyAction::CopyAnswer : KeyAction::CopyExpression);
        return 1;
    }
    if (size < 2) return 1;
    if (kind < 188) {
        // A paste of up to 15 characters the display writes, other texts
        // write, or no key types.
        static constexpr std::u16string_view kPasted =
            u"0123456789.+-*/^√()πM12SinCosTanArcsecot ×÷−（）ａ=";
        const std::size_t length = std::min<std::size_t>(data[1] % 16, size - 2);
        std::u16string text;
        for (std::size_t i = 0; i < length; ++i) text += kPasted[data[2 + i] % kPasted.size()];
        calculator.Paste(text);
        return 2 + length;
    }
    const std::uint8_t code = data[1];
    // Mostly no modifier or Shift, now and then any mask at all.
    const std::int16_t mask = kind < 230 ? 0 : kind < 250 ? 1 : static_cast<std::int16_t>(kind % 8);
    const std::int16_t keyCode = code < 224 ? kKeyCodes[code % kKeyCodes.size()]
                                            : kOtherCodes[code % kOtherCodes.size()];
    calculator.Perform(LookUpKey(keyCode, mask));  // as the window's key-down handler runs it
    return 2;
}

}  // namespace orvane
