#include <gtest/gtest.h>

#include <random>
#include <string>

#include "entry/utf8.h"
#include "tests/engine/key_sequence.h"
#include "tests/reference/straightforward_evaluate.h"

namespace orvane::testing {
namespace {

// Presses evaluate on the engine and, on a copy of the record taken just
// before, runs the plain slot-by-slot evaluation; both must leave the same
// record and the same displays.
void ExpectEvaluateMatchesReference(Keypad& pad, const std::string& context) {
    CalculatorState expected = pad.state();
    const std::string label1Before = pad.expression();
    const std::string label2Before = pad.answer();
    const EvaluateOutcome outcome = StraightforwardEvaluateKey(expected);
    pad.calculator.Perform(KeyAction::Evaluate);
    ASSERT_TRUE(pad.state() == expected) << context;
    EXPECT_EQ(pad.expression(), outcome.label1 ? ToUtf8(*outcome.label1) : label1Before) << context;
    EXPECT_EQ(pad.answer(), outcome.label2 ? ToUtf8(*outcome.label2) : label2Before) << context;
}

TEST(EvaluationMatchesReference, OnRandomKeySequences) {
    // Weighted so that sequences form expressions often enough to evaluate.
    const KeyAction keys[] = {
        KeyAction::Digit1, KeyAction::Digit2, KeyAction::Digit3, KeyAction::Digit0,
        KeyAction::Digit9, KeyAction::Point,  KeyAction::Pi,     KeyAction::Plus,
        KeyAction::Plus,   KeyAction::Minus,  KeyAction::Minus,  KeyAction::Times,
        KeyAction::Divide, KeyAction::Power,  KeyAction::Root,   KeyAction::OpenParen,
        KeyAction::OpenParen, KeyAction::CloseParen, KeyAction::CloseParen, KeyAction::Sin,
        KeyAction::Cos,    KeyAction::Tan,    KeyAction::Arcsin, KeyAction::Arccos,
        KeyAction::Arctan, KeyAction::Cosec,  KeyAction::Sec,    KeyAction::Cotan,
        KeyAction::Backspace, KeyAction::StoreMemory1, KeyAction::RecallMemory1,
        KeyAction::RecallMemory2, KeyAction::StoreMemory2,
    };
    std::mt19937 random(7);
    int evaluations = 0;
    for (int run = 0; run < 4000; ++run) {
        Keypad pad;
        std::string trail;
        const int length = static_cast<int>(random() % 80) + 1;
        for (int k = 0; k < length; ++k) {
            if (random() % 6 == 0) {
                ExpectEvaluateMatchesReference(pad, trail);
                trail += "= ";
                ++evaluations;
                if (HasFatalFailure()) return;
                continue;
            }
            const KeyAction key = keys[random() % std::size(keys)];
            pad.calculator.Perform(key);
            trail += std::to_string(static_cast<int>(key)) + " ";
        }
        ExpectEvaluateMatchesReference(pad, trail);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(evaluations, 10000);
}

TEST(EvaluationMatchesReference, OnLongStructuredExpressions) {
    const struct {
        const char* name;
        std::string keys;
    } cases[] = {
        {"nested groups", [] {
             std::string k;
             for (int i = 0; i < 1000; ++i) k += "( ";
             k += "1 ";
             for (int i = 0; i < 1000; ++i) k += "+ 2 ) ";
             return k;
         }()},
        {"sibling groups", [] {
             std::string k = "1 ";
             for (int i = 0; i < 500; ++i) k += "+ ( 2 * 3 - Sin 30 ) ";
             return k;
         }()},
        {"mixed precedence", [] {
             std::string k = "1 ";
             for (int i = 0; i < 400; ++i) k += "+ 2 * 3 ^ 2 / Cos 60 - 2 √ 16 ";
             return k;
         }()},
        {"failure deep inside", [] {
             std::string k;
             for (int i = 0; i < 500; ++i) k += "( 1 + ";
             k += "1 / 0";
             for (int i = 0; i < 500; ++i) k += " ) ";
             return k;
         }()},
    };
    for (const auto& c : cases) {
        Keypad pad;
        pad.Press(c.keys);
        ExpectEvaluateMatchesReference(pad, c.name);
        ExpectEvaluateMatchesReference(pad, std::string(c.name) + ", again");
    }
}

}  // namespace
}  // namespace orvane::testing
