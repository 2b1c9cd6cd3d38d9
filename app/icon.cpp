#include "app/icon.h"

#include <QString>
#include <array>

namespace orvane {
namespace {

constexpr std::array kIconSizes = {16, 24, 32, 48, 64, 128};  // smallest first

QString IconFile(int size) { return QStringLiteral(":/icons/orvane-%1.png").arg(size); }

}  // namespace

// Window managers draw a window's own icon at title-bar and task-switcher
// sizes; launchers take the large pictures from the installed icon theme.
// Every size given here is decoded and sent to the X server at start-up, so
// the window carries only the small ones.
constexpr int kLargestWindowIcon = 64;

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        if (size <= kLargestWindowIcon) icon.addFile(IconFile(size), QSize(size, size));
    }
    return icon;
}

QPixmap ProgramIconPixmap(qreal devicePixelRatio) {
    const int wanted = qRound(32 * devicePixelRatio);
    int chosen = kIconSizes.back();
    for (const int size : kIconSizes) {
        if (size >= wanted) {
            chosen = size;
            break;
        }
    }
    QPixmap pixmap(IconFile(chosen), "PNG");
    if (chosen != wanted) {
        pixmap = pixmap.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace orvane
