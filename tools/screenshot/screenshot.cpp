// Takes the pictures of the calculator window that the README and the
// AppStream metainfo show: starts the window as the program does, types a
// short expression so the displays have something to show, and saves what
// the display server shows of it. Run it on a real or virtual X display;
// QT_SCALE_FACTOR=2 gives the picture for high-density screens.
//
//   orvane_screenshot <window.png> [<about-box.png>]
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "about/frm_about.h"
#include "app/form1.h"

namespace {

// Runs the event loop for a while, so the window manager, if any, settles.
void Settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// True once the display server shows the widget's window, within 5 seconds.
bool WaitUntilExposed(QWidget& widget) {
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (widget.windowHandle() && widget.windowHandle()->isExposed()) return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return false;
}

bool Save(QWidget& widget, const char* path) {
    Settle(300);
    const QPixmap picture = widget.screen()->grabWindow(widget.winId());
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(path))) {
        std::fprintf(stderr, "orvane_screenshot: cannot grab or write %s\n", path);
        return false;
    }
    std::printf("%s: %dx%d pixels at device pixel ratio %.2f\n", path, picture.width(),
                picture.height(), widget.devicePixelRatioF());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <window.png> [<about-box.png>]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    orvane::Form1 form;
    form.show();
    if (!WaitUntilExposed(form)) return 1;

    // 2 × (3 + 4) = 14, then the answer into memory 1.
    for (int number : {5, 16, 18, 6, 14, 7, 19, 1, 25}) {
        form.findChild<QAbstractButton*>(QStringLiteral("Command%1").arg(number))->click();
    }
    // The focus ring back on the evaluate key, as at start-up.
    form.findChild<QWidget*>(QStringLiteral("Command1"))->setFocus();
    if (!Save(form, argv[1])) return 1;

    if (argc > 2) {
        form.findChild<QAction*>(QStringLiteral("mnuVarjyon"))->trigger();
        orvane::frmAbout* about = form.aboutBox();
        if (!about || !WaitUntilExposed(*about) || !Save(*about, argv[2])) return 1;
    }
    return 0;
}
