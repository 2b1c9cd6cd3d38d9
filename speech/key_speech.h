#pragma once

#include <QAccessible>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include "narration/narration.h"
#include "record/display_sink.h"
#include "speech/answer_announcer.h"
#include "tables/key_action.h"

class QWidget;

namespace orvane {

// The narration delivered to screen readers through Qt's accessibility:
// each echo as a brief notification in a status line, each answer as a
// notification of its own. The displays' own changes are left untold while
// an echo says them, so that a fast typist never floods the screen reader
// into dropping the answer.
class KeySpeech : private QAccessible::ActivationObserver {
public:
    explicit KeySpeech(QWidget* parent);
    ~KeySpeech() override;

    // Each display setter, as it is called.
    void CaptionShown(Label label, const QString& caption);

    // The narration that the input path tells, and its clock.
    Narration& narration() { return narration_; }
    Narration::Milliseconds Now() const { return clock_.elapsed(); }

    // Told by the input path just before an action runs.
    void Running(KeyAction action) { following_ = action != KeyAction::Evaluate; }
    // Says what an input did, once it has run.
    void Deliver(const SpokenLine& line);

    // The answer as a sentence of its own ("Answer: 14."), said by the
    // evaluate key's description and the status bar.
    QString AnswerSentence() const {
        return QString::fromStdU16String(narration_.AnswerSentence());
    }

    // Says a text as a key's echo is said: the name of a menu as it opens,
    // which a screen reader does not say of a popup menu by itself.
    void Tell(const QString& text);

    // Whether the displays' changes go untold because the echo says them.
    bool Echoes() const { return following_ && listening_; }

private:
    void accessibilityActiveChanged(bool active) override { listening_ = active; }
    void Say(const SpokenLine& line);

    Narration narration_;
    AnswerAnnouncer answers_;
    AnswerAnnouncer keys_;
    bool listening_ = QAccessible::isActive();
    bool following_ = false;  // a key other than evaluate is running
    QElapsedTimer clock_;
    QTimer gathered_;  // runs until a burst's gathered echoes are due
};

}  // namespace orvane
