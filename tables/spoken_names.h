#pragma once

#include <array>

#include "tables/button_descriptions.h"  // QT_TRANSLATE_NOOP without the toolkit

namespace orvane {

// What screen readers call the menus and the displays and say of them, by
// the object names the window and the page both give them. English is the
// source text (context "Orvane"); the desktop speaks it translated, and the
// page's build writes the same rows into the page.
struct SpokenName {
    const char* objectName;
    const char* name;
    const char* description;
};

inline constexpr std::array<SpokenName, 7> kMenuNames = {{
    {"mnuFail", QT_TRANSLATE_NOOP("Orvane", "File"),
     QT_TRANSLATE_NOOP("Orvane", "Holds the command that ends the calculator.")},
    {"mnuEnd", QT_TRANSLATE_NOOP("Orvane", "Exit"),
     QT_TRANSLATE_NOOP("Orvane", "Closes every window of the calculator and ends it.")},
    {"mnuHnensyuu", QT_TRANSLATE_NOOP("Orvane", "Edit"),
     QT_TRANSLATE_NOOP("Orvane", "Copies the expression or the answer to the clipboard.")},
    {"mnuSikicopy", QT_TRANSLATE_NOOP("Orvane", "Copy expression"),
     QT_TRANSLATE_NOOP("Orvane", "Copies the expression to the clipboard.")},
    {"mnuKotaecopy", QT_TRANSLATE_NOOP("Orvane", "Copy answer"),
     QT_TRANSLATE_NOOP("Orvane", "Copies the answer to the clipboard.")},
    {"mnuHelp", QT_TRANSLATE_NOOP("Orvane", "Help"),
     QT_TRANSLATE_NOOP("Orvane", "Shows the version information.")},
    {"mnuVarjyon", QT_TRANSLATE_NOOP("Orvane", "Version information"),
     QT_TRANSLATE_NOOP("Orvane", "Opens the window with the calculator's version.")},
}};

// In Label order.
inline constexpr std::array<SpokenName, 4> kDisplayNames = {{
    {"Label1", QT_TRANSLATE_NOOP("Orvane", "expression"),
     QT_TRANSLATE_NOOP("Orvane", "The expression being typed.")},
    {"Label2", QT_TRANSLATE_NOOP("Orvane", "answer"),
     QT_TRANSLATE_NOOP("Orvane", "The answer of the last evaluation, or why it failed.")},
    {"Label3", QT_TRANSLATE_NOOP("Orvane", "memory 1"),
     QT_TRANSLATE_NOOP("Orvane", "The value stored in memory 1.")},
    {"Label4", QT_TRANSLATE_NOOP("Orvane", "memory 2"),
     QT_TRANSLATE_NOOP("Orvane", "The value stored in memory 2.")},
}};

}  // namespace orvane
