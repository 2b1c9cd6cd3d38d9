#include "faces/face_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace orvane {
namespace {

QColor ToColor(const drawing::Colour& c) {
    return QColor::fromRgba64(c.red, c.green, c.blue, c.alpha);
}

void PaintBackground(QPainter& painter, const drawing::FaceDescription& face) {
    QLinearGradient gradient(0, 0, 0, face.height);
    for (const drawing::GradientStop& stop : face.gradient)
        gradient.setColorAt(stop.offset, ToColor(stop.colour));
    painter.setPen(QPen(ToColor(face.border), face.borderWidth));
    painter.setBrush(gradient);
    const drawing::Rectangle& body = face.body;
    painter.drawRoundedRect(QRectF(body.x, body.y, body.width, body.height), body.cornerRadius,
                            body.cornerRadius);
    const drawing::Line& sheen = face.sheen;
    painter.setPen(QPen(ToColor(sheen.colour), sheen.width));
    painter.drawLine(QPointF(sheen.x1, sheen.y1), QPointF(sheen.x2, sheen.y2));
}

void PaintGlyph(QPainter& painter, const drawing::FaceDescription& face, QPainterPath path) {
    path.setFillRule(face.evenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    if (drawing::Drawn(face.shadow)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToColor(face.shadow));
        painter.drawPath(path.translated(face.shadowOffset, face.shadowOffset));
    }
    painter.setPen(drawing::Drawn(face.outline) ? QPen(ToColor(face.outline), face.outlineWidth)
                                                : QPen(Qt::NoPen));
    painter.setBrush(ToColor(face.fill));
    painter.drawPath(path);
}

void GreyOut(QImage& image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey =
                drawing::UnavailableGrey(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QImage PaintFace(const drawing::FaceDescription& face, const QPainterPath& glyph,
                 qreal devicePixelRatio) {
    const QSize pixels(static_cast<int>(std::ceil(face.width * devicePixelRatio)),
                       static_cast<int>(std::ceil(face.height * devicePixelRatio)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintBackground(painter, face);
        PaintGlyph(painter, face, glyph);
    }
    if (face.greyed) GreyOut(image);
    return image;
}

}  // namespace orvane
