// Takes the pictures of the calculator window that the README and the
// AppStream metainfo show: starts the window as the program does, types a
// short expression so the displays have something to show, and saves what
// the display server shows of it. Run it on a real or virtual X display;
// QT_SCALE_FACTOR=2 gives the picture for high-density screens.
//
//   orvane_screenshot <window.png> [<about-box.png>]
//
// It also takes the pictures a change of drawing must leave alone: the window
// as started, with an expression and its answer, and with a message. Two
// builds' pictures, taken at the same scale and in the same language, must
// be equal pixel for pixel (tools/screenshot/compare_builds).
//
//   orvane_screenshot --states <folder>    writes idle.png, expression.png, message.png
//   orvane_screenshot --compare <a.png> <b.png>   counts the pixels that differ
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <initializer_list>

#include "about/frm_about.h"
#include "window/form1.h"
#include "window_kit/gothic_font_configuration.h"

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

bool Take(orvane::Form1& form, const QString& path, std::initializer_list<int> buttons) {
    for (int number : buttons) {
        form.findChild<QAbstractButton*>(QStringLiteral("Command%1").arg(number))->click();
    }
    form.findChild<QWidget*>(QStringLiteral("Command1"))->setFocus();
    QApplication::processEvents();
    const QPixmap picture = form.screen()->grabWindow(form.winId());
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "orvane_screenshot: cannot grab or write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Prints how many pixels differ and where the first one is; 0 when equal.
int Compare(const char* a, const char* b) {
    const QImage left(QString::fromLocal8Bit(a));
    const QImage right(QString::fromLocal8Bit(b));
    if (left.isNull() || right.isNull() || left.size() != right.size()) {
        std::printf("%s and %s: cannot be read or differ in size\n", a, b);
        return 1;
    }
    long differing = 0;
    QPoint first;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            if (left.pixel(x, y) == right.pixel(x, y)) continue;
            if (differing++ == 0) first = {x, y};
        }
    }
    if (differing == 0) return 0;
    std::printf("%s: %ld pixels differ, the first at (%d, %d)\n", b, differing, first.x(), first.y());
    return 1;
}

int States(int argc, char** argv) {
    orvane::UseGothicFontConfiguration();
    QApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    orvane::Form1 form;
    form.show();
    if (!WaitUntilExposed(form)) return 1;
    // 2 × (3 + 4) = 14 with the answer stored in memory 1; then an
    // unbalanced parenthesis evaluated, which shows a message.
    return Take(form, folder.filePath(QStringLiteral("idle.png")), {}) &&
                   Take(form, folder.filePath(QStringLiteral("expression.png")),
                        {5, 16, 18, 6, 14, 7, 19, 1, 25}) &&
                   Take(form, folder.filePath(QStringLiteral("message.png")), {2, 18, 4, 1})
               ? 0
               : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && QByteArray(argv[1]) == "--compare") return Compare(argv[2], argv[3]);
    if (argc == 3 && QByteArray(argv[1]) == "--states") return States(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <window.png> [<about-box.png>]\n", argv[0]);
        return 2;
    }
    orvane::UseGothicFontConfiguration();
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
