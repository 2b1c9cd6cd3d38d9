#include "window_kit/fixed_window_state.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace orvane {
namespace {

constexpr Qt::WindowStates kLargeStates = Qt::WindowMaximized | Qt::WindowFullScreen;

class NormalStateKeeper : public QObject {
public:
    explicit NormalStateKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        // The window calls itself normal as soon as it has asked to be, before
        // the compositor has answered; the fixed size comes back only once the
        // window has been normal, at its own size, for a while.
        settle_.setSingleShot(true);
        settle_.setInterval(1000);
        connect(&settle_, &QTimer::timeout, this, &NormalStateKeeper::fixSizeAgain);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The platform window exists from the first show on; a window made
        // anew (after a change of flags) brings a new one.
        if (watched == &window_ && (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)) {
            if (QWindow* handle = window_.windowHandle()) {
                connect(handle, &QWindow::windowStateChanged, this, &NormalStateKeeper::stateChanged,
                        Qt::UniqueConnection);
            }
        }
        if (watched == &window_ && event->type() == QEvent::Resize && sizeLetGo_) settle_.start();
        return false;
    }

private:
    void stateChanged(Qt::WindowState) {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || restoring_) return;
        const Qt::WindowStates states = handle->windowStates();
        if (states & kLargeStates) {
            if (QGuiApplication::platformName() == QLatin1String("wayland")) {
                handle->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
                sizeLetGo_ = true;
                settle_.start();
            }
            // Asked once the platform has taken in the state it reported:
            // a request that matches what it last applied is never sent.
            QMetaObject::invokeMethod(this, &NormalStateKeeper::askForNormal, Qt::QueuedConnection);
        }
    }

    void askForNormal() {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || !(handle->windowStates() & kLargeStates)) return;
        restoring_ = true;
        handle->setWindowStates(handle->windowStates() & ~kLargeStates);
        restoring_ = false;
    }

    void fixSizeAgain() {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || (handle->windowStates() & kLargeStates) ||
            window_.size() != window_.minimumSize()) {
            return;  // a resize or a state report starts the wait again
        }
        handle->setMaximumSize(window_.maximumSize());
        sizeLetGo_ = false;
    }

    QWidget& window_;
    QTimer settle_;
    bool restoring_ = false;
    bool sizeLetGo_ = false;
};

}  // namespace

void KeepWindowStateNormal(QWidget& window) { new NormalStateKeeper(window); }

}  // namespace orvane
