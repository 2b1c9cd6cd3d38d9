#include "narration/narration.h"

#include <algorithm>

#include "tables/spoken_phrases.h"

namespace orvane {
namespace {

// The expression as typed, with the idle caption read as nothing typed.
std::u16string_view Typed(const std::u16string& caption) {
    return ShowsNoExpression(caption) ? std::u16string_view() : caption;
}

Label MemoryOf(KeyAction action) {
    return action == KeyAction::StoreMemory1 || action == KeyAction::RecallMemory1 ||
                   action == KeyAction::ClearMemory1
               ? Label::Memory1
               : Label::Memory2;
}

}  // namespace

void Narration::CaptionShown(Label label, std::u16string caption) {
    captions_[static_cast<int>(label) - 1] = std::move(caption);
}

SpokenLine Narration::Follow(KeyAction action, const std::function<void()>& run, Milliseconds now) {
    const std::u16string expressionBefore = Shown(Label::Expression);
    run();
    const bool burst = lastKey_ && now - *lastKey_ < kBurstMs;
    lastKey_ = now;
    if (action == KeyAction::Evaluate) {
        // What the typist waited for; the echoes of what led to it are old,
        // and the next key starts afresh.
        gathered_.clear();
        lastKey_.reset();
        const std::u16string& answer = Shown(Label::Answer);
        return {SpokenLine::Kind::Answer, words_.Caption(Label::Answer, answer),
                words_.AnswerSentence(answer)};
    }
    const std::u16string phrase = Describe(action, expressionBefore);
    if (phrase.empty()) return {};
    if (!gathered_.empty()) gathered_ += u' ';
    gathered_ += phrase;
    return burst ? SpokenLine() : SayGathered();
}

std::optional<Narration::Milliseconds> Narration::GatheredDue() const {
    if (gathered_.empty()) return std::nullopt;
    return *lastKey_ + kBurstMs;
}

SpokenLine Narration::SayGathered() {
    SpokenLine line = gathered_.empty() ? SpokenLine() : Echo(std::move(gathered_));
    gathered_.clear();
    return line;
}

SpokenLine Narration::Echo(std::u16string text) const {
    return {SpokenLine::Kind::Echo, text, text};
}

std::u16string Narration::Describe(KeyAction action, const std::u16string& expressionBefore) const {
    switch (action) {
        case KeyAction::None:
        case KeyAction::Evaluate:
            return {};
        case KeyAction::CopyExpression:
        case KeyAction::CopyAnswer: {
            const Label copied =
                action == KeyAction::CopyExpression ? Label::Expression : Label::Answer;
            return Fill(words_(kSpokenPhrases.copied), words_.Caption(copied, Shown(copied)));
        }
        case KeyAction::ClearAll:
            return words_(kSpokenPhrases.cleared);
        case KeyAction::StoreMemory1:
        case KeyAction::StoreMemory2:
        case KeyAction::ClearMemory1:
        case KeyAction::ClearMemory2:
            return MemoryPhrase(action);
        default:
            break;
    }
    // Every other key types into the expression or, backspace, takes away.
    const std::u16string_view before = Typed(expressionBefore);
    const std::u16string_view after = Typed(Shown(Label::Expression));
    if (before == after) return words_(kSpokenPhrases.refused);
    if (after.starts_with(before)) {
        std::u16string_view added = after.substr(before.size());
        if (action == KeyAction::RecallMemory1 || action == KeyAction::RecallMemory2) {
            // The token alone does not say which value went in: the memory
            // is named with its value in its place. A negated recall closes
            // the parenthesis the minus opened after the token.
            const std::u16string_view closing =
                added.substr(std::min(added.size(), std::size_t{2}));
            const std::u16string recalled = MemoryPhrase(action);
            return closing.empty() ? recalled : recalled + u' ' + words_.Symbols(closing);
        }
        return words_.Symbols(added);
    }
    if (before.starts_with(after)) {
        return Fill(words_(kSpokenPhrases.deleted), words_.Symbols(before.substr(after.size())));
    }
    return words_.Caption(Label::Expression, Shown(Label::Expression));
}

std::u16string Narration::MemoryPhrase(KeyAction action) const {
    const bool first = MemoryOf(action) == Label::Memory1;
    const std::u16string& value = Shown(MemoryOf(action));
    const std::u16string spoken =
        value.empty() ? words_(kSpokenPhrases.empty) : words_.Symbols(value);
    switch (action) {
        case KeyAction::StoreMemory1:
        case KeyAction::StoreMemory2:
            return Fill(words_(first ? kSpokenPhrases.memory1Stored : kSpokenPhrases.memory2Stored),
                        spoken);
        case KeyAction::RecallMemory1:
        case KeyAction::RecallMemory2:
            return Fill(
                words_(first ? kSpokenPhrases.memory1Recalled : kSpokenPhrases.memory2Recalled),
                spoken);
        default:
            return words_(first ? kSpokenPhrases.memory1Cleared : kSpokenPhrases.memory2Cleared);
    }
}

}  // namespace orvane
