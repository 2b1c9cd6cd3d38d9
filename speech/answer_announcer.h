#pragma once

#include <QString>
#include <vector>

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
    // Keys come faster than a screen reader gets round to reading a
    // notification, and it reads the text it finds then: so brief texts go
    // in turn to a few notifications, each keeping its text a while.
    enum class Style { Notification, Brief };

    AnswerAnnouncer(QWidget* parent, const QString& name, Style style);

    void Announce(const QString& text);

private:
    std::vector<QWidget*> notifications_;
    std::size_t last_ = 0;
};

}  // namespace orvane
