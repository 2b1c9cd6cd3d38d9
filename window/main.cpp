#include <QApplication>

#include "faces/deferred_icon_style.h"
#include "window/form1.h"
#include "window/startup_display.h"
#include "window/translations.h"
#include "window_kit/gothic_font_configuration.h"

int main(int argc, char** argv) {
    const char* program = argc > 0 ? argv[0] : "orvane";
    if (!orvane::HasDisplay(argc, argv)) {
        orvane::ReportNoDisplay(program);
        return 1;
    }
    // The menu bar belongs to the window, above its fixed client area, on
    // every desktop: never handed over to a desktop-wide global menu.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    orvane::UseGothicFontConfiguration();
    orvane::DisplayOpenGuard displayGuard(program, argc, argv);
    QApplication app(argc, argv);
    displayGuard.Release();
    orvane::InstallTranslations(app);
    QApplication::setStyle(new orvane::DeferredIconStyle(QApplication::style()));
    // Ties the window to its desktop entry, for its icon and name on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));
    orvane::Form1 form;
    form.show();
    return app.exec();
}
