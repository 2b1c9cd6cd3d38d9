// What is said of a paste and of the expression said on request.
#include "narration/narration.h"
#include "tables/command_phrases.h"

namespace orvane {

SpokenLine Narration::Pasted(const std::u16string& expressionBefore,
                             const std::optional<PasteRefusal>& refusal, Milliseconds now) {
    std::u16string phrase;
    if (refusal) {
        using Reason = PasteRefusal::Reason;
        switch (refusal->reason) {
            case Reason::NoText:
                phrase = words_(kCommandPhrases.noText);
                break;
            case Reason::TooLong:
                phrase = words_(kCommandPhrases.tooLong);
                break;
            case Reason::NoKey:
                phrase = Fill(words_(kCommandPhrases.noKey), refusal->text);
                break;
            case Reason::Refused:
                phrase = Fill(words_(kCommandPhrases.refused), words_.Symbols(refusal->text));
                break;
        }
    } else {
        // Said once, as a whole: what went on the end of the expression.
        const std::u16string& after = Shown(Label::Expression);
        const bool appended =
            !ShowsNoExpression(expressionBefore) && after.starts_with(expressionBefore);
        phrase = Fill(
            words_(kCommandPhrases.pasted),
            words_.Symbols(appended ? std::u16string_view(after).substr(expressionBefore.size())
                                    : std::u16string_view(after)));
    }
    lastKey_ = now;
    if (!gathered_.empty()) gathered_ += u' ';
    gathered_ += phrase;
    return SayGathered();
}

SpokenLine Narration::ExpressionAndAnswer() const {
    return Echo(Fill(words_(kCommandPhrases.expression),
                     words_.Caption(Label::Expression, Shown(Label::Expression)),
                     words_.AnswerSentence(Shown(Label::Answer))));
}

}  // namespace orvane
