#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "narration/narration.h"
#include "record/calculator.h"
#include "tables/command_table.h"
#include "tables/key_characters.h"
#include "tables/menu_table.h"

namespace orvane {

// The one way in for every input of either edition: a click on a button, a
// key of the key table, a menu command or a command of the window. Each is
// looked up once, run on the engine and told to the narration; what comes
// back is what to say at once. The editions only translate their events
// into these calls and deliver what is said.
class CalculatorInput {
public:
    using Milliseconds = Narration::Milliseconds;

    // `running` hears each action just before it runs.
    CalculatorInput(Calculator& calculator, Narration& narration,
                    std::function<void(KeyAction)> running = {});

    // A click on CommandN; an unavailable or unknown button does nothing.
    SpokenLine Click(int number, Milliseconds now);

    // The window's key-down handler, for a key of the key table: runs the
    // table's action, or nothing for a key the table ignores.
    SpokenLine Form_KeyDown(VirtualKey key, Milliseconds now);

    // A menu command that acts on the calculator (the copies); the others
    // (exit, the About box) are each window's own.
    SpokenLine Menu(MenuCommand command, Milliseconds now);

    // A key press: the key table's key, when the key has a row there, and the
    // key's name as KeyboardEvent.key gives it with the modifiers held.
    // Form_KeyDown sees it first, and goes on to the focused button; a key
    // it ignores may be a window command, which is the window's alone. A
    // command runs here, but for a paste and the menu bar, which are the
    // edition's to finish, as only it has the clipboard and the menus.
    struct KeyOutcome {
        enum class Kind { Ignored, KeyTable, Command, Paste, OpenMenuBar } kind = Kind::Ignored;
        SpokenLine said;
    };
    KeyOutcome Key(std::optional<VirtualKey> tableKey, std::u16string_view name, std::int16_t mask,
                   Milliseconds now);

    // The clipboard's text, read once by the edition when the user pasted.
    SpokenLine Paste(std::u16string_view text, Milliseconds now);

private:
    SpokenLine Run(KeyAction action, Milliseconds now);

    Calculator& calculator_;
    Narration& narration_;
    std::function<void(KeyAction)> running_;
};

}  // namespace orvane
