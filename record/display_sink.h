#pragma once

#include <string>

#include "tables/display_label.h"

namespace orvane {

// Where the engine's output goes: the window shows it, tests and the replay
// driver record it. The engine calls nothing else on the outside world.
class DisplaySink {
public:
    virtual ~DisplaySink() = default;
    virtual void ShowCaption(Label label, const std::u16string& caption) = 0;
    // Hands text to the clipboard; a clipboard that cannot be written is left as it was.
    virtual void PutOnClipboard(const std::u16string& text) = 0;
};

// Shows nothing and copies nothing: for an engine run only for its record.
class NoDisplay : public DisplaySink {
public:
    void ShowCaption(Label, const std::u16string&) override {}
    void PutOnClipboard(const std::u16string&) override {}
};

}  // namespace orvane
