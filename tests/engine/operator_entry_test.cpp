#include <gtest/gtest.h>

#include "entry/utf8.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"

namespace orvane::testing {
namespace {

// The expression display and the token slots (operands, operators and
// parentheses merged slot by slot) after a key sequence.
struct TokenCase {
    const char* name;
    const char* keys;
    const char* expression;
    const char* tokens;  // slots 1..slotIndex, space separated
    const char* curNumber;
};

std::string Tokens(const CalculatorState& s) {
    std::string out;
    for (int i = 1; i <= s.slotIndex; ++i) {
        std::string token = ToUtf8(s.operands.at_or_empty(i) + s.operators.at_or_empty(i) +
                                   s.openParens.at_or_empty(i) + s.closeParens.at_or_empty(i));
        out += (i > 1 ? " " : "") + (token.empty() ? std::string("∅") : token);
    }
    return out;
}

class TokenEntryTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenEntryTest, FillsTheSlotsAndTheDisplay) {
    Keypad pad;
    pad.Press(GetParam().keys);
    EXPECT_EQ(pad.expression(), GetParam().expression);
    EXPECT_EQ(Tokens(pad.state()), GetParam().tokens);
    EXPECT_EQ(ToUtf8(pad.state().curNumber), GetParam().curNumber);
}

INSTANTIATE_TEST_SUITE_P(
    OperatorsAndParentheses, TokenEntryTest,
    ::testing::Values(
        TokenCase{"precedence_entry", "2 + 3 * 4", "2+3*4", "2 + 3 *", "4"},
        TokenCase{"unary_minus_closed_by_plus", "- 5 + 2", "(-5)+2", "-5 +", "2"},
        TokenCase{"implied_times_before_paren", "3 (", "3*(", "3 * (", ""},
        TokenCase{"implied_times_after_group", "( 2 + 3 ) ( 4", "(2+3)*(4", "( 2 + 3 ) * (", "4"},
        TokenCase{"minus_before_paren", "- (", "(-1)*(", "-1 * (", ""},
        TokenCase{"square_root_implied_two", "√ 9", "2√9", "2 √", "9"},
        TokenCase{"root_after_lone_minus", "- √", "(-2)√", "-2 √", ""},
        TokenCase{"single_number_group_refused", "( 5 )", "(5", "(", "5"},
        TokenCase{"group_with_operator_closes", "( 5 + 1 )", "(5+1)", "( 5 + 1 )", ""},
        TokenCase{"minus_inside_product", "2 * - 3", "2*(-3", "2 *", "-3"},
        TokenCase{"nested_groups", "( ( 2 + 3 ) )", "((2+3))", "( ( 2 + 3 ) )", ""},
        TokenCase{"lone_minus_closed_by_paren", "( 2 + - )", "(2+(-))", "( 2 + - )", ""},
        TokenCase{"operator_after_group", "( 1 + 2 ) ^", "(1+2)^", "( 1 + 2 ) ^", ""},
        TokenCase{"minus_after_group", "( 1 + 2 ) -", "(1+2)-", "( 1 + 2 ) -", ""},
        TokenCase{"pending_minus_closed_by_paren_key", "( 2 + - 3 )", "(2+(-3))", "( 2 + -3 )", ""},
        TokenCase{"paren_after_negative_number", "- 3 (", "(-3)*(", "-3 * (", ""},
        TokenCase{"worked_example", "2 + ( 3 - Sin 30 )", "2+(3-Sin30)", "2 + ( 3 - K1 30 )", ""}),
    RowName());

TEST(OperatorEntry, SlotArraysEndAtTheirLastTokenOfTheirKind) {
    Keypad pad;
    pad.Press("2 + ( 3 - Sin 30 )");
    const CalculatorState& s = pad.state();
    EXPECT_EQ(s.slotIndex, 8);
    EXPECT_EQ(Slots(s.operands), "0:|1:2|2:|3:|4:3|5:|6:|7:30");
    EXPECT_EQ(Slots(s.operators), "0:|1:|2:+|3:|4:|5:-|6:K1");
    EXPECT_EQ(Slots(s.openParens), "0:|1:|2:|3:(");
    EXPECT_EQ(Slots(s.closeParens), "0:|1:|2:|3:|4:|5:|6:|7:|8:)");
    EXPECT_EQ(Slots(s.funcNameLens), "0:0|1:0|2:0|3:0|4:0|5:0|6:3");
    EXPECT_EQ(s.openCount, 1);
    EXPECT_EQ(s.closeCount, 1);
    EXPECT_EQ(s.pendingMinus, 0);
}

TEST(OperatorEntry, PendingMinusLastsUntilTheNumberIsClosed) {
    Keypad pad;
    pad.Press("-");
    EXPECT_EQ(pad.state().pendingMinus, 1);
    pad.Press("5");
    EXPECT_EQ(pad.state().pendingMinus, 1);
    pad.Press("+");
    EXPECT_EQ(pad.state().pendingMinus, 0);
    EXPECT_EQ(ToUtf8(pad.state().operands[1]), "-5");
}

TEST(OperatorEntry, EveryBinaryOperatorStoresItsToken) {
    const struct {
        const char* key;
        const char* token;
    } cases[] = {{"+", "+"}, {"-", "-"}, {"*", "*"}, {"/", "/"}, {"^", "^"}, {"√", "√"}};
    for (const auto& c : cases) {
        Keypad pad;
        pad.Press(std::string("7 ") + c.key);
        EXPECT_EQ(ToUtf8(pad.state().operators[2]), c.token) << c.key;
        EXPECT_EQ(pad.expression(), std::string("7") + c.token);
    }
}

TEST(OperatorEntry, ParenthesisCountersFollowTheKeys) {
    Keypad pad;
    pad.Press("( ( 1 + 2 ) * ( 3");
    EXPECT_EQ(pad.state().openCount, 3);
    EXPECT_EQ(pad.state().closeCount, 1);
    pad.Press("- 1 ) )");
    EXPECT_EQ(pad.state().closeCount, 3);
    pad.Press(")");  // nothing left open
    EXPECT_EQ(pad.state().closeCount, 3);
}

}  // namespace
}  // namespace orvane::testing
