// Writes assets/face_pictures.h: every button face as data that any front end
// can draw without a font. The glyphs are taken from the face font given on
// the command line and composed here (superscripts, the radical sign, the
// arrow, the operator bars), then written as SVG path data in the face's own
// pixels, together with each family's colours. A change of font, or of a
// face's drawing, is one run of this program:
//
//   orvane_facegen FONT_FILE OUTPUT_HEADER OUTPUT_PIXELS
//
// OUTPUT_PIXELS receives every face of kFaces, in that order, as the window
// shows it at scale 1 (premultiplied RGBA, 8 bits a channel, row by row), so
// that the window need not draw them at start-up.
//
// `cmake --build build --target faces` runs it on DejaVu Sans Bold.
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRawFont>
#include <QTransform>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <map>

#include "tables/button_table.h"
#include "faces/face_painter.h"
#include "faces/face_paths.h"

using namespace orvane;

namespace {

QString faceFamily;  // the family name of the font file read

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

faces::Colour ToColour(const QColor& colour) {
    if (!colour.isValid()) return faces::kNone;
    const QRgba64 c = colour.rgba64();
    return {c.red(), c.green(), c.blue(), c.alpha()};
}

// How a family looks: a vertical gradient through its colour, a darker
// border, and the glyph's paint.
faces::FamilyPaint PaintOf(FaceFamily family) {
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    QColor top, middle, bottom, glyph, outline, shadow;  // invalid: not drawn
    auto shaded = [&](QColor base) {
        top = Mix(base, white, 0.22);
        middle = base;
        bottom = Mix(base, black, 0.18);
    };
    switch (family) {
        case FaceFamily::Function:
            shaded(QColor(0, 0, 227));
            glyph = QColor(255, 255, 0);
            shadow = QColor(0, 0, 96);
            break;
        case FaceFamily::Digit:
        case FaceFamily::RecallOrPi:
            shaded(family == FaceFamily::Digit ? QColor(0, 128, 0) : QColor(0, 168, 0));
            glyph = QColor(214, 214, 214);
            outline = QColor(64, 64, 64);
            break;
        case FaceFamily::Operator:
            // The yellow keys run through their own narrow range rather than a
            // mix, which would wash the yellow out.
            top = QColor(242, 242, 0);
            middle = QColor(238, 238, 0);
            bottom = QColor(234, 234, 0);
            glyph = black;
            break;
        case FaceFamily::Clear:
            shaded(QColor(166, 0, 0));
            glyph = white;
            shadow = QColor(80, 0, 0);
            break;
        case FaceFamily::Small:
            shaded(QColor(176, 176, 255));
            glyph = QColor(0, 0, 224);
            break;
        case FaceFamily::CaptionOnly:
            break;
    }
    return {ToColour(top),   ToColour(middle),  ToColour(bottom), ToColour(Mix(middle, black, 0.45)),
            ToColour(glyph), ToColour(outline), ToColour(shadow)};
}

QPainterPath TextPath(const QString& text, qreal pixelSize) {
    QFont font(faceFamily);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    QPainterPath path;
    path.addText(0, 0, font, text);
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

QSize PictureSize(const ButtonSpec& button) {
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

// Centred on whole pixels' worth of offset, so straight strokes stay sharp at 1x.
QPainterPath Centred(QPainterPath path, QSize size) {
    const QPointF offset = QRectF(QPointF(0, 0), QSizeF(size)).center() - path.boundingRect().center();
    path.translate(std::round(offset.x()), std::round(offset.y()));
    return path;
}

QString Colour(const faces::Colour& c) {
    if (c.alpha == 0) return QStringLiteral("kNone");
    return QStringLiteral("{%1, %2, %3, %4}").arg(c.red).arg(c.green).arg(c.blue).arg(c.alpha);
}

// The family name, version and file of the font, for the header's first lines.
QString FontVersion(const QRawFont& font) {
    // The OpenType name table: records of 12 bytes after a 6-byte header;
    // name 5 is the version, in UTF-16 big-endian on the Windows platform.
    const QByteArray table = font.fontTable("name");
    if (table.size() < 6) return QStringLiteral("unknown");
    const auto* data = reinterpret_cast<const uchar*>(table.constData());
    const int count = qFromBigEndian<quint16>(data + 2);
    const int strings = qFromBigEndian<quint16>(data + 4);
    for (int i = 0; i < count && 6 + 12 * (i + 1) <= table.size(); ++i) {
        const uchar* record = data + 6 + 12 * i;
        if (qFromBigEndian<quint16>(record) != 3 || qFromBigEndian<quint16>(record + 6) != 5) continue;
        const int length = qFromBigEndian<quint16>(record + 8);
        const int offset = strings + qFromBigEndian<quint16>(record + 10);
        if (offset + length > table.size()) break;
        QString version;
        for (int at = 0; at + 1 < length; at += 2) {
            version += QChar(qFromBigEndian<quint16>(data + offset + at));
        }
        return version;
    }
    return QStringLiteral("unknown");
}

bool Write(const char* path, const QByteArray& bytes) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0) {
        std::fprintf(stderr, "orvane_facegen: cannot write %s\n", path);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FONT_FILE OUTPUT_HEADER OUTPUT_PIXELS\n", argv[0]);
        return 2;
    }
    // Fonts need a platform; none that shows anything is wanted.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString fontFile = QString::fromLocal8Bit(argv[1]);
    const int id = QFontDatabase::addApplicationFont(fontFile);
    if (id < 0) {
        std::fprintf(stderr, "orvane_facegen: cannot read the font %s\n", argv[1]);
        return 1;
    }
    faceFamily = QFontDatabase::applicationFontFamilies(id).value(0);
    QFont bold(faceFamily);
    bold.setBold(true);
    const QString version = FontVersion(QRawFont::fromFont(bold));

    QString out;
    out += QStringLiteral(
               "// Generated by tools/facegen from %1 (%2, %3); do not edit.\n"
               "// Rebuild with `cmake --build build --target faces`.\n")
               .arg(QFileInfo(fontFile).fileName(), faceFamily, version);
    out += QStringLiteral("#pragma once\n\n#include \"assets/face_picture_types.h\"\n\n"
                          "namespace orvane::faces {\n\n");

    out += QStringLiteral("// By family, in the order of FaceFamily.\n"
                          "inline constexpr FamilyPaint kFamilies[] = {\n");
    constexpr FaceFamily kFamilyOrder[] = {FaceFamily::Function, FaceFamily::Digit,
                                           FaceFamily::RecallOrPi, FaceFamily::Operator,
                                           FaceFamily::Clear, FaceFamily::Small};
    for (const FaceFamily family : kFamilyOrder) {
        const faces::FamilyPaint p = PaintOf(family);
        out += QStringLiteral("    {%1, %2, %3, %4, %5, %6, %7},\n")
                   .arg(Colour(p.top), Colour(p.middle), Colour(p.bottom), Colour(p.border),
                        Colour(p.glyph), Colour(p.outline), Colour(p.shadow));
    }
    out += QStringLiteral("};\n\n");

    // Faces drawn alike share one path.
    std::map<QString, int> pathIndex;
    QString paths;
    QString table;
    QByteArray pixels;
    for (const ButtonSpec& button : kButtons) {
        const QSize size = PictureSize(button);
        if (size.isEmpty()) continue;
        const QPainterPath path = Centred(GlyphPath(button), size);
        const std::string written = PathData(path);
        const QString data = QString::fromStdString(written);
        // The picture at scale 1, drawn from the data as written, as the
        // window shows it: greyed for a key that can never be pressed.
        const faces::FacePicture face = {button.number, size.width(), size.height(),
                                         static_cast<int>(button.family),
                                         path.fillRule() == Qt::OddEvenFill, 0};
        const QImage picture =
            PaintFace(drawing::DescribeFace(face, PaintOf(button.family), button.action == KeyAction::None),
                      PathFromData(written), 1.0)
                .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        for (int y = 0; y < picture.height(); ++y) {
            pixels.append(reinterpret_cast<const char*>(picture.constScanLine(y)), picture.width() * 4);
        }
        auto [it, added] = pathIndex.emplace(data, static_cast<int>(pathIndex.size()));
        if (added) paths += QStringLiteral("    \"%1\",\n").arg(data);
        table += QStringLiteral("    {%1, %2, %3, %4, %5, %6},\n")
                     .arg(button.number)
                     .arg(size.width())
                     .arg(size.height())
                     .arg(static_cast<int>(button.family))
                     .arg(path.fillRule() == Qt::OddEvenFill ? QStringLiteral("true")
                                                             : QStringLiteral("false"))
                     .arg(it->second);
    }
    out += QStringLiteral("inline constexpr const char* kGlyphPaths[] = {\n") + paths +
           QStringLiteral("};\n\n");
    out += QStringLiteral("// button, width, height, family, even-odd fill, glyph path.\n"
                          "inline constexpr FacePicture kFaces[] = {\n") +
           table + QStringLiteral("};\n\n}  // namespace orvane::faces\n");

    if (!Write(argv[2], out.toUtf8()) || !Write(argv[3], pixels)) return 1;
    std::printf("%s: %zu glyph paths from %s %s\n", argv[2], pathIndex.size(),
                qPrintable(faceFamily), qPrintable(version));
    return 0;
}
