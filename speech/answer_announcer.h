#pragma once

#include <QString>

class QWidget;

namespace orvane {

// Has screen readers speak a text while the focus stays where it is.
// Screen readers say nothing when a label's text changes away from the
// focus, but they do speak a notification that appears. Each text is told
// with that one event: a notification that takes no room on screen, never
// takes the focus and stays shown, announced as appearing anew. A screen
// reader keeps what it once read of an object, so each text comes as a new
// object to it; a changed name would cost a second event per text.
class AnswerAnnouncer {
public:
    // A plain notification is read with its role ("notification 14"), fit
    // for the outcome of an evaluation. A brief one stands in a status line,
    // where screen readers read the text alone: fit for what each key did.
    enum class Style { Notification, Brief };

    AnswerAnnouncer(QWidget* parent, const QString& name, Style style);

    void Announce(const QString& text);

private:
    QWidget* notification_ = nullptr;
};

}  // namespace orvane
