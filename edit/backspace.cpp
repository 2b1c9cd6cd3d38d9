// Backspace: one character of the number being typed, or one whole token.
#include "record/calculator.h"

namespace orvane {

void Calculator::Command22_Click() {
    DeleteLastEntry();
    SetLabel1(exprText);
}

void Calculator::CutExprText(int count) {
    const int keep = static_cast<int>(exprText.size()) - count;
    exprText.resize(static_cast<std::size_t>(keep < 0 ? 0 : keep));
}

void Calculator::ClassifyLastEntry() {
    entryCase = 0;
    constMarks.resizeTo(slotIndex);
    funcNameLens.resizeTo(slotIndex);
    if (constMarks[slotIndex] > 0) {
        entryCase = 5;
    } else if (curNumber == u"-") {
        pendingMinus = 0;
        entryCase = 2;
    } else if (!curNumber.empty()) {
        entryCase = 1;
    } else if (funcNameLens[slotIndex] > 0) {
        entryCase = 6;
    } else if (slotIndex == 0) {
        entryCase = 0;
    } else if (operators.upper() == slotIndex) {
        entryCase = closeParens.upper() == slotIndex - 1 ? 3 : 4;
    } else if (closeParens.upper() == slotIndex) {
        --closeCount;
        entryCase = operands.upper() == slotIndex - 1 ? 4 : 3;
    } else if (openParens.upper() == slotIndex) {
        --openCount;
        entryCase = 3;
    }
}

void Calculator::DeleteLastEntry() {
    ClassifyLastEntry();
    switch (entryCase) {
        case 1: {  // one character of the number being typed
            curNumber.pop_back();
            int k = static_cast<int>(exprText.size());
            if (k > 0 && exprText[static_cast<std::size_t>(k - 1)] == u')') {
                // The ")" written out for a reopened negative number is owed again.
                pendingMinus = 1;
                --k;
            }
            if (k > 0 && exprText[static_cast<std::size_t>(k - 1)] == u'.') {
                pointCount = 0;
                if (curNumber == u"0") {  // "0." came in as a pair and goes as one
                    curNumber.clear();
                    --k;
                }
            }
            exprText.resize(static_cast<std::size_t>(k > 0 ? k - 1 : 0));
            break;
        }
        case 2:  // the lone unary minus, with the ")" an evaluation may have written
            curNumber.pop_back();
            CutExprText(!exprText.empty() && exprText.back() == u')' ? 3 : 2);
            pendingMinus = 0;
            break;
        case 3:  // a token after which no number comes back
            CutExprText(1);
            --slotIndex;
            TrimSlotArrays();
            break;
        case 4:  // an operator or ")" after a number: the number is reopened
            CutExprText(1);
            curNumber = operands[slotIndex - 1];
            if (curNumber.find(u'.') != Text::npos) pointCount = 1;
            operands[slotIndex - 1].clear();
            slotIndex = static_cast<Integer>(slotIndex - 2);
            TrimSlotArrays();
            break;
        case 5:  // a constant, with the unary minus of a negated one
            curNumber.clear();
            CutExprText(constMarks[slotIndex]);
            constMarks[slotIndex] = 0;
            pointCount = 0;
            break;
        case 6:  // a function name
            CutExprText(funcNameLens[slotIndex]);
            funcNameLens[slotIndex] = 0;
            --slotIndex;
            TrimSlotArrays();
            break;
        default:
            break;
    }
}

}  // namespace orvane
