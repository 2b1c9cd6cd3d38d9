// Digits, the decimal point and pi: building the number being typed.
#include <cmath>

#include "eval/number_text.h"
#include "record/calculator.h"

namespace orvane {

namespace {

// Counters only grow by one at a time; stopping at the top keeps a counter
// that has reached it from ever wrapping to a small or negative value.
void IncrementSaturating(Integer& counter) {
    if (counter < kIntegerMax) ++counter;
}

}  // namespace

void Calculator::DigitKey(int digit) {
    CheckDigit();
    if (entryCase == 1) {
        digitArg = static_cast<Integer>(digit);
        AppendDigit();
        SetLabel1(exprText);
    }
}

void Calculator::CheckDigit() {
    constMarks.resizeTo(slotIndex);
    if (constMarks[slotIndex] > 0) {
        entryCase = 0;  // a constant takes no digits
    } else if (closeParens.upper() == slotIndex && slotIndex > 0) {
        entryCase = 0;  // no implied multiplication after ")"
    } else {
        entryCase = 1;
    }
}

void Calculator::AppendDigit() {
    if (!curNumber.empty() || digitArg != 0) {
        const Text digit(1, static_cast<char16_t>(u'0' + digitArg));
        curNumber += digit;
        exprText += digit;
    } else {
        // A number never starts with a bare zero: it brings its point along.
        curNumber = u"0.";
        exprText += u"0.";
        IncrementSaturating(pointCount);
    }
}

void Calculator::PointKey() {
    if (curNumber.empty()) return;
    constMarks.resizeTo(slotIndex);
    if (constMarks[slotIndex] > 0) return;
    AppendPoint();
    SetLabel1(exprText);
}

void Calculator::AppendPoint() {
    IncrementSaturating(pointCount);
    if (pointCount == 1) {
        curNumber += u".";
        exprText += u".";
    }
}

void Calculator::PiKey() {
    CheckPi();
    if (entryCase == 1) {
        curNumber = NumberToText(std::atan(1.0) * 4);
        AppendPi();
        SetLabel1(exprText);
        constMarks[slotIndex] = 1;
    } else if (entryCase == 2) {
        const Integer minusLength = NegatedConstantPrefixLength();
        curNumber = NumberToText(std::atan(1.0) * -4);
        AppendPi();
        exprText += u")";  // closes the "(-" of the unary minus at once
        pendingMinus = 0;
        SetLabel1(exprText);
        constMarks[slotIndex] = static_cast<Integer>(minusLength + 2);  // (-π)
    }
}

void Calculator::CheckPi() {
    entryCase = 0;
    if (curNumber.empty()) entryCase = 1;
    if (curNumber == u"-") entryCase = 2;
    if (closeParens.upper() == slotIndex && slotIndex > 0) entryCase = 0;
}

Integer Calculator::NegatedConstantPrefixLength() const {
    // "(-", or "(-)" when an evaluation has already written the ")" owed to
    // the lone minus. Backspace takes the negated constant away with its
    // minus, so the mark must cover that ")" too, or the display would keep
    // a stray "(" that no token stands for.
    return static_cast<Integer>(!exprText.empty() && exprText.back() == u')' ? 3 : 2);
}

void Calculator::AppendPi() {
    exprText += u"π";
    constMarks.resizeTo(slotIndex);
    pointCount = 1;
}

}  // namespace orvane
