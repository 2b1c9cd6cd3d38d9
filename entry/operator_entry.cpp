// Binary operators, the unary minus and parentheses.
#include "record/calculator.h"

namespace orvane {

// Grows the array of the token's kind to the slot index and stores the token
// at the slot index.
void Calculator::StoreToken(SlotArray<Text>& slots, std::vector<Integer>& positions, const Text& token) {
    slots.resizeTo(slotIndex);
    slots[slotIndex] = token;
    positions.push_back(slotIndex);
}

void Calculator::CloseNumber() {
    ++slotIndex;
    StoreToken(operands, tokenSlots_.operands, curNumber);
    curNumber.clear();
    pointCount = 0;
}

void Calculator::AddOperator(const Text& op) {
    ++slotIndex;
    StoreToken(operators, tokenSlots_.operators, op);
    if (pendingMinus == 1) {
        exprText += u')';  // closes the "(-" of a unary minus
        exprText += op;
        pendingMinus = 0;
    } else {
        exprText += op;
    }
}

void Calculator::AddPlus() { AddOperator(u"+"); }
void Calculator::AddMinus() { AddOperator(u"-"); }
void Calculator::AddTimes() { AddOperator(u"*"); }
void Calculator::AddDivide() { AddOperator(u"/"); }
void Calculator::AddPower() { AddOperator(u"^"); }
void Calculator::AddRoot() { AddOperator(u"√"); }

void Calculator::AddOpenParen() {
    ++slotIndex;
    ++openCount;
    StoreToken(openParens, tokenSlots_.openParens, u"(");
    exprText += u"(";
}

void Calculator::AddCloseParen() {
    ++slotIndex;
    ++closeCount;
    StoreToken(closeParens, tokenSlots_.closeParens, u")");
    if (pendingMinus == 1) {
        exprText += u"))";
        pendingMinus = 0;
    } else {
        exprText += u")";
    }
}

void Calculator::StartNegative() {
    curNumber.assign(1, u'-');
    exprText += u"(-";
    pendingMinus = 1;
}

void Calculator::CheckOperator() {
    entryCase = 2;
    if (!curNumber.empty()) entryCase = 1;
    if (curNumber == u"-") entryCase = 2;
    if (closeParens.upper() == slotIndex && slotIndex > 0) entryCase = 0;
}

void Calculator::CheckMinus() {
    entryCase = curNumber.empty() ? 3 : 1;
    if (curNumber == u"-") entryCase = 2;
    if (closeParens.upper() == slotIndex && slotIndex > 0) entryCase = 0;
}

void Calculator::CheckOpenParen() {
    entryCase = 2;
    if (operators.upper() == slotIndex) entryCase = 1;
    if (openParens.upper() == slotIndex) entryCase = 1;
    if (closeParens.upper() == slotIndex && slotIndex > 0) entryCase = 0;
    if (!curNumber.empty()) entryCase = 2;
    if (curNumber == u"-") entryCase = 3;
}

void Calculator::CheckCloseParen() {
    entryCase = 2;
    if (openCount <= closeCount) return;
    if (openParens.upper() < slotIndex - 1 && !curNumber.empty()) entryCase = 1;
    if (closeParens.upper() == slotIndex) entryCase = 0;
}

void Calculator::OperatorKey(KeyAction op) {
    void (Calculator::*add)() = nullptr;
    switch (op) {
        case KeyAction::Plus: add = &Calculator::AddPlus; break;
        case KeyAction::Times: add = &Calculator::AddTimes; break;
        case KeyAction::Divide: add = &Calculator::AddDivide; break;
        case KeyAction::Power: add = &Calculator::AddPower; break;
        case KeyAction::Root: add = &Calculator::AddRoot; break;
        default: return;
    }
    CheckOperator();
    if (entryCase == 1 && HasRoom(2)) {
        CloseNumber();
        (this->*add)();
    } else if (entryCase == 0 && HasRoom(1)) {
        (this->*add)();
    } else if (entryCase == 2 && op == KeyAction::Root && HasRoom(2)) {
        // A root without a left operand is the square root.
        digitArg = 2;
        AppendDigit();
        CloseNumber();
        AddRoot();
    } else {
        return;
    }
    SetLabel1(exprText);
}

void Calculator::MinusKey() {
    CheckMinus();
    if (entryCase == 1 && HasRoom(2)) {
        CloseNumber();
        AddMinus();
    } else if (entryCase == 0 && HasRoom(1)) {
        AddMinus();
    } else if (entryCase == 3) {
        StartNegative();
    } else {
        return;
    }
    SetLabel1(exprText);
}

void Calculator::OpenParenKey() {
    CheckOpenParen();
    if (entryCase == 1 && HasRoom(1, 1)) {
        AddOpenParen();
    } else if (entryCase == 0 && HasRoom(2, 1)) {
        AddTimes();
        AddOpenParen();
    } else if (entryCase == 2 && HasRoom(3, 1)) {
        CloseNumber();
        AddTimes();
        AddOpenParen();
    } else if (entryCase == 3 && HasRoom(3, 1)) {
        // A minus before a group applies to it as (-1)*(...).
        digitArg = 1;
        AppendDigit();
        CloseNumber();
        AddTimes();
        AddOpenParen();
    } else {
        return;
    }
    SetLabel1(exprText);
}

void Calculator::CloseParenKey() {
    CheckCloseParen();
    if (entryCase == 1 && HasRoom(2, 0, 1)) {
        CloseNumber();
        AddCloseParen();
    } else if (entryCase == 0 && HasRoom(1, 0, 1)) {
        AddCloseParen();
    } else {
        return;
    }
    SetLabel1(exprText);
}

}  // namespace orvane
