#pragma once

#include <array>
#include <string>
#include <string_view>

#include "record/calculator.h"

namespace orvane::testing {

// A calculator after start-up, with displays and clipboard recorded, driven
// by key sequences written the way a user would say them:
//   "2 + 3 * 4 ="       digits may run together: "30", "0.5"
//   "- ( Sin π √ ^ /"   operators, parentheses, functions, pi, root, power
//   "= BS AC"           evaluate, backspace, clear all
//   "S1 M1 MC1 S2 M2 MC2 copy1 copy2"   memories and the two copy commands
class Keypad : public DisplaySink {
public:
    Keypad();

    // Presses the keys; an unknown word fails the test.
    Keypad& Press(std::string_view keys);

    const CalculatorState& state() const { return calculator.state(); }
    std::string label(Label which) const;
    std::string expression() const { return label(Label::Expression); }
    std::string answer() const { return label(Label::Answer); }
    std::string clipboard() const;
    int label_updates() const { return updates_; }

    void ShowCaption(Label which, const std::u16string& caption) override;
    void PutOnClipboard(const std::u16string& text) override { clipboard_ = text; }

    Calculator calculator{*this};

protected:
    // Each key's action, as Press runs it.
    virtual void Run(KeyAction action) { calculator.Perform(action); }

private:
    std::array<std::u16string, 4> captions_;
    std::u16string clipboard_;
    int updates_ = 0;
};

// The answer display after the keys and then evaluate, from a fresh start.
std::string Evaluate(std::string_view keys);

// Whether a key left the record as it was. A guard may write the case code
// and grow the two length records with zeros; nothing else may change.
bool UnchangedApartFromGuard(const CalculatorState& before, const CalculatorState& after);

// A slot array as text, "0:|1:2|2:+" style, for compact comparisons.
std::string Slots(const SlotArray<Text>& slots);
std::string Slots(const SlotArray<Integer>& slots);

}  // namespace orvane::testing
