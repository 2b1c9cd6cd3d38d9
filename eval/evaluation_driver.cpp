// Evaluates the work copy: groups innermost first, then the whole expression.
#include <vector>

#include "eval/number_text.h"
#include "record/calculator.h"

namespace orvane {

void Calculator::EvaluateExpression() {
    // Every failure below, however deep, ends up here and nowhere else.
    try {
        if (openCount == 0) {
            rangeStart = 1;
            rangeEnd = static_cast<Integer>(workOperators.upper());
            EvaluateRange();
            answerText = workOperands.at_or_empty(1);
            SetLabel2(answerText);
            return;
        }

        // Group pass: each ")" from the left takes the nearest "(" still open
        // to its left, so groups go innermost first, siblings left to right.
        // The "(" still open are kept on a stack as the pass goes by them.
        workOpenParens.resizeTo(workCloseParens.upper());
        const int lastClose = workCloseParens.upper();
        std::vector<int> open;
        for (int i = 1; i <= lastClose; ++i) {
            if (workOpenParens[i] == u"(") open.push_back(i);
            if (workCloseParens[i] != u")" || open.empty()) continue;
            const int j = open.back();
            open.pop_back();
            rangeStart = static_cast<Integer>(j + 1);
            rangeEnd = static_cast<Integer>(i - 1);
            EvaluateRange();
            workCloseParens[i].clear();
            workOpenParens[j].clear();
        }

        // Whole pass: one evaluation applies every remaining token.
        const int lastOperator = workOperators.upper();
        for (int j = workOperatorSlots_.After(0); j != SlotSet::kNone && j <= lastOperator;
             j = workOperatorSlots_.After(j)) {
            rangeStart = 1;
            rangeEnd = static_cast<Integer>(workOperators.upper());
            EvaluateRange();
        }

        // The leftmost token that is not "(" stands at most at openCount + 1,
        // and its slot is the one left holding the value.
        for (int k = 1; k <= openCount + 1; ++k) {
            const Text& operand = workOperands.at_or_empty(k);
            if (operand.empty()) continue;
            answerText = operand;
            SetLabel2(answerText);
        }
    } catch (const BadNumber&) {
        SetLabel2(u"数値が正しくありません");
    }
}

void Calculator::EvaluateRange() {
    ApplyFunctions();
    ReducePowers();
    ReduceMulDiv();
    ReduceAddSub();
}

}  // namespace orvane
