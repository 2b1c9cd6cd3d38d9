#include "entry/invariants.h"

#include <algorithm>
#include <cmath>
#include <concepts>
#include <string>
#include <utility>
#include <vector>

#include "entry/utf8.h"
#include "eval/number_text.h"
#include "record/calculator.h"

namespace orvane {

namespace {

// The slots the calculator's indexes list, each in ascending order.
struct IndexedSlots {
    std::vector<int> operands, operators, openParens, closeParens, workOperands, workOperators;
};

// A number text, whatever its size: entry puts no limit on the digits, and
// evaluation is what reports a number too large for a double.
bool IsNumber(const Text& text) { return MatchesNumberGrammar(text); }

// A number as entry can leave it: a complete number, or one still waiting
// for a digit ("-", "-.").
bool IsNumberOrPrefix(const Text& text) { return IsNumber(text) || IsNumber(text + u"1"); }

bool IsOperatorToken(const Text& token) {
    static const Text kTokens[] = {u"+",  u"-",  u"*",  u"/",  u"^",  u"√",  u"K1", u"K2",
                                   u"K3", u"K4", u"K5", u"K6", u"K7", u"K8", u"K9"};
    for (const Text& t : kTokens) {
        if (token == t) return true;
    }
    return false;
}

// The name function token "Kn" shows in the expression; empty for any other token.
Text FunctionName(const Text& token) {
    static const Text kNames[] = {u"Sin",    u"Cos",   u"Tan", u"Arcsin", u"Arccos",
                                  u"Arctan", u"Cosec", u"Sec", u"Cotan"};
    if (token.size() == 2 && token[0] == u'K' && token[1] >= u'1' && token[1] <= u'9') {
        return kNames[token[1] - u'1'];
    }
    return {};
}

int FunctionNameLength(const Text& token) { return static_cast<int>(FunctionName(token).size()); }

bool EndsWith(const Text& text, const Text& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The slots of an array that hold a token, from slot first up to last.
std::vector<int> SlotsHoldingTokens(const SlotArray<Text>& slots, int first, int last) {
    std::vector<int> held;
    for (int i = first; i <= last; ++i) {
        if (!slots.at_or_empty(i).empty()) held.push_back(i);
    }
    return held;
}

std::vector<int> Listed(const std::vector<Integer>& positions) {
    return {positions.begin(), positions.end()};
}

std::vector<int> Listed(const SlotSet& set) {
    std::vector<int> members;
    for (int s = set.After(SlotSet::kNone); s != SlotSet::kNone; s = set.After(s)) {
        members.push_back(s);
    }
    return members;
}

class Checker {
public:
    Checker(const Calculator& calculator, IndexedSlots indexed)
        : c_(calculator), s_(calculator.state()), indexed_(std::move(indexed)) {}

    std::string Run() {
        CheckCounters();
        if (!failure_.empty()) return failure_;
        CheckSlots();
        CheckSlotIndexes();
        CheckNumberBeingTyped();
        CheckLengthRecords();
        CheckExpressionText();
        CheckDisplays();
        return failure_;
    }

private:
    // Written without streams, which would weigh more than the engine in the
    // page, where a kept record is checked with this too.
    static std::string Piece(const std::string& text) { return text; }
    static std::string Piece(const char* text) { return text; }
    template <std::integral Number>
    static std::string Piece(Number number) {
        return std::to_string(number);
    }

    template <typename... Parts>
    void Fail(const Parts&... parts) {
        if (!failure_.empty()) return;
        std::string out;
        ((out += Piece(parts)), ...);
        failure_ = out;
    }

    void CheckCounters() {
        if (s_.slotIndex < 0) Fail("slotIndex is negative: ", s_.slotIndex);
        if (s_.openCount < 0 || s_.closeCount < 0) Fail("a parenthesis counter is negative");
        if (s_.pendingMinus != 0 && s_.pendingMinus != 1) Fail("pendingMinus is ", s_.pendingMinus);
        if (s_.pointCount < 0) Fail("pointCount is negative: ", s_.pointCount);
    }

    void CheckSlots() {
        const SlotArray<Text>* arrays[] = {&s_.operands, &s_.operators, &s_.openParens,
                                           &s_.closeParens};
        const char* names[] = {"operands", "operators", "openParens", "closeParens"};
        int lastOfKind[4] = {0, 0, 0, 0};
        int opens = 0;
        int closes = 0;
        for (int i = 0; i <= s_.slotIndex; ++i) {
            int kinds = 0;
            for (int k = 0; k < 4; ++k) {
                if (arrays[k]->at_or_empty(i).empty()) continue;
                ++kinds;
                lastOfKind[k] = i;
            }
            if (i == 0 && kinds != 0) Fail("slot 0 holds a token");
            if (i > 0 && kinds != 1) Fail("slot ", i, " holds ", kinds, " tokens");
            const Text& operand = s_.operands.at_or_empty(i);
            if (!operand.empty() && !IsNumberOrPrefix(operand)) {
                Fail("slot ", i, " holds the operand '", ToUtf8(operand), "'");
            }
            const Text& op = s_.operators.at_or_empty(i);
            if (!op.empty() && !IsOperatorToken(op))
                Fail("slot ", i, " holds the operator '", ToUtf8(op), "'");
            const Text& open = s_.openParens.at_or_empty(i);
            if (!open.empty() && open != u"(") Fail("slot ", i, " holds '", ToUtf8(open), "' as (");
            const Text& close = s_.closeParens.at_or_empty(i);
            if (!close.empty() && close != u")")
                Fail("slot ", i, " holds '", ToUtf8(close), "' as )");
            opens += !open.empty();
            closes += !close.empty();
        }
        for (int k = 0; k < 4; ++k) {
            if (arrays[k]->upper() != lastOfKind[k]) {
                Fail(names[k], " ends at ", arrays[k]->upper(), " but its last token is at ",
                     lastOfKind[k]);
            }
        }
        if (opens != s_.openCount)
            Fail("openCount is ", s_.openCount, " for ", opens, " '(' slots");
        if (closes != s_.closeCount)
            Fail("closeCount is ", s_.closeCount, " for ", closes, " ')' slots");
        if (s_.closeCount > s_.openCount) Fail("more ')' than '('");
    }

    // Trimming and evaluation trust these indexes instead of looking at the
    // arrays, so an index that has fallen out of step goes unnoticed until
    // it has left a stray token behind or skipped a live one.
    void CheckSlotIndexes() {
        const IndexedSlots& x = indexed_;
        CheckIndex("operands", x.operands, SlotsHoldingTokens(s_.operands, 1, s_.slotIndex));
        CheckIndex("operators", x.operators, SlotsHoldingTokens(s_.operators, 1, s_.slotIndex));
        CheckIndex("openParens", x.openParens, SlotsHoldingTokens(s_.openParens, 1, s_.slotIndex));
        CheckIndex("closeParens", x.closeParens,
                   SlotsHoldingTokens(s_.closeParens, 1, s_.slotIndex));
        CheckIndex("workOperands", x.workOperands,
                   SlotsHoldingTokens(s_.workOperands, 0, s_.workOperands.upper()));
        CheckIndex("workOperators", x.workOperators,
                   SlotsHoldingTokens(s_.workOperators, 0, s_.workOperators.upper()));
    }

    void CheckIndex(const char* name, const std::vector<int>& listed,
                    const std::vector<int>& held) {
        const std::size_t n = std::min(listed.size(), held.size());
        std::size_t i = 0;
        while (i < n && listed[i] == held[i]) ++i;
        if (i == listed.size() && i == held.size()) return;
        if (i < held.size() && (i == listed.size() || held[i] < listed[i])) {
            Fail("the index of ", name, " misses the token at slot ", held[i]);
        } else {
            Fail("the index of ", name, " lists slot ", listed[i], ", which holds no token");
        }
    }

    Integer MarkAtSlotIndex() const { return s_.constMarks.at_or_empty(s_.slotIndex); }

    void CheckNumberBeingTyped() {
        const Text& number = s_.curNumber;
        if (!number.empty() && !IsNumberOrPrefix(number)) {
            Fail("curNumber is '", ToUtf8(number), "'");
        }
        if (s_.pendingMinus == 1 && (number.empty() || number[0] != u'-')) {
            Fail("pendingMinus is 1 while curNumber is '", ToUtf8(number), "'");
        }
        if (number.empty() && s_.pointCount != 0)
            Fail("pointCount is ", s_.pointCount, " with no number");
        const bool hasPoint = number.find(u'.') != Text::npos;
        if (!number.empty() && MarkAtSlotIndex() == 0 && hasPoint != (s_.pointCount > 0)) {
            Fail("pointCount ", s_.pointCount, " does not match curNumber '", ToUtf8(number), "'");
        }
    }

    void CheckLengthRecords() {
        // The constant being typed is marked with the characters it takes at
        // the end of the expression, the "(-" of a negated one included (and
        // the ")" an evaluation may have written after a lone minus).
        const Integer mark = MarkAtSlotIndex();
        if (mark > 0) {
            const Text& e = s_.exprText;
            const auto memory = [&](const Text& before, const Text& after) {
                return EndsWith(e, before + u"M1" + after) || EndsWith(e, before + u"M2" + after);
            };
            const bool matches =
                (mark == 1 && EndsWith(e, u"π")) || (mark == 4 && EndsWith(e, u"(-π)")) ||
                (mark == 5 && (EndsWith(e, u"(-)π)") || memory(u"(-", u")"))) ||
                (mark == 2 && memory(u"", u"")) || (mark == 6 && memory(u"(-)", u")"));
            if (!matches)
                Fail("constant mark ", mark, " but the expression ends '", ToUtf8(s_.exprText),
                     "'");
            if (s_.curNumber.empty()) Fail("constant mark ", mark, " with no number being typed");
            if (s_.pendingMinus != 0) Fail("a constant with a pending minus");
        }
        for (int i = 0; i <= s_.constMarks.upper(); ++i) {
            const Integer m = s_.constMarks[i];
            if (m != 0 && m != 1 && m != 2 && m != 4 && m != 5 && m != 6)
                Fail("constMarks(", i, ") is ", m);
            if (m > 0 && i > s_.slotIndex) Fail("constMarks(", i, ") is set above the slot index");
            if (m > 0 && i < s_.slotIndex && s_.operands.at_or_empty(i + 1).empty()) {
                Fail("constMarks(", i, ") is set but slot ", i + 1, " holds no number");
            }
        }
        for (int i = 0; i <= s_.funcNameLens.upper(); ++i) {
            const int expected =
                i <= s_.slotIndex ? FunctionNameLength(s_.operators.at_or_empty(i)) : 0;
            if (s_.funcNameLens[i] != expected) {
                Fail("funcNameLens(", i, ") is ", s_.funcNameLens[i], ", expected ", expected);
            }
        }
        if (s_.exprText.empty() && (s_.slotIndex != 0 || !s_.curNumber.empty())) {
            Fail("the expression text is empty but tokens remain");
        }
    }

    // The expression text is what the keys typed for the tokens, read with
    // its parentheses left out (they stand for parenthesis tokens or for the
    // bracketing of a unary minus, which the other checks cover): the tokens
    // in order, then the number being typed.
    void CheckExpressionText() {
        Text text;
        for (char16_t c : s_.exprText) {
            if (c != u'(' && c != u')') text += c;
        }
        std::size_t at = 0;
        const auto take = [&](const Text& part) {
            if (text.compare(at, part.size(), part) != 0) return false;
            at += part.size();
            return true;
        };
        for (int i = 1; i <= s_.slotIndex && failure_.empty(); ++i) {
            const Text& operand = s_.operands.at_or_empty(i);
            const Text& op = s_.operators.at_or_empty(i);
            if (!operand.empty() && !TakeNumber(take, operand, s_.constMarks.at_or_empty(i - 1))) {
                Fail("the expression '", ToUtf8(s_.exprText), "' does not show slot ", i);
            } else if (!op.empty() && !take(FunctionNameLength(op) ? FunctionName(op) : op)) {
                Fail("the expression '", ToUtf8(s_.exprText), "' does not show slot ", i);
            }
        }
        if (!failure_.empty()) return;
        if (!s_.curNumber.empty() && !TakeNumber(take, s_.curNumber, MarkAtSlotIndex())) {
            Fail("the expression '", ToUtf8(s_.exprText), "' does not show the number being typed");
        } else if (at != text.size()) {
            Fail("the expression '", ToUtf8(s_.exprText), "' shows more than its tokens");
        }
    }

    // A number as typed, or a constant as its mark says it was recalled:
    // pi, or a memory, whose value may have changed since; a negated one
    // shows its minus.
    template <typename Take>
    static bool TakeNumber(const Take& take, const Text& number, Integer mark) {
        if (mark == 0) return take(number);
        const bool negated = mark >= 4;
        if (negated && !take(u"-")) return false;
        static const Text kPi = NumberToText(std::atan(1.0) * 4);
        if (take(u"π")) return number == (negated ? u"-" + kPi : kPi);
        return take(u"M1") || take(u"M2");
    }

    void CheckDisplays() {
        const Text& expression = c_.Caption(Label::Expression);
        if (expression != s_.exprText && !(expression == u"式" && s_.exprText.empty())) {
            Fail("Label1 shows '", ToUtf8(expression), "' for '", ToUtf8(s_.exprText), "'");
        }
        const Text& answer = c_.Caption(Label::Answer);
        if (answer != u"＝" && answer != u"括弧の数があいません。" && answer != u"式が不完全です" &&
            answer != u"数値が正しくありません" && answer != s_.answerText) {
            Fail("Label2 shows '", ToUtf8(answer), "' with answerText '", ToUtf8(s_.answerText),
                 "'");
        }
        if (!s_.answerText.empty() && !IsNumber(s_.answerText)) {
            Fail("answerText is '", ToUtf8(s_.answerText), "'");
        }
        CheckMemory(s_.memory1, c_.Caption(Label::Memory1), u"Memory 1");
        CheckMemory(s_.memory2, c_.Caption(Label::Memory2), u"Memory 2");
    }

    void CheckMemory(const Text& memory, const Text& shown, const Text& idle) {
        if (!memory.empty() && !IsNumber(memory)) Fail("a memory holds '", ToUtf8(memory), "'");
        if (shown != memory && !(memory.empty() && shown == idle)) {
            Fail("a memory display shows '", ToUtf8(shown), "' for '", ToUtf8(memory), "'");
        }
    }

    const Calculator& c_;
    const CalculatorState& s_;
    const IndexedSlots indexed_;
    std::string failure_;
};

}  // namespace

std::string FindInvariantViolation(const Calculator& calculator) {
    const auto& tokens = calculator.tokenSlots_;
    IndexedSlots indexed{Listed(tokens.operands),
                         Listed(tokens.operators),
                         Listed(tokens.openParens),
                         Listed(tokens.closeParens),
                         Listed(calculator.workOperandSlots_),
                         Listed(calculator.workOperatorSlots_)};
    return Checker(calculator, std::move(indexed)).Run();
}

}  // namespace orvane
