#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "entry/invariants.h"
#include "tests/engine/key_sequence.h"
#include "tests/support/event_bytes.h"

namespace orvane::testing {
namespace {

// Random key sequences, seeded so that a failure can be replayed: the record
// and the displays must stay in step after every single event.
TEST(RandomSequences, KeepTheRecordConsistentAfterEveryEvent) {
    std::mt19937 random(20261207);
    for (int run = 0; run < 3000; ++run) {
        Keypad pad;
        std::vector<std::uint8_t> bytes(random() % 120 + 1);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        std::size_t at = 0;
        while (at < bytes.size()) {
            at += RunEventFromBytes(pad.calculator, bytes.data() + at, bytes.size() - at);
            const std::string violation = FindInvariantViolation(pad.calculator);
            ASSERT_EQ(violation, "") << "run " << run << " after byte " << at;
        }
    }
}

// Entry puts no limit on the digits of a number; one too large for a double
// is reported by evaluation, and the record stays consistent throughout.
TEST(NumberRange, ANumberBeyondTheLargestDoubleFailsOnlyWhenEvaluated) {
    Keypad pad;
    pad.Press(std::string(400, '1') + " + 1");
    EXPECT_EQ(FindInvariantViolation(pad.calculator), "");
    pad.Press("=");
    EXPECT_EQ(pad.answer(), "数値が正しくありません");
    EXPECT_EQ(FindInvariantViolation(pad.calculator), "");
}

// The answer nearest the largest double is shown rounded to 15 digits, which
// reads back as too large. Recalling it negated cannot form a number, so the
// key is refused like any key that does not fit; the plain recall goes in,
// and evaluation reports it.
TEST(NumberRange, NegatedRecallOfAnAnswerBeyondRangeIsRefused) {
    Keypad pad;
    pad.Press("17976931348623157" + std::string(292, '0') + " * 1 = S1 AC");
    ASSERT_EQ(pad.label(Label::Memory1), "1.79769313486232E+308");
    pad.Press("-");
    const CalculatorState before = pad.state();
    pad.Press("M1");
    EXPECT_TRUE(UnchangedApartFromGuard(before, pad.state()));
    EXPECT_EQ(pad.expression(), "(-");
    pad.Press("AC M1 + 1 =");
    EXPECT_EQ(pad.expression(), "M1+1");
    EXPECT_EQ(pad.answer(), "数値が正しくありません");
    EXPECT_EQ(FindInvariantViolation(pad.calculator), "");
}

}  // namespace
}  // namespace orvane::testing
