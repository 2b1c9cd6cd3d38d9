// The painted button faces: picture sizes, family colours, pixel ratio,
// caching, and that every distinct key gets a distinct face.
#include "faces/button_faces.h"

#include <QCryptographicHash>
#include <QHash>
#include <QTest>

#include "faces/icon.h"
#include "tables/button_table.h"

using namespace orvane;

namespace {

const ButtonSpec& Button(int number) { return *FindButton(number); }

bool Near(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Whether some pixel of the image satisfies the predicate.
template <typename Predicate>
bool AnyPixel(const QImage& image, Predicate predicate) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255 && predicate(QColor(image.pixel(x, y))))
                return true;
    return false;
}

}  // namespace

class ButtonFacesTest : public QObject {
    Q_OBJECT

private slots:
    void familiesHaveTheirSizeColourAndGlyph_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("glyph");
        QTest::newRow("function Sin")
            << 34 << QSize(68, 30) << QColor(0, 0, 227) << QColor(255, 255, 0);
        QTest::newRow("function Cos-1")
            << 38 << QSize(68, 30) << QColor(0, 0, 227) << QColor(255, 255, 0);
        QTest::newRow("digit 5") << 8 << QSize(50, 30) << QColor(0, 128, 0)
                                 << QColor(214, 214, 214);
        QTest::newRow("point") << 13 << QSize(50, 30) << QColor(0, 128, 0) << QColor(214, 214, 214);
        QTest::newRow("recall M1")
            << 27 << QSize(50, 30) << QColor(0, 168, 0) << QColor(214, 214, 214);
        QTest::newRow("pi") << 33 << QSize(50, 30) << QColor(0, 168, 0) << QColor(214, 214, 214);
        QTest::newRow("operator plus")
            << 14 << QSize(50, 30) << QColor(238, 238, 0) << QColor(0, 0, 0);
        QTest::newRow("operator root")
            << 32 << QSize(50, 30) << QColor(238, 238, 0) << QColor(0, 0, 0);
        QTest::newRow("evaluate, wide")
            << 1 << QSize(100, 30) << QColor(238, 238, 0) << QColor(0, 0, 0);
        QTest::newRow("clear AC") << 2 << QSize(50, 30) << QColor(166, 0, 0)
                                  << QColor(255, 255, 255);
        QTest::newRow("small Copy")
            << 23 << QSize(33, 24) << QColor(176, 176, 255) << QColor(0, 0, 224);
        QTest::newRow("small arrow")
            << 25 << QSize(25, 24) << QColor(176, 176, 255) << QColor(0, 0, 224);
        QTest::newRow("small MC") << 29 << QSize(25, 24) << QColor(176, 176, 255)
                                  << QColor(0, 0, 224);
    }
    void familiesHaveTheirSizeColourAndGlyph() {
        QFETCH(int, number);
        QFETCH(QSize, size);
        QFETCH(QColor, background);
        QFETCH(QColor, glyph);
        const QImage face = RenderButtonFace(Button(number), 1.0, true);
        QCOMPARE(face.size(), size);
        // Halfway down, just inside the border, the face shows its family colour.
        QVERIFY(Near(face.pixel(2, size.height() / 2), background, 10));
        QVERIFY(AnyPixel(face, [&](QColor c) { return Near(c, glyph, 24); }));
    }

    void renderedAtThePixelRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("1x") << 1.0 << QSize(68, 30);
        QTest::newRow("1.5x") << 1.5 << QSize(102, 45);
        QTest::newRow("2x") << 2.0 << QSize(136, 60);
    }
    void renderedAtThePixelRatio() {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QImage face = RenderButtonFace(Button(35), ratio, true);
        QCOMPARE(face.size(), pixels);
        QCOMPARE(face.devicePixelRatio(), ratio);
        QCOMPARE(face.deviceIndependentSize(), QSizeF(68, 30));
    }

    // At 2x the glyph is drawn anew, not enlarged: an enlarged 1x face would
    // consist of 2x2 blocks of equal pixels.
    void doubleRatioFaceHasItsOwnDetail() {
        const QImage face = RenderButtonFace(Button(8), 2.0, true);
        bool blocky = true;
        for (int y = 0; y + 1 < face.height() && blocky; y += 2)
            for (int x = 0; x + 1 < face.width() && blocky; x += 2)
                blocky = face.pixel(x, y) == face.pixel(x + 1, y) &&
                         face.pixel(x, y) == face.pixel(x, y + 1);
        QVERIFY(!blocky);
    }

    void unavailableFacesAreGrey() {
        const QImage face = RenderButtonFace(Button(43), 1.0, false);
        QVERIFY(!face.isNull());
        QVERIFY(!AnyPixel(face,
                          [](QColor c) { return c.red() != c.green() || c.green() != c.blue(); }));
    }

    // The faces kept ready at scale 1 are those the outlines draw: a change
    // of outline or colour without `--target faces` fails here.
    void readyFacesAreThoseTheOutlinesDraw() {
        for (const ButtonSpec& button : kButtons) {
            const bool enabled = button.action != KeyAction::None;
            QCOMPARE(RenderButtonFace(button, 1.0, enabled).convertToFormat(QImage::Format_ARGB32),
                     PaintButtonFace(button, 1.0, enabled).convertToFormat(QImage::Format_ARGB32));
        }
    }

    // The icon's bare pixels are those of the pictures rendered from its source.
    void iconShowsItsRenderedPictures() {
        for (const int size : {16, 24, 32, 48, 64, 128}) {
            const QImage png(QStringLiteral(ORVANE_ICON_DIR "/orvane-%1.png").arg(size));
            QVERIFY(!png.isNull());
            QCOMPARE(ProgramIcon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                     QPixmap::fromImage(png).toImage().convertToFormat(QImage::Format_ARGB32));
        }
    }

    void captionOnlyButtonsHaveNoPicture() {
        QVERIFY(FacePictureSize(Button(20)).isEmpty());
        QVERIFY(RenderButtonFace(Button(21), 1.0, true).isNull());
    }

    // Buttons showing the same glyph share a face; any two others differ,
    // which catches a glyph drawn on the wrong key or not drawn at all.
    void eachGlyphHasItsOwnFace() {
        QHash<QByteArray, QString> seen;
        for (const ButtonSpec& button : kButtons) {
            if (button.family == FaceFamily::CaptionOnly) continue;
            const QImage face = RenderButtonFace(button, 1.0, true);
            const QByteArray digest = QCryptographicHash::hash(
                QByteArrayView(face.constBits(), face.sizeInBytes()), QCryptographicHash::Sha1);
            const QString glyph = QString::fromUtf8(button.glyph);
            if (seen.contains(digest)) {
                QVERIFY2(seen.value(digest) == glyph,
                         qPrintable(QStringLiteral("Command%1 looks like %2")
                                        .arg(button.number)
                                        .arg(seen.value(digest))));
            }
            seen.insert(digest, glyph);
        }
        QCOMPARE(seen.size(), 40);  // 43 faces, three of them drawn twice
    }
};

QTEST_MAIN(ButtonFacesTest)
#include "button_faces_test.moc"
