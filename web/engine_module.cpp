// The page's way into the engine: a few C functions compiled into the
// WebAssembly module. The page presses buttons and keys, reads the four
// captions and what was put on the clipboard, and builds its keypad from
// the button table read here, so it holds no calculator state and no copy
// of a table.
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "assets/face_pictures.h"
#include "entry/calculator.h"
#include "entry/utf8.h"
#include "tables/button_descriptions.h"
#include "tables/button_table.h"
#include "tables/key_characters.h"
#include "tables/key_table.h"

namespace orvane {
namespace {

// Keeps the captions and the clipboard text for the page to read.
class PageSink : public DisplaySink {
public:
    void ShowCaption(Label label, const std::u16string& caption) override {
        captions_[static_cast<std::size_t>(label) - 1] = ToUtf8(caption);
    }
    void PutOnClipboard(const std::u16string& text) override {
        clipboard_ = ToUtf8(text);
        ++clipboardWrites_;
    }

    const std::string& caption(int label) const { return captions_[static_cast<std::size_t>(label) - 1]; }
    const std::string& clipboard() const { return clipboard_; }
    int clipboardWrites() const { return clipboardWrites_; }

private:
    std::array<std::string, 4> captions_;
    std::string clipboard_;
    int clipboardWrites_ = 0;
};

PageSink& Sink() {
    static PageSink sink;
    return sink;
}

Calculator& Engine() {
    static Calculator calculator(Sink());
    return calculator;
}

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

// KeyboardEvent.key names the character a key produced, or the key itself
// ("Backspace", "Escape"). A dead key is "Dead"; the page passes "^" for the
// one its layout types ^ with.
std::optional<VirtualKey> KeyFromName(std::string_view name, bool keypad) {
    if (name == "Backspace") return VirtualKey{8, 0};
    if (name == "Escape") return VirtualKey{27, 0};
    const std::u16string text = FromUtf8(name);
    if (text.size() != 1) return std::nullopt;
    if (!keypad) return MainBlockKey(text[0]);
    return KeypadKey(text[0]);
}

}  // namespace
}  // namespace orvane

using namespace orvane;

extern "C" {

// Start-up: clear-all and both memory clears, as the window's load does.
void orvane_start() { Engine().Form_Load(); }

// A click on CommandN; an unavailable or unknown button does nothing.
void orvane_press_button(int number) {
    if (const ButtonSpec* button = FindButton(number)) Engine().Perform(button->action);
}

// The window's key-down handler, with a key-table code and modifier mask.
void orvane_key_down(int keyCode, int mask) {
    Form_KeyDown(Engine(), static_cast<std::int16_t>(keyCode), static_cast<std::int16_t>(mask));
}

// The key-table code of a KeyboardEvent.key held with `mask` (1 Shift,
// 2 Ctrl, 4 Alt), packed as code + 65536 * mask; -1 for a key with no row.
// Main-block characters bring the Shift their Japanese key needs instead of
// the one held; keypad keys and Backspace and Esc keep the Shift held, so a
// shifted keypad operator finds no row, as on the desktop.
int orvane_translate_key(const char* key, int keypad, int mask) {
    std::optional<VirtualKey> found = KeyFromName(key, keypad != 0);
    if (!found) return -1;
    const int named = std::string_view(key).size() > 1;
    const int shift = (keypad != 0 || named) ? (mask & kShiftMask) : found->mask;
    return found->keyCode + 65536 * (shift | (mask & (kCtrlMask | kAltMask)));
}

// Copy expression (1) or copy answer (2), as the Edit menu does.
void orvane_copy(int label) {
    Engine().Perform(label == 1 ? KeyAction::CopyExpression : KeyAction::CopyAnswer);
}

// The caption of LabelN (1 to 4), UTF-8; valid until the next call in.
const char* orvane_caption(int label) {
    return label >= 1 && label <= 4 ? Sink().caption(label).c_str() : "";
}

// The last text put on the clipboard, and how many times text was put there,
// so the page knows when to hand it on.
const char* orvane_clipboard() { return Sink().clipboard().c_str(); }
int orvane_clipboard_writes() { return Sink().clipboardWrites(); }

// The button table with what each button says, as JSON.
const char* orvane_buttons() {
    static const std::string json = ButtonsAsJson();
    return json.c_str();
}

// The button faces, as JSON.
const char* orvane_faces() {
    static const std::string json = FacesAsJson();
    return json.c_str();
}

}  // extern "C"
