#pragma once

#include <QString>

class QWidget;

namespace orvane {

// Has screen readers speak the outcome of an evaluation while the focus
// stays on the evaluate key. Screen readers say nothing when a label's text
// changes away from the focus, but they do speak a notification as it
// appears: so the text is put on a notification that is hidden and shown
// again each time. It takes no room on screen and never takes the focus.
class AnswerAnnouncer {
public:
    explicit AnswerAnnouncer(QWidget* parent);

    void Announce(const QString& text);

private:
    QWidget* notification_;
};

}  // namespace orvane
