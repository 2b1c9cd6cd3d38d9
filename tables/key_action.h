#pragma once

#include <cstdint>

namespace orvane {

// Everything a button, a key or a menu command can ask of the calculator.
enum class KeyAction : std::uint8_t {
    None,  // an unavailable button: never does anything
    Evaluate,
    ClearAll,
    Backspace,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Point,
    Pi,
    Plus,
    Minus,
    Times,
    Divide,
    Power,
    Root,
    OpenParen,
    CloseParen,
    Sin,
    Cos,
    Tan,
    Arcsin,
    Arccos,
    Arctan,
    Cosec,
    Sec,
    Cotan,
    StoreMemory1,
    StoreMemory2,
    RecallMemory1,
    RecallMemory2,
    ClearMemory1,
    ClearMemory2,
    CopyExpression,
    CopyAnswer,
};

}  // namespace orvane
