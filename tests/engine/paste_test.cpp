// Paste: a text is typed as the keys that would type it, all of them or none.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>

#include "entry/invariants.h"
#include "entry/utf8.h"
#include "input/calculator_input.h"
#include "tests/engine/key_sequence.h"
#include "tests/engine/row_name.h"

namespace orvane::testing {
namespace {

using Reason = PasteRefusal::Reason;

// The same entry: text, slots and what is being typed. Guards leave their
// case code and zeros in the length records, which differ with the path.
std::string Entry(const CalculatorState& s) {
    return ToUtf8(s.exprText) + " | " + ToUtf8(s.curNumber) + " | " + Slots(s.operands) + " " +
           Slots(s.operators) + " " + Slots(s.openParens) + " " + Slots(s.closeParens) + " | " +
           std::to_string(s.slotIndex) + " " + std::to_string(s.pendingMinus) + " " +
           std::to_string(s.pointCount) + " " + std::to_string(s.openCount) + " " +
           std::to_string(s.closeCount);
}

// After `setup`, pasting `text` leaves the same record and expression as
// pressing `keys`.
struct TypedRow {
    const char* name;
    const char* setup;
    const char* text;
    const char* keys;
    const char* expression;
};

class PasteTypes : public ::testing::TestWithParam<TypedRow> {};

TEST_P(PasteTypes, AsItsKeysWould) {
    const TypedRow& row = GetParam();
    Keypad pasted, typed;
    pasted.Press(row.setup);
    typed.Press(row.setup).Press(row.keys);
    EXPECT_EQ(pasted.calculator.Paste(FromUtf8(row.text)), std::nullopt);
    EXPECT_EQ(pasted.expression(), row.expression);
    EXPECT_EQ(typed.expression(), row.expression);
    EXPECT_EQ(Entry(pasted.state()), Entry(typed.state()));
    EXPECT_EQ(FindInvariantViolation(pasted.calculator), "");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PasteTypes,
    ::testing::Values(
        TypedRow{"digits_and_signs", "", "163+195.72", "163 + 195.72", "163+195.72"},
        TypedRow{"display_text_back", "", "(-1)*(2+3)^2√9/π", "- ( 2 + 3 ) ^ 2 √ 9 / π",
                 "(-1)*(2+3)^2√9/π"},
        TypedRow{"print_signs", "", "(1+2)×3÷4−5", "( 1 + 2 ) * 3 / 4 - 5", "(1+2)*3/4-5"},
        TypedRow{"full_width", "", "（１＋２）＊３．５", "( 1 + 2 ) * 3.5", "(1+2)*3.5"},
        TypedRow{"white_space_skipped", "", " 1 +\t2\n", "1 + 2", "1+2"},
        TypedRow{"names_in_any_case", "", "sin30+ARCTAN1+cosec2", "Sin 30 + Arctan 1 + Cosec 2",
                 "Sin30+Arctan1+Cosec2"},
        TypedRow{"implied_tokens_left_out", "", "2(3+1)√4", "2 ( 3 + 1 ) √ 4", "2*(3+1)√4"},
        TypedRow{"a_first_zero_with_its_point", "", "0.5+0", "0 5 + 0", "0.5+0."},
        TypedRow{"owed_parenthesis", "", "(-5)+2-(-3)", "- 5 + 2 - - 3", "(-5)+2-(-3"},
        TypedRow{"group_around_a_negative", "", "(2+(-5))", "( 2 + - 5 )", "(2+(-5))"},
        TypedRow{"memories", "2 * 3 = S1 S2 AC", "M1*m2", "M1 * M2", "M1*M2"},
        TypedRow{"after_what_was_typed", "2 +", "Sin(30", "Sin ( 30", "2+Sin(30"},
        TypedRow{"minus_after_a_number", "2", "(-3", "( - 3", "2*((-3"}),
    RowName());

// After `setup`, pasting `text` changes nothing and says why.
struct RefusedRow {
    const char* name;
    const char* setup;
    const char* text;
    Reason reason;
    const char* what;
};

class PasteRefuses : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(PasteRefuses, AllOrNothing) {
    const RefusedRow& row = GetParam();
    Keypad pad;
    pad.Press(row.setup);
    const CalculatorState before = pad.state();
    const int updates = pad.label_updates();
    const std::optional<PasteRefusal> refusal = pad.calculator.Paste(FromUtf8(row.text));
    ASSERT_NE(refusal, std::nullopt);
    EXPECT_EQ(refusal->reason, row.reason);
    EXPECT_EQ(ToUtf8(refusal->text), row.what);
    EXPECT_TRUE(pad.state() == before);
    EXPECT_EQ(pad.label_updates(), updates);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PasteRefuses,
    ::testing::Values(RefusedRow{"a_sentence", "1", "172 apples", Reason::NoKey, "a"},
                      RefusedRow{"an_emoji_whole", "", "1+😀", Reason::NoKey, "😀"},
                      RefusedRow{"equals_sign", "", "1+2=", Reason::NoKey, "="},
                      RefusedRow{"stray_close", "", "1+2)", Reason::Refused, ")"},
                      RefusedRow{"group_of_one_number", "", "Sin(30)", Reason::Refused, ")"},
                      RefusedRow{"second_point", "", "1.2.3", Reason::Refused, "."},
                      RefusedRow{"digit_after_close", "( 1 + 2 )", "3", Reason::Refused, "3"},
                      RefusedRow{"function_after_function", "", "SinCos30", Reason::Refused, "Cos"},
                      RefusedRow{"empty_memory", "", "M1", Reason::Refused, "M1"},
                      RefusedRow{"digit_after_owed_parenthesis", "", "(-5)3", Reason::Refused, "3"},
                      RefusedRow{"nothing_but_space", "1", " \t\n　", Reason::NoText, ""},
                      RefusedRow{"empty", "1", "", Reason::NoText, ""}),
    RowName());

TEST(PasteBounds, TheSlotLimitRefusesTheWholePaste) {
    std::u16string text;
    for (int i = 0; i < 16383; ++i) text += u"1+";
    text += u"1";  // 32,766 tokens and a number: the last "+" would need two more slots
    Keypad pad;
    const std::optional<PasteRefusal> refusal = pad.calculator.Paste(text + u"+");
    ASSERT_NE(refusal, std::nullopt);
    EXPECT_EQ(refusal->reason, Reason::Refused);
    EXPECT_EQ(ToUtf8(refusal->text), "+");
    EXPECT_EQ(pad.expression(), "式");
    EXPECT_EQ(pad.calculator.Paste(text), std::nullopt);
    EXPECT_EQ(pad.state().slotIndex, 32766);
}

TEST(PasteBounds, AMillionCharactersAreRefusedAtOnce) {
    Keypad pad;
    const std::u16string text(1'000'000, u'1');
    const auto start = std::chrono::steady_clock::now();
    const std::optional<PasteRefusal> refusal = pad.calculator.Paste(text);
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_NE(refusal, std::nullopt);
    EXPECT_EQ(refusal->reason, Reason::TooLong);
    EXPECT_LT(took, std::chrono::milliseconds(50));
    // The longest text read is typed whole.
    EXPECT_EQ(pad.calculator.Paste(std::u16string(Calculator::kLongestPaste, u'7')), std::nullopt);
    EXPECT_EQ(pad.state().curNumber.size(), Calculator::kLongestPaste);
}

// Copy expression, clear all, paste: the same expression, and = the same
// answer, for random entry keys.
TEST(PasteRoundTrip, CopiedExpressionPastesBack) {
    static constexpr const char* kKeys[] = {
        "0",   "1",   "2",      "3",      "7",      "9",     "0",   ".",     ".",  "+", "-",
        "-",   "*",   "/",      "^",      "√",      "(",     "(",   ")",     ")",  "π", "Sin",
        "Cos", "Tan", "Arcsin", "Arccos", "Arctan", "Cosec", "Sec", "Cotan", "M1", "M2"};
    std::mt19937 random(41);
    for (int run = 0; run < 2000; ++run) {
        Keypad typed;
        typed.Press("2 * 3 = S1 AC 0.5 = S2 AC");
        const int length = static_cast<int>(random() % 30) + 1;
        for (int i = 0; i < length; ++i) typed.Press(kKeys[random() % std::size(kKeys)]);
        typed.Press("copy1");
        Keypad pasted;
        pasted.Press("2 * 3 = S1 AC 0.5 = S2 AC AC");
        const std::string copied = typed.clipboard();
        if (copied != "式") {
            ASSERT_EQ(pasted.calculator.Paste(FromUtf8(copied)), std::nullopt) << copied;
        }
        ASSERT_EQ(pasted.expression(), typed.expression()) << copied;
        typed.Press("=");
        pasted.Press("=");
        ASSERT_EQ(pasted.answer(), typed.answer()) << copied;
    }
}

}  // namespace
}  // namespace orvane::testing

