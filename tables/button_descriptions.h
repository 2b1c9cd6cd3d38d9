#pragma once

#include <array>

// Marks a source text for the translation tools without needing the toolkit:
// the desktop's translations are built from these rows, and the page reads
// the same rows through the engine.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace orvane {

// What screen readers say of each keypad button: its name, what the button
// is, and its description, what it does, in a sentence. English is the
// source text; the program shows them translated into the user's language
// (context "Orvane"). Kept beside the button table rather than in it, so
// the table stays plain data; one row per button, in the same order. The two
// buttons that are never drawn say nothing at all.
struct ButtonSpeech {
    int number;  // the button is CommandN
    const char* name;
    const char* description;
};

// clang-format off
inline constexpr std::array<ButtonSpeech, 45> kButtonSpeech = {{
    {1,  QT_TRANSLATE_NOOP("Orvane", "equals"), QT_TRANSLATE_NOOP("Orvane", "Evaluates the whole expression and shows the answer.")},
    {2,  QT_TRANSLATE_NOOP("Orvane", "clear all"), QT_TRANSLATE_NOOP("Orvane", "Clears the expression and the answer.")},
    {3,  "0", QT_TRANSLATE_NOOP("Orvane", "Types the digit 0.")},
    {4,  "1", QT_TRANSLATE_NOOP("Orvane", "Types the digit 1.")},
    {5,  "2", QT_TRANSLATE_NOOP("Orvane", "Types the digit 2.")},
    {6,  "3", QT_TRANSLATE_NOOP("Orvane", "Types the digit 3.")},
    {7,  "4", QT_TRANSLATE_NOOP("Orvane", "Types the digit 4.")},
    {8,  "5", QT_TRANSLATE_NOOP("Orvane", "Types the digit 5.")},
    {9,  "6", QT_TRANSLATE_NOOP("Orvane", "Types the digit 6.")},
    {10, "7", QT_TRANSLATE_NOOP("Orvane", "Types the digit 7.")},
    {11, "8", QT_TRANSLATE_NOOP("Orvane", "Types the digit 8.")},
    {12, "9", QT_TRANSLATE_NOOP("Orvane", "Types the digit 9.")},
    {13, QT_TRANSLATE_NOOP("Orvane", "decimal point"), QT_TRANSLATE_NOOP("Orvane", "Types a decimal point in the number being typed.")},
    {14, QT_TRANSLATE_NOOP("Orvane", "plus"), QT_TRANSLATE_NOOP("Orvane", "Adds: types the plus operator.")},
    {15, QT_TRANSLATE_NOOP("Orvane", "minus"), QT_TRANSLATE_NOOP("Orvane", "Subtracts: types the minus operator, or a minus sign before a number.")},
    {16, QT_TRANSLATE_NOOP("Orvane", "times"), QT_TRANSLATE_NOOP("Orvane", "Multiplies: types the times operator.")},
    {17, QT_TRANSLATE_NOOP("Orvane", "divide"), QT_TRANSLATE_NOOP("Orvane", "Divides: types the divide operator.")},
    {18, QT_TRANSLATE_NOOP("Orvane", "open parenthesis"), QT_TRANSLATE_NOOP("Orvane", "Opens a parenthesised group.")},
    {19, QT_TRANSLATE_NOOP("Orvane", "close parenthesis"), QT_TRANSLATE_NOOP("Orvane", "Closes the innermost open parenthesised group.")},
    {20, "", ""},
    {21, "", ""},
    {22, QT_TRANSLATE_NOOP("Orvane", "backspace"), QT_TRANSLATE_NOOP("Orvane", "Backspace: deletes the last character or the last whole token of the expression.")},
    {23, QT_TRANSLATE_NOOP("Orvane", "copy the expression"), QT_TRANSLATE_NOOP("Orvane", "Copies the expression to the clipboard.")},
    {24, QT_TRANSLATE_NOOP("Orvane", "copy the answer"), QT_TRANSLATE_NOOP("Orvane", "Copies the answer to the clipboard.")},
    {25, QT_TRANSLATE_NOOP("Orvane", "store the answer in memory 1"), QT_TRANSLATE_NOOP("Orvane", "Stores the current answer in memory 1.")},
    {26, QT_TRANSLATE_NOOP("Orvane", "store the answer in memory 2"), QT_TRANSLATE_NOOP("Orvane", "Stores the current answer in memory 2.")},
    {27, QT_TRANSLATE_NOOP("Orvane", "recall memory 1"), QT_TRANSLATE_NOOP("Orvane", "Puts the value of memory 1 into the expression.")},
    {28, QT_TRANSLATE_NOOP("Orvane", "recall memory 2"), QT_TRANSLATE_NOOP("Orvane", "Puts the value of memory 2 into the expression.")},
    {29, QT_TRANSLATE_NOOP("Orvane", "clear memory 1"), QT_TRANSLATE_NOOP("Orvane", "Clears memory 1.")},
    {30, QT_TRANSLATE_NOOP("Orvane", "clear memory 2"), QT_TRANSLATE_NOOP("Orvane", "Clears memory 2.")},
    {31, QT_TRANSLATE_NOOP("Orvane", "power"), QT_TRANSLATE_NOOP("Orvane", "Raises the number before it to the power of the number after it.")},
    {32, QT_TRANSLATE_NOOP("Orvane", "root"), QT_TRANSLATE_NOOP("Orvane", "Takes a root: the degree is the number before it (2 if none), the radicand the one after.")},
    {33, QT_TRANSLATE_NOOP("Orvane", "pi"), QT_TRANSLATE_NOOP("Orvane", "Types pi, the ratio of a circle's circumference to its diameter.")},
    {34, QT_TRANSLATE_NOOP("Orvane", "sine"), QT_TRANSLATE_NOOP("Orvane", "Types the sine function, in degrees.")},
    {35, QT_TRANSLATE_NOOP("Orvane", "cosine"), QT_TRANSLATE_NOOP("Orvane", "Types the cosine function, in degrees.")},
    {36, QT_TRANSLATE_NOOP("Orvane", "tangent"), QT_TRANSLATE_NOOP("Orvane", "Types the tangent function, in degrees.")},
    {37, QT_TRANSLATE_NOOP("Orvane", "arcsine"), QT_TRANSLATE_NOOP("Orvane", "Types the arcsine function; the result is in degrees.")},
    {38, QT_TRANSLATE_NOOP("Orvane", "arccosine"), QT_TRANSLATE_NOOP("Orvane", "Types the arccosine function; the result is in degrees.")},
    {39, QT_TRANSLATE_NOOP("Orvane", "arctangent"), QT_TRANSLATE_NOOP("Orvane", "Types the arctangent function; the result is in degrees.")},
    {40, QT_TRANSLATE_NOOP("Orvane", "cosecant"), QT_TRANSLATE_NOOP("Orvane", "Types the cosecant function, in degrees.")},
    {41, QT_TRANSLATE_NOOP("Orvane", "secant"), QT_TRANSLATE_NOOP("Orvane", "Types the secant function, in degrees.")},
    {42, QT_TRANSLATE_NOOP("Orvane", "cotangent"), QT_TRANSLATE_NOOP("Orvane", "Types the cotangent function, in degrees.")},
    {43, QT_TRANSLATE_NOOP("Orvane", "inverse cosecant, not available"), QT_TRANSLATE_NOOP("Orvane", "The inverse cosecant is not available.")},
    {44, QT_TRANSLATE_NOOP("Orvane", "inverse secant, not available"), QT_TRANSLATE_NOOP("Orvane", "The inverse secant is not available.")},
    {45, QT_TRANSLATE_NOOP("Orvane", "inverse cotangent, not available"), QT_TRANSLATE_NOOP("Orvane", "The inverse cotangent is not available.")},
}};
// clang-format on

// What screen readers say of CommandN; nothing when there is no such button.
constexpr ButtonSpeech SpeakButton(int number) {
    for (const ButtonSpeech& row : kButtonSpeech) {
        if (row.number == number) return row;
    }
    return {number, "", ""};
}

}  // namespace orvane
