#pragma once

#include <array>

#include "tables/button_descriptions.h"  // QT_TRANSLATE_NOOP without the toolkit

namespace orvane {

// The signs of an expression as screen readers should say them: a voice
// reads "*" as "star" and "/" as "slash", and in Japanese spells out the
// character's name. English is the source text (context "Orvane"); the
// desktop speaks it translated, the page from the same rows.
struct SpokenSymbol {
    char16_t symbol;
    const char* word;
};

inline constexpr std::array<SpokenSymbol, 8> kSpokenSymbols = {{
    {u'+', QT_TRANSLATE_NOOP("Orvane", "plus")},
    {u'-', QT_TRANSLATE_NOOP("Orvane", "minus")},
    {u'*', QT_TRANSLATE_NOOP("Orvane", "times")},
    {u'/', QT_TRANSLATE_NOOP("Orvane", "divided by")},
    {u'^', QT_TRANSLATE_NOOP("Orvane", "to the power of")},
    {u'√', QT_TRANSLATE_NOOP("Orvane", "root")},
    {u'(', QT_TRANSLATE_NOOP("Orvane", "open parenthesis")},
    {u')', QT_TRANSLATE_NOOP("Orvane", "close parenthesis")},
}};

}  // namespace orvane
