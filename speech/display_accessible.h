#pragma once

#include <QString>

#include "entry/display_sink.h"

class QLabel;

namespace orvane {

// The four displays, as assistive technology sees them: a name that says
// which display it is ("expression", "answer", "memory 1", "memory 2"), the
// caption as the display's value, and the caption's spoken form as its text.
// A plain label would offer only one of these: its caption as its name,
// until it is given a name.
// Call it before the label is given a caption: a caption announced earlier
// would leave Qt holding a plain label's interface for it.
void MakeDisplayAccessible(QLabel* display, Label which);

// Sets a display's caption and tells assistive technology that it changed.
void SetDisplayCaption(QLabel* display, const QString& caption);

}  // namespace orvane
