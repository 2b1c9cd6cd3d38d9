#include <QApplication>
#include <cstdio>

#include "app/form1.h"

namespace {

// Without a display Qt would abort with a message about platform plugins;
// say plainly what is missing and how to run the program anyway.
bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "orvane: no display found; run it on a desktop, or under a virtual one: "
                     "xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "build/orvane");
        return 1;
    }
    QApplication app(argc, argv);
    orvane::Form1 form;
    form.show();
    return app.exec();
}
