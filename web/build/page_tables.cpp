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
#include "narration/about_lines.h"
#include "record/calculator.h"
#include "tables/about_box.h"
#include "tables/button_descriptions.h"
#include "tables/button_table.h"
#include "tables/command_phrases.h"
#include "tables/command_table.h"
#include "tables/key_characters.h"
#include "tables/menu_table.h"
#include "tables/spoken_names.h"
#include "tables/spoken_phrases.h"

namespace orvane {
namespace {

const char* FamilyName(FaceFamily family) {
    switch (family) {
        case FaceFamily::Function:
            return "function";
        case FaceFamily::Digit:
            return "digit";
        case FaceFamily::RecallOrPi:
            return "recall";
        case FaceFamily::Operator:
            return "operator";
        case FaceFamily::Clear:
            return "clear";
        case FaceFamily::Small:
            return "small";
        case FaceFamily::CaptionOnly:
            return "caption";
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

// The page's own words, English sources as the desktop has them, which the
// page translates with the desktop's translations: the digits' names and
// its line for screen-reader users. All else it says the engine says.
std::string SpeechAsJson() {
    std::string out = "{\"digit\":";
    AppendJsonString(out, kSpokenPhrases.digit);
    out += ",\"hint\":";
    AppendJsonString(out, kSpokenPhrases.hint);
    out += ",\"display\":";
    AppendJsonString(out, kSpokenPhrases.display);
    out += ",\"close\":";
    AppendJsonString(out, kAboutBox.closeButton);
    // The keys of the window's commands that the page reads before its
    // engine has come, and names in its line for screen-reader users.
    out += ",\"sayKey\":";
    AppendJsonString(out, kCommandPhrases.sayKey);
    // Keys named by KeyboardEvent.key that the engine may take: kept, in
    // order, for it while it loads, as characters are.
    out += ",\"namedKeys\":[";
    for (const std::u16string_view name : KeyTableNames()) {
        if (out.back() != '[') out += ',';
        AppendJsonString(out, ToUtf8(name));
    }
    out += ']';
    for (const CommandKeyRow& row : kCommandKeys) {
        if (row.command == WindowCommand::SayExpression) {
            out += ",\"sayKeyName\":";
            AppendJsonString(out, row.shown);
        } else if (row.command == WindowCommand::OpenMenuBar) {
            out += ",\"menuBarKey\":";
            AppendJsonString(out, ToUtf8(row.key));
        }
    }
    return out + "}";
}

// The About box's shown lines, by element id, as Load leaves them.
std::string AboutAsJson() {
    const AboutLines about =
        ReadAboutBox(SpokenText([](const char* source) { return FromUtf8(source); }));
    const std::pair<const char*, std::u16string> lines[] = {
        {"aboutCaption", about.caption},
        {"lblTitle", about.title},
        {"lblVersion", about.versionLine},
        {"lblDescription", kAboutBox.description},
        {"lblDisclaimer", kAboutBox.disclaimer}};
    std::string out = "{";
    for (const auto& [id, text] : lines) {
        if (out.size() > 1) out += ',';
        AppendJsonString(out, id);
        out += ':';
        AppendJsonString(out, ToUtf8(text));
    }
    return out + "}";
}

// The menu bar: each menu's id, caption and entries, a separator's caption
// null. Captions keep the access key after '&'.
std::string MenusAsJson() {
    auto entry = [](const char* name, const char16_t* caption) {
        std::string out = "{\"name\":";
        AppendJsonString(out, name);
        out += ",\"caption\":";
        if (caption == nullptr) return out + "null}";
        AppendJsonString(out, ToUtf8(caption));
        return out + "}";
    };
    std::string out = "[";
    for (const MenuRow& menu : kMenus) {
        if (out.size() > 1) out += ',';
        out += entry(menu.name, menu.caption);
        out.back() = ',';
        out += "\"items\":[";
        for (const MenuItemRow& item : menu.items) {
            if (out.back() == '}') out += ',';
            out += entry(item.name, item.caption);
        }
        out += "]}";
    }
    return out + "]";
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
    const std::string json =
        "{\"buttons\":" + orvane::ButtonsAsJson() +
        ",\"captions\":" + orvane::StartCaptionsAsJson() + ",\"speech\":" + orvane::SpeechAsJson() +
        ",\"names\":" + orvane::NamesAsJson() + ",\"about\":" + orvane::AboutAsJson() +
        ",\"menus\":" + orvane::MenusAsJson() + "}";
    std::puts(json.c_str());
}
