#pragma once

#include <array>
#include <cstdint>

#include "tables/key_action.h"

namespace orvane {

// A rectangle in twips (1440 to the inch, 15 to the pixel at 96 dpi),
// measured from the top-left corner of the window's client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The six families of button faces, plus the plain caption the unavailable
// buttons carry instead of a picture.
enum class FaceFamily : std::uint8_t {
    Function,     // blue, yellow text, 68 x 30
    Digit,        // green, grey outlined digit or dot, 50 x 30
    RecallOrPi,   // lighter green, grey outlined text, 50 x 30
    Operator,     // yellow, black symbol, 50 x 30 (evaluate 100 x 30)
    Clear,        // dark red, white letters, 50 x 30
    Small,        // pale blue, blue text or arrow, 33 x 24 or 25 x 24
    CaptionOnly,  // no picture: the button shows its caption
};

// One button of the calculator window: everything the window, the replay
// driver and the tests need to know about it. What screen readers say of
// it is in tables/button_descriptions.h.
struct ButtonSpec {
    int number;          // the button is CommandN
    TwipsRect rect;
    FaceFamily family;
    const char* glyph;   // what the face shows, UTF-8 ("^" and "√" faces are drawn specially)
    int tab;             // position in the focus order, 0 first
    const char* tooltip; // UTF-8; empty for none
    KeyAction action;    // KeyAction::None for a button that is never available
};

// clang-format off
inline constexpr std::array<ButtonSpec, 45> kButtons = {{
    {1,  {6480, 2520, 1500, 450}, FaceFamily::Operator,   "=",       0,  "", KeyAction::Evaluate},
    {2,  {7980, 1170, 750, 450},  FaceFamily::Clear,      "AC",      28, "", KeyAction::ClearAll},
    {3,  {3240, 2520, 750, 450},  FaceFamily::Digit,      "0",       2,  "", KeyAction::Digit0},
    {4,  {3240, 2070, 750, 450},  FaceFamily::Digit,      "1",       3,  "", KeyAction::Digit1},
    {5,  {3990, 2070, 750, 450},  FaceFamily::Digit,      "2",       4,  "", KeyAction::Digit2},
    {6,  {4740, 2070, 750, 450},  FaceFamily::Digit,      "3",       5,  "", KeyAction::Digit3},
    {7,  {3240, 1620, 750, 450},  FaceFamily::Digit,      "4",       6,  "", KeyAction::Digit4},
    {8,  {3990, 1620, 750, 450},  FaceFamily::Digit,      "5",       7,  "", KeyAction::Digit5},
    {9,  {4740, 1620, 750, 450},  FaceFamily::Digit,      "6",       8,  "", KeyAction::Digit6},
    {10, {3240, 1170, 750, 450},  FaceFamily::Digit,      "7",       9,  "", KeyAction::Digit7},
    {11, {3990, 1170, 750, 450},  FaceFamily::Digit,      "8",       10, "", KeyAction::Digit8},
    {12, {4740, 1170, 750, 450},  FaceFamily::Digit,      "9",       11, "", KeyAction::Digit9},
    {13, {3990, 2520, 750, 450},  FaceFamily::Digit,      "·",       12, "", KeyAction::Point},
    {14, {6480, 2070, 750, 450},  FaceFamily::Operator,   "+",       16, "", KeyAction::Plus},
    {15, {7230, 2070, 750, 450},  FaceFamily::Operator,   "−",       17, "", KeyAction::Minus},
    {16, {6480, 1620, 750, 450},  FaceFamily::Operator,   "×",       18, "", KeyAction::Times},
    {17, {7230, 1620, 750, 450},  FaceFamily::Operator,   "÷",       19, "", KeyAction::Divide},
    {18, {6480, 1170, 750, 450},  FaceFamily::Operator,   "(",       22, "", KeyAction::OpenParen},
    {19, {7230, 1170, 750, 450},  FaceFamily::Operator,   ")",       23, "", KeyAction::CloseParen},
    {20, {7080, 840, 615, 255},   FaceFamily::CaptionOnly, "Command20", 34, "", KeyAction::None},
    {21, {6120, 840, 495, 255},   FaceFamily::CaptionOnly, "Command21", 35, "", KeyAction::None},
    {22, {7980, 1620, 750, 450},  FaceFamily::Clear,      "C",       27, "", KeyAction::Backspace},
    {23, {8300, 0, 430, 380},     FaceFamily::Small,      "Copy",    31, "式をクリップボードへコピー", KeyAction::CopyExpression},
    {24, {8300, 375, 430, 375},   FaceFamily::Small,      "Copy",    32, "答えをクリップボードへコピー", KeyAction::CopyAnswer},
    {25, {3775, 375, 375, 375},   FaceFamily::Small,      "←",       38, "答えをメモリ１に代入", KeyAction::StoreMemory1},
    {26, {3775, 750, 375, 375},   FaceFamily::Small,      "←",       29, "答えをメモリ2に代入", KeyAction::StoreMemory2},
    {27, {5490, 1170, 750, 450},  FaceFamily::RecallOrPi, "M1",      14, "メモリ１の値を計算式に", KeyAction::RecallMemory1},
    {28, {5490, 1620, 750, 450},  FaceFamily::RecallOrPi, "M2",      15, "メモリ２の値を計算式に", KeyAction::RecallMemory2},
    {29, {4155, 375, 375, 375},   FaceFamily::Small,      "MC",      37, "メモリ１をクリア", KeyAction::ClearMemory1},
    {30, {4155, 750, 375, 375},   FaceFamily::Small,      "MC",      30, "メモリ２をクリア", KeyAction::ClearMemory2},
    {31, {7980, 2070, 750, 450},  FaceFamily::Operator,   "^",       20, "", KeyAction::Power},
    {32, {7980, 2520, 750, 450},  FaceFamily::Operator,   "√",       21, "", KeyAction::Root},
    {33, {5490, 2070, 750, 450},  FaceFamily::RecallOrPi, "π",       13, "円周率（１*π）", KeyAction::Pi},
    {34, {45, 1170, 975, 450},    FaceFamily::Function,   "Sin",     24, "", KeyAction::Sin},
    {35, {1020, 1170, 975, 450},  FaceFamily::Function,   "Cos",     25, "", KeyAction::Cos},
    {36, {1995, 1170, 975, 450},  FaceFamily::Function,   "Tan",     26, "", KeyAction::Tan},
    {37, {45, 1620, 975, 450},    FaceFamily::Function,   "Sin⁻¹",   40, "", KeyAction::Arcsin},
    {38, {1020, 1620, 975, 450},  FaceFamily::Function,   "Cos⁻¹",   41, "", KeyAction::Arccos},
    {39, {1995, 1620, 975, 450},  FaceFamily::Function,   "Tan⁻¹",   42, "", KeyAction::Arctan},
    {40, {45, 2070, 975, 450},    FaceFamily::Function,   "Cosec",   43, "", KeyAction::Cosec},
    {41, {1020, 2070, 975, 450},  FaceFamily::Function,   "Sec",     44, "", KeyAction::Sec},
    {42, {1995, 2070, 975, 450},  FaceFamily::Function,   "Cotan",   45, "", KeyAction::Cotan},
    {43, {45, 2520, 975, 450},    FaceFamily::Function,   "Cosec⁻¹", 46, "", KeyAction::None},
    {44, {1020, 2520, 975, 450},  FaceFamily::Function,   "Sec⁻¹",   47, "", KeyAction::None},
    {45, {1995, 2520, 975, 450},  FaceFamily::Function,   "Cotan⁻¹", 48, "", KeyAction::None},
}};
// clang-format on

// The button CommandN, or nullptr when there is no such button.
constexpr const ButtonSpec* FindButton(int number) {
    for (const ButtonSpec& button : kButtons) {
        if (button.number == number) return &button;
    }
    return nullptr;
}

}  // namespace orvane
