#include <gtest/gtest.h>

#include <string>

#include "entry/utf8.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"

namespace orvane::testing {
namespace {

// Memory 1 holds 3.5, memory 2 holds -2, and the expression is empty again.
const std::string kLoaded = "2.5 + 1 = S1 AC 1 - 3 = S2 AC ";

TEST(Memory, StartsEmptyAndRecallDoesNothing) {
    Keypad pad;
    EXPECT_EQ(pad.label(Label::Memory1), "Memory 1");
    EXPECT_EQ(pad.label(Label::Memory2), "Memory 2");
    EXPECT_EQ(ToUtf8(pad.state().memory1), "");
    EXPECT_EQ(ToUtf8(pad.state().memory2), "");
    const CalculatorState before = pad.state();
    const int updates = pad.label_updates();
    pad.Press("M1 M2 - M1");
    pad.Press("BS");  // back to the empty expression
    EXPECT_TRUE(UnchangedApartFromGuard(before, pad.state()));
    // Only the minus key and the backspace set the caption.
    EXPECT_EQ(pad.label_updates(), updates + 2);
}

TEST(Memory, StoreCopiesTheAnswerWithoutTouchingTheExpression) {
    Keypad pad;
    pad.Press("2.5 + 1 =");
    ASSERT_EQ(pad.answer(), "3.5");
    pad.Press("S1");
    EXPECT_EQ(pad.label(Label::Memory1), "3.5");
    EXPECT_EQ(ToUtf8(pad.state().memory1), "3.5");
    EXPECT_EQ(pad.label(Label::Memory2), "Memory 2");
    EXPECT_EQ(pad.expression(), "2.5+1");
    EXPECT_EQ(pad.answer(), "3.5");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "1");
}

TEST(Memory, StoredAnswerSurvivesClearAllAndIsRecalled) {
    Keypad pad;
    pad.Press("2.5 + 1 = S1 AC");
    EXPECT_EQ(pad.label(Label::Memory1), "3.5");
    pad.Press("M1");
    EXPECT_EQ(pad.expression(), "M1");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "3.5");
    EXPECT_EQ(pad.state().constMarks[0], 2);
    pad.Press("+ 1 =");
    EXPECT_EQ(pad.expression(), "M1+1");
    EXPECT_EQ(pad.answer(), "4.5");
}

TEST(Memory, NegatedRecallCompletesTheUnaryMinus) {
    Keypad pad;
    pad.Press(kLoaded + "- M1");
    EXPECT_EQ(pad.expression(), "(-M1)");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "-3.5");
    EXPECT_EQ(pad.state().pendingMinus, 0);
    EXPECT_EQ(pad.state().constMarks[0], 5);
    pad.Press("* 2 =");
    EXPECT_EQ(pad.expression(), "(-M1)*2");
    EXPECT_EQ(pad.answer(), "-7");
}

TEST(Memory, NegatedRecallOfANegativeMemory) {
    Keypad pad;
    pad.Press(kLoaded);
    ASSERT_EQ(pad.label(Label::Memory2), "-2");
    pad.Press("1 + - M2");
    EXPECT_EQ(pad.expression(), "1+(-M2)");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "2");
    pad.Press("=");
    EXPECT_EQ(pad.expression(), "1+(-M2)");
    EXPECT_EQ(pad.answer(), "3");
}

TEST(Memory, RecallOfExponentFormAnswer) {
    Keypad pad;
    pad.Press("10 ^ 15 = S1 AC M1 / 10 =");
    EXPECT_EQ(pad.answer(), "100000000000000");
    pad.Press("AC - M1");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "-1E+15");
}

// Where a recall is accepted and where it is refused.
struct RecallCase {
    const char* name;
    const char* keys;        // typed after memory 1 has been loaded
    const char* expression;  // Label1 afterwards
    const char* curNumber;
};

class RecallPlacementTest : public ::testing::TestWithParam<RecallCase> {};

TEST_P(RecallPlacementTest, AcceptsOnlyWhereANumberMayStart) {
    Keypad pad;
    pad.Press(kLoaded + GetParam().keys);
    EXPECT_EQ(pad.expression(), GetParam().expression);
    EXPECT_EQ(ToUtf8(pad.state().curNumber), GetParam().curNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Places, RecallPlacementTest,
    ::testing::Values(
        RecallCase{"at_start", "M1", "M1", "3.5"},
        RecallCase{"after_operator", "2 * M1", "2*M1", "3.5"},
        RecallCase{"after_open_paren", "( M1", "(M1", "3.5"},
        RecallCase{"after_function_name", "Sin M1", "SinM1", "3.5"},
        RecallCase{"after_unary_minus", "- M1", "(-M1)", "-3.5"},
        RecallCase{"second_memory", "M2", "M2", "-2"},
        RecallCase{"refused_after_digit", "5 M1", "5", "5"},
        RecallCase{"refused_after_point", "5 . M1", "5.", "5."},
        RecallCase{"refused_after_recall", "M1 M1", "M1", "3.5"},
        RecallCase{"refused_after_other_memory", "M1 M2", "M1", "3.5"},
        RecallCase{"refused_after_negated_recall", "- M1 M2", "(-M1)", "-3.5"},
        RecallCase{"refused_after_pi", "π M1", "π", "3.14159265358979"},
        RecallCase{"refused_after_close_paren", "( 1 + 2 ) M1", "(1+2)", ""},
        RecallCase{"digit_refused_after_recall", "M1 5", "M1", "3.5"},
        RecallCase{"point_refused_after_recall", "M1 .", "M1", "3.5"},
        RecallCase{"point_refused_after_negated_recall", "- M1 .", "(-M1)", "-3.5"}),
    RowName());

TEST(Memory, RefusedRecallLeavesTheCaptionAlone) {
    Keypad pad;
    pad.Press(kLoaded + "5");
    const int updates = pad.label_updates();
    const CalculatorState before = pad.state();
    pad.Press("M1 M2");
    EXPECT_EQ(pad.label_updates(), updates);
    EXPECT_TRUE(UnchangedApartFromGuard(before, pad.state()));
}

TEST(Memory, OperatorClosesTheRecalledTextIntoASlot) {
    Keypad pad;
    pad.Press(kLoaded + "M1 +");
    EXPECT_EQ(pad.expression(), "M1+");
    EXPECT_EQ(ToUtf8(pad.state().operands[1]), "3.5");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "");
    pad.Press("M2 =");
    EXPECT_EQ(pad.answer(), "1.5");
}

