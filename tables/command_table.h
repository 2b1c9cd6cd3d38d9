#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "tables/button_descriptions.h"  // QT_TRANSLATE_NOOP without the toolkit
#include "tables/key_action.h"
#include "tables/key_table.h"

namespace orvane {

// The window's own commands: keys that the key table of Form_KeyDown
// ignores, looked up here only after it has ignored them, in both editions.
// Each does what a button does, or one of these.
enum class WindowCommand : std::uint8_t {
    Press,          // presses the button of the row's action
    Paste,          // types the clipboard's text
    SayExpression,  // says the expression and the answer, wherever the focus is
    OpenMenuBar,    // gives the keyboard to the menu bar
};

// A row's mask that takes Shift either way: a sign that one layout types
// with Shift and another without ("=" is Shift and - on a Japanese layout).
inline constexpr std::int16_t kEitherShift = 8;

struct CommandKeyRow {
    // The key as KeyboardEvent.key names it, a letter in lower case: the
    // page reads that name, the desktop names its keys the same way.
    std::u16string_view key;
    std::int16_t mask;  // kShiftMask, kCtrlMask and kAltMask held, or kEitherShift
    WindowCommand command;
    KeyAction action;    // the button a Press stands for
    const char* shown;   // the key as written: in descriptions, README and manual
    const char* spoken;  // what a command without a button is called; else the button's name
};

// clang-format off
inline constexpr std::array<CommandKeyRow, 22> kCommandKeys = {{
    {u"=",      kEitherShift, WindowCommand::Press, KeyAction::Evaluate,      "=",       nullptr},
    {u"s",      0,            WindowCommand::Press, KeyAction::Sin,           "S",       nullptr},
    {u"o",      0,            WindowCommand::Press, KeyAction::Cos,           "O",       nullptr},
    {u"t",      0,            WindowCommand::Press, KeyAction::Tan,           "T",       nullptr},
    {u"s",      kShiftMask,   WindowCommand::Press, KeyAction::Arcsin,        "Shift+S", nullptr},
    {u"o",      kShiftMask,   WindowCommand::Press, KeyAction::Arccos,        "Shift+O", nullptr},
    {u"t",      kShiftMask,   WindowCommand::Press, KeyAction::Arctan,        "Shift+T", nullptr},
    {u"c",      0,            WindowCommand::Press, KeyAction::Cosec,         "C",       nullptr},
    {u"e",      0,            WindowCommand::Press, KeyAction::Sec,           "E",       nullptr},
    {u"n",      0,            WindowCommand::Press, KeyAction::Cotan,         "N",       nullptr},
    {u"p",      0,            WindowCommand::Press, KeyAction::Pi,            "P",       nullptr},
    {u"r",      0,            WindowCommand::Press, KeyAction::Root,          "R",       nullptr},
    {u"m",      0,            WindowCommand::Press, KeyAction::StoreMemory1,  "M",       nullptr},
    {u"m",      kShiftMask,   WindowCommand::Press, KeyAction::StoreMemory2,  "Shift+M", nullptr},
    {u"l",      0,            WindowCommand::Press, KeyAction::RecallMemory1, "L",       nullptr},
    {u"l",      kShiftMask,   WindowCommand::Press, KeyAction::RecallMemory2, "Shift+L", nullptr},
    {u"x",      0,            WindowCommand::Press, KeyAction::ClearMemory1,  "X",       nullptr},
    {u"x",      kShiftMask,   WindowCommand::Press, KeyAction::ClearMemory2,  "Shift+X", nullptr},
    {u"F2",     0,            WindowCommand::SayExpression, KeyAction::None,  "F2",
     QT_TRANSLATE_NOOP("Orvane", "say the expression and the answer")},
    {u"v",      kCtrlMask,    WindowCommand::Paste, KeyAction::None,          "Ctrl+V",
     QT_TRANSLATE_NOOP("Orvane", "paste")},
    {u"Insert", kShiftMask,   WindowCommand::Paste, KeyAction::None,          "Shift+Insert",
     QT_TRANSLATE_NOOP("Orvane", "paste")},
    {u"F10",    0,            WindowCommand::OpenMenuBar, KeyAction::None,    "F10",
     QT_TRANSLATE_NOOP("Orvane", "menu bar")},
}};
// clang-format on

// The row of a key that Form_KeyDown ignored, held with `mask`; nullptr for
// a key that is no command. `key` is named as KeyboardEvent.key names it.
const CommandKeyRow* LookUpCommandKey(std::u16string_view key, std::int16_t mask);

// The first row that presses the button of `action`, for its description's
// "Key: ..." ending; nullptr for a button with no key of its own.
const CommandKeyRow* CommandKeyOf(KeyAction action);

}  // namespace orvane
