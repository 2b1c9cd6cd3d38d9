#include "app/fixed_window_state.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <QWindow>

namespace orvane {
namespace {

constexpr Qt::WindowStates kLargeStates = Qt::WindowMaximized | Qt::WindowFullScreen;

class NormalStateKeeper : public QObject {
public:
    explicit NormalStateKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
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
            }
            // Asked once the platform has taken in the state it reported:
            // a request that matches what it last applied is never sent.
            QMetaObject::invokeMethod(this, &NormalStateKeeper::askForNormal, Qt::QueuedConnection);
        } else if (sizeLetGo_) {
            // Back to normal on the compositor's word: the fixed size again.
            handle->setMaximumSize(window_.maximumSize());
            sizeLetGo_ = false;
        }
    }

    void askForNormal() {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || !(handle->windowStates() & kLargeStates)) return;
        restoring_ = true;
        handle->setWindowStates(handle->windowStates() & ~kLargeStates);
        restoring_ = false;
    }

    QWidget& window_;
    bool restoring_ = false;
    bool sizeLetGo_ = false;
};

}  // namespace

void KeepWindowStateNormal(QWidget& window) { new NormalStateKeeper(window); }

}  // namespace orvane
