// The nine trigonometric function keys: prefix tokens "K1" to "K9".
#include <array>

#include "record/calculator.h"
#include "tables/typed_text.h"

namespace orvane {

void Calculator::AddFunction(const Text& token, const Text& name) {
    ++slotIndex;
    funcNameLens.resizeTo(slotIndex);
    funcNameLens[slotIndex] = static_cast<Integer>(name.size());
    StoreToken(operators, tokenSlots_.operators, token);
    exprText += name;
}

void Calculator::AddSin() { AddNamedFunction(KeyAction::Sin); }
void Calculator::AddCos() { AddNamedFunction(KeyAction::Cos); }
void Calculator::AddTan() { AddNamedFunction(KeyAction::Tan); }
void Calculator::AddArcsin() { AddNamedFunction(KeyAction::Arcsin); }
void Calculator::AddArccos() { AddNamedFunction(KeyAction::Arccos); }
void Calculator::AddArctan() { AddNamedFunction(KeyAction::Arctan); }
void Calculator::AddCosec() { AddNamedFunction(KeyAction::Cosec); }
void Calculator::AddSec() { AddNamedFunction(KeyAction::Sec); }
void Calculator::AddCotan() { AddNamedFunction(KeyAction::Cotan); }

// The names and tokens are a table that paste reads too.
void Calculator::AddNamedFunction(KeyAction function) {
    for (const FunctionName& row : kFunctionNames) {
        if (row.action == function) AddFunction(Text(row.token), Text(row.name));
    }
}

void Calculator::CheckFunction() {
    funcNameLens.resizeTo(slotIndex);
    entryCase = 0;
    if (operators.upper() == slotIndex) entryCase = 1;
    if (openParens.upper() == slotIndex) entryCase = 1;
    if (funcNameLens[slotIndex] > 0) entryCase = 0;  // a function is no function's argument
    if (closeParens.upper() == slotIndex && slotIndex > 0) entryCase = 2;
    if (!curNumber.empty()) entryCase = 2;
    if (curNumber == u"-") entryCase = 3;
}

void Calculator::FunctionKey(KeyAction function) {
    struct Entry {
        KeyAction action;
        void (Calculator::*add)();
    };
    static constexpr std::array<Entry, 9> kFunctions = {{
        {KeyAction::Sin, &Calculator::AddSin},
        {KeyAction::Cos, &Calculator::AddCos},
        {KeyAction::Tan, &Calculator::AddTan},
        {KeyAction::Arcsin, &Calculator::AddArcsin},
        {KeyAction::Arccos, &Calculator::AddArccos},
        {KeyAction::Arctan, &Calculator::AddArctan},
        {KeyAction::Cosec, &Calculator::AddCosec},
        {KeyAction::Sec, &Calculator::AddSec},
        {KeyAction::Cotan, &Calculator::AddCotan},
    }};
    void (Calculator::*add)() = nullptr;
    for (const Entry& entry : kFunctions) {
        if (entry.action == function) add = entry.add;
    }
    if (add == nullptr) return;

    CheckFunction();
    if (entryCase == 1 && HasRoom(1)) {
        (this->*add)();
    } else if (entryCase == 2 && !curNumber.empty() && HasRoom(3)) {
        CloseNumber();
        AddTimes();
        (this->*add)();
    } else if (entryCase == 2 && curNumber.empty() && HasRoom(2)) {
        AddTimes();  // after ")"
        (this->*add)();
    } else if (entryCase == 3 && HasRoom(3)) {
        digitArg = 1;
        AppendDigit();
        CloseNumber();
        AddTimes();
        (this->*add)();
    } else {
        return;
    }
    SetLabel1(exprText);
}

}  // namespace orvane
