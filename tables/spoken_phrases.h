#pragma once

#include <array>

#include "tables/button_descriptions.h"  // QT_TRANSLATE_NOOP without the toolkit
#include "tables/display_label.h"

namespace orvane {

// The words the calculator's own voice uses beside the signs of
// tables/spoken_symbols.h: what a caption means read out, and how a key's
// effect is told. English is the source text (context "Orvane"); the desktop
// speaks them translated, and the page's build writes the same rows into the
// page, so that both say the same thing.

// Captions that are words on screen (the idle texts and the messages), or a
// sign, which a voice for another language could only spell out.
struct FixedCaption {
    Label label;
    const char16_t* shown;
    const char* spoken;
};

inline constexpr char16_t kIdleExpression[] = u"式";

inline constexpr std::array<FixedCaption, 7> kFixedCaptions = {{
    {Label::Expression, kIdleExpression, QT_TRANSLATE_NOOP("Orvane", "expression")},
    {Label::Answer, u"＝", QT_TRANSLATE_NOOP("Orvane", "no answer")},
    {Label::Answer, u"括弧の数があいません。",
     QT_TRANSLATE_NOOP("Orvane", "The parentheses do not balance.")},
    {Label::Answer, u"式が不完全です",
     QT_TRANSLATE_NOOP("Orvane", "The expression is incomplete.")},
    {Label::Answer, u"数値が正しくありません",
     QT_TRANSLATE_NOOP("Orvane", "The number is not valid.")},
    {Label::Memory1, u"Memory 1", QT_TRANSLATE_NOOP("Orvane", "memory 1")},
    {Label::Memory2, u"Memory 2", QT_TRANSLATE_NOOP("Orvane", "memory 2")},
}};

// How a key's effect and the displays are told; %1 stands for a value.
struct SpokenPhrases {
    const char* empty = QT_TRANSLATE_NOOP("Orvane", "empty");
    const char* memory1 = QT_TRANSLATE_NOOP("Orvane", "memory 1, %1");
    const char* memory2 = QT_TRANSLATE_NOOP("Orvane", "memory 2, %1");
    const char* answer = QT_TRANSLATE_NOOP("Orvane", "Answer: %1.");
    const char* noAnswer = QT_TRANSLATE_NOOP("Orvane", "No answer.");
    const char* cleared = QT_TRANSLATE_NOOP("Orvane", "cleared");
    const char* refused = QT_TRANSLATE_NOOP("Orvane", "refused");
    const char* deleted = QT_TRANSLATE_NOOP("Orvane", "deleted %1");
    // What a memory key did, so that storing and recalling sound apart.
    const char* memory1Stored = QT_TRANSLATE_NOOP("Orvane", "memory 1 stored: %1");
    const char* memory2Stored = QT_TRANSLATE_NOOP("Orvane", "memory 2 stored: %1");
    const char* memory1Recalled = QT_TRANSLATE_NOOP("Orvane", "memory 1 recalled: %1");
    const char* memory2Recalled = QT_TRANSLATE_NOOP("Orvane", "memory 2 recalled: %1");
    const char* memory1Cleared = QT_TRANSLATE_NOOP("Orvane", "memory 1 cleared");
    const char* memory2Cleared = QT_TRANSLATE_NOOP("Orvane", "memory 2 cleared");
    const char* copied = QT_TRANSLATE_NOOP("Orvane", "copied %1");
    // A key named by one character, on the page: a web screen reader reads
    // such a button's description in place of its name.
    const char* digit = QT_TRANSLATE_NOOP("Orvane", "digit %1");
    // What the page's displays are, said in place of a role.
    const char* display = QT_TRANSLATE_NOOP("Orvane", "display");
    // The page's line for screen-reader users, who may not expect a web
    // page to take their keys as they type.
    const char* hint =
        QT_TRANSLATE_NOOP("Orvane", "Screen readers: just type; Tab moves through the keys.");
};

inline constexpr SpokenPhrases kSpokenPhrases;

}  // namespace orvane
