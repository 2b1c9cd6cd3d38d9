#include "tools/replay/replay_session.h"

#include <array>
#include <istream>
#include <ostream>
#include <sstream>

#include "entry/utf8.h"
#include "record/calculator.h"
#include "tables/button_table.h"
#include "tables/key_table.h"

namespace orvane {

namespace {

// Keeps what the displays and the clipboard hold, as a window would show them.
class RecordingSink : public DisplaySink {
public:
    void ShowCaption(Label label, const std::u16string& caption) override {
        captions_[static_cast<std::size_t>(label) - 1] = caption;
    }
    void PutOnClipboard(const std::u16string& text) override { clipboard_ = text; }

    std::string Line() const {
        std::string line;
        for (const auto& caption : captions_) line += ToUtf8(caption) + '\t';
        return line + ToUtf8(clipboard_);
    }

private:
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

// Runs one event line; false when the line is not an event.
bool RunEvent(const std::string& line, Calculator& calculator) {
    std::istringstream words(line);
    std::string first, second, third, extra;
    words >> first >> second >> third >> extra;
    if (!extra.empty()) return false;
    long number = 0;
    if (first.rfind("Command", 0) == 0 && second.empty()) {
        if (!ParseNumber(first.substr(7), 1, 45, number)) return false;
        calculator.Perform(FindButton(static_cast<int>(number))->action);
        return true;
    }
    if (first == "key") {
        long mask = 0;
        if (!ParseNumber(second, 0, 32767, number) || !ParseNumber(third, 0, 32767, mask)) {
            return false;
        }
        Form_KeyDown(calculator, static_cast<std::int16_t>(number), static_cast<std::int16_t>(mask));
        return true;
    }
    if (!second.empty()) return false;
    if (first == "mnuSikicopy") {
        calculator.Perform(KeyAction::CopyExpression);
        return true;
    }
    if (first == "mnuKotaecopy") {
        calculator.Perform(KeyAction::CopyAnswer);
        return true;
    }
    return false;
}

}  // namespace

int ReplayEvents(std::istream& in, std::ostream& out, std::ostream& err, bool lastOnly) {
    RecordingSink sink;
    Calculator calculator(sink);
    calculator.Form_Load();
    if (!lastOnly) out << sink.Line() << '\n';

    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto firstChar = line.find_first_not_of(" \t");
        if (firstChar == std::string::npos || line[firstChar] == '#') continue;
        if (!RunEvent(line, calculator)) {
            err << "orvane-replay: line " << lineNumber << " is not an event: " << line << '\n';
            return 2;
        }
        if (!lastOnly) out << sink.Line() << '\n';
    }
    if (lastOnly) out << sink.Line() << '\n';
    return 0;
}

}  // namespace orvane
