#include "tools/replay/replay_session.h"

#include <array>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <unordered_map>

#include "entry/utf8.h"
#include "narration/narration.h"
#include "record/calculator.h"
#include "tables/button_table.h"
#include "tables/key_table.h"

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

// One event: a key with its code and mask, or a button's or menu's action.
struct Event {
    KeyAction action = KeyAction::None;  // what it does, for the narration
    std::optional<std::pair<std::int16_t, std::int16_t>> key;
};

// The event a line names, or nothing when the line is not an event.
std::optional<Event> ParseEvent(const std::string& line) {
    std::istringstream words(line);
    std::string first, second, third, extra;
    words >> first >> second >> third >> extra;
    long number = 0, mask = 0;
    if (!extra.empty()) return std::nullopt;
    if (first.rfind("Command", 0) == 0 && second.empty()) {
        if (!ParseNumber(first.substr(7), 1, 45, number)) return std::nullopt;
        return Event{FindButton(static_cast<int>(number))->action, std::nullopt};
    }
    if (first == "key") {
        if (!ParseNumber(second, 0, 32767, number) || !ParseNumber(third, 0, 32767, mask)) {
            return std::nullopt;
        }
        const auto code = static_cast<std::int16_t>(number);
        const auto held = static_cast<std::int16_t>(mask);
        return Event{LookUpKey(code, held), std::pair(code, held)};
    }
    if (!second.empty()) return std::nullopt;
    if (first == "mnuSikicopy") return Event{KeyAction::CopyExpression, std::nullopt};
    if (first == "mnuKotaecopy") return Event{KeyAction::CopyAnswer, std::nullopt};
    return std::nullopt;
}

void RunEvent(const Event& event, Calculator& calculator) {
    if (event.key) {
        Form_KeyDown(calculator, event.key->first, event.key->second);
    } else {
        calculator.Perform(event.action);
    }
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

}  // namespace

int ReplayEvents(std::istream& in, std::ostream& out, std::ostream& err, bool lastOnly) {
    RecordingSink sink;
    Calculator calculator(sink);
    calculator.Form_Load();
    if (!lastOnly) out << sink.Line() << '\n';
    const int status = ForEachEvent(in, err, [&](const Event& event, long) {
        RunEvent(event, calculator);
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
    calculator.Form_Load();
    return ForEachEvent(in, err, [&](const Event& event, long lineNumber) {
        const SpokenLine said = narration.Follow(
            event.action, [&] { RunEvent(event, calculator); }, lineNumber * 1000);
        out << ToUtf8(said.plain) << '\n';
    });
}

}  // namespace orvane
