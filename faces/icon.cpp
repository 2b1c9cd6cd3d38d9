#include "faces/icon.h"

#include <QImage>
#include <QResource>
#include <QString>
#include <array>

namespace orvane {
namespace {

constexpr std::array kIconSizes = {16, 24, 32, 48, 64, 128};  // smallest first

// Bare RGBA pixels built into the program, wrapped in place: no picture is
// decoded and no image plugin is asked about its format.
QPixmap IconPixmap(int size) {
    const QResource pixels(QStringLiteral(":/icons/orvane-%1.rgba").arg(size));
    if (pixels.compressionAlgorithm() != QResource::NoCompression ||
        pixels.size() != qint64(size) * size * 4) {
        return {};
    }
    return QPixmap::fromImage(
        QImage(pixels.data(), size, size, size * 4, QImage::Format_RGBA8888));
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
