#include "app/icon.h"

#include <QImageReader>
#include <QString>
#include <array>

namespace orvane {
namespace {

constexpr std::array kIconSizes = {16, 24, 32, 48, 64, 128};  // smallest first

// Named as PNG with detection off: otherwise the reader asks every image
// plugin on the system whether it knows the format, loading each (SVG with
// its library, JPEG, GIF, ICO) before it falls back to its own PNG decoder.
QPixmap IconPixmap(int size) {
    QImageReader reader(QStringLiteral(":/icons/orvane-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

// Window managers draw a window's own icon at title-bar and task-switcher
// sizes; launchers take the large pictures from the installed icon theme.
// Every size given here is decoded and sent to the X server at start-up, so
// the window carries only the small ones.
constexpr int kLargestWindowIcon = 64;

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        if (size <= kLargestWindowIcon) icon.addPixmap(IconPixmap(size));
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
    QPixmap pixmap = IconPixmap(chosen);
    if (chosen != wanted) {
        pixmap = pixmap.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace orvane
