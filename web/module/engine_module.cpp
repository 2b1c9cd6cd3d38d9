// The page's way into the engine: a few C functions compiled into the
// WebAssembly module. The page presses buttons and keys, reads the four
// captions, what was put on the clipboard and what to say, so it holds no
// calculator state and no rule of what is said. Its keypad is written from
// the same tables when it is built.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "entry/saved_record.h"
#include "entry/utf8.h"
#include "narration/about_lines.h"
#include "narration/narration.h"
#include "record/calculator.h"
#include "tables/button_table.h"
#include "tables/key_characters.h"
#include "tables/key_table.h"

namespace orvane {
namespace {

// The desktop's translations, which the page hands in as it starts; a
// text without one is said in its English source.
std::unordered_map<std::string, std::u16string>& Translations() {
    static std::unordered_map<std::string, std::u16string> translations;
    return translations;
}

std::u16string PageTranslate(const char* source) {
    const auto found = Translations().find(source);
    return found == Translations().end() ? FromUtf8(source) : found->second;
}

Narration& Voice() {
    static Narration narration(PageTranslate);
    return narration;
}

// Keeps the captions and the clipboard text for the page to read, and tells
// the narration each caption.
class PageSink : public DisplaySink {
public:
    void ShowCaption(Label label, const std::u16string& caption) override {
        captions_[static_cast<std::size_t>(label) - 1] = ToUtf8(caption);
        Voice().CaptionShown(label, caption);
    }
    void PutOnClipboard(const std::u16string& text) override {
        clipboard_ = ToUtf8(text);
        ++clipboardWrites_;
    }

    const std::string& caption(int label) const {
        return captions_[static_cast<std::size_t>(label) - 1];
    }
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

// What the last call in has the page say, UTF-8; the page reads it at once.
std::string& Said() {
    static std::string said;
    return said;
}

const char* Say(const SpokenLine& line) {
    Said() = ToUtf8(line.plain);
    return Said().c_str();
}

// Any other text handed out, valid until the next such call.
const char* Reply(std::u16string_view text) {
    static std::string reply;
    reply = ToUtf8(text);
    return reply.c_str();
}

// Runs a key's action at the page's clock and keeps what to say of it.
void Follow(KeyAction action, double now, const std::function<void()>& run) {
    Say(Voice().Follow(action, run, static_cast<Narration::Milliseconds>(now)));
}

}  // namespace
}  // namespace orvane

using namespace orvane;

extern "C" {

// Start-up: clear-all and both memory clears, as the window's load does.
void orvane_start() { Engine().Form_Load(); }

// A click on CommandN at `now` (milliseconds on the page's clock); an
// unavailable or unknown button does nothing.
void orvane_press_button(int number, double now) {
    const ButtonSpec* button = FindButton(number);
    const KeyAction action = button ? button->action : KeyAction::None;
    Follow(action, now, [action] { Engine().Perform(action); });
}

// The window's key-down handler, with a key-table code and modifier mask:
// the key is looked up once, for what is said and for what is done.
void orvane_key_down(int keyCode, int mask, double now) {
    const KeyAction action =
        LookUpKey(static_cast<std::int16_t>(keyCode), static_cast<std::int16_t>(mask));
    Follow(action, now, [action] { Engine().Perform(action); });
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
void orvane_copy(int label, double now) {
    const KeyAction copy = label == 1 ? KeyAction::CopyExpression : KeyAction::CopyAnswer;
    Follow(copy, now, [copy] { Engine().Perform(copy); });
}

// What the last press, key or copy has the page say at once ("" for
// nothing); when the echoes of a burst of keys are due, on the page's
// clock (-1 when none wait), and then what they say.
const char* orvane_said() { return Said().c_str(); }
double orvane_gathered_due() {
    const auto due = Voice().GatheredDue();
    return due ? static_cast<double>(*due) : -1;
}
const char* orvane_say_gathered() { return Say(Voice().SayGathered()); }

// A translation of the desktop's, as the page starts: English source, text.
void orvane_translate(const char* source, const char* translation) {
    Translations()[source] = FromUtf8(translation);
}

// What LabelN reads as: its value in words, the answer as a sentence, a
// memory after its name.
const char* orvane_display_line(int label) {
    if (label < 1 || label > 4) return "";
    const auto which = static_cast<Label>(label);
    const std::u16string& caption = Voice().Shown(which);
    return Reply(which == Label::Answer ? Voice().Words().AnswerSentence(caption)
                                        : Voice().Words().Caption(which, caption));
}

// What the About box says, in the order of its parts: its name, its
// description, then its title, version, description and mail lines.
const char* orvane_about_line(int part) {
    const AboutLines about = ReadAboutBox(Voice().Words());
    const std::u16string* lines[] = {
        &about.name,          &about.description,       &about.title,
        &about.spokenVersion, &about.spokenDescription, &about.spokenDisclaimer};
    return Reply(part >= 0 && part < 6 ? *lines[part] : std::u16string_view());
}

// The engine's record as the tab keeps it, and one kept earlier put back:
// 1 when it was taken, 0 when it was refused and nothing changed.
const char* orvane_saved_record() {
    static std::string saved;
    saved = SaveRecord(Engine());
    return saved.c_str();
}
int orvane_restore_record(const char* record) { return RestoreRecord(Engine(), record) ? 1 : 0; }

// The caption of LabelN (1 to 4), UTF-8; valid until the next call in.
const char* orvane_caption(int label) {
    return label >= 1 && label <= 4 ? Sink().caption(label).c_str() : "";
}

// The last text put on the clipboard, and how many times text was put there,
// so the page knows when to hand it on.
const char* orvane_clipboard() { return Sink().clipboard().c_str(); }
int orvane_clipboard_writes() { return Sink().clipboardWrites(); }

}  // extern "C"
