#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "entry/utf8.h"
#include "input/calculator_input.h"
#include "tables/key_table.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"

namespace orvane::testing {
namespace {

// The window's key-down handler, on the path every input of both editions takes.
void Form_KeyDown(Calculator& calculator, std::int16_t keyCode, std::int16_t mask) {
    Narration narration([](const char* source) { return FromUtf8(source); });
    CalculatorInput(calculator, narration).Form_KeyDown({keyCode, mask}, 0);
}

constexpr std::int16_t kNone = 0;
constexpr std::int16_t kShift = 1;
constexpr std::int16_t kCtrl = 2;
constexpr std::int16_t kAlt = 4;

// One row of the key tables: the key, pressed after `setup`, must show
// `expression` and leave the same record as the button `button` would.
struct KeyCase {
    const char* name;
    std::int16_t code;
    std::int16_t mask;
    const char* setup;
    const char* button;
    const char* expression;
};

class KeyTableTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTableTest, ActsLikeItsButton) {
    const KeyCase& c = GetParam();
    Keypad byKey;
    byKey.Press(c.setup);
    Form_KeyDown(byKey.calculator, c.code, c.mask);

    Keypad byButton;
    byButton.Press(c.setup).Press(c.button);

    EXPECT_EQ(byKey.expression(), c.expression);
    EXPECT_EQ(byButton.expression(), c.expression);
    EXPECT_EQ(byKey.answer(), byButton.answer());
    EXPECT_TRUE(byKey.state() == byButton.state());
}

INSTANTIATE_TEST_SUITE_P(
    MainBlockDigits, KeyTableTest,
    ::testing::Values(KeyCase{"digit_0", 48, kNone, "1", "0", "10"},
                      KeyCase{"digit_1", 49, kNone, "1", "1", "11"},
                      KeyCase{"digit_2", 50, kNone, "1", "2", "12"},
                      KeyCase{"digit_3", 51, kNone, "1", "3", "13"},
                      KeyCase{"digit_4", 52, kNone, "1", "4", "14"},
                      KeyCase{"digit_5", 53, kNone, "1", "5", "15"},
                      KeyCase{"digit_6", 54, kNone, "1", "6", "16"},
                      KeyCase{"digit_7", 55, kNone, "1", "7", "17"},
                      KeyCase{"digit_8_without_shift", 56, kNone, "1", "8", "18"},
                      KeyCase{"digit_9_without_shift", 57, kNone, "1", "9", "19"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    KeypadDigits, KeyTableTest,
    ::testing::Values(KeyCase{"keypad_0", 96, kNone, "1", "0", "10"},
                      KeyCase{"keypad_1", 97, kNone, "1", "1", "11"},
                      KeyCase{"keypad_2", 98, kNone, "1", "2", "12"},
                      KeyCase{"keypad_3", 99, kNone, "1", "3", "13"},
                      KeyCase{"keypad_4", 100, kNone, "1", "4", "14"},
                      KeyCase{"keypad_5", 101, kNone, "1", "5", "15"},
                      KeyCase{"keypad_6", 102, kNone, "1", "6", "16"},
                      KeyCase{"keypad_7", 103, kNone, "1", "7", "17"},
                      KeyCase{"keypad_8", 104, kNone, "1", "8", "18"},
                      KeyCase{"keypad_9", 105, kNone, "1", "9", "19"},
                      KeyCase{"keypad_0_on_empty_expression", 96, kNone, "", "0", "0."},
                      KeyCase{"main_0_on_empty_expression", 48, kNone, "", "0", "0."}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    OperatorsAndEditing, KeyTableTest,
    ::testing::Values(
        KeyCase{"keypad_point", 110, kNone, "7", ".", "7."},
        KeyCase{"main_point", 190, kNone, "7", ".", "7."},
        KeyCase{"keypad_plus", 107, kNone, "7", "+", "7+"},
        KeyCase{"keypad_minus", 109, kNone, "7", "-", "7-"},
        KeyCase{"main_minus", 189, kNone, "7", "-", "7-"},
        KeyCase{"keypad_minus_as_sign", 109, kNone, "7 *", "-", "7*(-"},
        KeyCase{"keypad_times", 106, kNone, "7", "*", "7*"},
        KeyCase{"keypad_divide", 111, kNone, "7", "/", "7/"},
        KeyCase{"main_divide", 191, kNone, "7", "/", "7/"},
        KeyCase{"main_caret_is_power", 222, kNone, "7", "^", "7^"},
        KeyCase{"backspace", 8, kNone, "7 +", "BS", "7"},
        KeyCase{"backspace_on_function", 8, kNone, "7 + Arccos", "BS", "7+"},
        KeyCase{"escape_clears_all", 27, kNone, "2 + 3 =", "AC", "式"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    WithShift, KeyTableTest,
    ::testing::Values(KeyCase{"shift_8_opens_paren", 56, kShift, "7 +", "(", "7+("},
                      KeyCase{"shift_8_implied_times", 56, kShift, "7", "(", "7*("},
                      KeyCase{"shift_9_closes_paren", 57, kShift, "( 1 + 2", ")", "(1+2)"},
                      KeyCase{"shift_colon_key_is_times", 186, kShift, "7", "*", "7*"},
                      KeyCase{"shift_semicolon_key_is_plus", 187, kShift, "7", "+", "7+"}),
    RowName());

// Keys that the handler ignores: the record and every display stay as they
// were, and no caption is even rewritten.
struct IgnoredKeyCase {
    const char* name;
    std::int16_t code;
    std::int16_t mask;
};

class IgnoredKeyTest : public ::testing::TestWithParam<IgnoredKeyCase> {};

TEST_P(IgnoredKeyTest, ChangesNothing) {
    Keypad pad;
    pad.Press("( 1 + 2");
    const CalculatorState before = pad.state();
    const int updates = pad.label_updates();
    EXPECT_EQ(LookUpKey(GetParam().code, GetParam().mask), KeyAction::None);
    Form_KeyDown(pad.calculator, GetParam().code, GetParam().mask);
    EXPECT_TRUE(pad.state() == before);
    EXPECT_EQ(pad.label_updates(), updates);
    EXPECT_EQ(pad.expression(), "(1+2");
}

INSTANTIATE_TEST_SUITE_P(
    Modifiers, IgnoredKeyTest,
    ::testing::Values(IgnoredKeyCase{"ctrl_5", 53, kCtrl},
                      IgnoredKeyCase{"alt_5", 53, kAlt},
                      IgnoredKeyCase{"ctrl_alt_5", 53, kCtrl + kAlt},
                      IgnoredKeyCase{"ctrl_shift_9", 57, kCtrl + kShift},
                      IgnoredKeyCase{"alt_shift_9", 57, kAlt + kShift},
                      IgnoredKeyCase{"ctrl_alt_shift_9", 57, kCtrl + kAlt + kShift},
                      IgnoredKeyCase{"ctrl_keypad_plus", 107, kCtrl},
                      IgnoredKeyCase{"ctrl_backspace", 8, kCtrl},
                      IgnoredKeyCase{"alt_escape", 27, kAlt},
                      IgnoredKeyCase{"ctrl_shift_semicolon_key", 187, kCtrl + kShift},
                      IgnoredKeyCase{"shift_5", 53, kShift},
                      IgnoredKeyCase{"shift_0", 48, kShift},
                      IgnoredKeyCase{"shift_keypad_3", 99, kShift},
                      IgnoredKeyCase{"shift_keypad_plus", 107, kShift},
                      IgnoredKeyCase{"shift_main_minus", 189, kShift},
                      IgnoredKeyCase{"shift_main_point", 190, kShift},
                      IgnoredKeyCase{"shift_caret_key", 222, kShift},
                      IgnoredKeyCase{"shift_backspace", 8, kShift},
                      IgnoredKeyCase{"shift_escape", 27, kShift}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    UnlistedKeys, IgnoredKeyTest,
    ::testing::Values(IgnoredKeyCase{"enter", 13, kNone},
                      IgnoredKeyCase{"space", 32, kNone},
                      IgnoredKeyCase{"letter_a", 65, kNone},
                      IgnoredKeyCase{"colon_key_unshifted", 186, kNone},
                      IgnoredKeyCase{"semicolon_key_unshifted", 187, kNone},
                      IgnoredKeyCase{"keypad_separator", 108, kNone},
                      IgnoredKeyCase{"f1", 112, kNone},
                      IgnoredKeyCase{"delete", 46, kNone}),
    RowName());

void Type(Keypad& pad, std::initializer_list<std::pair<std::int16_t, std::int16_t>> keys) {
    for (const auto& [code, mask] : keys) Form_KeyDown(pad.calculator, code, mask);
}

TEST(Keyboard, MainBlockTypesLikeTheButtons) {
    Keypad pad;
    Type(pad, {{49, kNone}, {50, kNone}, {187, kShift}, {51, kNone}});
    EXPECT_EQ(pad.expression(), "12+3");
}

TEST(Keyboard, WholeExpressionFromTheKeyboard) {
    Keypad pad;
    // (1.5+2)^2/7-(-1)
    Type(pad, {{56, kShift}, {49, kNone}, {190, kNone}, {101, kNone}, {107, kNone},
               {98, kNone},  {57, kShift}, {222, kNone}, {50, kNone},  {111, kNone},
               {55, kNone},  {189, kNone}, {109, kNone}, {97, kNone}});
    EXPECT_EQ(pad.expression(), "(1.5+2)^2/7-(-1");
    pad.Press("=");
    EXPECT_EQ(pad.answer(), "2.75");
}

TEST(Keyboard, EscapeResetsLikeTheClearKey) {
    Keypad byKey;
    byKey.Press("4 * 2 = S1 ( 3 - Sin");
    Form_KeyDown(byKey.calculator, 27, kNone);
    Keypad byButton;
    byButton.Press("4 * 2 = S1 ( 3 - Sin AC");
    EXPECT_EQ(byKey.expression(), "式");
    EXPECT_EQ(byKey.answer(), "＝");
    EXPECT_EQ(byKey.label(Label::Memory1), "8");
    EXPECT_TRUE(byKey.state() == byButton.state());
}

TEST(Keyboard, ShiftedDigitsAreParenthesesPlainOnesAreDigits) {
    Keypad pad;
    Type(pad, {{56, kNone}, {56, kShift}, {57, kNone}});
    EXPECT_EQ(pad.expression(), "8*(9");
    pad.Press("+ 1");
    Type(pad, {{57, kShift}});
    EXPECT_EQ(pad.expression(), "8*(9+1)");
}

}  // namespace
}  // namespace orvane::testing
