#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/calculator_state.h"
#include "record/display_sink.h"
#include "record/slot_set.h"
#include "tables/key_action.h"

namespace orvane {

// The calculator engine: the one state record and every procedure that acts
// on it. It knows nothing of windows; it shows text only through the four
// display setters, which forward to a DisplaySink.
//
// Procedure names follow the calculator's own vocabulary, so that each one can
// be read side by side with the behaviour it implements. Guards (Check...) only
// write entryCase; handlers branch on it.
// Why a paste typed nothing.
struct PasteRefusal {
    enum class Reason : std::uint8_t {
        NoText,   // nothing but white space
        TooLong,  // longer than any expression worth pasting
        NoKey,    // `text` is a character no key types
        Refused,  // `text` is what a key refused here would type
    };
    Reason reason;
    std::u16string text;
};

class Calculator : private CalculatorState {
public:
    explicit Calculator(DisplaySink& sink);
    // A copy of `other`'s record that shows its captions on `sink`.
    Calculator(const Calculator& other, DisplaySink& sink);

    // The longest text a paste reads: more than any expression the slot
    // limit lets one type, short enough to be turned away at once.
    static constexpr std::size_t kLongestPaste = 1 << 18;

    // Start-up: clear-all, then both memory clears.
    void Form_Load();

    // Runs one button, key or menu action to completion.
    void Perform(KeyAction action);

    const CalculatorState& state() const { return *this; }
    const std::u16string& Caption(Label label) const;

    // Key handlers.
    void DigitKey(int digit);
    void PointKey();
    void PiKey();
    void OperatorKey(KeyAction op);  // Plus, Times, Divide, Power, Root
    void MinusKey();
    void OpenParenKey();
    void CloseParenKey();
    void FunctionKey(KeyAction function);  // Sin .. Cotan
    void Command1_Click();                 // evaluate
    void Command2_Click();                 // clear all
    void Command22_Click();                // backspace
    void Command25_Click();                // store the answer in memory 1
    void Command26_Click();                // store the answer in memory 2
    void Command27_Click();                // recall memory 1
    void Command28_Click();                // recall memory 2
    void Command29_Click();                // clear memory 1
    void Command30_Click();                // clear memory 2
    void CopyCaption(Label label);

    // Types `text` as the keys that would type it, through their guards:
    // every key or, when any character has no key or any key would be
    // refused, none, and the record and the displays stay as they were.
    std::optional<PasteRefusal> Paste(std::u16string_view text);

    // Correction and memory procedures, also run at start-up.
    void ClearAll();
    void DeleteLastEntry();
    void ClearMemory1();
    void ClearMemory2();

private:
    // Display setters: the engine's only output.
    void SetLabel1(const Text& caption) { SetCaption(Label::Expression, caption); }
    void SetLabel2(const Text& caption) { SetCaption(Label::Answer, caption); }
    void SetLabel3(const Text& caption) { SetCaption(Label::Memory1, caption); }
    void SetLabel4(const Text& caption) { SetCaption(Label::Memory2, caption); }
    void SetCaption(Label label, const Text& caption);

    // Whether tokens can still be added without passing the 16-bit limit.
    bool HasRoom(int slots, int opens = 0, int closes = 0) const;

    // Number entry.
    void CheckDigit();
    void AppendDigit();
    void AppendPoint();
    void CheckPi();
    void AppendPi();
    Integer NegatedConstantPrefixLength() const;

    // Operators and parentheses.
    void CloseNumber();
    void AddOperator(const Text& op);
    void AddPlus();
    void AddMinus();
    void AddTimes();
    void AddDivide();
    void AddPower();
    void AddRoot();
    void AddOpenParen();
    void AddCloseParen();
    void StartNegative();
    void CheckOperator();
    void CheckMinus();
    void CheckOpenParen();
    void CheckCloseParen();

    // Function keys.
    void CheckFunction();
    void AddFunction(const Text& token, const Text& name);
    void AddNamedFunction(KeyAction function);
    void AddSin();
    void AddCos();
    void AddTan();
    void AddArcsin();
    void AddArccos();
    void AddArctan();
    void AddCosec();
    void AddSec();
    void AddCotan();

    // Evaluation.
    void CheckEvaluate();
    void CopyToWorkArrays();
    void TrimSlotArrays();
    void EvaluateExpression();
    void EvaluateRange();
    void ApplyFunctions();
    void ReducePowers();
    void ReduceMulDiv();
    void ReduceAddSub();
    void Reduce(char16_t first, char16_t second);
    // Once copied, the work operands and operators change only through these
    // three, each of which keeps the slot set of its array in step.
    double TakeWorkOperand(int slot);
    void PutWorkOperand(int slot, double value);
    void DropWorkOperator(int slot);

    // Correction and memory.
    void ClassifyLastEntry();
    void CutExprText(int count);
    void CheckRecall();
    void RecallMemory(const Text& memory, const Text& plainToken, const Text& negatedToken);

    DisplaySink& sink_;
    std::array<std::u16string, 4> captions_;
    bool showsCaptions_ = true;  // off while a paste tries its keys

    // The slots of the work copy that still hold an operand, and those that
    // still hold an operator or function token: derived from the work
    // arrays during an evaluation, so that searches and sweeps skip what is
    // already used up instead of walking over it.
    SlotSet workOperandSlots_;
    SlotSet workOperatorSlots_;

    // The slots of the tokens of each kind, oldest first, so that trimming an
    // entry array after a token is removed finds the previous token of that
    // kind at once instead of searching for it.
    struct TokenSlots {
        std::vector<Integer> operands, operators, openParens, closeParens;
    } tokenSlots_;
    void StoreToken(SlotArray<Text>& slots, std::vector<Integer>& positions, const Text& token);

    // Nothing above keeps the indexes in step with the arrays by
    // construction, so the invariant checker compares them after every event,
    // and tests corrupt them to see that it notices.
    friend std::string FindInvariantViolation(const Calculator& calculator);
    // A saved record is written from the record and the displays, and read
    // back into them only once the checker has passed it.
    friend std::string SaveRecord(const Calculator& calculator);
    friend bool RestoreRecord(Calculator& calculator, std::string_view text);
    friend struct SlotIndexCorruption;
};

}  // namespace orvane
