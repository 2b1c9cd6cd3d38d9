#include "entry/saved_record.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "entry/invariants.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"
#include "tests/support/event_bytes.h"

namespace orvane::testing {
namespace {

// What a key may read between two keys: the record without the scratch of
// an evaluation and of a guard.
CalculatorState Kept(CalculatorState state) {
    const CalculatorState fresh;
    state.entryCase = state.digitArg = state.rangeStart = state.rangeEnd = 0;
    state.resultValue = state.leftValue = state.rightValue = 0;
    state.workOperators = fresh.workOperators;
    state.workOperands = fresh.workOperands;
    state.workOpenParens = fresh.workOpenParens;
    state.workCloseParens = fresh.workCloseParens;
    return state;
}

void ExpectAlike(const Keypad& restored, const Keypad& kept, const std::string& where) {
    EXPECT_TRUE(Kept(restored.state()) == Kept(kept.state())) << where;
    for (Label label : {Label::Expression, Label::Answer, Label::Memory1, Label::Memory2}) {
        EXPECT_EQ(restored.label(label), kept.label(label)) << where;
    }
    EXPECT_EQ(FindInvariantViolation(restored.calculator), "") << where;
}

struct RoundTrip {
    const char* name;
    const char* keys;   // before the record is saved
    const char* after;  // pressed on both the kept and the restored calculator
};

class SavedRecordRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

// A restored record behaves as the one it was saved from, key for key.
TEST_P(SavedRecordRoundTrip, RestoresWhatTheKeysLeft) {
    Keypad kept;
    kept.Press(GetParam().keys);
    Keypad restored;
    ASSERT_TRUE(RestoreRecord(restored.calculator, SaveRecord(kept.calculator)));
    ExpectAlike(restored, kept, "restored");
    kept.Press(GetParam().after);
    restored.Press(GetParam().after);
    ExpectAlike(restored, kept, "then pressed on");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SavedRecordRoundTrip,
    ::testing::Values(RoundTrip{"Fresh", "", "2 + 3 ="},
                      RoundTrip{"AnswerMemoryAndTimes", "2 + 3 = S1 * 4", "= BS BS 5 ="},
                      RoundTrip{"Groups", "2 + ( 3 - Sin 30 )", "BS BS BS ) ="},
                      RoundTrip{"NegatedPi", "- Sin π", "= BS BS BS"},
                      RoundTrip{"NegatedMemories", "7 = S1 S2 AC - M1 + - M2", "= BS BS BS BS"},
                      RoundTrip{"MinusClosedByEvaluation", "- 3 = 4", "BS BS BS + 1 ="},
                      RoundTrip{"MessageShown", "1 / 0 =", "BS 2 ="},
                      RoundTrip{"UnbalancedMessage", "( 2 =", ") ="},
                      RoundTrip{"PointsAndRoot", "0 . . 5 √ 2 ^", "3 ="},
                      RoundTrip{"ClearedMemory", "9 = S2 MC2 S1", "M1 + M1 ="}),
    RowName());

// Random key sequences, saved and restored at a random point, then carried on
// on both: the checks that guard a restore never refuse a state the keys
// reached.
TEST(SavedRecord, RandomSequencesRestoreAndCarryOnAlike) {
    std::mt19937 random(20261209);
    for (int run = 0; run < 1500; ++run) {
        std::vector<std::uint8_t> bytes(random() % 160 + 2);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        const std::size_t split = random() % bytes.size();
        Keypad kept;
        std::size_t at = 0;
        while (at < split) at += RunEventFromBytes(kept.calculator, bytes.data() + at, split - at);
        Keypad restored;
        ASSERT_TRUE(RestoreRecord(restored.calculator, SaveRecord(kept.calculator)))
            << "run " << run;
        while (at < bytes.size()) {
            const std::size_t used =
                RunEventFromBytes(kept.calculator, bytes.data() + at, bytes.size() - at);
            RunEventFromBytes(restored.calculator, bytes.data() + at, bytes.size() - at);
            at += used;
        }
        ExpectAlike(restored, kept, "run " + std::to_string(run));
        if (HasFailure()) return;
    }
}

struct Refused {
    const char* name;
    // Makes a damaged record from a good one.
    std::string (*damage)(const std::string& record);
};

// Replaces `from` throughout the body and seals the record again, as one
// edited by hand with care would be.
std::string Edited(const std::string& record, const std::string& from, const std::string& to) {
    std::string body(RecordBody(record));
    if (body.find(from) == std::string::npos) ADD_FAILURE() << "no " << from << " in " << body;
    for (auto at = body.find(from); at != std::string::npos; at = body.find(from, at + to.size())) {
        body.replace(at, from.size(), to);
    }
    return SealRecord(body);
}

class SavedRecordRefused : public ::testing::TestWithParam<Refused> {};

// A damaged, foreign or crafted record is refused and changes nothing.
TEST_P(SavedRecordRefused, LeavesTheCalculatorAsItWas) {
    Keypad kept;
    kept.Press("2 + 3 = S1 * 4");
    const std::string damaged = GetParam().damage(SaveRecord(kept.calculator));
    Keypad restored;
    restored.Press("7");
    const CalculatorState before = restored.state();
    EXPECT_FALSE(RestoreRecord(restored.calculator, damaged));
    EXPECT_TRUE(restored.state() == before);
    EXPECT_EQ(restored.expression(), "7");
    EXPECT_EQ(restored.label(Label::Memory1), "Memory 1");
}

// The record of "2 + 3 = S1 * 4": the expression "5:2+3*4 " stands in the
// record and in the expression display, "1:5 " first as memory 1, and the
// answer display follows the expression display's caption.
INSTANTIATE_TEST_SUITE_P(
    Rows, SavedRecordRefused,
    ::testing::Values(
        Refused{"Empty", [](const std::string&) { return std::string(); }},
        Refused{"Garbage", [](const std::string&) { return std::string("{\"x\":1}"); }},
        Refused{"CutShort", [](const std::string& r) { return r.substr(0, r.size() * 2 / 3); }},
        Refused{"LastCharacterCut", [](const std::string& r) { return r.substr(0, r.size() - 1); }},
        Refused{"CharacterChanged",
                [](const std::string& r) {
                    std::string changed = r;
                    changed[changed.find("2+3*4")] = '6';
                    return changed;
                }},
        Refused{
            "OtherRelease",
            [](const std::string& r) { return "orvane-record 1 0.9.0" + r.substr(r.find('\n')); }},
        Refused{"OtherFormat",
                [](const std::string& r) { return "orvane-record 9" + r.substr(r.find(' ', 14)); }},
        Refused{"TrailingField",
                [](const std::string& r) { return Edited(r, "5:2+3*4 ", "5:2+3*4 0 "); }},
        Refused{"TextNotShowingTokens",
                [](const std::string& r) { return Edited(r, "5:2+3*4 ", "5:2+3*9 "); }},
        Refused{"TextLongerThanSaid",
                [](const std::string& r) { return Edited(r, "5:2+3*4 ", "9:2+3*4 "); }},
        Refused{"BrokenUtf8",
                [](const std::string& r) { return Edited(r, "5:2+3*4 ", "5:2+3*\xC0 "); }},
        Refused{"MemoryNotANumber", [](const std::string& r) { return Edited(r, "1:5 ", "1:x "); }},
        Refused{"AnswerShownNotKept",
                [](const std::string& r) { return Edited(r, "5:2+3*4 1:5 ", "5:2+3*4 1:6 "); }},
        Refused{"NumberTooLong",
                [](const std::string& r) { return Edited(r, "5:2+3*4 ", "5:2+3*4 1234567 "); }}),
    RowName());

}  // namespace
}  // namespace orvane::testing
