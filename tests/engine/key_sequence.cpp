#include "tests/engine/key_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "entry/utf8.h"

namespace orvane::testing {

namespace {

const std::map<std::string, KeyAction, std::less<>>& Words() {
    static const std::map<std::string, KeyAction, std::less<>> words = {
        {"=", KeyAction::Evaluate},        {"AC", KeyAction::ClearAll},
        {"BS", KeyAction::Backspace},      {"+", KeyAction::Plus},
        {"-", KeyAction::Minus},           {"*", KeyAction::Times},
        {"/", KeyAction::Divide},          {"^", KeyAction::Power},
        {"√", KeyAction::Root},            {"(", KeyAction::OpenParen},
        {")", KeyAction::CloseParen},      {"π", KeyAction::Pi},
        {"Sin", KeyAction::Sin},           {"Cos", KeyAction::Cos},
        {"Tan", KeyAction::Tan},           {"Arcsin", KeyAction::Arcsin},
        {"Arccos", KeyAction::Arccos},     {"Arctan", KeyAction::Arctan},
        {"Cosec", KeyAction::Cosec},       {"Sec", KeyAction::Sec},
        {"Cotan", KeyAction::Cotan},       {"S1", KeyAction::StoreMemory1},
        {"S2", KeyAction::StoreMemory2},   {"M1", KeyAction::RecallMemory1},
        {"M2", KeyAction::RecallMemory2},  {"MC1", KeyAction::ClearMemory1},
        {"MC2", KeyAction::ClearMemory2},  {"copy1", KeyAction::CopyExpression},
        {"copy2", KeyAction::CopyAnswer},
    };
    return words;
}

}  // namespace

Keypad::Keypad() { calculator.Form_Load(); }

Keypad& Keypad::Press(std::string_view keys) {
    std::istringstream words{std::string(keys)};
    std::string word;
    while (words >> word) {
        const auto found = Words().find(word);
        if (found != Words().end()) {
            Run(found->second);
            continue;
        }
        const bool isNumber = word.find_first_not_of("0123456789.") == std::string::npos;
        if (!isNumber) {
            ADD_FAILURE() << "unknown key word: " << word;
            continue;
        }
        for (char c : word) {
            Run(c == '.' ? KeyAction::Point
                         : static_cast<KeyAction>(static_cast<int>(KeyAction::Digit0) + (c - '0')));
        }
    }
    return *this;
}

std::string Keypad::label(Label which) const {
    return ToUtf8(captions_[static_cast<std::size_t>(which) - 1]);
}

std::string Keypad::clipboard() const { return ToUtf8(clipboard_); }

void Keypad::ShowCaption(Label which, const std::u16string& caption) {
    captions_[static_cast<std::size_t>(which) - 1] = caption;
    ++updates_;
}

std::string Evaluate(std::string_view keys) {
    Keypad pad;
    pad.Press(keys).Press("=");
    return pad.answer();
}

namespace {

// Equal element by element, where an element beyond either bound counts as 0.
bool SameUpToZeros(const SlotArray<Integer>& a, const SlotArray<Integer>& b) {
    const int last = std::max(a.upper(), b.upper());
    for (int i = 0; i <= last; ++i) {
        if (a.at_or_empty(i) != b.at_or_empty(i)) return false;
    }
    return true;
}

}  // namespace

bool UnchangedApartFromGuard(const CalculatorState& before, const CalculatorState& after) {
    if (!SameUpToZeros(before.constMarks, after.constMarks) ||
        !SameUpToZeros(before.funcNameLens, after.funcNameLens)) {
        return false;
    }
    CalculatorState rest = after;
    rest.entryCase = before.entryCase;
    rest.constMarks = before.constMarks;
    rest.funcNameLens = before.funcNameLens;
    return rest == before;
}

std::string Slots(const SlotArray<Text>& slots) {
    std::string out;
    for (int i = 0; i <= slots.upper(); ++i) {
        out += (i ? "|" : "") + std::to_string(i) + ":" + ToUtf8(slots[i]);
    }
    return out;
}

std::string Slots(const SlotArray<Integer>& slots) {
    std::string out;
    for (int i = 0; i <= slots.upper(); ++i) {
        out += (i ? "|" : "") + std::to_string(i) + ":" + std::to_string(slots[i]);
    }
    return out;
}

}  // namespace orvane::testing
