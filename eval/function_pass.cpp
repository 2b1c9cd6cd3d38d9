// Applies the trigonometric function tokens of one range, in degrees.
#include "eval/arithmetic.h"
#include "eval/number_text.h"
#include "record/calculator.h"

namespace orvane {

void Calculator::ApplyFunctions() {
    workOperators.resizeTo(slotIndex);
    const int end = rangeEnd;
    // Visits the slots of the range that still hold a token, left to right.
    for (int s = workOperatorSlots_.After(rangeStart - 1); s != SlotSet::kNone && s <= end;
         s = workOperatorSlots_.After(s)) {
        const int n = FunctionTokenNumber(workOperators[s]);
        if (n == 0) continue;
        // The argument is the first operand to the right within the range;
        // with none, the register keeps its previous value.
        const int argument = workOperandSlots_.After(s);
        if (argument != SlotSet::kNone && argument <= rangeEnd)
            rightValue = TakeWorkOperand(argument);
        resultValue = ApplyFunctionToken(n, rightValue);
        PutWorkOperand(s, resultValue);
        DropWorkOperator(s);
    }
}

}  // namespace orvane
