#include "app/icon.h"

#include <array>

namespace orvane {
namespace {

constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

QString IconFile(int size) { return QStringLiteral(":/icons/orvane-%1.png").arg(size); }

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : kIconSizes) icon.addFile(IconFile(size), QSize(size, size));
    return icon;
}

QPixmap ProgramIconPixmap(qreal devicePixelRatio) {
    const int wanted = qRound(32 * devicePixelRatio);
    int chosen = kIconSizes.back();
    for (int size : kIconSizes) {
        if (size >= wanted) {
            chosen = size;
            break;
        }
    }
    QPixmap pixmap(IconFile(chosen));
    if (chosen != wanted) {
        pixmap = pixmap.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace orvane
