// Clear-all: the start-up reset, the AC key and Esc.
#include "record/calculator.h"

namespace orvane {

void Calculator::Command2_Click() { ClearAll(); }

void Calculator::ClearAll() {
    // The window keeps its key preview on and the entry keys enabled for
    // good; nothing in the engine ever turns them off, so there is nothing
    // to switch back on here.
    SetLabel1(u"式");
    SetLabel2(u"＝");
    resultValue = 0;
    rangeStart = rangeEnd = closeCount = openCount = 0;
    pointCount = 0;
    slotIndex = 0;
    entryCase = 0;
    pendingMinus = 0;
    exprText.clear();
    curNumber.clear();
    answerText.clear();
    funcNameLens.reset();
    constMarks.reset();
    closeParens.reset();
    openParens.reset();
    operands.reset();
    operators.reset();
    tokenSlots_ = {};
    workCloseParens.reset();
    workOpenParens.reset();
    workOperands.reset();
    workOperators.reset();
    workOperandSlots_.Reset(0);
    workOperatorSlots_.Reset(0);
}

}  // namespace orvane
