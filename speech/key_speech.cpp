#include "speech/key_speech.h"

#include "speech/face_button_accessible.h"
#include "speech/spoken_captions.h"

namespace orvane {

KeySpeech::KeySpeech(QWidget* parent)
    : narration_(DesktopTranslate),
      answers_(parent, QStringLiteral("answerNotification"), AnswerAnnouncer::Style::Notification),
      keys_(parent, QStringLiteral("keyNotification"), AnswerAnnouncer::Style::Brief) {
    // Told when a screen reader comes or goes.
    QAccessible::installActivationObserver(this);
    clock_.start();
    gathered_.setSingleShot(true);
    QObject::connect(&gathered_, &QTimer::timeout, &gathered_,
                     [this] { Say(narration_.SayGathered()); });
}

KeySpeech::~KeySpeech() { QAccessible::removeActivationObserver(this); }

void KeySpeech::CaptionShown(Label label, const QString& caption) {
    narration_.CaptionShown(label, caption.toStdU16String());
    if (label == Label::Answer) TellKeysTheAnswer(AnswerSentence());
}

void KeySpeech::Deliver(const SpokenLine& line) {
    following_ = false;
    Say(line);
    if (const auto due = narration_.GatheredDue()) {
        gathered_.start(static_cast<int>(std::max<qint64>(0, *due - clock_.elapsed())));
    } else {
        gathered_.stop();
    }
}

void KeySpeech::Tell(const QString& text) {
    if (listening_) keys_.Announce(text);
}

void KeySpeech::Say(const SpokenLine& line) {
    const QString text = QString::fromStdU16String(line.text);
    // The answer is made whether or not a screen reader listens yet: a
    // reader that starts later finds the last outcome there. Nothing else is
    // worth the work while nobody listens.
    if (line.kind == SpokenLine::Kind::Answer) answers_.Announce(text);
    if (line.kind == SpokenLine::Kind::Echo && listening_) keys_.Announce(text);
}

}  // namespace orvane
