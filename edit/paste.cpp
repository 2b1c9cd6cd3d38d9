// Paste: a text typed as the keys that would type it, all of them or none.
#include <vector>

#include "record/calculator.h"
#include "tables/typed_text.h"

namespace orvane {

namespace {

// The character at `at` of `text`, a pair of surrogates whole.
std::u16string CharacterAt(std::u16string_view text, std::size_t at) {
    const bool pair = at + 1 < text.size() && text[at] >= 0xd800 && text[at] < 0xdc00 &&
                      text[at + 1] >= 0xdc00 && text[at + 1] < 0xe000;
    return std::u16string(text.substr(at, pair ? 2 : 1));
}

}  // namespace

Calculator::Calculator(const Calculator& other, DisplaySink& sink)
    : CalculatorState(other),
      sink_(sink),
      captions_(other.captions_),
      workOperandSlots_(other.workOperandSlots_),
      workOperatorSlots_(other.workOperatorSlots_),
      tokenSlots_(other.tokenSlots_) {}

std::optional<PasteRefusal> Calculator::Paste(std::u16string_view text) {
    using Reason = PasteRefusal::Reason;
    if (text.size() > kLongestPaste) return PasteRefusal{Reason::TooLong, {}};
    std::u16string folded;
    std::vector<std::size_t> origin;  // where each folded character stood in `text`
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const char16_t c = FoldTypedCharacter(text[i])) {
            folded += c;
            origin.push_back(i);
        }
    }
    if (folded.empty()) return PasteRefusal{Reason::NoText, {}};

    // The keys run on a copy of the record, which shows nothing as it goes
    // (a caption per key would make a long paste take quadratic time); only
    // when every one is taken does this record become that copy.
    NoDisplay nowhere;
    Calculator trial(*this, nowhere);
    trial.showsCaptions_ = false;
    bool owedSkipped = false;  // a ")" the unary minus owes stood in the text
    for (std::size_t at = 0; at < folded.size();) {
        // The display writes that ")" with the next operator, ")" or =.
        if (folded[at] == u')' && trial.pendingMinus == 1 && !owedSkipped) {
            owedSkipped = true;
            ++at;
            continue;
        }
        std::optional<TypedKey> key = KeyTypingText(folded, at);
        if (!key) return PasteRefusal{Reason::NoKey, CharacterAt(text, origin[at])};
        if (key->length == 2 && key->action == KeyAction::Minus) {
            // "(-" is the unary minus only where a minus starts a number;
            // elsewhere it is a parenthesis and then a minus.
            trial.CheckMinus();
            if (trial.entryCase != 3) key = TypedKey{KeyAction::OpenParen, 1};
        }
        const std::size_t before = trial.exprText.size();
        trial.Perform(key->action);
        if (trial.exprText.size() == before) {
            return PasteRefusal{Reason::Refused, folded.substr(at, key->length)};
        }
        std::u16string_view typed = std::u16string_view(trial.exprText).substr(before);
        if (owedSkipped) {
            // No key types the ")" and then what followed it in the text.
            if (!typed.starts_with(u')')) {
                return PasteRefusal{Reason::Refused, folded.substr(at, key->length)};
            }
            typed.remove_prefix(1);
            owedSkipped = false;
        }
        // What the calculator writes by itself (0. for a first 0, * before
        // "(", 2 before a root) may stand in the text or be left out.
        const bool whole = std::u16string_view(folded).substr(at).starts_with(typed);
        at += whole && !typed.empty() ? typed.size() : key->length;
    }
    // Entry keys change nothing but the expression and its display.
    static_cast<CalculatorState&>(*this) = trial;
    tokenSlots_ = std::move(trial.tokenSlots_);
    SetLabel1(exprText);
    return std::nullopt;
}

}  // namespace orvane
