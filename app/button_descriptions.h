#pragma once

#include <array>

namespace orvane {

// What each keypad button does, in a sentence, for screen readers; the button
// table's accessibleName column says what the button is. Kept beside that
// table rather than in it, one row per button, in the same order.
struct ButtonDescription {
    int number;  // the button is CommandN
    const char* text;
};

// clang-format off
inline constexpr std::array<ButtonDescription, 45> kButtonDescriptions = {{
    {1,  "Evaluates the whole expression and shows the answer."},
    {2,  "Clears the expression and the answer."},
    {3,  "Types the digit 0."},
    {4,  "Types the digit 1."},
    {5,  "Types the digit 2."},
    {6,  "Types the digit 3."},
    {7,  "Types the digit 4."},
    {8,  "Types the digit 5."},
    {9,  "Types the digit 6."},
    {10, "Types the digit 7."},
    {11, "Types the digit 8."},
    {12, "Types the digit 9."},
    {13, "Types a decimal point in the number being typed."},
    {14, "Adds: types the plus operator."},
    {15, "Subtracts: types the minus operator, or a minus sign before a number."},
    {16, "Multiplies: types the times operator."},
    {17, "Divides: types the divide operator."},
    {18, "Opens a parenthesised group."},
    {19, "Closes the innermost open parenthesised group."},
    {20, "Not in use."},
    {21, "Not in use."},
    {22, "Backspace: deletes the last character or the last whole token of the expression."},
    {23, "Copies the expression to the clipboard."},
    {24, "Copies the answer to the clipboard."},
    {25, "Stores the current answer in memory 1."},
    {26, "Stores the current answer in memory 2."},
    {27, "Puts the value of memory 1 into the expression."},
    {28, "Puts the value of memory 2 into the expression."},
    {29, "Clears memory 1."},
    {30, "Clears memory 2."},
    {31, "Raises the number before it to the power of the number after it."},
    {32, "Takes a root: the degree is the number before it (2 if none), the radicand the one after."},
    {33, "Types pi, the ratio of a circle's circumference to its diameter."},
    {34, "Types the sine function, in degrees."},
    {35, "Types the cosine function, in degrees."},
    {36, "Types the tangent function, in degrees."},
    {37, "Types the arcsine function; the result is in degrees."},
    {38, "Types the arccosine function; the result is in degrees."},
    {39, "Types the arctangent function; the result is in degrees."},
    {40, "Types the cosecant function, in degrees."},
    {41, "Types the secant function, in degrees."},
    {42, "Types the cotangent function, in degrees."},
    {43, "The inverse cosecant is not available."},
    {44, "The inverse secant is not available."},
    {45, "The inverse cotangent is not available."},
}};
// clang-format on

// The description of CommandN, or "" when there is no such button.
constexpr const char* DescribeButton(int number) {
    for (const ButtonDescription& row : kButtonDescriptions) {
        if (row.number == number) return row.text;
    }
    return "";
}

}  // namespace orvane
