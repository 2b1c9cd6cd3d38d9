// The three reducers: power and root, then times and divide, then plus and
// minus, each sweeping its range once from left to right.
#include <cmath>

#include "entry/calculator.h"
#include "eval/number_text.h"

namespace orvane {

namespace {

double Power(double base, double exponent) {
    if (base < 0 && exponent != std::trunc(exponent)) throw BadNumber();
    return Checked(std::pow(base, exponent));
}

// The value of "left op right" for one of the six binary operators.
double Operate(char16_t op, double left, double right) {
    switch (op) {
        case u'^': return Power(left, right);
        case u'√': return Power(right, CheckedDivide(1, left));  // left is the root index
        case u'*': return Checked(right * left);
        case u'/': return CheckedDivide(left, right);
        case u'+': return Checked(right + left);
        case u'-': return Checked(left - right);
        default: throw BadNumber();
    }
}

}  // namespace

void Calculator::ReducePowers() { Reduce(u"^", u"√"); }
void Calculator::ReduceMulDiv() { Reduce(u"*", u"/"); }
void Calculator::ReduceAddSub() { Reduce(u"+", u"-"); }

void Calculator::Reduce(const Text& first, const Text& second) {
    workOperators.resizeTo(slotIndex);
    const int end = rangeEnd;
    for (int s = rangeStart; s <= end; ++s) {
        const Text op = workOperators[s];
        if (op != first && op != second) continue;

        // The left search may leave the range; with no operand it ends at
        // slot 0 and the register keeps its previous value.
        int a = s - 1;
        for (; a >= 1; --a) {
            if (workOperands[a].empty()) continue;
            leftValue = TextToNumber(workOperands[a]);
            workOperands[a].clear();
            break;
        }
        for (int i = s + 1; i <= rangeEnd; ++i) {
            if (workOperands[i].empty()) continue;
            rightValue = TextToNumber(workOperands[i]);
            workOperands[i].clear();
            break;
        }
        resultValue = Operate(op[0], leftValue, rightValue);
        workOperands[a < 0 ? 0 : a] = NumberToText(resultValue);
        workOperators[s].clear();
    }
}

}  // namespace orvane
