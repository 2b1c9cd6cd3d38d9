// The page's way into the engine: a few C functions compiled into the
// WebAssembly module. The page presses buttons and keys, reads the four
// captions and what was put on the clipboard, so it holds no calculator
// state. Its keypad is written from the same tables when it is built.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "entry/utf8.h"
#include "record/calculator.h"
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

// What a click on CommandN, or a key-table code with its mask, would do:
// the number of its action, for the page's voice to tell its effect.
int orvane_button_action(int number) {
    const ButtonSpec* button = FindButton(number);
    return static_cast<int>(button ? button->action : KeyAction::None);
}
int orvane_key_action(int keyCode, int mask) {
    return static_cast<int>(
        LookUpKey(static_cast<std::int16_t>(keyCode), static_cast<std::int16_t>(mask)));
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

}  // extern "C"
