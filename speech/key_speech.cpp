#include "speech/key_speech.h"

#include <QAccessible>
#include <QCoreApplication>

#include "speech/spoken_captions.h"

namespace orvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Orvane", text); }

// The expression as typed, with the idle caption read as nothing typed.
QString Typed(const QString& caption) { return ShowsNoExpression(caption) ? QString() : caption; }

}  // namespace

KeySpeech::KeySpeech(QWidget* parent)
    : answers_(parent, QStringLiteral("answerNotification"), AnswerAnnouncer::Style::Notification),
      keys_(parent, QStringLiteral("keyNotification"), AnswerAnnouncer::Style::Brief) {
    // Told when a screen reader comes or goes.
    QAccessible::installActivationObserver(this);
}

KeySpeech::~KeySpeech() { QAccessible::removeActivationObserver(this); }

void KeySpeech::CaptionShown(Label label, const QString& caption) {
    captions_[static_cast<int>(label) - 1] = caption;
}

void KeySpeech::Follow(KeyAction action, const std::function<void()>& run) {
    const QString expressionBefore = Shown(Label::Expression);
    run();
    if (action == KeyAction::Evaluate) {
        // Made whether or not a screen reader listens yet: a reader that
        // starts later finds the last outcome there.
        answers_.Announce(SpokenCaption(Label::Answer, Shown(Label::Answer)));
        return;
    }
    // Nothing else is worth the work while nobody listens.
    if (!listening_) return;
    const QString phrase = Describe(action, expressionBefore);
    if (!phrase.isEmpty()) keys_.Announce(phrase);
}

QString KeySpeech::Describe(KeyAction action, const QString& expressionBefore) const {
    switch (action) {
        case KeyAction::None:
        case KeyAction::Evaluate:
        case KeyAction::CopyExpression:
        case KeyAction::CopyAnswer:
            return {};
        case KeyAction::ClearAll:
            return Tr(QT_TRANSLATE_NOOP("Orvane", "cleared"));
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
    if (before == after) return Tr(QT_TRANSLATE_NOOP("Orvane", "refused"));
    if (after.startsWith(before)) {
        QString added = after.mid(before.size());
        if (action == KeyAction::RecallMemory1 || action == KeyAction::RecallMemory2) {
            // The token alone does not say which value went in.
            const Label memory =
                action == KeyAction::RecallMemory1 ? Label::Memory1 : Label::Memory2;
            added += QStringLiteral(", ") + SpokenCaption(memory, Shown(memory));
        }
        return added;
    }
    if (before.startsWith(after)) {
        return Tr(QT_TRANSLATE_NOOP("Orvane", "deleted %1")).arg(before.mid(after.size()));
    }
    return SpokenCaption(Label::Expression, Shown(Label::Expression));
}

QString KeySpeech::MemoryPhrase(KeyAction action) const {
    switch (action) {
        case KeyAction::StoreMemory1:
            return Tr(QT_TRANSLATE_NOOP("Orvane", "memory 1, %1"))
                .arg(SpokenCaption(Label::Memory1, Shown(Label::Memory1)));
        case KeyAction::StoreMemory2:
            return Tr(QT_TRANSLATE_NOOP("Orvane", "memory 2, %1"))
                .arg(SpokenCaption(Label::Memory2, Shown(Label::Memory2)));
        case KeyAction::ClearMemory1:
            return Tr(QT_TRANSLATE_NOOP("Orvane", "memory 1 cleared"));
        default:
            return Tr(QT_TRANSLATE_NOOP("Orvane", "memory 2 cleared"));
    }
}

}  // namespace orvane
