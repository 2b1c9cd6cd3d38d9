#include "app/icon.h"

#include <QImage>

#include "app/icon_pixels.h"

namespace orvane {
namespace {

// The picture of one size, straight from the pixels built into the program:
// no file is read, nothing is decoded, and the pixmap shares the pixels.
QPixmap IconPixmap(const IconPixels& icon) {
    const QImage image(reinterpret_cast<const uchar*>(icon.pixels), icon.size, icon.size,
                       QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image, Qt::NoFormatConversion);
}

}  // namespace

// Window managers draw a window's own icon at title-bar and task-switcher
// sizes; launchers take the large pictures from the installed icon theme.
// Every size given here is copied and sent to the X server at start-up, so
// the window carries only the small ones.
constexpr int kLargestWindowIcon = 64;

QIcon ProgramIcon() {
    QIcon icon;
    for (int i = 0; i < kIconPixelsCount; ++i) {
        if (kIconPixels[i].size <= kLargestWindowIcon) icon.addPixmap(IconPixmap(kIconPixels[i]));
    }
    return icon;
}

QPixmap ProgramIconPixmap(qreal devicePixelRatio) {
    const int wanted = qRound(32 * devicePixelRatio);
    const IconPixels* chosen = &kIconPixels[kIconPixelsCount - 1];
    for (int i = 0; i < kIconPixelsCount; ++i) {
        if (kIconPixels[i].size >= wanted) {
            chosen = &kIconPixels[i];
            break;
        }
    }
    QPixmap pixmap = IconPixmap(*chosen);
    if (chosen->size != wanted) {
        pixmap = pixmap.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace orvane
