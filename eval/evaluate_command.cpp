// The evaluate key: readiness check, the work copy, and reopening the number.
#include <algorithm>

#include "entry/calculator.h"

namespace orvane {

namespace {

// Shrinks an entry slot array to end at its last token at or below
// lastSlot. Elements above the array's own upper bound are empty by
// definition, so the search may start at the lower of the two.
void TrimToLastToken(SlotArray<Text>& slots, int lastSlot) {
    int i = std::min(lastSlot, slots.upper());
    while (i > 0 && slots[i].empty()) --i;
    slots.resizeTo(i < 0 ? 0 : i);
}

void CopyPadded(SlotArray<Text>& work, const SlotArray<Text>& source, int lastSlot) {
    work.resizeTo(lastSlot);
    for (int i = 0; i <= lastSlot; ++i) work[i] = source.at_or_empty(i);
}

}  // namespace

void Calculator::Command1_Click() {
    CheckEvaluate();
    switch (entryCase) {
        case 1:
            // The number being typed needs one more slot; past the limit the
            // key is refused like any other.
            if (!HasRoom(1)) return;
            CloseNumber();
            if (pendingMinus == 1) {
                exprText += u")";
                pendingMinus = 0;
                SetLabel1(exprText);
            }
            CopyToWorkArrays();
            EvaluateExpression();
            // Reopen the number so the expression stays editable.
            curNumber = operands[slotIndex];
            if (curNumber.find(u'.') != Text::npos) pointCount = 1;
            --slotIndex;
            TrimSlotArrays();
            break;
        case 0:
            CopyToWorkArrays();
            EvaluateExpression();
            break;
        case 3:
            SetLabel2(u"括弧の数があいません。");
            break;
        case 2:
            SetLabel2(u"式が不完全です");
            break;
    }
}

void Calculator::CheckEvaluate() {
    entryCase = 2;
    if (slotIndex <= 0) return;
    if (openCount != closeCount) {
        entryCase = 3;
    } else if (!curNumber.empty()) {
        entryCase = 1;
    } else if (closeParens.upper() == slotIndex) {
        entryCase = 0;
    }
}

void Calculator::CopyToWorkArrays() {
    CopyPadded(workCloseParens, closeParens, slotIndex);
    CopyPadded(workOpenParens, openParens, slotIndex);
    CopyPadded(workOperands, operands, slotIndex);
    CopyPadded(workOperators, operators, slotIndex);
    workOperandSlots_.Reset(slotIndex);
    workOperatorSlots_.Reset(slotIndex);
    for (int i = 1; i <= slotIndex; ++i) {
        if (!workOperands[i].empty()) workOperandSlots_.Insert(i);
        if (!workOperators[i].empty()) workOperatorSlots_.Insert(i);
    }
}

void Calculator::TrimSlotArrays() {
    TrimToLastToken(closeParens, slotIndex);
    TrimToLastToken(openParens, slotIndex);
    TrimToLastToken(operands, slotIndex);
    TrimToLastToken(operators, slotIndex);
}

}  // namespace orvane