TEST(Memory, ExpressionKeepsTheValueRecalledEarlier) {
    Keypad pad;
    pad.Press(kLoaded + "M1 + 1 =");
    ASSERT_EQ(pad.answer(), "4.5");
    pad.Press("S1");
    EXPECT_EQ(pad.label(Label::Memory1), "4.5");
    pad.Press("=");
    EXPECT_EQ(pad.answer(), "4.5");
    pad.Press("MC1 =");
    EXPECT_EQ(pad.answer(), "4.5");
}

TEST(Memory, StoreWithNoAnswerLeavesTheMemoryEmptyAndBlank) {
    Keypad pad;
    pad.Press("S1");
    EXPECT_EQ(ToUtf8(pad.state().memory1), "");
    EXPECT_EQ(pad.label(Label::Memory1), "");
    pad.Press("M1");
    EXPECT_EQ(pad.expression(), "式");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "");

    // Clear-all forgets the answer too.
    pad.Press("2 + 2 = AC S2");
    EXPECT_EQ(pad.label(Label::Memory2), "");
}

TEST(Memory, StoreAfterAFailureTakesTheEarlierAnswer) {
    Keypad pad;
    pad.Press("5 / 1 =");
    ASSERT_EQ(pad.answer(), "5");
    pad.Press("BS 0 =");
    ASSERT_EQ(pad.answer(), "数値が正しくありません");
    pad.Press("S1");
    EXPECT_EQ(pad.label(Label::Memory1), "5");
}

TEST(Memory, StoreAfterAReadinessMessageTakesTheEarlierAnswer) {
    Keypad pad;
    pad.Press("5 + 1 = + = S2");
    EXPECT_EQ(pad.label(Label::Memory2), "6");
}

TEST(Memory, ClearAllKeepsMemoriesAndTheirDisplays) {
    Keypad pad;
    pad.Press(kLoaded);
    pad.Press("7 AC");
    EXPECT_EQ(pad.label(Label::Memory1), "3.5");
    EXPECT_EQ(pad.label(Label::Memory2), "-2");
    EXPECT_EQ(ToUtf8(pad.state().memory1), "3.5");
    EXPECT_EQ(ToUtf8(pad.state().memory2), "-2");
}

TEST(Memory, ClearKeyEmptiesOneMemoryOnly) {
    Keypad pad;
    pad.Press("4 * 2 = S1 S2");
    EXPECT_EQ(pad.label(Label::Memory1), "8");
    EXPECT_EQ(pad.label(Label::Memory2), "8");
    pad.Press("MC1");
    EXPECT_EQ(pad.label(Label::Memory1), "Memory 1");
    EXPECT_EQ(ToUtf8(pad.state().memory1), "");
    EXPECT_EQ(pad.label(Label::Memory2), "8");
    pad.Press("AC M1");
    EXPECT_EQ(pad.expression(), "式");
    pad.Press("M2");
    EXPECT_EQ(pad.expression(), "M2");
    pad.Press("MC2");
    EXPECT_EQ(pad.label(Label::Memory2), "Memory 2");
    EXPECT_EQ(ToUtf8(pad.state().memory2), "");
}

TEST(Memory, BackspaceAndEvaluationLeaveMemoriesAlone) {
    Keypad pad;
    pad.Press(kLoaded + "M1 * M2");
    pad.Press("BS BS");
    pad.Press("- 4 = BS BS BS");
    EXPECT_EQ(pad.label(Label::Memory1), "3.5");
    EXPECT_EQ(pad.label(Label::Memory2), "-2");
    EXPECT_EQ(ToUtf8(pad.state().memory1), "3.5");
    EXPECT_EQ(ToUtf8(pad.state().memory2), "-2");
}

TEST(Memory, FunctionOfARecalledMemory) {
    Keypad pad;
    pad.Press("15 * 2 = S1 AC Sin M1 =");
    EXPECT_EQ(pad.expression(), "SinM1");
    EXPECT_EQ(pad.answer(), "0.5");
}

}  // namespace
}  // namespace orvane::testing
