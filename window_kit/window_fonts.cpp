#include "window_kit/window_fonts.h"

#include <QStringList>

namespace orvane {
namespace {

QFont JapaneseGothic(qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
    font.setPointSizeF(pointSize);
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
