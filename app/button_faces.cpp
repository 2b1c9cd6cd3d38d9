#include "app/button_faces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>

#include "app/window_fonts.h"

namespace orvane {
namespace {

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// How a family looks: a vertical gradient through its colour and the glyph's paint.
struct FaceStyle {
    QColor top;
    QColor middle;
    QColor bottom;
    QColor glyph;
    QColor outline;  // invalid: the glyph is filled only
    QColor shadow;   // invalid: no drop shadow
};

FaceStyle StyleOf(FaceFamily family) {
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    auto shaded = [&](QColor base) -> FaceStyle {
        return {Mix(base, white, 0.22), base, Mix(base, black, 0.18), {}, {}, {}};
    };
    FaceStyle style;
    switch (family) {
        case FaceFamily::Function:
            style = shaded(QColor(0, 0, 227));
            style.glyph = QColor(255, 255, 0);
            style.shadow = QColor(0, 0, 96);
            break;
        case FaceFamily::Digit:
        case FaceFamily::RecallOrPi:
            style = shaded(family == FaceFamily::Digit ? QColor(0, 128, 0) : QColor(0, 168, 0));
            style.glyph = QColor(214, 214, 214);
            style.outline = QColor(64, 64, 64);
            break;
        case FaceFamily::Operator:
            // The yellow keys run through their own narrow range rather than a
            // mix, which would wash the yellow out.
            style = {QColor(242, 242, 0), QColor(238, 238, 0), QColor(234, 234, 0), black, {}, {}};
            break;
        case FaceFamily::Clear:
            style = shaded(QColor(166, 0, 0));
            style.glyph = white;
            style.shadow = QColor(80, 0, 0);
            break;
        case FaceFamily::Small:
            style = shaded(QColor(176, 176, 255));
            style.glyph = QColor(0, 0, 224);
            break;
        case FaceFamily::CaptionOnly:
            break;
    }
    return style;
}

QPainterPath TextPath(const QString& text, qreal pixelSize) {
    QPainterPath path;
    path.addText(0, 0, FaceFont(pixelSize), text);
    return path;
}

// Text followed by a smaller raised text, as in x to the y or Sin to the -1.
QPainterPath WithSuperscript(const QString& base, qreal basePx, const QString& raised,
                             qreal raisedPx) {
    QPainterPath path = TextPath(base, basePx);
    const QRectF baseBox = path.boundingRect();
    QPainterPath sup = TextPath(raised, raisedPx);
    const QRectF supBox = sup.boundingRect();
    sup.translate(baseBox.right() + 1.0 - supBox.left(),
                  baseBox.top() - raisedPx * 0.3 - supBox.top());
    path.addPath(sup);
    return path;
}

QPainterPath Bars(std::initializer_list<QRectF> rects) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);  // crossing bars must not cancel out
    for (const QRectF& rect : rects) path.addRect(rect);
    return path;
}

QPainterPath PlusSign(qreal half, qreal thick) {
    return Bars({{-half, -thick / 2, 2 * half, thick}, {-thick / 2, -half, thick, 2 * half}});
}

// A small index y, the radical sign, and x under its bar.
QPainterPath RootSign() {
    QPainterPath x = TextPath(QStringLiteral("x"), 16);
    const QRectF xBox = x.boundingRect();
    x.translate(13.0 - xBox.left(), 9.0 - xBox.top());
    QPainterPath index = TextPath(QStringLiteral("y"), 10);
    const QRectF indexBox = index.boundingRect();
    index.translate(6.0 - indexBox.right(), 10.0 - indexBox.bottom());

    QPainterPath radical;
    radical.moveTo(2.0, 13.0);
    radical.lineTo(5.0, 11.5);
    radical.lineTo(8.5, 19.0);
    radical.lineTo(11.5, 5.5);
    radical.lineTo(x.boundingRect().right() + 2.0, 5.5);
    QPainterPathStroker stroker;
    stroker.setWidth(1.6);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setCapStyle(Qt::FlatCap);

    QPainterPath path = stroker.createStroke(radical);
    path.addPath(x);
    path.addPath(index);
    path.setFillRule(Qt::WindingFill);
    return path;
}

QPainterPath LeftArrow() {
    QPainterPath path;
    path.moveTo(-7, 0);
    path.lineTo(-1.5, -5);
    path.lineTo(-1.5, -1.8);
    path.lineTo(7, -1.8);
    path.lineTo(7, 1.8);
    path.lineTo(-1.5, 1.8);
    path.lineTo(-1.5, 5);
    path.closeSubpath();
    return path;
}

