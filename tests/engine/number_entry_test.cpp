#include <gtest/gtest.h>

#include "entry/utf8.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"

namespace orvane::testing {
namespace {

struct EntryCase {
    const char* name;
    const char* keys;
    const char* expression;  // Label1 afterwards
    const char* curNumber;
};

class NumberEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(NumberEntryTest, BuildsTheNumberAndTheDisplay) {
    Keypad pad;
    pad.Press(GetParam().keys);
    EXPECT_EQ(pad.expression(), GetParam().expression);
    EXPECT_EQ(ToUtf8(pad.state().curNumber), GetParam().curNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NumberEntryTest,
    ::testing::Values(
        EntryCase{"first_zero_brings_its_point", "0", "0.", "0."},
        EntryCase{"zero_then_five", "0 5", "0.5", "0.5"},
        EntryCase{"second_point_ignored", "0 5 .", "0.5", "0.5"},
        EntryCase{"zero_rule_only_for_first_digit", "1 0", "10", "10"},
        EntryCase{"point_at_start_ignored", ".", "式", ""},
        EntryCase{"point_after_digit", "7 .", "7.", "7."},
        EntryCase{"many_points_stay_ignored", "7 . . . . 5", "7.5", "7.5"},
        EntryCase{"digit_after_close_paren_refused", "( 1 + 2 ) 3", "(1+2)", ""},
        EntryCase{"digit_after_function_accepted", "Sin 3", "Sin3", "3"},
        EntryCase{"pi_alone", "π", "π", "3.14159265358979"},
        EntryCase{"pi_after_digit_refused", "2 π", "2", "2"},
        EntryCase{"digit_after_pi_refused", "π 2", "π", "3.14159265358979"},
        EntryCase{"point_after_pi_refused", "π .", "π", "3.14159265358979"},
        EntryCase{"pi_after_pi_refused", "π π", "π", "3.14159265358979"},
        EntryCase{"pi_after_close_paren_refused", "( 1 + 2 ) π", "(1+2)", ""},
        EntryCase{"negated_pi", "- π", "(-π)", "-3.14159265358979"},
        EntryCase{"minus_zero_has_no_point", "- 0", "(-0", "-0"},
        EntryCase{"minus_point_five", "- . 5", "(-.5", "-.5"},
        EntryCase{"pi_after_operator", "2 + π", "2+π", "3.14159265358979"}),
    RowName());

TEST(NumberEntry, PointCountSaysWhetherAPointMayFollow) {
    Keypad pad;
    pad.Press("0");
    EXPECT_EQ(pad.state().pointCount, 1);
    pad.Press("5 .");
    EXPECT_EQ(pad.state().pointCount, 2);
    pad.Press("+");
    EXPECT_EQ(pad.state().pointCount, 0);
    pad.Press("π");
    EXPECT_EQ(pad.state().pointCount, 1);
}

TEST(NumberEntry, PointCountNeverWrapsAroundToLetASecondPointIn) {
    Keypad pad;
    pad.Press("7");
    for (int i = 0; i < 70000; ++i) pad.calculator.PointKey();
    EXPECT_GE(pad.state().pointCount, 1);
    pad.Press("5 .");
    EXPECT_EQ(pad.expression(), "7.5");
}

TEST(NumberEntry, PiMarksTheConstantAtTheCurrentSlotIndex) {
    Keypad pad;
    pad.Press("π");
    EXPECT_EQ(Slots(pad.state().constMarks), "0:1");
}

TEST(NumberEntry, NegatedPiClosesTheMinusAtOnce) {
    Keypad pad;
    pad.Press("2 * - π");
    EXPECT_EQ(pad.expression(), "2*(-π)");
    EXPECT_EQ(pad.state().pendingMinus, 0);
    EXPECT_EQ(Slots(pad.state().constMarks), "0:0|1:0|2:4");
}

TEST(EntryGuards, RefusedKeysLeaveEveryFieldAndTheDisplayAlone) {
    const struct {
        const char* setup;
        const char* refused;
    } cases[] = {
        {"", "."},          {"", ")"},        {"", "+"},           {"", "*"},
        {"π", "π"},         {"π", "."},       {"π", "5"},          {"( 1 + 2 )", "π"},
        {"( 1 + 2 )", "7"}, {"2 +", "+"},     {"2 +", ")"},        {"2 +", "/"},
        {"Sin", "Sin"},     {"Sin", "Cos"},   {"-", "-"},          {"-", "^"},
        {"( 5", ")"},       {"( - 5", ")"},   {"( Sin 30", ")"},   {"5", "M1"},
        {"2 * - 3", ")"},   {"( π", ")"},     {"( 1 + 2 ) ( 3", "π"},
    };
    for (const auto& c : cases) {
        Keypad pad;
        pad.Press(c.setup);
        const CalculatorState before = pad.state();
        const int updates = pad.label_updates();
        pad.Press(c.refused);
        EXPECT_TRUE(UnchangedApartFromGuard(before, pad.state())) << c.setup << " then " << c.refused;
        EXPECT_EQ(pad.label_updates(), updates) << c.setup << " then " << c.refused;
    }
}

}  // namespace
}  // namespace orvane::testing
