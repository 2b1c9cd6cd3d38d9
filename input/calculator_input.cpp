#include "input/calculator_input.h"

#include <utility>

#include "tables/button_table.h"
#include "tables/key_table.h"

namespace orvane {

CalculatorInput::CalculatorInput(Calculator& calculator, Narration& narration,
                                 std::function<void(KeyAction)> running)
    : calculator_(calculator), narration_(narration), running_(std::move(running)) {}

SpokenLine CalculatorInput::Run(KeyAction action, Milliseconds now) {
    if (running_) running_(action);
    return narration_.Follow(
        action, [this, action] { calculator_.Perform(action); }, now);
}

SpokenLine CalculatorInput::Click(int number, Milliseconds now) {
    const ButtonSpec* button = FindButton(number);
    return Run(button ? button->action : KeyAction::None, now);
}

SpokenLine CalculatorInput::Form_KeyDown(VirtualKey key, Milliseconds now) {
    return Run(LookUpKey(key.keyCode, key.mask), now);
}

SpokenLine CalculatorInput::Menu(MenuCommand command, Milliseconds now) {
    switch (command) {
        case MenuCommand::CopyExpression:
            return Run(KeyAction::CopyExpression, now);
        case MenuCommand::CopyAnswer:
            return Run(KeyAction::CopyAnswer, now);
        default:
            return {};
    }
}

CalculatorInput::KeyOutcome CalculatorInput::Key(std::optional<VirtualKey> tableKey,
                                                 std::u16string_view name, std::int16_t mask,
                                                 Milliseconds now) {
    using Kind = KeyOutcome::Kind;
    if (tableKey && LookUpKey(tableKey->keyCode, tableKey->mask) != KeyAction::None) {
        return {Kind::KeyTable, Form_KeyDown(*tableKey, now)};
    }
    const CommandKeyRow* row = LookUpCommandKey(name, mask);
    if (row == nullptr) return {};
    switch (row->command) {
        case WindowCommand::Press:
            return {Kind::Command, Run(row->action, now)};
        case WindowCommand::SayExpression:
            return {Kind::Command, narration_.ExpressionAndAnswer()};
        case WindowCommand::Paste:
            return {Kind::Paste, {}};
        case WindowCommand::OpenMenuBar:
            return {Kind::OpenMenuBar, {}};
    }
    return {};
}

SpokenLine CalculatorInput::Paste(std::u16string_view text, Milliseconds now) {
    const std::u16string before = narration_.Shown(Label::Expression);
    if (running_) running_(KeyAction::None);
    const std::optional<PasteRefusal> refusal = calculator_.Paste(text);
    return narration_.Pasted(before, refusal, now);
}

}  // namespace orvane
