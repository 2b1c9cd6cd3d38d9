#include "speech/key_speech.h"

#include <QAccessible>
#include <QCoreApplication>
#include <algorithm>
#include <string_view>

#include "speech/face_button_accessible.h"
#include "speech/spoken_captions.h"
#include "tables/spoken_phrases.h"

namespace orvane {
namespace {

// About what a voice at its usual rate needs for a short echo ("plus",
// "4"): keys coming faster are gathered into the next saying.
constexpr int kEchoPaceMs = 450;

QString Tr(const char* text) { return QCoreApplication::translate("Orvane", text); }

// The expression as typed, with the idle caption read as nothing typed.
QString Typed(const QString& caption) { return ShowsNoExpression(caption) ? QString() : caption; }

}  // namespace

KeySpeech::KeySpeech(QWidget* parent)
    : answers_(parent, QStringLiteral("answerNotification"), AnswerAnnouncer::Style::Notification),
      keys_(parent, QStringLiteral("keyNotification"), AnswerAnnouncer::Style::Brief) {
    // Told when a screen reader comes or goes.
    QAccessible::installActivationObserver(this);
    pace_.setSingleShot(true);
    pace_.setInterval(kEchoPaceMs);
    QObject::connect(&pace_, &QTimer::timeout, &pace_, [this] { SayWaiting(); });
}

KeySpeech::~KeySpeech() { QAccessible::removeActivationObserver(this); }

void KeySpeech::CaptionShown(Label label, const QString& caption) {
    captions_[static_cast<int>(label) - 1] = caption;
    if (label == Label::Answer) TellKeysTheAnswer(AnswerSentence());
}

QString KeySpeech::AnswerSentence() const {
    const QString& caption = Shown(Label::Answer);
    const auto fixed =
        std::find_if(kFixedCaptions.begin(), kFixedCaptions.end(), [&](const FixedCaption& f) {
            return f.label == Label::Answer && caption == QString::fromUtf16(f.shown);
        });
    if (fixed == kFixedCaptions.end() && !caption.isEmpty()) {
        return Tr(kSpokenPhrases.answer).arg(SpokenSymbols(caption));
    }
    // The messages' English sources are sentences, the idle caption's is
    // not; their translations need not end so.
    const bool message =
        fixed != kFixedCaptions.end() && std::string_view(fixed->spoken).ends_with('.');
    return message ? Tr(fixed->spoken) : Tr(kSpokenPhrases.noAnswer);
}

void KeySpeech::Follow(KeyAction action, const std::function<void()>& run) {
    const QString expressionBefore = Shown(Label::Expression);
    following_ = action != KeyAction::Evaluate;
    run();
    following_ = false;
    if (action == KeyAction::Evaluate) {
        // What the typist waited for; the echoes of what led to it are old.
        waiting_.clear();
        pace_.stop();
        // Made whether or not a screen reader listens yet: a reader that
        // starts later finds the last outcome there.
        answers_.Announce(SpokenCaption(Label::Answer, Shown(Label::Answer)));
        return;
    }
    // Nothing else is worth the work while nobody listens.
    if (!listening_) return;
    const QString phrase = Describe(action, expressionBefore);
    if (phrase.isEmpty()) return;
    waiting_ << phrase;
    if (!pace_.isActive()) SayWaiting();
}

void KeySpeech::SayWaiting() {
    if (waiting_.isEmpty()) return;
    keys_.Announce(waiting_.join(u' '));
    waiting_.clear();
    pace_.start();
}

QString KeySpeech::Describe(KeyAction action, const QString& expressionBefore) const {
    switch (action) {
        case KeyAction::None:
        case KeyAction::Evaluate:
        case KeyAction::CopyExpression:
        case KeyAction::CopyAnswer:
            return {};
        case KeyAction::ClearAll:
            return Tr(kSpokenPhrases.cleared);
        case KeyAction::StoreMemory1:
        case KeyAction::StoreMemory2:
        case KeyAction::ClearMemory1:
        case KeyAction::ClearMemory2:
            return MemoryPhrase(action);
        default:
            break;
    }
    // Every other key types into the expression or, backspace, takes away.
    const QString before = Typed(expressionBefore);
    const QString after = Typed(Shown(Label::Expression));
    if (before == after) return Tr(kSpokenPhrases.refused);
    if (after.startsWith(before)) {
        QString added = after.mid(before.size());
        if (action == KeyAction::RecallMemory1 || action == KeyAction::RecallMemory2) {
            // The token alone does not say which value went in: the memory
            // is named with its value in its place.
            const Label memory =
                action == KeyAction::RecallMemory1 ? Label::Memory1 : Label::Memory2;
            added.chop(2);  // "M1" or "M2", after any sign put in before it
            const QString recalled = SpokenCaption(memory, Shown(memory));
            return added.isEmpty() ? recalled : SpokenSymbols(added) + u' ' + recalled;
        }
        return SpokenSymbols(added);
    }
    if (before.startsWith(after)) {
        return Tr(kSpokenPhrases.deleted).arg(SpokenSymbols(before.mid(after.size())));
    }
    return SpokenCaption(Label::Expression, Shown(Label::Expression));
}

QString KeySpeech::MemoryPhrase(KeyAction action) const {
    switch (action) {
        // A memory's display reads as its name and value.
        case KeyAction::StoreMemory1:
            return SpokenCaption(Label::Memory1, Shown(Label::Memory1));
        case KeyAction::StoreMemory2:
            return SpokenCaption(Label::Memory2, Shown(Label::Memory2));
        case KeyAction::ClearMemory1:
            return Tr(kSpokenPhrases.memory1Cleared);
        default:
            return Tr(kSpokenPhrases.memory2Cleared);
    }
}

}  // namespace orvane
