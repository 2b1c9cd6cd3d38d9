#include "tests/reference/straightforward_evaluate.h"

#include "eval/arithmetic.h"
#include "eval/number_text.h"

namespace orvane::testing {

namespace {

class Evaluation {
public:
    explicit Evaluation(CalculatorState& state) : s(state) {}

    EvaluateOutcome Key() {
        CheckEvaluate();
        if (s.entryCase == 1) {
            if (s.slotIndex + 1 > kIntegerMax) return out;
            ++s.slotIndex;
            s.operands.resizeTo(s.slotIndex);
            s.operands[s.slotIndex] = s.curNumber;
            s.curNumber.clear();
            s.pointCount = 0;
            if (s.pendingMinus == 1) {
                s.exprText += u")";
                s.pendingMinus = 0;
                out.label1 = s.exprText;
            }
            CopyToWorkArrays();
            EvaluateExpression();
            s.curNumber = s.operands[s.slotIndex];
            if (s.curNumber.find(u'.') != Text::npos) s.pointCount = 1;
            --s.slotIndex;
            TrimSlotArrays();
        } else if (s.entryCase == 0) {
            CopyToWorkArrays();
            EvaluateExpression();
        } else if (s.entryCase == 3) {
            out.label2 = u"括弧の数があいません。";
        } else if (s.entryCase == 2) {
            out.label2 = u"式が不完全です";
        }
        return out;
    }

private:
    void CheckEvaluate() {
        s.entryCase = 2;
        if (s.slotIndex <= 0) return;
        if (s.openCount != s.closeCount) {
            s.entryCase = 3;
        } else if (!s.curNumber.empty()) {
            s.entryCase = 1;
        } else if (s.closeParens.upper() == s.slotIndex) {
            s.entryCase = 0;
        }
    }

    void CopyToWorkArrays() {
        SlotArray<Text>* work[] = {&s.workCloseParens, &s.workOpenParens, &s.workOperands, &s.workOperators};
        const SlotArray<Text>* source[] = {&s.closeParens, &s.openParens, &s.operands, &s.operators};
        for (int k = 0; k < 4; ++k) {
            work[k]->resizeTo(s.slotIndex);
            for (int i = 0; i <= s.slotIndex; ++i) (*work[k])[i] = Text{};
            for (int i = 0; i <= source[k]->upper(); ++i) (*work[k])[i] = (*source[k])[i];
        }
    }

    void TrimSlotArrays() {
        for (SlotArray<Text>* slots : {&s.closeParens, &s.openParens, &s.operands, &s.operators}) {
            int i = s.slotIndex;
            while (i >= 0) {
                slots->resizeTo(i);
                if (!(*slots)[i].empty()) break;
                --i;
            }
            if (i < 0) slots->resizeTo(0);
        }
    }

    void EvaluateExpression() {
        try {
            if (s.openCount == 0) {
                s.rangeStart = 1;
                s.rangeEnd = static_cast<Integer>(s.workOperators.upper());
                EvaluateRange();
                s.answerText = s.workOperands[1];
                out.label2 = s.answerText;
                return;
            }
            s.workOpenParens.resizeTo(s.workCloseParens.upper());
            const int lastClose = s.workCloseParens.upper();
            for (int i = 1; i <= lastClose; ++i) {
                if (s.workCloseParens[i] != u")") continue;
                for (int j = i; j >= 0; --j) {
                    if (s.workOpenParens[j] == u"(") {
                        s.rangeStart = static_cast<Integer>(j + 1);
                        s.rangeEnd = static_cast<Integer>(i - 1);
                        EvaluateRange();
                        s.workCloseParens[i].clear();
                        s.workOpenParens[j].clear();
                        break;
                    }
                }
            }
            const int lastOperator = s.workOperators.upper();
            for (int j = 1; j <= lastOperator; ++j) {
                if (!s.workOperators[j].empty()) {
                    s.rangeStart = 1;
                    s.rangeEnd = static_cast<Integer>(s.workOperators.upper());
                    EvaluateRange();
                }
            }
            for (int k = 1; k <= s.openCount + 1; ++k) {
                if (!s.workOperands[k].empty()) {
                    s.answerText = s.workOperands[k];
                    out.label2 = s.answerText;
                }
            }
        } catch (const BadNumber&) {
            out.label2 = u"数値が正しくありません";
        }
    }

    void EvaluateRange() {
        ApplyFunctions();
        Reduce(u"^", u"√");
        Reduce(u"*", u"/");
        Reduce(u"+", u"-");
    }

    void ApplyFunctions() {
        s.workOperators.resizeTo(s.slotIndex);
        const int end = s.rangeEnd;
        for (int st = s.rangeStart; st <= end; ++st) {
            for (int n = 1; n <= 9; ++n) {
                if (s.workOperators[st] != u"K" + Text(1, static_cast<char16_t>(u'0' + n))) continue;
                for (int i = st + 1; i <= s.rangeEnd; ++i) {
                    if (!s.workOperands[i].empty()) {
                        s.rightValue = TextToNumber(s.workOperands[i]);
                        s.workOperands[i].clear();
                        break;
                    }
                }
                s.resultValue = ApplyFunctionToken(n, s.rightValue);
                s.workOperands[st] = NumberToText(s.resultValue);
                s.workOperators[st].clear();
            }
        }
    }

    void Reduce(const Text& first, const Text& second) {
        s.workOperators.resizeTo(s.slotIndex);
        const int end = s.rangeEnd;
        for (int st = s.rangeStart; st <= end; ++st) {
            const Text op = s.workOperators[st];
            if (op != first && op != second) continue;
            int a = st - 1;
            for (; a >= 1; --a) {
                if (!s.workOperands[a].empty()) {
                    s.leftValue = TextToNumber(s.workOperands[a]);
                    s.workOperands[a].clear();
                    break;
                }
            }
            if (a < 0) a = 0;
            for (int i = st + 1; i <= s.rangeEnd; ++i) {
                if (!s.workOperands[i].empty()) {
                    s.rightValue = TextToNumber(s.workOperands[i]);
                    s.workOperands[i].clear();
                    break;
                }
            }
            s.resultValue = ApplyOperatorToken(op[0], s.leftValue, s.rightValue);
            s.workOperands[a] = NumberToText(s.resultValue);
            s.workOperators[st].clear();
        }
    }

    CalculatorState& s;
    EvaluateOutcome out;
};

}  // namespace

EvaluateOutcome StraightforwardEvaluateKey(CalculatorState& state) { return Evaluation(state).Key(); }

}  // namespace orvane::testing
