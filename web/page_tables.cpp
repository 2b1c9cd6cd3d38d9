// Prints the button table and the displays' start-up captions as
// JSON, for the page's build to write the keypad and displays into the page
// itself: they are drawn at the first paint, before the engine module has
// loaded, from the tables and the engine the desktop uses.
#include <array>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "entry/utf8.h"
#include "record/calculator.h"
#include "tables/button_descriptions.h"
#include "tables/button_table.h"
#include "tables/spoken_names.h"
#include "tables/spoken_phrases.h"
#include "tables/spoken_symbols.h"

namespace orvane {
namespace {

const char* FamilyName(FaceFamily family) {
    switch (family) {
        case FaceFamily::Function: return "function";
        case FaceFamily::Digit: return "digit";
        case FaceFamily::RecallOrPi: return "recall";
        case FaceFamily::Operator: return "operator";
        case FaceFamily::Clear: return "clear";
        case FaceFamily::Small: return "small";
        case FaceFamily::CaptionOnly: return "caption";
    }
    return "";
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
}

std::string ButtonsAsJson() {
    std::string out = "[";
    for (const ButtonSpec& button : kButtons) {
        const ButtonSpeech speech = SpeakButton(button.number);
        if (out.size() > 1) out += ',';
        out += "{\"number\":" + std::to_string(button.number) +
               ",\"left\":" + std::to_string(button.rect.left) +
               ",\"top\":" + std::to_string(button.rect.top) +
               ",\"width\":" + std::to_string(button.rect.width) +
               ",\"height\":" + std::to_string(button.rect.height) +
               ",\"tab\":" + std::to_string(button.tab) +
               ",\"available\":" + (button.action == KeyAction::None ? "false" : "true") +
               ",\"family\":";
        AppendJsonString(out, FamilyName(button.family));
        out += ",\"glyph\":";
        AppendJsonString(out, button.glyph);
        out += ",\"tooltip\":";
        AppendJsonString(out, button.tooltip);
        out += ",\"name\":";
        AppendJsonString(out, speech.name);
        out += ",\"description\":";
        AppendJsonString(out, speech.description);
        out += '}';
    }
    return out + "]";
}

// The words the page's voice uses, English sources as the desktop has
// them; the page translates them with the desktop's translations.
std::string SpeechAsJson() {
    std::string out = "{\"symbols\":{";
    for (const SpokenSymbol& symbol : kSpokenSymbols) {
        if (out.back() != '{') out += ',';
        AppendJsonString(out, ToUtf8(std::u16string(1, symbol.symbol)));
        out += ':';
        AppendJsonString(out, symbol.word);
    }
    out += "},\"captions\":[";
    for (const FixedCaption& caption : kFixedCaptions) {
        if (out.back() != '[') out += ',';
        out += "{\"label\":" + std::to_string(static_cast<int>(caption.label)) + ",\"shown\":";
        AppendJsonString(out, ToUtf8(caption.shown));
        out += ",\"spoken\":";
        AppendJsonString(out, caption.spoken);
        out += '}';
    }
    const SpokenPhrases& p = kSpokenPhrases;
    const std::pair<const char*, const char*> phrases[] = {{"empty", p.empty},
                                                           {"memory1", p.memory1},
                                                           {"memory2", p.memory2},
                                                           {"answer", p.answer},
                                                           {"noAnswer", p.noAnswer},
                                                           {"cleared", p.cleared},
                                                           {"refused", p.refused},
                                                           {"deleted", p.deleted},
                                                           {"memory1Cleared", p.memory1Cleared},
                                                           {"memory2Cleared", p.memory2Cleared},
                                                           {"digit", p.digit},
                                                           {"hint", p.hint}};
    // The actions whose echo is not the text they typed, by the numbers the
    // engine module gives them.
    const std::pair<const char*, KeyAction> actions[] = {
        {"evaluate", KeyAction::Evaluate},
        {"clearAll", KeyAction::ClearAll},
        {"storeMemory1", KeyAction::StoreMemory1},
        {"storeMemory2", KeyAction::StoreMemory2},
        {"recallMemory1", KeyAction::RecallMemory1},
        {"recallMemory2", KeyAction::RecallMemory2},
        {"clearMemory1", KeyAction::ClearMemory1},
        {"clearMemory2", KeyAction::ClearMemory2},
        {"copyExpression", KeyAction::CopyExpression},
        {"copyAnswer", KeyAction::CopyAnswer},
        {"none", KeyAction::None}};
    out += "],\"actions\":{";
    for (const auto& [key, action] : actions) {
        if (out.back() != '{') out += ',';
        AppendJsonString(out, key);
        out += ':' + std::to_string(static_cast<int>(action));
    }
    out += "},\"phrases\":{";
    for (const auto& [key, text] : phrases) {
        if (out.back() != '{') out += ',';
        AppendJsonString(out, key);
        out += ':';
        AppendJsonString(out, text);
    }
    return out + "}}";
}

// What screen readers call the menus and the displays, by element id, as
// the page's elements carry it: "name|description".
std::string NamesAsJson() {
    std::string out = "{";
    using Rows = std::span<const SpokenName>;
    for (const Rows rows : {Rows(kMenuNames), Rows(kDisplayNames)}) {
        for (const SpokenName& row : rows) {
            if (out.size() > 1) out += ',';
            AppendJsonString(out, row.objectName);
            out += ':';
            AppendJsonString(out, std::string(row.name) + '|' + row.description);
        }
    }
    return out + "}";
}

// The four captions as the engine's start-up leaves them.
class StartCaptions : public DisplaySink {
public:
    void ShowCaption(Label label, const std::u16string& caption) override {
        captions_[static_cast<std::size_t>(label) - 1] = ToUtf8(caption);
    }
    void PutOnClipboard(const std::u16string&) override {}

    std::string AsJson() const {
        std::string out = "[";
        for (const std::string& caption : captions_) {
            if (out.size() > 1) out += ',';
            AppendJsonString(out, caption);
        }
        return out + "]";
    }

private:
    std::array<std::string, 4> captions_;
};

std::string StartCaptionsAsJson() {
    StartCaptions sink;
    Calculator calculator(sink);
    calculator.Form_Load();
    return sink.AsJson();
}

}  // namespace
}  // namespace orvane

int main() {
    const std::string json = "{\"buttons\":" + orvane::ButtonsAsJson() +
                             ",\"captions\":" + orvane::StartCaptionsAsJson() +
                             ",\"speech\":" + orvane::SpeechAsJson() +
                             ",\"names\":" + orvane::NamesAsJson() + "}";
    std::puts(json.c_str());
}
