// The three reducers: power and root, then times and divide, then plus and
// minus, each sweeping its range once from left to right.
#include "eval/arithmetic.h"
#include "eval/number_text.h"
#include "record/calculator.h"

namespace orvane {

void Calculator::ReducePowers() { Reduce(u'^', u'√'); }
void Calculator::ReduceMulDiv() { Reduce(u'*', u'/'); }
void Calculator::ReduceAddSub() { Reduce(u'+', u'-'); }

double Calculator::TakeWorkOperand(int slot) {
    const double value = TextToNumber(workOperands[slot]);
    workOperands[slot].clear();
    workOperandSlots_.Erase(slot);
    return value;
}

void Calculator::PutWorkOperand(int slot, double value) {
    // Every intermediate result travels as text, rounded to 15 digits.
    workOperands[slot] = NumberToText(value);
    workOperandSlots_.Insert(slot);
}

void Calculator::DropWorkOperator(int slot) {
    workOperators[slot].clear();
    workOperatorSlots_.Erase(slot);
}

void Calculator::Reduce(char16_t first, char16_t second) {
    workOperators.resizeTo(slotIndex);
    const int end = rangeEnd;
    for (int s = workOperatorSlots_.After(rangeStart - 1); s != SlotSet::kNone && s <= end;
         s = workOperatorSlots_.After(s)) {
        const Text& token = workOperators[s];
        if (token.size() != 1 || (token[0] != first && token[0] != second)) continue;
        const char16_t op = token[0];

        // The left operand is searched down to slot 1, past the start of the
        // range if need be; with none, the result lands in slot 0 and the
        // register keeps its previous value.
        int a = workOperandSlots_.Before(s);
        if (a >= 1) {
            leftValue = TakeWorkOperand(a);
        } else {
            a = 0;
        }
        const int right = workOperandSlots_.After(s);
        if (right != SlotSet::kNone && right <= rangeEnd) rightValue = TakeWorkOperand(right);

        resultValue = ApplyOperatorToken(op, leftValue, rightValue);
        PutWorkOperand(a, resultValue);
        DropWorkOperator(s);
    }
}

}  // namespace orvane
