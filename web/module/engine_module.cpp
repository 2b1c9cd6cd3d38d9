// The page's way into the engine: a few C functions compiled into the
// WebAssembly module. The page presses buttons and keys, reads the four
// captions, what was put on the clipboard and what to say, so it holds no
// calculator state and no rule of what is said. Its keypad is written from
// the same tables when it is built.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "entry/saved_record.h"
#include "entry/utf8.h"
#include "input/calculator_input.h"
#include "narration/about_lines.h"
#include "narration/key_description.h"
#include "narration/narration.h"
#include "record/calculator.h"
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

CalculatorInput& Input() {
    static CalculatorInput input(Engine(), Voice());
    return input;
}

// KeyboardEvent.key names the character a key produced, or the key itself
// ("Backspace", "Escape"). A dead key is "Dead"; the page passes "^" for the
// one its layout types ^ with. Main-block characters bring the Shift their
// Japanese key needs instead of the one held; keypad keys and the keys
// known by name keep the Shift held, so a shifted keypad operator finds no
// row, as on the desktop. Ctrl and Alt always travel in the mask.
std::optional<VirtualKey> KeyFromName(std::u16string_view name, bool keypad, int mask) {
    std::optional<VirtualKey> key = NamedKey(name);
    const bool held = key || keypad;
    if (!key && name.size() == 1) key = keypad ? KeypadKey(name[0]) : MainBlockKey(name[0]);
    if (!key) return std::nullopt;
    const int shift = held ? (mask & kShiftMask) : key->mask;
    key->mask = static_cast<std::int16_t>(shift | (mask & (kCtrlMask | kAltMask)));
    return key;
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

Narration::Milliseconds At(double now) { return static_cast<Narration::Milliseconds>(now); }

}  // namespace
}  // namespace orvane

using namespace orvane;

extern "C" {

// Start-up: clear-all and both memory clears, as the window's load does.
void orvane_start() { Engine().Form_Load(); }

// A click on CommandN at `now` (milliseconds on the page's clock); an
// unavailable or unknown button does nothing.
void orvane_press_button(int number, double now) { Say(Input().Click(number, At(now))); }

// A key press, by KeyboardEvent.key on the keypad or not, with `mask` (1
// Shift, 2 Ctrl, 4 Alt) held: 0 when nothing took it, 1 when Form_KeyDown
// ran it (the key goes on to the focused key, as on the desktop), 2 when a
// command of the window ran it, 3 for paste, which the browser's paste
// event brings, and 4 for the menu bar.
int orvane_key(const char* key, int keypad, int mask, double now) {
    const std::u16string name = FromUtf8(key);
    const CalculatorInput::KeyOutcome outcome = Input().Key(
        KeyFromName(name, keypad != 0, mask), name, static_cast<std::int16_t>(mask), At(now));
    Say(outcome.said);
    return static_cast<int>(outcome.kind);
}

// The plain text of a paste event, read once, as it came.
void orvane_paste(const char* text, double now) { Say(Input().Paste(FromUtf8(text), At(now))); }

// Copy expression (1) or copy answer (2), as the Edit menu does.
void orvane_copy(int label, double now) {
    Say(Input().Menu(label == 1 ? MenuCommand::CopyExpression : MenuCommand::CopyAnswer, At(now)));
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

// What CommandN's description says, ending with its keyboard key; "" for
// a button that says nothing.
const char* orvane_button_description(int number) {
    return Reply(ButtonDescription(Voice().Words(), number));
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
