#pragma once

namespace orvane {

// Whether the program has somewhere to show its window: a display named in
// the environment, or a platform asked for with -platform NAME (also
// --platform, -platform=NAME) or QT_QPA_PLATFORM, such as offscreen.
bool HasDisplay(int argc, char** argv);

// The one line that says no display was found and how to run anyway.
void ReportNoDisplay(const char* program);

// Held around the construction of QApplication. A display that is named but
// cannot be opened makes Qt give up with advice to reinstall and an abort
// (status 134, a core); while this guard lives, that ends the program with
// one line naming the display and the way out, and status 1. What Qt says
// meanwhile is held back, and passed on once the guard is released.
class DisplayOpenGuard {
public:
    DisplayOpenGuard(const char* program, int argc, char** argv);
    ~DisplayOpenGuard() { Release(); }

    // The display is open: Qt's messages go their usual way again.
    void Release();
    DisplayOpenGuard(const DisplayOpenGuard&) = delete;
    DisplayOpenGuard& operator=(const DisplayOpenGuard&) = delete;
};

}  // namespace orvane
