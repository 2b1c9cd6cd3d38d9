// Evaluates the work copy: groups innermost first, then the whole expression.
#include "entry/calculator.h"
#include "eval/number_text.h"

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
        workOpenParens.resizeTo(workCloseParens.upper());
        const int lastClose = workCloseParens.upper();
        for (int i = 1; i <= lastClose; ++i) {
            if (workCloseParens[i] != u")") continue;
            for (int j = i; j >= 0; --j) {
                if (workOpenParens[j] != u"(") continue;
                rangeStart = static_cast<Integer>(j + 1);
                rangeEnd = static_cast<Integer>(i - 1);
                EvaluateRange();
                workCloseParens[i].clear();
                workOpenParens[j].clear();
                break;
            }
        }

        // Whole pass: one evaluation applies every remaining token.
        const int lastOperator = workOperators.upper();
        for (int j = 1; j <= lastOperator; ++j) {
            if (workOperators.at_or_empty(j).empty()) continue;
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
