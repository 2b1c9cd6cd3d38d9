#include "narration/spoken_text.h"

#include <algorithm>

#include "tables/spoken_phrases.h"
#include "tables/spoken_symbols.h"

namespace orvane {
namespace {

const FixedCaption* FindFixed(Label label, std::u16string_view caption) {
    const auto fixed =
        std::find_if(kFixedCaptions.begin(), kFixedCaptions.end(),
                     [&](const FixedCaption& f) { return f.label == label && caption == f.shown; });
    return fixed == kFixedCaptions.end() ? nullptr : &*fixed;
}

}  // namespace

std::u16string Fill(std::u16string_view text, std::u16string_view first,
                    std::u16string_view second) {
    std::u16string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() &&
            (text[i + 1] == u'1' || text[i + 1] == u'2')) {
            filled += text[++i] == u'1' ? first : second;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::u16string SpokenText::Caption(Label label, std::u16string_view caption) const {
    if (caption.empty()) return translate_(kSpokenPhrases.empty);
    if (const FixedCaption* fixed = FindFixed(label, caption)) return translate_(fixed->spoken);
    const std::u16string value = Symbols(caption);
    if (label == Label::Memory1) return Fill(translate_(kSpokenPhrases.memory1), value);
    if (label == Label::Memory2) return Fill(translate_(kSpokenPhrases.memory2), value);
    return value;
}

std::u16string SpokenText::Symbols(std::u16string_view text) const {
    // Words stand apart from what is around them; digits and names keep
    // together, so that "12" is still read as a number.
    std::u16string spoken;
    bool apart = false;
    for (const char16_t c : text) {
        const auto row = std::find_if(kSpokenSymbols.begin(), kSpokenSymbols.end(),
                                      [c](const SpokenSymbol& s) { return s.symbol == c; });
        if (row == kSpokenSymbols.end()) {
            if (apart) spoken += u' ';
            spoken += c;
            apart = false;
            continue;
        }
        if (!spoken.empty()) spoken += u' ';
        spoken += translate_(row->word);
        apart = true;
    }
    return spoken;
}

std::u16string SpokenText::AnswerSentence(std::u16string_view caption) const {
    const FixedCaption* fixed = FindFixed(Label::Answer, caption);
    if (!fixed && !caption.empty()) {
        return Fill(translate_(kSpokenPhrases.answer), Symbols(caption));
    }
    // The messages' English sources are sentences, the idle caption's is
    // not; their translations need not end so.
    const bool message = fixed && std::string_view(fixed->spoken).ends_with('.');
    return translate_(message ? fixed->spoken : kSpokenPhrases.noAnswer);
}

bool ShowsNoExpression(std::u16string_view caption) {
    return caption.empty() || caption == kIdleExpression;
}

}  // namespace orvane
