#pragma once

#include <cstdint>
#include <string>

#include "record/slot_array.h"

namespace orvane {

using Integer = std::int16_t;
using Text = std::u16string;

// The largest value a slot index or parenthesis counter can hold.
inline constexpr int kIntegerMax = 32767;

// Every piece of calculator state, under the names the behaviour is written
// in. The engine's procedures read and write these fields directly.
struct CalculatorState {
    Text memory1;
    Text memory2;
    SlotArray<Integer> constMarks;    // characters the constant typed at slot index i occupies
    SlotArray<Integer> funcNameLens;  // characters of the function name at slot i
    Integer pendingMinus = 0;         // 1 while the ")" of a unary minus is owed
    Integer entryCase = 0;            // case code written by a guard, read by its handler
    double resultValue = 0;
    double leftValue = 0;
    double rightValue = 0;
    Integer rangeStart = 0;
    Integer rangeEnd = 0;
    Integer closeCount = 0;
    Integer openCount = 0;
    SlotArray<Text> closeParens;
    SlotArray<Text> openParens;
    Integer pointCount = 0;  // 0 while the number being typed may still take a point
    Text exprText;
    Integer slotIndex = 0;  // slot of the last token; 0 = no token
    SlotArray<Text> operands;
    SlotArray<Text> operators;
    Text curNumber;  // the number being typed; "-" alone is a unary minus awaiting digits
    Integer digitArg = 0;
    Text answerText;
    SlotArray<Text> workOperators;
    SlotArray<Text> workOperands;
    SlotArray<Text> workOpenParens;
    SlotArray<Text> workCloseParens;

    bool operator==(const CalculatorState&) const = default;
};

}  // namespace orvane
