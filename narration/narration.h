#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "narration/spoken_text.h"
#include "record/calculator.h"
#include "record/display_sink.h"
#include "tables/key_action.h"

namespace orvane {

// One thing to say to a screen reader.
struct SpokenLine {
    enum class Kind { Nothing, Echo, Answer };
    Kind kind = Kind::Nothing;
    // As said where its kind is told with it (the desktop's notification
    // reads "notification 14").
    std::u16string text;
    // As said where nothing tells its kind (a web page's live region): an
    // answer as a sentence, so that it does not sound like a key's echo.
    std::u16string plain;
};

// The calculator read out: a second view of what the displays show. It
// hears every caption the engine sets and, when a key has run, says what
// that key did: the text it added to the expression (with what the
// calculator inserted by itself), what backspace removed, that the key was
// refused, that all was cleared, a memory's new content, or what was copied.
// After an evaluation it says the answer or the message. It never looks
// into the calculator itself.
//
// Keys typed faster than a voice can begin to say them, a burst, are said
// together: the first at once, the rest as soon as the burst ends. A screen
// reader drops what it has queued at every key press, so an echo held back
// until just before the next key would be lost; an echo is said at the key
// that made it, or, in a burst, when no key follows. The answer is said at
// once, in place of any echo still gathered.
class Narration {
public:
    using Milliseconds = std::int64_t;
    // Keys closer together than this are a burst: machine typing, or a paste.
    static constexpr Milliseconds kBurstMs = 200;

    explicit Narration(Translate translate) : words_(std::move(translate)) {}

    const SpokenText& Words() const { return words_; }

    // Each display setter, as it is called.
    void CaptionShown(Label label, std::u16string caption);
    const std::u16string& Shown(Label label) const {
        return captions_[static_cast<int>(label) - 1];
    }

    // Runs one key's action at `now` and returns what to say at once.
    SpokenLine Follow(KeyAction action, const std::function<void()>& run, Milliseconds now);

    // A paste at `now`: what it typed, said once as a whole, or why it typed
    // nothing. The expression display as it was before comes first.
    SpokenLine Pasted(const std::u16string& expressionBefore,
                      const std::optional<PasteRefusal>& refusal, Milliseconds now);
    // The expression and the answer, said on request.
    SpokenLine ExpressionAndAnswer() const;

    // When the gathered echoes are to be said, if any wait.
    std::optional<Milliseconds> GatheredDue() const;
    // The gathered echoes as one line; none wait after it.
    SpokenLine SayGathered();

    // The answer as a sentence of its own ("Answer: 14."): the status bar's
    // text and the evaluate key's description.
    std::u16string AnswerSentence() const { return words_.AnswerSentence(Shown(Label::Answer)); }

private:
    std::u16string Describe(KeyAction action, const std::u16string& expressionBefore) const;
    std::u16string MemoryPhrase(KeyAction action) const;
    SpokenLine Echo(std::u16string text) const;

    SpokenText words_;
    std::array<std::u16string, 4> captions_;
    std::u16string gathered_;  // echoes of a burst, not said yet
    std::optional<Milliseconds> lastKey_;
};

}  // namespace orvane
