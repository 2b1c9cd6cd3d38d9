#pragma once

#include "tables/button_descriptions.h"  // QT_TRANSLATE_NOOP without the toolkit

namespace orvane {

// What is said of the window's commands that no button has: a paste, and
// the expression said on request. English is the source text (context
// "Orvane"), translated as the other spoken words are.
struct CommandPhrases {
    const char* pasted = QT_TRANSLATE_NOOP("Orvane", "pasted %1");
    const char* noText = QT_TRANSLATE_NOOP("Orvane", "nothing pasted: the clipboard holds no text");
    const char* tooLong = QT_TRANSLATE_NOOP("Orvane", "nothing pasted: the text is too long");
    const char* noKey = QT_TRANSLATE_NOOP("Orvane", "nothing pasted: “%1” has no key");
    const char* refused = QT_TRANSLATE_NOOP("Orvane", "nothing pasted: %1 is refused there");
    const char* expression = QT_TRANSLATE_NOOP("Orvane", "Expression: %1. %2");
    // Ends each key's description, naming its keyboard key.
    const char* key = QT_TRANSLATE_NOOP("Orvane", "Key: %1");
    // Follows the page's line for screen-reader users.
    const char* sayKey = QT_TRANSLATE_NOOP("Orvane", "%1 says the expression.");
};

inline constexpr CommandPhrases kCommandPhrases;

}  // namespace orvane
