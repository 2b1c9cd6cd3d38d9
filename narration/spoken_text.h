#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "record/display_sink.h"

namespace orvane {

// A text's English source (context "Orvane") in the user's language; each
// edition brings its own way to the same translations.
using Translate = std::function<std::u16string(const char* source)>;

// A translated text with its %1 and %2 filled in, as Qt's arg() fills them.
std::u16string Fill(std::u16string_view text, std::u16string_view first,
                    std::u16string_view second = {});

// How the displays and typed text are read out, in the user's language.
class SpokenText {
public:
    explicit SpokenText(Translate translate) : translate_(std::move(translate)) {}

    std::u16string operator()(const char* source) const { return translate_(source); }

    // What a display's caption means read out. The fixed captions (the idle
    // texts and the three messages) are Japanese or English words on screen,
    // which a voice for another language can only spell out; an empty
    // display would be read as nothing at all. Those get a translated spoken
    // form. Numbers and expressions are read with their signs as words, and a
    // memory's value after the memory's name.
    std::u16string Caption(Label label, std::u16string_view caption) const;

    // Typed text with its signs as words: "2*(" is read "2 times open
    // parenthesis".
    std::u16string Symbols(std::u16string_view text) const;

    // The answer display as a sentence of its own: "Answer: 14.", a message,
    // or that there is none.
    std::u16string AnswerSentence(std::u16string_view caption) const;

private:
    Translate translate_;
};

// Whether the expression display shows that nothing has been typed: its
// idle caption, or the empty text that backspace leaves.
bool ShowsNoExpression(std::u16string_view caption);

}  // namespace orvane
