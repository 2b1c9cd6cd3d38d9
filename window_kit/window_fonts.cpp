#include "window_kit/window_fonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

namespace orvane {
namespace {

// The window is laid out in pixels at 96 dpi, and the toolkit scales it as a
// whole to the screen. Where it does not (QT_ENABLE_HIGHDPI_SCALING=0) but
// reports another dpi, a size in points would grow against the layout and
// cut the texts; the sizes are therefore the points they are at 96 dpi.
qreal AtLayoutDpi(qreal points) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96;
    return dpi > 0 ? points * 96 / dpi : points;
}

QFont JapaneseGothic(qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies({QLatin1String(kGothicFamily), QStringLiteral("IPA Pゴシック")});
    font.setPointSizeF(AtLayoutDpi(pointSize));
    font.setBold(bold);
    // Light hinting would hand this face to FreeType's auto-hinter, which
    // first measures some hundred sample glyphs of every script the font
    // covers: for a CJK face that reads 1.4 MiB of the font file at start-up
    // for a difference hardly visible at these sizes. Unhinted text
    // keeps the same advances, and so the same layout.
    font.setHintingPreference(QFont::PreferNoHinting);
    // The face has every character these texts can show (a test holds each
    // caption, message and menu text to that), so the toolkit need not
    // prepare fallback faces for other scripts at start-up.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

}  // namespace

const QFont& WindowFont() {
    static const QFont font = JapaneseGothic(9.75, false);
    return font;
}

const QFont& DisplayFont() {
    static const QFont font = JapaneseGothic(14.25, true);
    return font;
}

}  // namespace orvane
