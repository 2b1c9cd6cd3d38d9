#include <gtest/gtest.h>

#include <string>

#include "entry/utf8.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"

namespace orvane::testing {
namespace {

// Puts 3.5 into memory 1 and starts over with an empty expression.
const std::string kMemoryHolds3_5 = "2.5 + 1 = S1 AC ";

// ---------------------------------------------------------------------------
// One backspace (or a few) over each kind of entry.

struct BackspaceCase {
    const char* name;
    std::string keys;
    const char* expression;  // Label1 afterwards
    const char* curNumber;
    int slotIndex;
    int pointCount;
    int pendingMinus;
    int openCount;
    int closeCount;
};

class BackspaceTest : public ::testing::TestWithParam<BackspaceCase> {};

TEST_P(BackspaceTest, RemovesTheLastEntry) {
    const BackspaceCase& c = GetParam();
    Keypad pad;
    pad.Press(c.keys);
    const CalculatorState& s = pad.state();
    EXPECT_EQ(pad.expression(), c.expression);
    EXPECT_EQ(ToUtf8(s.exprText), c.expression);
    EXPECT_EQ(ToUtf8(s.curNumber), c.curNumber);
    EXPECT_EQ(s.slotIndex, c.slotIndex);
    EXPECT_EQ(s.pointCount, c.pointCount);
    EXPECT_EQ(s.pendingMinus, c.pendingMinus);
    EXPECT_EQ(s.openCount, c.openCount);
    EXPECT_EQ(s.closeCount, c.closeCount);
}

INSTANTIATE_TEST_SUITE_P(
    NumberCharacters, BackspaceTest,
    ::testing::Values(
        BackspaceCase{"last_digit", "1 2 BS", "1", "1", 0, 0, 0, 0, 0},
        BackspaceCase{"zero_after_one", "1 0 BS", "1", "1", 0, 0, 0, 0, 0},
        BackspaceCase{"zero_point_pair_goes_whole", "0 BS", "", "", 0, 0, 0, 0, 0},
        BackspaceCase{"zero_point_pair_after_its_digit", "0 5 BS BS", "", "", 0, 0, 0, 0, 0},
        BackspaceCase{"point_allows_a_new_point", "7 . BS", "7", "7", 0, 0, 0, 0, 0},
        BackspaceCase{"digit_after_point_keeps_the_point", "7 . 5 BS", "7.", "7.", 0, 1, 0, 0, 0},
        BackspaceCase{"digit_of_second_number", "2 + 3 4 BS", "2+3", "3", 2, 0, 0, 0, 0},
        BackspaceCase{"digit_of_negative_number", "2 + - 5 6 BS", "2+(-5", "-5", 2, 0, 1, 0, 0},
        BackspaceCase{"minus_zero_has_no_pair", "- 0 BS", "(-", "-", 0, 0, 1, 0, 0}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    UnaryMinus, BackspaceTest,
    ::testing::Values(
        BackspaceCase{"lone_minus", "2 + - BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"lone_minus_at_start", "- BS", "", "", 0, 0, 0, 0, 0},
        BackspaceCase{"lone_minus_closed_by_evaluation", "2 + - = BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"reopened_negative_owes_its_paren_again", "2 + - 5 = BS", "2+(-", "-", 2, 0, 1, 0, 0},
        BackspaceCase{"reopened_negative_then_minus", "2 + - 5 = BS BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"reopened_negative_point", "2 + - 1 . = BS", "2+(-1", "-1", 2, 0, 1, 0, 0},
        BackspaceCase{"reopened_negative_digit_after_point", "2 + - 1 . 5 = BS", "2+(-1.", "-1.", 2, 1, 1, 0, 0},
        BackspaceCase{"operator_after_negative_keeps_paren", "- 5 + BS", "(-5)", "-5", 0, 0, 0, 0, 0},
        BackspaceCase{"then_digit_owes_paren", "- 5 + BS BS", "(-", "-", 0, 0, 1, 0, 0},
        BackspaceCase{"minus_before_group", "- ( BS", "(-1)*", "", 2, 0, 0, 0, 0},
        BackspaceCase{"minus_before_group_reopens_one", "- ( BS BS", "(-1)", "-1", 0, 0, 0, 0, 0},
        BackspaceCase{"minus_before_group_back_to_minus", "- ( BS BS BS", "(-", "-", 0, 0, 1, 0, 0},
        BackspaceCase{"minus_before_group_all_gone", "- ( BS BS BS BS", "", "", 0, 0, 0, 0, 0}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Tokens, BackspaceTest,
    ::testing::Values(
        BackspaceCase{"operator_reopens_number", "2 + BS", "2", "2", 0, 0, 0, 0, 0},
        BackspaceCase{"operator_reopens_decimal", "2 + 1.5 * BS", "2+1.5", "1.5", 2, 1, 0, 0, 0},
        BackspaceCase{"operator_after_group", "( 1 + 2 ) * BS", "(1+2)", "", 5, 0, 0, 1, 1},
        BackspaceCase{"close_paren_after_number", "( 2 + 3 ) BS", "(2+3", "3", 3, 0, 0, 1, 0},
        BackspaceCase{"close_paren_then_operator", "( 2 + 3 ) BS BS", "(2+", "", 3, 0, 0, 1, 0},
        BackspaceCase{"close_paren_after_close_paren", "( ( 2 + 3 ) ) BS", "((2+3)", "", 6, 0, 0, 2, 1},
        BackspaceCase{"open_paren", "( BS", "", "", 0, 0, 0, 0, 0},
        BackspaceCase{"one_of_two_open_parens", "( ( BS", "(", "", 1, 0, 0, 1, 0},
        BackspaceCase{"both_open_parens", "( ( BS BS", "", "", 0, 0, 0, 0, 0},
        BackspaceCase{"open_paren_after_implied_times", "3 ( BS", "3*", "", 2, 0, 0, 0, 0},
        BackspaceCase{"implied_times_reopens_number", "3 ( BS BS", "3", "3", 0, 0, 0, 0, 0},
        BackspaceCase{"function_after_group", "( 1 + 2 ) Sec BS BS", "(1+2)", "", 5, 0, 0, 1, 1}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    FunctionNames, BackspaceTest,
    ::testing::Values(
        BackspaceCase{"sin", "2 + Sin BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"cos", "2 + Cos BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"tan", "2 + Tan BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"sec", "2 + Sec BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"cosec", "2 + Cosec BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"cotan", "2 + Cotan BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"arcsin", "2 + Arcsin BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"arccos", "2 + Arccos BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"arctan", "2 + Arctan BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"function_at_start", "Sin BS", "", "", 0, 0, 0, 0, 0},
        BackspaceCase{"argument_then_name", "Sin 30 BS BS BS", "", "", 0, 0, 0, 0, 0},
        BackspaceCase{"function_after_open_paren", "( Arctan BS", "(", "", 1, 0, 0, 1, 0}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Constants, BackspaceTest,
    ::testing::Values(
        BackspaceCase{"pi_alone", "π BS", "", "", 0, 0, 0, 0, 0},
        BackspaceCase{"pi_after_operator", "2 + π BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"negated_pi_goes_whole", "2 * - π BS", "2*", "", 2, 0, 0, 0, 0},
        BackspaceCase{"operator_reopens_pi", "π + BS", "π", "3.14159265358979", 0, 1, 0, 0, 0},
        BackspaceCase{"reopened_pi_goes_whole", "π + BS BS", "", "", 0, 0, 0, 0, 0},
        BackspaceCase{"memory", kMemoryHolds3_5 + "2 + M1 BS", "2+", "", 2, 0, 0, 0, 0},
        BackspaceCase{"negated_memory_goes_whole", kMemoryHolds3_5 + "2 * - M1 BS", "2*", "", 2, 0, 0, 0, 0},
        BackspaceCase{"operator_reopens_memory", kMemoryHolds3_5 + "M1 + BS", "M1", "3.5", 0, 1, 0, 0, 0},
        BackspaceCase{"reopened_memory_goes_whole", kMemoryHolds3_5 + "M1 + BS BS", "", "", 0, 0, 0, 0, 0}),
    RowName());

// ---------------------------------------------------------------------------
// After a backspace the arrays, counters and marks let entry carry on as if
// the removed entry had never been typed.

struct ContinueCase {
    const char* name;
    std::string keys;  // evaluated at the end
    const char* expression;
    const char* answer;
};

class ContinueAfterBackspaceTest : public ::testing::TestWithParam<ContinueCase> {};

TEST_P(ContinueAfterBackspaceTest, EntryAndEvaluationCarryOn) {
    Keypad pad;
    pad.Press(GetParam().keys).Press("=");
    EXPECT_EQ(pad.expression(), GetParam().expression);
    EXPECT_EQ(pad.answer(), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Editing, ContinueAfterBackspaceTest,
    ::testing::Values(
        ContinueCase{"point_again_after_point_removed", "7 . BS . 5 + 1", "7.5+1", "8.5"},
        ContinueCase{"new_number_after_pi_removed", "π BS 5 . 5 + 1", "5.5+1", "6.5"},
        ContinueCase{"group_closed_again", "( 2 + 3 ) BS ) * 2", "(2+3)*2", "10"},
        ContinueCase{"operator_replaced", "2 + 3 * BS - 1", "2+3-1", "4"},
        ContinueCase{"open_paren_removed", "2 + ( BS 3", "2+3", "5"},
        ContinueCase{"both_open_parens_removed", "( ( BS BS 2 + 1", "2+1", "3"},
        ContinueCase{"function_removed", "2 * Sin BS 3", "2*3", "6"},
        ContinueCase{"digit_refused_after_group_again", "( 1 + 2 ) * BS 3 * 2", "(1+2)*2", "6"},
        ContinueCase{"reopened_negative_extended", "2 + - 5 = BS 7", "2+(-7)", "-5"},
        ContinueCase{"reopened_pi_takes_no_digit", "π + BS 5 * 2", "π*2", "6.28318530717958"},
        ContinueCase{"implied_times_removed", "3 ( BS BS 1 + 1", "31+1", "32"}),
    RowName());

// ---------------------------------------------------------------------------

TEST(Backspace, WorkedSequenceFromNegativeNumber) {
    Keypad pad;
    pad.Press("2 + - 5");
    ASSERT_EQ(pad.expression(), "2+(-5");
    pad.Press("+");
    EXPECT_EQ(pad.expression(), "2+(-5)+");

    pad.Press("BS");
    EXPECT_EQ(pad.expression(), "2+(-5)");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "-5");
    EXPECT_EQ(pad.state().slotIndex, 2);
    EXPECT_EQ(pad.state().pendingMinus, 0);

    pad.Press("BS");
    EXPECT_EQ(pad.expression(), "2+(-");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "-");
    EXPECT_EQ(pad.state().pendingMinus, 1);

    pad.Press("BS");
    EXPECT_EQ(pad.expression(), "2+");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "");
    EXPECT_EQ(pad.state().pendingMinus, 0);

    pad.Press("BS");
    EXPECT_EQ(pad.expression(), "2");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "2");
    EXPECT_EQ(pad.state().slotIndex, 0);

    pad.Press("BS");
    EXPECT_EQ(pad.expression(), "");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "");
}

TEST(Backspace, SlotArraysShrinkBackToTheirLastToken) {
    Keypad pad;
    pad.Press("2 + ( 3 - Sin 30 )");
    pad.Press("BS BS BS BS");  // ")", "0", "3", "Sin"
    const CalculatorState& s = pad.state();
    EXPECT_EQ(pad.expression(), "2+(3-");
    EXPECT_EQ(s.slotIndex, 5);
    EXPECT_EQ(Slots(s.operands), "0:|1:2|2:|3:|4:3");
    EXPECT_EQ(Slots(s.operators), "0:|1:|2:+|3:|4:|5:-");
    EXPECT_EQ(Slots(s.openParens), "0:|1:|2:|3:(");
    EXPECT_EQ(Slots(s.closeParens), "0:");
    EXPECT_EQ(s.funcNameLens[s.funcNameLens.upper()], 0);
    EXPECT_EQ(s.openCount, 1);
    EXPECT_EQ(s.closeCount, 0);
}

TEST(Backspace, OnTheEmptyExpressionChangesOnlyTheCaption) {
    Keypad pad;
    const CalculatorState before = pad.state();
    ASSERT_EQ(pad.expression(), "式");
    pad.Press("BS");
    EXPECT_TRUE(pad.state() == before);
    EXPECT_EQ(pad.expression(), "");
    pad.Press("BS");
    EXPECT_TRUE(pad.state() == before);
}

TEST(Backspace, PiRemovalClearsItsMark) {
    Keypad pad;
    pad.Press("π BS");
    EXPECT_EQ(pad.state().constMarks[0], 0);
    EXPECT_EQ(pad.state().pointCount, 0);
    pad.Press("5 .");
    EXPECT_EQ(pad.expression(), "5.");
}

TEST(Backspace, AfterEvaluationLeavesTheAnswerShown) {
    Keypad pad;
    pad.Press("2 + 3 =");
    ASSERT_EQ(pad.answer(), "5");
    pad.Press("BS");
    EXPECT_EQ(pad.expression(), "2+");
    EXPECT_EQ(pad.answer(), "5");
    EXPECT_EQ(ToUtf8(pad.state().answerText), "5");
}

TEST(Backspace, LoneMinusAfterFailedEvaluation) {
    Keypad pad;
    pad.Press("2 + - =");
    ASSERT_EQ(pad.expression(), "2+(-)");
    ASSERT_EQ(pad.answer(), "数値が正しくありません");
    pad.Press("BS");
    EXPECT_EQ(pad.expression(), "2+");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "");
    EXPECT_EQ(pad.state().pendingMinus, 0);
    pad.Press("4 =");
    EXPECT_EQ(pad.answer(), "6");
}

TEST(Backspace, CanEmptyALongExpressionAndStopsThere) {
    Keypad pad;
    pad.Press("- ( 1.5 + Arcsin π ) * 2 √ 9 ^ ( ( 3 - 1 ) )");
    for (int i = 0; i < 60; ++i) pad.Press("BS");
    EXPECT_EQ(pad.expression(), "");
    EXPECT_EQ(pad.state().slotIndex, 0);
    EXPECT_EQ(pad.state().openCount, 0);
    EXPECT_EQ(pad.state().closeCount, 0);
    EXPECT_EQ(Slots(pad.state().operands), "0:");
    EXPECT_EQ(Slots(pad.state().operators), "0:");
    EXPECT_EQ(Slots(pad.state().openParens), "0:");
    EXPECT_EQ(Slots(pad.state().closeParens), "0:");
    EXPECT_EQ(Slots(pad.state().constMarks), "0:0");
    EXPECT_EQ(Slots(pad.state().funcNameLens), "0:0");
}

// ---------------------------------------------------------------------------
// Clear-all.

TEST(ClearAll, ResetsEverythingButTheMemories) {
    Keypad pad;
    pad.Press("2.5 + 1 = S1 AC 1 + 1 = S2");
    pad.Press("( 2 + - 3 ) * Sin π + 1 / 0 = + ( 7 . 5");
    ASSERT_NE(pad.state().slotIndex, 0);
    pad.Press("AC");

    Keypad fresh;
    CalculatorState expected = fresh.state();
    expected.memory1 = u"3.5";
    expected.memory2 = u"2";
    // Registers that clear-all leaves alone.
    expected.leftValue = pad.state().leftValue;
    expected.rightValue = pad.state().rightValue;
    expected.digitArg = pad.state().digitArg;
    EXPECT_TRUE(pad.state() == expected);
    EXPECT_EQ(pad.expression(), "式");
    EXPECT_EQ(pad.answer(), "＝");
    EXPECT_EQ(pad.label(Label::Memory1), "3.5");
    EXPECT_EQ(pad.label(Label::Memory2), "2");
}

TEST(ClearAll, FreshEntryWorksAfterwards) {
    Keypad pad;
    pad.Press("( ( 1 + Sin - 5 AC 4 * 2 =");
    EXPECT_EQ(pad.expression(), "4*2");
    EXPECT_EQ(pad.answer(), "8");
}

// After an evaluation has written the ")" of a lone minus, a negated
// constant typed next still goes in one backspace together with its minus
// and that ")", leaving the display in step with the tokens.
TEST(Backspace, NegatedConstantAfterAnEvaluatedLoneMinus) {
    const struct {
        const char* keys;
        const char* shown;
    } cases[] = {
        {"2 + - = π", "2+(-)π)"},
        {"5 + 1 = S1 AC 2 + - = M1", "2+(-)M1)"},
    };
    for (const auto& c : cases) {
        Keypad pad;
        pad.Press(c.keys);
        ASSERT_EQ(pad.expression(), c.shown) << c.keys;
        pad.Press("BS");
        EXPECT_EQ(pad.expression(), "2+") << c.keys;
        EXPECT_EQ(ToUtf8(pad.state().curNumber), "") << c.keys;
        EXPECT_EQ(pad.state().slotIndex, 2) << c.keys;
        pad.Press("BS BS");
        EXPECT_EQ(pad.expression(), "") << c.keys;
        EXPECT_EQ(pad.state().slotIndex, 0) << c.keys;
    }
}

}  // namespace
}  // namespace orvane::testing
