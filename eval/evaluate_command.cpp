// The evaluate key: readiness check, the work copy, and reopening the number.
#include "record/calculator.h"

namespace orvane {

namespace {

// Shrinks an entry slot array to end at its last token at or below
// lastSlot. The tokens beyond it are exactly the positions dropped here, so
// emptying those leaves everything above the new bound empty.
void TrimToLastToken(SlotArray<Text>& slots, std::vector<Integer>& positions, int lastSlot) {
    while (!positions.empty() &&
           (positions.back() > lastSlot || slots.at_or_empty(positions.back()).empty())) {
        if (positions.back() <= slots.upper()) slots[positions.back()].clear();
        positions.pop_back();
    }
    slots.truncateTo(positions.empty() ? 0 : positions.back());
}

void CopyPadded(SlotArray<Text>& work, const SlotArray<Text>& source, int lastSlot) {
    work = source;  // reuses the work array's own storage where it can
    work.resizeTo(lastSlot);
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
    TrimToLastToken(closeParens, tokenSlots_.closeParens, slotIndex);
    TrimToLastToken(openParens, tokenSlots_.openParens, slotIndex);
    TrimToLastToken(operands, tokenSlots_.operands, slotIndex);
    TrimToLastToken(operators, tokenSlots_.operators, slotIndex);
}

}  // namespace orvane