QPainterPath OperatorGlyph(const ButtonSpec& button) {
    switch (button.action) {
        case KeyAction::Evaluate:
            return Bars({{-12, -4.6, 24, 2.8}, {-12, 1.8, 24, 2.8}});
        case KeyAction::Plus:
            return PlusSign(7.5, 2.8);
        case KeyAction::Minus:
            return Bars({{-7.5, -1.4, 15, 2.8}});
        case KeyAction::Times:
            return QTransform().rotate(45).map(PlusSign(7.0, 2.6));
        case KeyAction::Divide: {
            QPainterPath path = Bars({{-7.5, -1.3, 15, 2.6}});
            path.addEllipse(QPointF(0, -5.2), 1.9, 1.9);
            path.addEllipse(QPointF(0, 5.2), 1.9, 1.9);
            return path;
        }
        case KeyAction::Power:
            return WithSuperscript(QStringLiteral("x"), 17, QStringLiteral("y"), 11);
        case KeyAction::Root:
            return RootSign();
        default:
            return TextPath(QString::fromUtf8(button.glyph), 19);
    }
}

QPainterPath GlyphPath(const ButtonSpec& button) {
    const QString glyph = QString::fromUtf8(button.glyph);
    switch (button.family) {
        case FaceFamily::Function: {
            static const QString inverse = QStringLiteral(u"\u207B\u00B9");
            if (glyph.endsWith(inverse)) {
                return WithSuperscript(glyph.chopped(inverse.size()), 13, QStringLiteral("-1"), 9);
            }
            return TextPath(glyph, 13);
        }
        case FaceFamily::Digit:
            if (button.action == KeyAction::Point) {
                QPainterPath dot;
                dot.addEllipse(QPointF(0, 0), 3.2, 3.2);
                return dot;
            }
            return TextPath(glyph, 21);
        case FaceFamily::RecallOrPi:
            return TextPath(glyph, button.action == KeyAction::Pi ? 21 : 16);
        case FaceFamily::Operator:
            return OperatorGlyph(button);
        case FaceFamily::Clear:
            return TextPath(glyph, 15);
        case FaceFamily::Small:
            if (glyph == QStringLiteral(u"\u2190")) return LeftArrow();
            return TextPath(glyph, 9);
        case FaceFamily::CaptionOnly:
            break;
    }
    return {};
}

void PaintBackground(QPainter& painter, const QSizeF& size, const FaceStyle& style) {
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0.0, style.top);
    gradient.setColorAt(0.5, style.middle);
    gradient.setColorAt(1.0, style.bottom);
    painter.setPen(QPen(Mix(style.middle, Qt::black, 0.45), 1.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
    // A thin sheen along the top edge makes the key read as raised.
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    painter.drawLine(QPointF(3, 1.5), QPointF(size.width() - 3, 1.5));
}

void PaintGlyph(QPainter& painter, const QSizeF& size, const FaceStyle& style, QPainterPath path) {
    const QRectF box = path.boundingRect();
    // Centre on whole device pixels' worth of offset so straight strokes
    // stay sharp at 1x.
    const QPointF offset = QRectF(QPointF(0, 0), size).center() - box.center();
    path.translate(std::round(offset.x()), std::round(offset.y()));
    if (style.shadow.isValid()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.shadow);
        painter.drawPath(path.translated(0.8, 0.8));
    }
    painter.setPen(style.outline.isValid() ? QPen(style.outline, 1.1) : QPen(Qt::NoPen));
    painter.setBrush(style.glyph);
    painter.drawPath(path);
}

// Greys a face out, keeping its shading, for a key that can never be pressed.
void GreyOut(QImage& image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 96 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QSize FacePictureSize(const ButtonSpec& button) {
    switch (button.family) {
        case FaceFamily::Function:
            return {68, 30};
        case FaceFamily::Digit:
        case FaceFamily::RecallOrPi:
        case FaceFamily::Clear:
            return {50, 30};
        case FaceFamily::Operator:
            return button.action == KeyAction::Evaluate ? QSize(100, 30) : QSize(50, 30);
        case FaceFamily::Small:
            return (button.action == KeyAction::CopyExpression ||
                    button.action == KeyAction::CopyAnswer)
                       ? QSize(33, 24)
                       : QSize(25, 24);
        case FaceFamily::CaptionOnly:
            break;
    }
    return {};
}

QImage RenderButtonFace(const ButtonSpec& button, qreal devicePixelRatio, bool enabled) {
    const QSize size = FacePictureSize(button);
    if (size.isEmpty()) return {};
    const QSize pixels(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const FaceStyle style = StyleOf(button.family);
        PaintBackground(painter, size, style);
        PaintGlyph(painter, size, style, GlyphPath(button));
    }
    if (!enabled) GreyOut(image);
    return image;
}

}  // namespace orvane
