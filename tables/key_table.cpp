#include "tables/key_table.h"

#include <array>

namespace orvane {

namespace {

struct KeyRow {
    std::int16_t keyCode;
    KeyAction action;
};

// Keys without a modifier.
constexpr std::array<KeyRow, 31> kPlainKeys = {{
    {48, KeyAction::Digit0},  {49, KeyAction::Digit1},  {50, KeyAction::Digit2},
    {51, KeyAction::Digit3},  {52, KeyAction::Digit4},  {53, KeyAction::Digit5},
    {54, KeyAction::Digit6},  {55, KeyAction::Digit7},  {56, KeyAction::Digit8},
    {57, KeyAction::Digit9},  {96, KeyAction::Digit0},  {97, KeyAction::Digit1},
    {98, KeyAction::Digit2},  {99, KeyAction::Digit3},  {100, KeyAction::Digit4},
    {101, KeyAction::Digit5}, {102, KeyAction::Digit6}, {103, KeyAction::Digit7},
    {104, KeyAction::Digit8}, {105, KeyAction::Digit9}, {110, KeyAction::Point},
    {190, KeyAction::Point},  {107, KeyAction::Plus},   {109, KeyAction::Minus},
    {189, KeyAction::Minus},  {106, KeyAction::Times},  {111, KeyAction::Divide},
    {191, KeyAction::Divide}, {222, KeyAction::Power},  {8, KeyAction::Backspace},
    {27, KeyAction::ClearAll},
}};

// Keys with Shift alone, as a Japanese layout shifts them.
constexpr std::array<KeyRow, 4> kShiftedKeys = {{
    {56, KeyAction::OpenParen},
    {57, KeyAction::CloseParen},
    {186, KeyAction::Times},
    {187, KeyAction::Plus},
}};

template <std::size_t N>
KeyAction Find(const std::array<KeyRow, N>& rows, std::int16_t keyCode) {
    for (const KeyRow& row : rows) {
        if (row.keyCode == keyCode) return row.action;
    }
    return KeyAction::None;
}

}  // namespace

KeyAction LookUpKey(std::int16_t keyCode, std::int16_t mask) {
    if (mask == 0) return Find(kPlainKeys, keyCode);
    if (mask == kShiftMask) return Find(kShiftedKeys, keyCode);
    return KeyAction::None;  // Ctrl or Alt, alone or with anything else
}

}  // namespace orvane
