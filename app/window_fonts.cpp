#include "app/window_fonts.h"

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

QFont FaceFont(qreal pixelSize) {
    // A real bold Latin face reads better on the small keys than a synthesised
    // one; the Gothic face stands in for anything it lacks.
    static const QFont base = [] {
        QFont font;
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("IPAPGothic")});
        font.setBold(true);
        font.setHintingPreference(QFont::PreferNoHinting);
        return font;
    }();
    QFont font = base;
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    return font;
}

}  // namespace orvane
