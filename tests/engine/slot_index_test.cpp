#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry/invariants.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"

namespace orvane {

// Reaches into the slot indexes the way a slip in the engine would, leaving
// the arrays they describe as they are.
struct SlotIndexCorruption {
    static std::vector<Integer>& Operands(Calculator& c) { return c.tokenSlots_.operands; }
    static std::vector<Integer>& CloseParens(Calculator& c) { return c.tokenSlots_.closeParens; }
    static SlotSet& WorkOperands(Calculator& c) { return c.workOperandSlots_; }
    static SlotSet& WorkOperators(Calculator& c) { return c.workOperatorSlots_; }
};

namespace testing {
namespace {

struct DriftCase {
    const char* name;
    const char* keys;
    void (*corrupt)(Calculator&);
    const char* violation;
};

class SlotIndexDriftTest : public ::testing::TestWithParam<DriftCase> {};

TEST_P(SlotIndexDriftTest, IsReportedByTheInvariants) {
    const DriftCase& c = GetParam();
    Keypad pad;
    pad.Press(c.keys);
    ASSERT_EQ(FindInvariantViolation(pad.calculator), "");
    c.corrupt(pad.calculator);
    EXPECT_EQ(FindInvariantViolation(pad.calculator), c.violation);
}

using C = SlotIndexCorruption;

INSTANTIATE_TEST_SUITE_P(
    Entry, SlotIndexDriftTest,
    ::testing::Values(DriftCase{"operand_never_listed", "1 + 2 * 3 +",
                                [](Calculator& c) { C::Operands(c).erase(C::Operands(c).begin()); },
                                "the index of operands misses the token at slot 1"},
                      DriftCase{"close_paren_left_listed", "( 1 ) BS",
                                [](Calculator& c) { C::CloseParens(c).push_back(3); },
                                "the index of closeParens lists slot 3, which holds no token"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Evaluation, SlotIndexDriftTest,
    ::testing::Values(DriftCase{"result_not_listed",
                                "2 + 3 =", [](Calculator& c) { C::WorkOperands(c).Erase(1); },
                                "the index of workOperands misses the token at slot 1"},
                      DriftCase{"used_function_still_listed",
                                "Sin 30 =", [](Calculator& c) { C::WorkOperators(c).Insert(1); },
                                "the index of workOperators lists slot 1, which holds no token"}),
    RowName());

}  // namespace
}  // namespace testing
}  // namespace orvane
