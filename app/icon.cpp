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

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kIconSizes) icon.addPixmap(IconPixmap(size));
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
