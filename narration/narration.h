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
// Keys typed faster than a voice can say their echoes, a burst, are said
// together: the first at once, the rest in one line once the typing pauses.
// A screen reader stops speaking at every key press, so an echo said while
// keys still come is cut short; said in the pause, the line is heard whole.
// The answer is said at once, in place of any echo still gathered.
class Narration {
public:
    using Milliseconds = std::int64_t;
    // Keys closer together than this are a burst: the time a voice needs to
    // say a short echo. espeak-ng, which Debian's screen readers speak with,
    // takes 0.67 s for "plus", 0.83 s for "times" and 0.80 s for "かける";
    // a typist at three keys a second would cut every one of them.
    static constexpr Milliseconds kBurstMs = 850;

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
