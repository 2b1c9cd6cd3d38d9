#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>

#include "record/display_sink.h"
#include "speech/answer_announcer.h"
#include "tables/key_action.h"

class QWidget;

namespace orvane {

// The calculator read out: a second view of what the displays show. It
// hears every caption the engine sets and, when a key has run, says what
// that key did: the text it added to the expression (with what the
// calculator inserted by itself), what backspace removed, that the key was
// refused, that all was cleared, or a memory's new content. After an
// evaluation it says the answer or the message. It never looks into the
// calculator itself.
// Keys typed faster than a voice can say them are said together: the first
// at once, the rest gathered until the voice has had time for it. Each
// saying is one event to the screen reader, and the displays' own changes
// are left untold while the echo says them, so that a fast typist
// never floods the screen reader into dropping the answer. The answer is
// said at once, in place of any echo still waiting.
class KeySpeech : private QAccessible::ActivationObserver {
public:
    explicit KeySpeech(QWidget* parent);
    ~KeySpeech() override;

    // Each display setter, as it is called.
    void CaptionShown(Label label, const QString& caption);

    // Runs one key's action and then says what it did.
    void Follow(KeyAction action, const std::function<void()>& run);

    // The answer as a sentence of its own ("Answer: 14."), said after each
    // key's description and by the status bar.
    QString AnswerSentence() const;

    // Whether the displays' changes go untold because the echo says them.
    bool Echoes() const { return following_ && listening_; }

private:
    void accessibilityActiveChanged(bool active) override { listening_ = active; }
    QString Describe(KeyAction action, const QString& expressionBefore) const;
    QString MemoryPhrase(KeyAction action) const;
    void SayWaiting();
    const QString& Shown(Label label) const { return captions_[static_cast<int>(label) - 1]; }

    AnswerAnnouncer answers_;
    AnswerAnnouncer keys_;
    std::array<QString, 4> captions_;
    bool listening_ = QAccessible::isActive();
    bool following_ = false;  // a key other than evaluate is running
    QStringList waiting_;     // echoes gathered while the voice is busy
    QTimer pace_;             // runs while the last echo is being said
};

}  // namespace orvane
