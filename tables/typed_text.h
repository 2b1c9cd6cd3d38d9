#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "tables/key_action.h"

namespace orvane {

// The text each function key writes into the expression, and its token.
struct FunctionName {
    KeyAction action;
    std::u16string_view token;
    std::u16string_view name;
};

inline constexpr std::array<FunctionName, 9> kFunctionNames = {{
    {KeyAction::Sin, u"K1", u"Sin"},
    {KeyAction::Cos, u"K2", u"Cos"},
    {KeyAction::Tan, u"K3", u"Tan"},
    {KeyAction::Arcsin, u"K4", u"Arcsin"},
    {KeyAction::Arccos, u"K5", u"Arccos"},
    {KeyAction::Arctan, u"K6", u"Arctan"},
    {KeyAction::Cosec, u"K7", u"Cosec"},
    {KeyAction::Sec, u"K8", u"Sec"},
    {KeyAction::Cotan, u"K9", u"Cotan"},
}};

// A pasted text is read as the keys that would type it. Before that each
// character is folded onto the one the expression display writes: the
// multiplication and division signs and the minus sign of print, and the
// full-width digits and signs of Japanese text. White space folds to 0 and
// is skipped.
char16_t FoldTypedCharacter(char16_t c);

// The key that the text at `at` of folded text stands for, and how many
// characters it takes: a digit, a sign, π, "M1" or "M2", a function's name
// in any letter case, or "(-", the unary minus as the display writes it.
// Nothing when no key types that text.
struct TypedKey {
    KeyAction action;
    std::size_t length;
};
std::optional<TypedKey> KeyTypingText(std::u16string_view folded, std::size_t at);

}  // namespace orvane
