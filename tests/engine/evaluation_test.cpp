#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "entry/utf8.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"

namespace orvane::testing {
namespace {

const char* const kBadNumber = "数値が正しくありません";
const char* const kIncomplete = "式が不完全です";
const char* const kUnbalanced = "括弧の数があいません。";

// ---------------------------------------------------------------------------
// Answers of complete expressions.

struct AnswerCase {
    const char* name;
    const char* keys;
    const char* answer;
};

class AnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerTest, ShowsTheAnswerAndKeepsIt) {
    Keypad pad;
    pad.Press(GetParam().keys).Press("=");
    EXPECT_EQ(pad.answer(), GetParam().answer);
    EXPECT_EQ(ToUtf8(pad.state().answerText), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, AnswerTest,
    ::testing::Values(
        AnswerCase{"typical_request", "2 + 3 * 4", "14"},
        AnswerCase{"power_before_times_before_plus", "2 + 3 * 4 ^ 2", "50"},
        AnswerCase{"times_before_plus_on_both_sides", "2 * 3 + 4 * 5", "26"},
        AnswerCase{"power_left_to_right", "2 ^ 3 ^ 2", "64"},
        AnswerCase{"root_of_nine", "2 √ 9", "3"},
        AnswerCase{"root_key_alone_is_square_root", "√ 9", "3"},
        AnswerCase{"cube_root", "3 √ 27", "3"},
        AnswerCase{"fractional_root_index", "0.5 √ 4", "16"},
        AnswerCase{"root_then_power", "2 √ 16 ^ 2", "16"},
        AnswerCase{"power_then_root_left_to_right", "2 ^ 2 √ 16", "2"},
        AnswerCase{"division_left_to_right", "8 / 4 / 2", "1"},
        AnswerCase{"divide_then_multiply", "6 / 2 * 3", "9"},
        AnswerCase{"subtraction_left_to_right", "10 - 4 - 3", "3"},
        AnswerCase{"negative_base_even_power", "- 2 ^ 2", "4"},
        AnswerCase{"negative_base_odd_power", "- 2 ^ 3", "-8"},
        AnswerCase{"square_root_of_two_by_power", "2 ^ 0.5", "1.4142135623731"},
        AnswerCase{"fractional_power_of_base_below_one", "0.25 ^ 0.5", "0.5"},
        AnswerCase{"negative_result", "2 - 5", "-3"},
        AnswerCase{"negative_fraction", "0.5 - 1", "-0.5"},
        AnswerCase{"trailing_point_reads_as_integer", "5 . + 1", "6"},
        AnswerCase{"minus_point_five", "- . 5 + 1", "0.5"},
        AnswerCase{"pi_times_two", "π * 2", "6.28318530717958"},
        AnswerCase{"negated_pi_cancels_pi", "- π + π", "0"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Groups, AnswerTest,
    ::testing::Values(
        AnswerCase{"two_sibling_groups", "( 2 + 3 ) * ( 4 + 5 )", "45"},
        AnswerCase{"sibling_groups_subtracted", "( 9 - 1 ) - ( 4 - 1 )", "5"},
        AnswerCase{"nested_group", "( ( 2 + 3 ) * 2 )", "10"},
        AnswerCase{"doubly_wrapped_group", "( ( 1 + 2 ) )", "3"},
        AnswerCase{"group_changes_precedence", "( 2 + 3 ) * 4", "20"},
        AnswerCase{"group_as_base", "( 1 + 2 ) ^ 2", "9"},
        AnswerCase{"implied_times_before_group", "2 ( 3 + 4 )", "14"},
        AnswerCase{"minus_before_group", "- ( 2 + 3 )", "-5"},
        AnswerCase{"group_after_division", "12 / ( 1 + 2 )", "4"},
        AnswerCase{"function_inside_group", "( Sin 30 + 1 ) * 2", "3"},
        AnswerCase{"driver_worked_example", "2 * ( 3 + 4 ) - Sin 30", "13.5"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Formatting, AnswerTest,
    ::testing::Values(
        AnswerCase{"intermediate_rounded_to_15_digits", "1 / 3 * 3", "0.999999999999999"},
        AnswerCase{"two_thirds_times_three", "2 / 3 * 3", "2"},
        AnswerCase{"point_one_plus_point_two", "0.1 + 0.2", "0.3"},
        AnswerCase{"ten_to_fifteen_in_exponent_form", "10 ^ 15", "1E+15"},
        AnswerCase{"ten_to_fourteen_in_plain_form", "10 ^ 14", "100000000000000"},
        AnswerCase{"three_digit_exponent", "10 ^ 100", "1E+100"},
        AnswerCase{"one_hundred_thousandth", "1 / 100000", "1E-05"},
        AnswerCase{"one_ten_thousandth", "1 / 10000", "0.0001"},
        AnswerCase{"fraction_in_exponent_form", "15 / 100000000", "1.5E-07"},
        AnswerCase{"zero_times_negative", "0 * - 3", "0"},
        AnswerCase{"negative_times_zero", "- 3 * 0", "0"},
        AnswerCase{"twenty_digit_number", "12345678901234567890 + 0", "1.23456789012346E+19"},
        AnswerCase{"underflow_is_zero_not_failure", "10 ^ - 400", "0"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Functions, AnswerTest,
    ::testing::Values(
        AnswerCase{"sin_30", "Sin 30", "0.5"},
        AnswerCase{"cos_60", "Cos 60", "0.5"},
        AnswerCase{"tan_45", "Tan 45", "1"},
        AnswerCase{"cosec_30", "Cosec 30", "2"},
        AnswerCase{"sec_60", "Sec 60", "2"},
        AnswerCase{"cotan_45", "Cotan 45", "1"},
        AnswerCase{"sin_of_negative", "Sin - 30", "-0.5"},
        AnswerCase{"arcsin_half", "Arcsin 0.5", "30"},
        AnswerCase{"arccos_half", "Arccos 0.5", "60"},
        AnswerCase{"arccos_zero", "Arccos 0", "90"},
        AnswerCase{"arccos_minus_half", "Arccos - 0.5", "120"},
        AnswerCase{"arctan_one", "Arctan 1", "45"},
        AnswerCase{"arctan_minus_one", "Arctan - 1", "-45"},
        AnswerCase{"arcsin_zero", "Arcsin 0", "0"},
        AnswerCase{"function_of_group", "Sin ( 30 + 60 )", "1"},
        AnswerCase{"function_before_power", "Sin 30 ^ 2", "0.25"},
        AnswerCase{"function_as_exponent", "2 ^ Sin 30", "1.4142135623731"},
        AnswerCase{"each_function_takes_its_own_operand", "Sin 30 + Cos 60", "1"},
        AnswerCase{"negated_function", "- Sin 30", "-0.5"},
        AnswerCase{"implied_times_before_function", "4 Cos 60", "2"}),
    RowName());

// 5.9665091835101406E-155 typed out in full; its square is subnormal.
const std::string kTinySquared = "0." + std::string(154, '0') + "59665091835101406 ^ 2";

// Arguments where the C library's last bit shows at 15 digits: the answer is
// the correctly rounded one on every platform. Each name ends in the last
// digits glibc 2.36 gives instead, or, for a subnormal, rounding twice.
INSTANTIATE_TEST_SUITE_P(
    CorrectlyRounded, AnswerTest,
    ::testing::Values(
        AnswerCase{"tan_not_libc_734", "Tan 997.48", "-7.61629716962733"},
        AnswerCase{"cos_not_libc_983", "Cos 3364.8461217014", "-0.571374387738982"},
        AnswerCase{"arctan_not_libc_718", "Arctan 7.58", "82.4845901567181"},
        AnswerCase{"power_not_libc_331", "526 ^ 21.90487", "4.00718135114332E+59"},
        AnswerCase{"root_not_libc_801", "2.16755212993282 √ 99.174", "8.337540903998"},
        AnswerCase{"subnormal_square_not_108", kTinySquared.c_str(), "3.55992318369109E-309"}),
    RowName());

// ---------------------------------------------------------------------------
// Functions at multiples of 90 degrees: the degree factor is one unit in the
// last place above pi/180, so these give tiny or huge values, never a failure.
// Only the first two significant digits and the exponent are fixed.

struct NearZeroCase {
    const char* name;
    const char* keys;
    double about;  // to two significant digits
    const char* exponentSuffix;
};

class MultipleOfNinetyTest : public ::testing::TestWithParam<NearZeroCase> {};

TEST_P(MultipleOfNinetyTest, GivesAFiniteValueNotZero) {
    const std::string answer = Evaluate(GetParam().keys);
    ASSERT_NE(answer, kBadNumber);
    const std::string suffix = GetParam().exponentSuffix;
    ASSERT_GE(answer.size(), suffix.size());
    EXPECT_EQ(answer.substr(answer.size() - suffix.size()), suffix) << answer;
    const double value = std::strtod(answer.c_str(), nullptr);
    // Rounded to two significant digits the value must read as `about`.
    const double scale = std::pow(10.0, std::floor(std::log10(std::abs(GetParam().about))) - 1);
    EXPECT_EQ(std::round(value / scale), std::round(GetParam().about / scale)) << answer;
}

INSTANTIATE_TEST_SUITE_P(
    Degrees, MultipleOfNinetyTest,
    ::testing::Values(NearZeroCase{"sin_180", "Sin 180", -7.7e-16, "E-16"},
                      NearZeroCase{"cos_90", "Cos 90", -3.8e-16, "E-16"},
                      NearZeroCase{"tan_90", "Tan 90", -2.6e15, "E+15"},
                      NearZeroCase{"sec_90", "Sec 90", -2.6e15, "E+15"},
                      NearZeroCase{"cosec_180", "Cosec 180", -1.3e15, "E+15"},
                      NearZeroCase{"cotan_90", "Cotan 90", -3.8e-16, "E-16"}),
    RowName());

// ---------------------------------------------------------------------------
// Failures during evaluation: one message, the previous answer kept, and the
// number reopened for editing.

struct FailureCase {
    const char* name;
    const char* keys;
    const char* expression;  // Label1 after the evaluate key
    const char* curNumber;   // the number reopened for editing
};

class FailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureTest, ShowsBadNumberAndKeepsThePreviousAnswer) {
    Keypad pad;
    pad.Press("9 + 1 = BS BS BS");
    ASSERT_EQ(pad.answer(), "10");
    ASSERT_EQ(pad.state().slotIndex, 0);
    ASSERT_EQ(ToUtf8(pad.state().exprText), "");

    pad.Press(GetParam().keys).Press("=");
    EXPECT_EQ(pad.answer(), kBadNumber);
    EXPECT_EQ(ToUtf8(pad.state().answerText), "10");
    EXPECT_EQ(pad.expression(), GetParam().expression);
    EXPECT_EQ(ToUtf8(pad.state().curNumber), GetParam().curNumber);
    EXPECT_EQ(pad.state().pendingMinus, 0);

    pad.Press("S1");
    EXPECT_EQ(pad.label(Label::Memory1), "10");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureTest,
    ::testing::Values(
        FailureCase{"division_by_zero", "5 / 0", "5/0.", "0."},
        FailureCase{"root_index_zero", "0 √ 5", "0.√5", "5"},
        FailureCase{"root_of_negative", "2 √ - 4", "2√(-4)", "-4"},
        FailureCase{"fractional_power_of_negative", "- 8 ^ 0.5", "(-8)^0.5", "0.5"},
        FailureCase{"power_overflow", "10 ^ 400", "10^400", "400"},
        FailureCase{"product_overflow", "10 ^ 300 * 10 ^ 300", "10^300*10^300", "300"},
        FailureCase{"arcsin_of_one", "Arcsin 1", "Arcsin1", "1"},
        FailureCase{"arcsin_of_minus_one", "Arcsin - 1", "Arcsin(-1)", "-1"},
        FailureCase{"arccos_of_one", "Arccos 1", "Arccos1", "1"},
        FailureCase{"arccos_of_minus_one", "Arccos - 1", "Arccos(-1)", "-1"},
        FailureCase{"arcsin_of_two", "Arcsin 2", "Arcsin2", "2"},
        FailureCase{"arccos_of_minus_two", "Arccos - 2", "Arccos(-2)", "-2"},
        FailureCase{"cosec_of_zero", "Cosec 0", "Cosec0.", "0."},
        FailureCase{"cotan_of_zero", "Cotan 0", "Cotan0.", "0."},
        FailureCase{"lone_minus", "2 + -", "2+(-)", "-"},
        FailureCase{"minus_and_point_only", "2 + - .", "2+(-.)", "-."},
        FailureCase{"group_divides_by_zero", "1 / ( 2 - 2 )", "1/(2-2)", ""},
        FailureCase{"failing_group_spoils_the_rest", "( 5 / 0 ) + 1", "(5/0.)+1", "1"}),
    RowName());

// ---------------------------------------------------------------------------
// Readiness: expressions that are not evaluated at all.

struct ReadinessCase {
    const char* name;
    const char* keys;
    const char* message;
};

class ReadinessTest : public ::testing::TestWithParam<ReadinessCase> {};

TEST_P(ReadinessTest, ReportsAndChangesNothing) {
    Keypad pad;
    pad.Press(GetParam().keys);
    const CalculatorState before = pad.state();
    const std::string shown = pad.expression();
    pad.Press("=");
    EXPECT_EQ(pad.answer(), GetParam().message);
    EXPECT_EQ(pad.expression(), shown);
    EXPECT_TRUE(UnchangedApartFromGuard(before, pad.state()));
    EXPECT_EQ(ToUtf8(pad.state().answerText), "");
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ReadinessTest,
    ::testing::Values(
        ReadinessCase{"empty_expression", "", kIncomplete},
        ReadinessCase{"lone_number", "5", kIncomplete},
        ReadinessCase{"lone_negative_number", "- 5", kIncomplete},
        ReadinessCase{"lone_pi", "π", kIncomplete},
        ReadinessCase{"ends_with_operator", "5 +", kIncomplete},
        ReadinessCase{"ends_with_function", "2 + Sin", kIncomplete},
        ReadinessCase{"open_group_with_number", "( 5", kUnbalanced},
        ReadinessCase{"open_group_with_sum", "( 5 + 3", kUnbalanced},
        ReadinessCase{"ends_with_open_paren", "5 + (", kUnbalanced},
        ReadinessCase{"inner_group_closed_only", "( ( 1 + 2 )", kUnbalanced}),
    RowName());

// ---------------------------------------------------------------------------
// Worked examples with the slot arrays.

TEST(Evaluation, FivePlusThreeClosesEvaluatesAndReopens) {
    Keypad pad;
    pad.Press("5 + 3");
    const CalculatorState& s = pad.state();
    ASSERT_EQ(s.slotIndex, 2);
    ASSERT_EQ(Slots(s.operands), "0:|1:5");
    ASSERT_EQ(Slots(s.operators), "0:|1:|2:+");

    pad.Press("=");
    EXPECT_EQ(pad.answer(), "8");
    EXPECT_EQ(ToUtf8(s.answerText), "8");
    // The work copy was padded to slot 3 and reduced: the sum sits in slot 1.
    EXPECT_EQ(Slots(s.workOperands), "0:|1:8|2:|3:");
    EXPECT_EQ(Slots(s.workOperators), "0:|1:|2:|3:");
    EXPECT_EQ(Slots(s.workOpenParens), "0:|1:|2:|3:");
    EXPECT_EQ(Slots(s.workCloseParens), "0:|1:|2:|3:");
    // The entry side is back where it was.
    EXPECT_EQ(s.slotIndex, 2);
    EXPECT_EQ(ToUtf8(s.curNumber), "3");
    EXPECT_EQ(Slots(s.operands), "0:|1:5");
    EXPECT_EQ(Slots(s.operators), "0:|1:|2:+");
    EXPECT_EQ(Slots(s.openParens), "0:");
    EXPECT_EQ(Slots(s.closeParens), "0:");
    EXPECT_EQ(pad.expression(), "5+3");
}

TEST(Evaluation, GroupFirstThenFunctionThenOperators) {
    Keypad pad;
    pad.Press("2 * ( 3 + 4 ) - Sin 30 =");
    const CalculatorState& s = pad.state();
    EXPECT_EQ(pad.answer(), "13.5");
    EXPECT_EQ(Slots(s.workOperands), "0:|1:13.5|2:|3:|4:|5:|6:|7:|8:|9:|10:");
    EXPECT_EQ(Slots(s.workOpenParens), "0:|1:|2:|3:|4:|5:|6:|7:|8:|9:|10:");
    EXPECT_EQ(Slots(s.workCloseParens), "0:|1:|2:|3:|4:|5:|6:|7:|8:|9:|10:");
    EXPECT_EQ(s.slotIndex, 9);
    EXPECT_EQ(ToUtf8(s.curNumber), "30");
    EXPECT_EQ(pad.expression(), "2*(3+4)-Sin30");
}

TEST(Evaluation, PowerThenTimesThenPlusWorkedExample) {
    Keypad pad;
    pad.Press("2 + 3 * 4 ^ 2 =");
    EXPECT_EQ(pad.answer(), "50");
    EXPECT_EQ(Slots(pad.state().workOperands), "0:|1:50|2:|3:|4:|5:|6:|7:");
}

// ---------------------------------------------------------------------------
// The expression stays editable after evaluation.

TEST(Evaluation, FurtherDigitsExtendTheReopenedNumber) {
    Keypad pad;
    pad.Press("5 + 3 =");
    EXPECT_EQ(pad.answer(), "8");
    EXPECT_EQ(pad.expression(), "5+3");
    pad.Press("1");
    EXPECT_EQ(pad.expression(), "5+31");
    pad.Press("=");
    EXPECT_EQ(pad.answer(), "36");
}

TEST(Evaluation, PendingMinusIsWrittenOutAndTheNumberStaysOpen) {
    Keypad pad;
    pad.Press("2 * - 3");
    EXPECT_EQ(pad.expression(), "2*(-3");
    pad.Press("=");
    EXPECT_EQ(pad.expression(), "2*(-3)");
    EXPECT_EQ(pad.answer(), "-6");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "-3");
    EXPECT_EQ(pad.state().pendingMinus, 0);
    pad.Press("1");
    EXPECT_EQ(pad.expression(), "2*(-3)1");
    EXPECT_EQ(ToUtf8(pad.state().curNumber), "-31");
    pad.Press("=");
    EXPECT_EQ(pad.expression(), "2*(-3)1");
    EXPECT_EQ(pad.answer(), "-62");
}

TEST(Evaluation, ReopenedDecimalTakesNoSecondPoint) {
    Keypad pad;
    pad.Press("1 + 2 . 5 = . 5 =");
    EXPECT_EQ(pad.expression(), "1+2.55");
    EXPECT_EQ(pad.answer(), "3.55");
}

TEST(Evaluation, CorrectedExpressionEvaluatesAfterAFailure) {
    Keypad pad;
    pad.Press("5 / 0 =");
    ASSERT_EQ(pad.answer(), kBadNumber);
    pad.Press("BS 2 =");
    EXPECT_EQ(pad.expression(), "5/2");
    EXPECT_EQ(pad.answer(), "2.5");
}

TEST(Evaluation, ReadinessMessageDoesNotTouchThePreviousAnswer) {
    Keypad pad;
    pad.Press("2 + 3 = +");
    ASSERT_EQ(pad.answer(), "5");
    pad.Press("=");
    EXPECT_EQ(pad.answer(), kIncomplete);
    EXPECT_EQ(ToUtf8(pad.state().answerText), "5");
}

// Evaluating twice gives the same answer and leaves exactly the same record.
class EvaluateTwiceTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(EvaluateTwiceTest, SecondEvaluationRepeatsTheFirst) {
    Keypad pad;
    pad.Press(GetParam().keys);
    const CalculatorState typed = pad.state();
    pad.Press("=");
    EXPECT_EQ(pad.answer(), GetParam().answer);
    const CalculatorState once = pad.state();
    // The entry side is as it was before the key.
    EXPECT_EQ(once.exprText, typed.exprText);
    EXPECT_EQ(once.curNumber, typed.curNumber);
    EXPECT_EQ(once.slotIndex, typed.slotIndex);
    EXPECT_TRUE(once.operands == typed.operands);
    EXPECT_TRUE(once.operators == typed.operators);
    EXPECT_TRUE(once.openParens == typed.openParens);
    EXPECT_TRUE(once.closeParens == typed.closeParens);
    EXPECT_EQ(once.openCount, typed.openCount);
    EXPECT_EQ(once.closeCount, typed.closeCount);
    EXPECT_EQ(once.pointCount, typed.pointCount);

    pad.Press("=");
    EXPECT_EQ(pad.answer(), GetParam().answer);
    EXPECT_TRUE(pad.state() == once);
}

INSTANTIATE_TEST_SUITE_P(
    Repeat, EvaluateTwiceTest,
    ::testing::Values(AnswerCase{"ends_in_number", "2 + 3 * 4", "14"},
                      AnswerCase{"ends_in_decimal", "1 + 2.5", "3.5"},
                      AnswerCase{"ends_in_pi", "2 * π", "6.28318530717958"},
                      AnswerCase{"ends_in_group", "( 1 + 2 ) * ( 3 + 4 )", "21"},
                      AnswerCase{"ends_in_function_argument", "1 + Sin 30", "1.5"},
                      AnswerCase{"ends_in_failure", "5 / 0", kBadNumber}),
    RowName());

}  // namespace
}  // namespace orvane::testing
