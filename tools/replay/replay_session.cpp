#include "tools/replay/replay_session.h"

#include <array>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <unordered_map>

#include "entry/utf8.h"
#include "input/calculator_input.h"
#include "narration/narration.h"
#include "record/calculator.h"
#include "tables/button_descriptions.h"
#include "tables/button_table.h"
#include "tables/command_table.h"

namespace orvane {

namespace {

// Keeps what the displays and the clipboard hold, as a window would show them.
class RecordingSink : public DisplaySink {
public:
    explicit RecordingSink(Narration* narration = nullptr) : narration_(narration) {}
    void ShowCaption(Label label, const std::u16string& caption) override {
        captions_[static_cast<std::size_t>(label) - 1] = caption;
        if (narration_) narration_->CaptionShown(label, caption);
    }
    void PutOnClipboard(const std::u16string& text) override { clipboard_ = text; }
    const std::u16string& clipboard() const { return clipboard_; }

    std::string Line() const {
        std::string line;
        for (const auto& caption : captions_) line += ToUtf8(caption) + '\t';
        return line + ToUtf8(clipboard_);
    }

private:
    Narration* narration_;
    std::array<std::u16string, 4> captions_;
    std::u16string clipboard_;
};

// A whole decimal number in [low, high], or nothing.
bool ParseNumber(const std::string& word, long low, long high, long& value) {
    if (word.empty() || word.size() > 6) return false;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
    }
    value = std::stol(word);
    return value >= low && value <= high;
}

// One event: a click, a key of the key table, a menu's copy, a command of
// the window by its key as written in the table, or a paste of a text.
struct Event {
    enum class Kind { Click, Key, Menu, Command, Paste } kind;
    int number = 0;
    VirtualKey key{0, 0};
    MenuCommand menu = MenuCommand::Separator;
    const CommandKeyRow* command = nullptr;
    std::u16string text;
};

// The event a line names, or nothing when the line is not an event.
std::optional<Event> ParseEvent(const std::string& line) {
    // "Paste TEXT": the rest of the line, spaces and all, is the clipboard's.
    if (line.rfind("Paste ", 0) == 0)
        return Event{Event::Kind::Paste, 0, {}, {}, nullptr, FromUtf8(line.substr(6))};
    std::istringstream words(line);
    std::string first, second, third, extra;
    words >> first >> second >> third >> extra;
    long number = 0, mask = 0;
    if (!extra.empty()) return std::nullopt;
    if (first == "Command" && third.empty()) {
        for (const CommandKeyRow& row : kCommandKeys) {
            if (second == row.shown) return Event{Event::Kind::Command, 0, {}, {}, &row, {}};
        }
        return std::nullopt;
    }
    if (first.rfind("Command", 0) == 0 && second.empty()) {
        if (!ParseNumber(first.substr(7), 1, 45, number)) return std::nullopt;
        return Event{Event::Kind::Click, static_cast<int>(number), {}, {}, nullptr, {}};
    }
    if (first == "key") {
        if (!ParseNumber(second, 0, 32767, number) || !ParseNumber(third, 0, 32767, mask)) {
            return std::nullopt;
        }
        return Event{Event::Kind::Key,
                     0,
                     {static_cast<std::int16_t>(number), static_cast<std::int16_t>(mask)},
                     {},
                     nullptr,
                     {}};
    }
    if (!second.empty()) return std::nullopt;
    if (first == "mnuSikicopy")
        return Event{Event::Kind::Menu, 0, {}, MenuCommand::CopyExpression, nullptr, {}};
    if (first == "mnuKotaecopy")
        return Event{Event::Kind::Menu, 0, {}, MenuCommand::CopyAnswer, nullptr, {}};
    return std::nullopt;
}

// Runs one event through the input path, as a window would, at `now`. A
// command's paste takes what the last copy put on the clipboard.
SpokenLine RunEvent(const Event& event, CalculatorInput& input, const RecordingSink& sink,
                    Narration::Milliseconds now) {
    switch (event.kind) {
        case Event::Kind::Click:
            return input.Click(event.number, now);
        case Event::Kind::Key:
            return input.Form_KeyDown(event.key, now);
        case Event::Kind::Menu:
            return input.Menu(event.menu, now);
        case Event::Kind::Paste:
            return input.Paste(event.text, now);
        case Event::Kind::Command: {
            const std::u16string key(event.command->key);
            const auto outcome =
                input.Key(std::nullopt, key,
                          event.command->mask == kEitherShift ? 0 : event.command->mask, now);
            if (outcome.kind == CalculatorInput::KeyOutcome::Kind::Paste)
                return input.Paste(sink.clipboard(), now);
            return outcome.said;
        }
    }
    return {};
}

// Hands each event read from `in` to `run`, skipping blank lines and
// comments: 0, or 2 at a line that is not an event, reported on `err`.
int ForEachEvent(std::istream& in, std::ostream& err,
                 const std::function<void(const Event&, long)>& run) {
    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto firstChar = line.find_first_not_of(" \t");
        if (firstChar == std::string::npos || line[firstChar] == '#') continue;
        const std::optional<Event> event = ParseEvent(line);
        if (!event) {
            err << "orvane-replay: line " << lineNumber << " is not an event: " << line << '\n';
            return 2;
        }
        run(*event, lineNumber);
    }
    return 0;
}

std::u16string Untranslated(const char* source) { return FromUtf8(source); }

}  // namespace

int ReplayEvents(std::istream& in, std::ostream& out, std::ostream& err, bool lastOnly) {
    Narration narration(Untranslated);
    RecordingSink sink(&narration);
    Calculator calculator(sink);
    CalculatorInput input(calculator, narration);
    calculator.Form_Load();
    if (!lastOnly) out << sink.Line() << '\n';
    const int status = ForEachEvent(in, err, [&](const Event& event, long lineNumber) {
        RunEvent(event, input, sink, lineNumber * 1000);
        if (!lastOnly) out << sink.Line() << '\n';
    });
    if (status == 0 && lastOnly) out << sink.Line() << '\n';
    return status;
}

int ReplaySpoken(std::istream& in, std::istream& translations, std::ostream& out,
                 std::ostream& err) {
    std::unordered_map<std::string, std::u16string> texts;
    for (std::string row; std::getline(translations, row);) {
        const auto tab = row.find('\t');
        if (tab != std::string::npos) texts[row.substr(0, tab)] = FromUtf8(row.substr(tab + 1));
    }
    Narration narration([&texts](const char* source) {
        const auto found = texts.find(source);
        return found == texts.end() ? FromUtf8(source) : found->second;
    });
    RecordingSink sink(&narration);
    Calculator calculator(sink);
    CalculatorInput input(calculator, narration);
    calculator.Form_Load();
    return ForEachEvent(in, err, [&](const Event& event, long lineNumber) {
        out << ToUtf8(RunEvent(event, input, sink, lineNumber * 1000).plain) << '\n';
    });
}

}  // namespace orvane

namespace orvane {

void WriteCommandKeys(std::ostream& out) {
    for (const CommandKeyRow& row : kCommandKeys) {
        const char* name = row.spoken;
        for (const ButtonSpec& button : kButtons) {
            if (!name && button.action == row.action) name = SpeakButton(button.number).name;
        }
        out << row.shown << '\t' << name << '\n';
    }
}

}  // namespace orvane
