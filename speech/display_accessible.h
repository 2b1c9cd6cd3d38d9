#pragma once

#include <QString>

#include "record/display_sink.h"

class QLabel;
class QWidget;

namespace orvane {

// The four displays, as assistive technology sees them: a name that says
// which display it is ("expression", "answer", "memory 1", "memory 2"), the
// caption as the display's value, and the caption's spoken form as its text.
// A plain label would offer only one of these: its caption as its name,
// until it is given a name.
// Call it before the label is given a caption: a caption announced earlier
// would leave Qt holding a plain label's interface for it.
void MakeDisplayAccessible(QLabel* display, Label which);

// A bare box that screen readers take for the window's status bar. The
// answer display stands in one of its own size, so that a screen reader's
// command for reading the status bar reads the answer.
QWidget* NewStatusBar(QWidget* parent);

// Sets a display's caption and, unless something else says it already,
// tells assistive technology that it changed.
void SetDisplayCaption(QLabel* display, const QString& caption, bool tell);

}  // namespace orvane
