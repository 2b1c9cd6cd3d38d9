// The nine trigonometric function keys: prefix tokens "K1" to "K9".
#include <array>

#include "record/calculator.h"

namespace orvane {

void Calculator::AddFunction(const Text& token, const Text& name) {
    ++slotIndex;
    funcNameLens.resizeTo(slotIndex);
    funcNameLens[slotIndex] = static_cast<Integer>(name.size());
    StoreToken(operators, tokenSlots_.operators, token);
    exprText += name;
}

void Calculator::AddSin() { AddFunction(u"K1", u"Sin"); }
void Calculator::AddCos() { AddFunction(u"K2", u"Cos"); }
void Calculator::AddTan() { AddFunction(u"K3", u"Tan"); }
void Calculator::AddArcsin() { AddFunction(u"K4", u"Arcsin"); }
void Calculator::AddArccos() { AddFunction(u"K5", u"Arccos"); }
void Calculator::AddArctan() { AddFunction(u"K6", u"Arctan"); }
void Calculator::AddCosec() { AddFunction(u"K7", u"Cosec"); }
void Calculator::AddSec() { AddFunction(u"K8", u"Sec"); }
void Calculator::AddCotan() { AddFunction(u"K9", u"Cotan"); }

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
