#pragma once

#include <QString>

#include "record/display_sink.h"

namespace orvane {

// What a display's caption means when read out, in the user's language.
// The fixed captions (the idle texts and the three messages) are Japanese
// or English words on screen, which a voice for another language can only
// spell out; an empty display would be read as nothing at all. Those get a
// translated spoken form. Numbers and expressions are read with their signs
// as words, and a memory's value after the memory's name.
QString SpokenCaption(Label label, const QString& caption);

// Typed text with its signs as words in the user's language: "2*(" is
// read "2 times open parenthesis".
QString SpokenSymbols(const QString& text);

// Whether the expression display shows that nothing has been typed: its
// idle caption, or the empty text that backspace leaves.
bool ShowsNoExpression(const QString& caption);

}  // namespace orvane
