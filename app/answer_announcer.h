#pragma once

#include <QString>

class QWidget;

namespace orvane {

// Has screen readers speak a text while the focus stays where it is.
// Screen readers say nothing when a label's text changes away from the
// focus, but they do speak a notification as it appears: so the text is put
// on a notification that is hidden and shown again each time. It takes no
// room on screen and never takes the focus.
class AnswerAnnouncer {
public:
    // A plain notification is read with its role ("notification 14"), fit
    // for the outcome of an evaluation. A brief one stands in a status line,
    // where screen readers read the text alone: fit for what each key did.
    enum class Style { Notification, Brief };

    AnswerAnnouncer(QWidget* parent, const QString& name, Style style);

    void Announce(const QString& text);

private:
    QWidget* notification_;
};

}  // namespace orvane