namespace orvane::testing {
namespace {

// What a screen reader hears of a paste and of F2, through the input path
// both editions take, in English and in Japanese.
struct SaidRow {
    const char* name;
    const char* setup;  // pasted, then
    const char* text;   // pasted; nullptr for the say-the-expression key
    bool japanese;
    const char* said;
};

class PasteIsSaid : public ::testing::TestWithParam<SaidRow> {};

TEST_P(PasteIsSaid, OnceAsAWholeOrWhyNot) {
    const SaidRow& row = GetParam();
    const std::map<std::string, std::u16string> japanese = {
        {"pasted %1", u"%1 を貼り付け"},
        {"nothing pasted: “%1” has no key", u"貼り付けなし：「%1」のキーはありません"},
        {"plus", u"プラス"}};
    class Speaking : public Keypad {
    public:
        explicit Speaking(Translate translate) : narration(std::move(translate)) {
            calculator.Form_Load();
        }
        void ShowCaption(Label which, const std::u16string& caption) override {
            Keypad::ShowCaption(which, caption);
            narration.CaptionShown(which, caption);
        }
        Narration narration;
    } pad([&](const char* source) {
        const auto found = japanese.find(source);
        return row.japanese && found != japanese.end() ? found->second : FromUtf8(source);
    });
    CalculatorInput input(pad.calculator, pad.narration);
    input.Paste(FromUtf8(row.setup), 1000);
    const SpokenLine line = row.text ? input.Paste(FromUtf8(row.text), 3000)
                                     : input.Key(std::nullopt, u"F2", 0, 3000).said;
    EXPECT_EQ(ToUtf8(line.plain), row.said);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PasteIsSaid,
    ::testing::Values(
        SaidRow{"typed", "", "163+195.72", false, "pasted 163 plus 195.72"},
        SaidRow{"after_what_was_there", "2*", "(1+2)", false,
                "pasted open parenthesis 1 plus 2 close parenthesis"},
        SaidRow{"no_key", "1", "172 apples", false, "nothing pasted: “a” has no key"},
        SaidRow{"refused", "1+", "2)", false, "nothing pasted: close parenthesis is refused there"},
        SaidRow{"nothing", "1", " ", false, "nothing pasted: the clipboard holds no text"},
        SaidRow{"japanese", "", "1+2", true, "1 プラス 2 を貼り付け"},
        SaidRow{"japanese_no_key", "", "1+a", true, "貼り付けなし：「a」のキーはありません"},
        SaidRow{"say_the_expression", "2+3", nullptr, false, "Expression: 2 plus 3. No answer."}),
    RowName());

}  // namespace
}  // namespace orvane::testing
