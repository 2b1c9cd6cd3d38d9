#include <QApplication>
#include <cstdio>

#include "app/deferred_icon_style.h"
#include "app/form1.h"
#include "app/translations.h"

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
    // The menu bar belongs to the window, above its fixed client area, on
    // every desktop: never handed over to a desktop-wide global menu.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    orvane::InstallTranslations(app);
    QApplication::setStyle(new orvane::DeferredIconStyle(QApplication::style()));
    // Ties the window to its desktop entry, for its icon and name on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));
    orvane::Form1 form;
    form.show();
    return app.exec();
}
