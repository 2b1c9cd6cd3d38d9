#include "record/calculator.h"

namespace orvane {

Calculator::Calculator(DisplaySink& sink) : sink_(sink) {}

void Calculator::Form_Load() {
    ClearAll();
    ClearMemory1();
    ClearMemory2();
}

const std::u16string& Calculator::Caption(Label label) const {
    return captions_[static_cast<std::size_t>(label) - 1];
}

void Calculator::SetCaption(Label label, const Text& caption) {
    if (!showsCaptions_) return;
    captions_[static_cast<std::size_t>(label) - 1] = caption;
    sink_.ShowCaption(label, caption);
}

void Calculator::CopyCaption(Label label) { sink_.PutOnClipboard(Caption(label)); }

bool Calculator::HasRoom(int slots, int opens, int closes) const {
    return slotIndex + slots <= kIntegerMax && openCount + opens <= kIntegerMax &&
           closeCount + closes <= kIntegerMax;
}

void Calculator::Perform(KeyAction action) {
    switch (action) {
        case KeyAction::None:
            return;
        case KeyAction::Evaluate:
            return Command1_Click();
        case KeyAction::ClearAll:
            return Command2_Click();
        case KeyAction::Backspace:
            return Command22_Click();
        case KeyAction::Digit0:
        case KeyAction::Digit1:
        case KeyAction::Digit2:
        case KeyAction::Digit3:
        case KeyAction::Digit4:
        case KeyAction::Digit5:
        case KeyAction::Digit6:
        case KeyAction::Digit7:
        case KeyAction::Digit8:
        case KeyAction::Digit9:
            return DigitKey(static_cast<int>(action) - static_cast<int>(KeyAction::Digit0));
        case KeyAction::Point:
            return PointKey();
        case KeyAction::Pi:
            return PiKey();
        case KeyAction::Plus:
        case KeyAction::Times:
        case KeyAction::Divide:
        case KeyAction::Power:
        case KeyAction::Root:
            return OperatorKey(action);
        case KeyAction::Minus:
            return MinusKey();
        case KeyAction::OpenParen:
            return OpenParenKey();
        case KeyAction::CloseParen:
            return CloseParenKey();
        case KeyAction::Sin:
        case KeyAction::Cos:
        case KeyAction::Tan:
        case KeyAction::Arcsin:
        case KeyAction::Arccos:
        case KeyAction::Arctan:
        case KeyAction::Cosec:
        case KeyAction::Sec:
        case KeyAction::Cotan:
            return FunctionKey(action);
        case KeyAction::StoreMemory1:
            return Command25_Click();
        case KeyAction::StoreMemory2:
            return Command26_Click();
        case KeyAction::RecallMemory1:
            return Command27_Click();
        case KeyAction::RecallMemory2:
            return Command28_Click();
        case KeyAction::ClearMemory1:
            return Command29_Click();
        case KeyAction::ClearMemory2:
            return Command30_Click();
        case KeyAction::CopyExpression:
            return CopyCaption(Label::Expression);
        case KeyAction::CopyAnswer:
            return CopyCaption(Label::Answer);
    }
}

}  // namespace orvane
