#include "tables/typed_text.h"

namespace orvane {

namespace {

struct TextKey {
    std::u16string_view text;
    KeyAction action;
};

// Longer texts first, where one begins another: "(-" before "(".
constexpr TextKey kSigns[] = {
    {u"(-", KeyAction::Minus},
    {u"(", KeyAction::OpenParen},
    {u")", KeyAction::CloseParen},
    {u".", KeyAction::Point},
    {u"+", KeyAction::Plus},
    {u"-", KeyAction::Minus},
    {u"*", KeyAction::Times},
    {u"/", KeyAction::Divide},
    {u"^", KeyAction::Power},
    {u"√", KeyAction::Root},
    {u"π", KeyAction::Pi},
    {u"M1", KeyAction::RecallMemory1},
    {u"M2", KeyAction::RecallMemory2},
};

// Characters that other texts write for the display's own.
struct Fold {
    char16_t from;
    char16_t to;
};
constexpr Fold kFolds[] = {
    {u'×', u'*'},
    {u'÷', u'/'},
    {u'−', u'-'},
};

constexpr char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

bool SameLetters(std::u16string_view text, std::u16string_view name) {
    if (text.size() < name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (Lower(text[i]) != Lower(name[i])) return false;
    }
    return true;
}

}  // namespace

char16_t FoldTypedCharacter(char16_t c) {
    if (c <= u' ' || c == u'\u00a0' || c == u'\u3000' || (c >= u'\u2000' && c <= u'\u200b')) {
        return 0;
    }
    // The full-width forms of ASCII sit at a fixed distance from it.
    if (c >= u'\uff01' && c <= u'\uff5e') c = static_cast<char16_t>(c - 0xfee0);
    for (const Fold& fold : kFolds) {
        if (fold.from == c) return fold.to;
    }
    return c;
}

std::optional<TypedKey> KeyTypingText(std::u16string_view folded, std::size_t at) {
    const std::u16string_view rest = folded.substr(at);
    if (rest.empty()) return std::nullopt;
    if (rest[0] >= u'0' && rest[0] <= u'9') {
        return TypedKey{
            static_cast<KeyAction>(static_cast<int>(KeyAction::Digit0) + (rest[0] - u'0')), 1};
    }
    for (const TextKey& sign : kSigns) {
        if (SameLetters(rest, sign.text)) return TypedKey{sign.action, sign.text.size()};
    }
    // The longest name that fits: "Cosec" before "Cos".
    std::optional<TypedKey> found;
    for (const FunctionName& function : kFunctionNames) {
        if (SameLetters(rest, function.name) && (!found || function.name.size() > found->length)) {
            found = TypedKey{function.action, function.name.size()};
        }
    }
    return found;
}

}  // namespace orvane
