// The two answer memories: store, clear and recall.
#include "eval/number_text.h"
#include "record/calculator.h"

namespace orvane {

void Calculator::Command25_Click() {
    memory1 = answerText;
    SetLabel3(memory1);
}

void Calculator::Command26_Click() {
    memory2 = answerText;
    SetLabel4(memory2);
}

void Calculator::ClearMemory1() {
    memory1.clear();
    SetLabel3(u"Memory 1");
}

void Calculator::ClearMemory2() {
    memory2.clear();
    SetLabel4(u"Memory 2");
}

void Calculator::Command29_Click() { ClearMemory1(); }
void Calculator::Command30_Click() { ClearMemory2(); }
void Calculator::Command27_Click() { RecallMemory(memory1, u"M1", u"M1)"); }
void Calculator::Command28_Click() { RecallMemory(memory2, u"M2", u"M2)"); }

void Calculator::CheckRecall() {
    entryCase = 0;
    if (curNumber.empty()) entryCase = 1;
    if (curNumber == u"-") entryCase = 2;
    if (closeParens.upper() == slotIndex && slotIndex > 0) entryCase = 0;
}

void Calculator::RecallMemory(const Text& memory, const Text& plainToken,
                              const Text& negatedToken) {
    CheckRecall();
    if (memory.empty()) return;
    if (entryCase == 1) {
        curNumber = memory;
        exprText += plainToken;
        SetLabel1(exprText);
        constMarks.resizeTo(slotIndex);
        constMarks[slotIndex] = 2;
    } else if (entryCase == 2) {
        const Integer minusLength = NegatedConstantPrefixLength();
        double negated = 0;
        try {
            negated = TextToNumber(memory) * -1;
        } catch (const BadNumber&) {
            return;  // a memory only ever holds an answer; refuse rather than fail
        }
        curNumber = NumberToText(negated);
        exprText += negatedToken;
        SetLabel1(exprText);
        constMarks.resizeTo(slotIndex);
        constMarks[slotIndex] = static_cast<Integer>(minusLength + 3);  // (-M1)
        pendingMinus = 0;  // the ")" owed to the unary minus is written
    }
}

}  // namespace orvane
