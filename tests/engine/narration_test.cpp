// What the narration says at each key, in English, with the keys a given
// time apart; and what a burst of keys says once it ends.
#include "narration/narration.h"

#include <gtest/gtest.h>

#include "entry/utf8.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"

namespace orvane::testing {
namespace {

class NarratedKeypad : public Keypad {
public:
    explicit NarratedKeypad(Narration::Milliseconds apart) : apart_(apart) {
        calculator.Form_Load();  // again, now that the narration hears the captions
    }
    void ShowCaption(Label which, const std::u16string& caption) override {
        Keypad::ShowCaption(which, caption);
        narration.CaptionShown(which, caption);
    }

    Narration narration{[](const char* source) { return FromUtf8(source); }};
    std::string said;  // each key's line, after a "|"
    Narration::Milliseconds LastKey() const { return now_; }

private:
    void Run(KeyAction action) override {
        now_ += apart_;
        said += '|' + ToUtf8(narration
                                 .Follow(
                                     action, [&] { Keypad::Run(action); }, now_)
                                 .plain);
    }
    Narration::Milliseconds apart_, now_ = 0;
};

struct Row {
    const char* name;
    const char* keys;
    Narration::Milliseconds apart;
    const char* said;      // at each key
    const char* gathered;  // once the keys stop
};

class NarrationTest : public ::testing::TestWithParam<Row> {};

TEST_P(NarrationTest, SaysEachKey) {
    const Row& row = GetParam();
    NarratedKeypad pad(row.apart);
    pad.Press(row.keys);
    EXPECT_EQ(pad.said, row.said);
    // A burst's line waits for a voice's time of quiet after its last key.
    EXPECT_EQ(pad.narration.GatheredDue(),
              *row.gathered ? std::optional(pad.LastKey() + Narration::kBurstMs) : std::nullopt);
    EXPECT_EQ(ToUtf8(pad.narration.SayGathered().plain), row.gathered);
    EXPECT_FALSE(pad.narration.GatheredDue());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NarrationTest,
    ::testing::Values(
        Row{"AnswerTwice", "1 + 2 = =", 1000, "|1|plus|2|Answer: 3.|Answer: 3.", ""},
        Row{"RefusedAndDeleted", "( 2 + 3 ) ) BS AC", 1000,
            "|open parenthesis|2|plus|3|close parenthesis|refused|deleted close "
            "parenthesis|cleared",
            ""},
        Row{"Message", "2 + =", 1000, "|2|plus|The expression is incomplete.", ""},
        // Storing and recalling sound apart.
        Row{"Memories", "2 * 3 = S1 AC M1 MC1 - M1 S2", 1000,
            "|2|times|3|Answer: 6.|memory 1 stored: 6|cleared|memory 1 recalled: "
            "6|memory 1 cleared|minus|refused|memory 2 stored: empty",
            ""},
        Row{"NegatedRecall", "2 * 3 = S2 AC - M2", 1000,
            "|2|times|3|Answer: 6.|memory 2 stored: 6|cleared|open parenthesis minus|memory 2 "
            "recalled: 6 close parenthesis",
            ""},
        Row{"Copies", "2 * 3 copy1 copy2", 1000, "|2|times|3|copied 2 times 3|copied no answer",
            ""},
        // Keys further apart than a voice needs for an echo: each said at its key.
        Row{"OneASecond", "12 + 3 * 4", Narration::kBurstMs, "|1|2|plus|3|times|4", ""},
        // Three keys a second cut "times" short, which needs 0.8 s: a burst.
        Row{"ThreeASecond", "12 + 3 * 4", 333, "|1|||||", "2 plus 3 times 4"},
        // A burst: the first at once, the rest when it ends, or the answer instead.
        Row{"Burst", "12 + 3 BS", 20, "|1||||", "2 plus 3 deleted 3"},
        // A key just inside a voice's time joins the burst.
        Row{"JustInside", "1 + 2", Narration::kBurstMs - 1, "|1||", "plus 2"},
        Row{"BurstThenAnswer", "12 + 3 =", 20, "|1||||Answer: 15.", ""}),
    RowName());

}  // namespace
}  // namespace orvane::testing
