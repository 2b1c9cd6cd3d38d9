#include "faces/face_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace orvane {
namespace {

QColor ToColor(const faces::Colour& c) { return QColor::fromRgba64(c.red, c.green, c.blue, c.alpha); }

bool Drawn(const faces::Colour& c) { return c.alpha != 0; }

void PaintBackground(QPainter& painter, const QSizeF& size, const faces::FamilyPaint& paint) {
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0.0, ToColor(paint.top));
    gradient.setColorAt(0.5, ToColor(paint.middle));
    gradient.setColorAt(1.0, ToColor(paint.bottom));
    painter.setPen(QPen(ToColor(paint.border), faces::kBorderWidth));
    painter.setBrush(gradient);
    const qreal inset = faces::kBorderWidth / 2;
    painter.drawRoundedRect(QRectF(inset, inset, size.width() - 2 * inset, size.height() - 2 * inset),
                            faces::kCornerRadius, faces::kCornerRadius);
    painter.setPen(QPen(ToColor(faces::kSheen), faces::kSheenWidth));
    painter.drawLine(QPointF(faces::kSheenInset, faces::kSheenY),
                     QPointF(size.width() - faces::kSheenInset, faces::kSheenY));
}

void PaintGlyph(QPainter& painter, const faces::FamilyPaint& paint, QPainterPath path, bool evenOdd) {
    path.setFillRule(evenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    if (Drawn(paint.shadow)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToColor(paint.shadow));
        painter.drawPath(path.translated(faces::kShadowOffset, faces::kShadowOffset));
    }
    painter.setPen(Drawn(paint.outline) ? QPen(ToColor(paint.outline), faces::kOutlineWidth)
                                        : QPen(Qt::NoPen));
    painter.setBrush(ToColor(paint.glyph));
    painter.drawPath(path);
}

void GreyOut(QImage& image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = faces::UnavailableGrey(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QImage PaintFace(const faces::FacePicture& face, const faces::FamilyPaint& paint,
                 const QPainterPath& glyph, qreal devicePixelRatio, bool greyed) {
    const QSizeF size(face.width, face.height);
    const QSize pixels(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintBackground(painter, size, paint);
        PaintGlyph(painter, paint, glyph, face.evenOdd);
    }
    if (greyed) GreyOut(image);
    return image;
}

}  // namespace orvane
