#include <gtest/gtest.h>

#include "entry/utf8.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"

namespace orvane::testing {
namespace {

struct FunctionCase {
    const char* key;
    const char* token;
    int nameLength;
};

class FunctionKeyTest : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(FunctionKeyTest, StoresTokenNameAndLength) {
    Keypad pad;
    pad.Press(std::string(GetParam().key) + " 3 0");
    const CalculatorState& s = pad.state();
    EXPECT_EQ(pad.expression(), std::string(GetParam().key) + "30");
    EXPECT_EQ(ToUtf8(s.operators[1]), GetParam().token);
    EXPECT_EQ(s.funcNameLens[1], GetParam().nameLength);
    EXPECT_EQ(ToUtf8(s.curNumber), "30");
}

INSTANTIATE_TEST_SUITE_P(
    NineFunctions, FunctionKeyTest,
    ::testing::Values(FunctionCase{"Sin", "K1", 3}, FunctionCase{"Cos", "K2", 3},
                      FunctionCase{"Tan", "K3", 3}, FunctionCase{"Arcsin", "K4", 6},
                      FunctionCase{"Arccos", "K5", 6}, FunctionCase{"Arctan", "K6", 6},
                      FunctionCase{"Cosec", "K7", 5}, FunctionCase{"Sec", "K8", 3},
                      FunctionCase{"Cotan", "K9", 5}),
    [](const auto& row) { return std::string(row.param.key); });

struct PlacementCase {
    const char* name;
    const char* keys;
    const char* expression;
    int slotIndex;
};

class FunctionPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(FunctionPlacementTest, ImpliesMultiplicationWhereNeeded) {
    Keypad pad;
    pad.Press(GetParam().keys);
    EXPECT_EQ(pad.expression(), GetParam().expression);
    EXPECT_EQ(pad.state().slotIndex, GetParam().slotIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Placement, FunctionPlacementTest,
    ::testing::Values(PlacementCase{"after_number", "2 Cos", "2*Cos", 3},
                      PlacementCase{"after_lone_minus", "- Tan", "(-1)*Tan", 3},
                      PlacementCase{"after_negative_number", "- 2 Tan", "(-2)*Tan", 3},
                      PlacementCase{"function_after_function_refused", "Sin Cos", "Sin", 1},
                      PlacementCase{"paren_between_functions", "Sin ( Cos", "Sin(Cos", 3},
                      PlacementCase{"after_group", "( 1 + 2 ) Sec", "(1+2)*Sec", 7},
                      PlacementCase{"after_operator", "1 + Cotan", "1+Cotan", 3},
                      PlacementCase{"pi_as_argument", "Sin π", "Sinπ", 1},
                      PlacementCase{"after_constant", "π Sin", "π*Sin", 3}),
    RowName());

TEST(FunctionEntry, NoNumberSlotIsEverCreatedEmptyAfterAGroup) {
    Keypad pad;
    pad.Press("( 1 + 2 ) Sin");
    for (int i = 1; i <= pad.state().slotIndex; ++i) {
        const CalculatorState& s = pad.state();
        const bool isOperand = i <= s.operands.upper() && !s.operands[i].empty();
        const bool isOther = !s.operators.at_or_empty(i).empty() ||
                             !s.openParens.at_or_empty(i).empty() ||
                             !s.closeParens.at_or_empty(i).empty();
        EXPECT_TRUE(isOperand != isOther) << "slot " << i;
    }
}

}  // namespace
}  // namespace orvane::testing
