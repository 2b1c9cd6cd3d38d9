// How the engine's cost grows with the length of the expression: evaluating
// long expressions of four shapes, and single keys at the end of them.
#include <benchmark/benchmark.h>

#include <string>

#include "record/calculator.h"

namespace orvane {
namespace {

void Press(Calculator& calculator, const std::string& keys) {
    for (char key : keys) {
        switch (key) {
            case '+': calculator.Perform(KeyAction::Plus); break;
            case '-': calculator.Perform(KeyAction::Minus); break;
            case '*': calculator.Perform(KeyAction::Times); break;
            case '/': calculator.Perform(KeyAction::Divide); break;
            case '^': calculator.Perform(KeyAction::Power); break;
            case 'r': calculator.Perform(KeyAction::Root); break;
            case '(': calculator.Perform(KeyAction::OpenParen); break;
            case ')': calculator.Perform(KeyAction::CloseParen); break;
            case 'S': calculator.Perform(KeyAction::Sin); break;
            case 'C': calculator.Perform(KeyAction::Cos); break;
            case 'T': calculator.Perform(KeyAction::Tan); break;
            case 'A': calculator.Perform(KeyAction::Arctan); break;
            case '.': calculator.Perform(KeyAction::Point); break;
            default:
                calculator.Perform(static_cast<KeyAction>(static_cast<int>(KeyAction::Digit0) + (key - '0')));
        }
    }
}

// Builds an expression of the given shape with about `slots` slots. Every
// shape ends in a number being typed, so evaluate closes and reopens it.
std::string Expression(char shape, int slots) {
    std::string keys;
    switch (shape) {
        case 's':  // 1+1+...+1: two slots per term
            for (int i = 0; i + 2 < slots; i += 2) keys += "1+";
            return keys + "1";
        case 'm':  // 2*3^2/C60-2r16+...: thirteen slots per term
            for (int i = 0; i + 14 < slots; i += 13) keys += "2*3^2/C60-2r16+";
            return keys + "1";
        case 'f':  // T37.5^S21.3+A0.7^C12.9+...: a function or power in every slot pair
            for (int i = 0; i + 13 < slots; i += 12) keys += "T37.5^S21.3+A0.7^C12.9+";
            return keys + "1";
        case 'n': {  // ((...(1+2)+2)...)+1: four slots per level
            const int depth = (slots - 3) / 4;
            keys.append(static_cast<std::size_t>(depth), '(');
            keys += "1";
            for (int i = 0; i < depth; ++i) keys += "+2)";
            return keys + "+1";
        }
        default:  // (1+2)+(1+2)+...+1: six slots per group
            for (int i = 0; i + 7 < slots; i += 6) keys += "(1+2)+";
            return keys + "1";
    }
}

void Evaluate(benchmark::State& state, char shape) {
    NoDisplay sink;
    Calculator calculator(sink);
    calculator.Form_Load();
    Press(calculator, Expression(shape, static_cast<int>(state.range(0))));
    state.counters["slots"] = calculator.state().slotIndex + 1;
    for (auto _ : state) calculator.Command1_Click();
    if (calculator.Caption(Label::Answer) == u"数値が正しくありません") state.SkipWithError("failed");
    state.SetComplexityN(state.range(0));
}

void BM_EvaluateSum(benchmark::State& state) { Evaluate(state, 's'); }
void BM_EvaluateMixed(benchmark::State& state) { Evaluate(state, 'm'); }
void BM_EvaluateFunctions(benchmark::State& state) { Evaluate(state, 'f'); }
void BM_EvaluateNested(benchmark::State& state) { Evaluate(state, 'n'); }
void BM_EvaluateSiblings(benchmark::State& state) { Evaluate(state, 'g'); }

// One key and its backspace at the end of a long expression: the pair leaves
// the record as it was, so every iteration starts from the same state.
void KeyAndBack(benchmark::State& state, KeyAction key) {
    NoDisplay sink;
    Calculator calculator(sink);
    calculator.Form_Load();
    Press(calculator, "(" + Expression('s', static_cast<int>(state.range(0)) - 4) + "+");
    for (auto _ : state) {
        calculator.Perform(key);
        calculator.Perform(KeyAction::Backspace);
    }
    state.SetComplexityN(state.range(0));
}

void BM_KeyDigit(benchmark::State& state) { KeyAndBack(state, KeyAction::Digit7); }
void BM_KeyOpenParen(benchmark::State& state) { KeyAndBack(state, KeyAction::OpenParen); }
void BM_KeyFunction(benchmark::State& state) { KeyAndBack(state, KeyAction::Sin); }

constexpr int kMaxSlots = 32767;

#define ORVANE_SCALING(bm) \
    BENCHMARK(bm)->RangeMultiplier(2)->Range(2048, 16384)->Arg(kMaxSlots / 2)->Arg(kMaxSlots)->Complexity()->Unit(benchmark::kMicrosecond)

ORVANE_SCALING(BM_EvaluateSum);
ORVANE_SCALING(BM_EvaluateMixed);
ORVANE_SCALING(BM_EvaluateFunctions);
ORVANE_SCALING(BM_EvaluateNested);
ORVANE_SCALING(BM_EvaluateSiblings);
ORVANE_SCALING(BM_KeyDigit);
ORVANE_SCALING(BM_KeyOpenParen);
ORVANE_SCALING(BM_KeyFunction);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
