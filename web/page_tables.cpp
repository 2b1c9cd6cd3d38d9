// Prints the button table and the faces as JSON, for the page's build to
// write the keypad into the page itself: the keys are drawn at the first
// paint, before the engine module has loaded, from the tables the desktop uses.
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "assets/face_pictures.h"
#include "tables/button_descriptions.h"
#include "tables/button_table.h"
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

// UTF-8 of a caption or sign; the tables hold no character beyond the BMP.
std::string Utf8(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The words the page's voice uses, English sources as the desktop has
// them; the page translates them with the desktop's translations.
std::string SpeechAsJson() {
    std::string out = "{\"symbols\":{";
    for (const SpokenSymbol& symbol : kSpokenSymbols) {
        if (out.back() != '{') out += ',';
        AppendJsonString(out, Utf8(std::u16string(1, symbol.symbol)));
        out += ':';
        AppendJsonString(out, symbol.word);
    }
    out += "},\"captions\":[";
    for (const FixedCaption& caption : kFixedCaptions) {
        if (out.back() != '[') out += ',';
        out += "{\"label\":" + std::to_string(static_cast<int>(caption.label)) + ",\"shown\":";
        AppendJsonString(out, Utf8(caption.shown));
        out += ",\"spoken\":";
        AppendJsonString(out, caption.spoken);
        out += '}';
    }
    const SpokenPhrases& p = kSpokenPhrases;
    const std::pair<const char*, const char*> phrases[] = {
        {"empty", p.empty}, {"memory1", p.memory1}, {"memory2", p.memory2}, {"answer", p.answer},
        {"noAnswer", p.noAnswer}, {"cleared", p.cleared}, {"refused", p.refused}, {"deleted", p.deleted},
        {"memory1Cleared", p.memory1Cleared}, {"memory2Cleared", p.memory2Cleared}, {"digit", p.digit}, {"hint", p.hint}};
    // The actions whose echo is not the text they typed, by the numbers the
    // engine module gives them.
    const std::pair<const char*, KeyAction> actions[] = {
        {"evaluate", KeyAction::Evaluate}, {"clearAll", KeyAction::ClearAll},
        {"storeMemory1", KeyAction::StoreMemory1}, {"storeMemory2", KeyAction::StoreMemory2},
        {"recallMemory1", KeyAction::RecallMemory1}, {"recallMemory2", KeyAction::RecallMemory2},
        {"clearMemory1", KeyAction::ClearMemory1}, {"clearMemory2", KeyAction::ClearMemory2},
        {"copyExpression", KeyAction::CopyExpression}, {"copyAnswer", KeyAction::CopyAnswer},
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

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

// A colour as CSS takes it, keeping the 16-bit channels' exact shades; null
// for a part that is not drawn.
std::string CssColour(const faces::Colour& colour) {
    if (colour.alpha == 0) return "null";
    return "\"rgb(" + Number(colour.red / 257.0) + " " + Number(colour.green / 257.0) + " " +
           Number(colour.blue / 257.0) + " / " + Number(colour.alpha / 65535.0) + ")\"";
}

// The faces as the desktop draws them: each family's paint, each button's
// picture, and the measures of the parts every face shares.
std::string FacesAsJson() {
    std::string out = "{\"corner\":" + Number(faces::kCornerRadius) +
                      ",\"border\":" + Number(faces::kBorderWidth) +
                      ",\"sheen\":" + CssColour(faces::kSheen) +
                      ",\"sheenInset\":" + Number(faces::kSheenInset) +
                      ",\"sheenY\":" + Number(faces::kSheenY) +
                      ",\"sheenWidth\":" + Number(faces::kSheenWidth) +
                      ",\"outlineWidth\":" + Number(faces::kOutlineWidth) +
                      ",\"shadowOffset\":" + Number(faces::kShadowOffset) + ",\"families\":[";
    for (const faces::FamilyPaint& paint : faces::kFamilies) {
        if (out.back() != '[') out += ',';
        out += "{\"top\":" + CssColour(paint.top) + ",\"middle\":" + CssColour(paint.middle) +
               ",\"bottom\":" + CssColour(paint.bottom) + ",\"border\":" + CssColour(paint.border) +
               ",\"glyph\":" + CssColour(paint.glyph) + ",\"outline\":" + CssColour(paint.outline) +
               ",\"shadow\":" + CssColour(paint.shadow) + "}";
    }
    out += "],\"faces\":[";
    for (const faces::FacePicture& face : faces::kFaces) {
        if (out.back() != '[') out += ',';
        out += "{\"button\":" + std::to_string(face.button) + ",\"width\":" + std::to_string(face.width) +
               ",\"height\":" + std::to_string(face.height) + ",\"family\":" + std::to_string(face.family) +
               ",\"evenOdd\":" + (face.evenOdd ? "true" : "false") + ",\"path\":";
        AppendJsonString(out, faces::kGlyphPaths[face.path]);
        out += '}';
    }
    return out + "]}";
}

}  // namespace
}  // namespace orvane

int main() {
    const std::string json = "{\"buttons\":" + orvane::ButtonsAsJson() + ",\"faces\":" + orvane::FacesAsJson() +
                             ",\"speech\":" + orvane::SpeechAsJson() + "}";
    std::puts(json.c_str());
}
