#pragma once

#include <QAccessible>
#include <QString>
#include <array>
#include <functional>

#include "speech/answer_announcer.h"
#include "entry/display_sink.h"
#include "entry/key_action.h"

class QWidget;

namespace orvane {

// The calculator read out: a second view of what the displays show. It
// hears every caption the engine sets and, when a key has run, says what
// that key did: the text it added to the expression (with what the
// calculator inserted by itself), what backspace removed, that the key was
// refused, that all was cleared, or a memory's new content. After an
// evaluation it says the answer or the message. It never looks into the
// calculator itself.
class KeySpeech : private QAccessible::ActivationObserver {
public:
    explicit KeySpeech(QWidget* parent);
    ~KeySpeech() override;

    // Each display setter, as it is called.
    void CaptionShown(Label label, const QString& caption);

    // Runs one key's action and then says what it did.
    void Follow(KeyAction action, const std::function<void()>& run);

private:
    void accessibilityActiveChanged(bool active) override { listening_ = active; }
    QString Describe(KeyAction action, const QString& expressionBefore) const;
    QString MemoryPhrase(KeyAction action) const;
    const QString& Shown(Label label) const { return captions_[static_cast<int>(label) - 1]; }

    AnswerAnnouncer answers_;
    AnswerAnnouncer keys_;
    std::array<QString, 4> captions_;
    bool listening_ = QAccessible::isActive();
};

}  // namespace orvane
