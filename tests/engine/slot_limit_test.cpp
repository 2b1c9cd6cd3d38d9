#include <gtest/gtest.h>

#include "entry/utf8.h"
#include "tests/engine/key_sequence.h"

namespace orvane::testing {
namespace {

// Fills the expression with "1+1+...1+" up to the given slot index (even).
void FillWithSums(Keypad& pad, int slots) {
    for (int i = 0; i < slots / 2; ++i) {
        pad.calculator.Perform(KeyAction::Digit1);
        pad.calculator.Perform(KeyAction::Plus);
    }
}

void ExpectUnchangedBy(Keypad& pad, KeyAction key, const char* what) {
    const CalculatorState before = pad.state();
    const std::string shown = pad.expression();
    const std::string answer = pad.answer();
    pad.calculator.Perform(key);
    EXPECT_TRUE(UnchangedApartFromGuard(before, pad.state())) << what;
    EXPECT_EQ(pad.expression(), shown) << what;
    EXPECT_EQ(pad.answer(), answer) << what;
}

TEST(SlotLimit, KeysThatWouldPassTheLastSlotAreRefused) {
    Keypad pad;
    FillWithSums(pad, 32766);
    pad.Press("1");
    ASSERT_EQ(pad.state().slotIndex, 32766);
    ExpectUnchangedBy(pad, KeyAction::Plus, "plus needs two slots");
    ExpectUnchangedBy(pad, KeyAction::OpenParen, "implied times and paren");
    ExpectUnchangedBy(pad, KeyAction::Sin, "implied times and function");
    ExpectUnchangedBy(pad, KeyAction::Minus, "minus needs two slots");

    // The number still fits into the last slot when it is evaluated.
    pad.Press("=");
    EXPECT_EQ(pad.answer(), "16384");
    EXPECT_EQ(pad.state().slotIndex, 32766);
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "1");

    // And backspace walks back as usual.
    pad.Press("BS BS");
    EXPECT_EQ(pad.state().slotIndex, 32764);
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "1");
}

TEST(SlotLimit, ANumberAfterTheLastSlotCannotBeEvaluated) {
    Keypad pad;
    FillWithSums(pad, 32766);
    pad.Press("Sin 3 0");
    ASSERT_EQ(pad.state().slotIndex, 32767);
    ExpectUnchangedBy(pad, KeyAction::Evaluate, "evaluate needs slot 32768");
    ExpectUnchangedBy(pad, KeyAction::CloseParen, "close needs two slots");
    pad.Press("BS BS BS");
    EXPECT_EQ(pad.state().slotIndex, 32766);
    pad.Press("1 =");
    EXPECT_EQ(pad.answer(), "16384");
}

TEST(SlotLimit, OpenParenthesesStopAtTheLimit) {
    Keypad pad;
    for (int i = 0; i < 32767; ++i) pad.calculator.Perform(KeyAction::OpenParen);
    ASSERT_EQ(pad.state().openCount, 32767);
    ASSERT_EQ(pad.state().slotIndex, 32767);
    ExpectUnchangedBy(pad, KeyAction::OpenParen, "one parenthesis too many");
    pad.Press("5");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "5");
    pad.Press("=");
    EXPECT_EQ(pad.answer(), "括弧の数があいません。");
    pad.Press("BS BS");
    EXPECT_EQ(pad.state().openCount, 32766);
    EXPECT_EQ(pad.state().slotIndex, 32766);
}

}  // namespace
}  // namespace orvane::testing
