#include "speech/spoken_captions.h"

#include <QCoreApplication>
#include <algorithm>

#include "tables/spoken_phrases.h"
#include "tables/spoken_symbols.h"

namespace orvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Orvane", text); }

}  // namespace

QString SpokenCaption(Label label, const QString& caption) {
    if (caption.isEmpty()) return Tr(kSpokenPhrases.empty);
    for (const FixedCaption& fixed : kFixedCaptions) {
        if (fixed.label == label && caption == QString::fromUtf16(fixed.shown)) {
            return Tr(fixed.spoken);
        }
    }
    const QString value = SpokenSymbols(caption);
    if (label == Label::Memory1) return Tr(kSpokenPhrases.memory1).arg(value);
    if (label == Label::Memory2) return Tr(kSpokenPhrases.memory2).arg(value);
    return value;
}

QString SpokenSymbols(const QString& text) {
    // Words stand apart from what is around them; digits and names keep
    // together, so that "12" is still read as a number.
    QString spoken;
    bool apart = false;
    for (const QChar c : text) {
        const auto row = std::find_if(kSpokenSymbols.begin(), kSpokenSymbols.end(),
                                      [c](const SpokenSymbol& s) { return s.symbol == c.unicode(); });
        if (row == kSpokenSymbols.end()) {
            if (apart) spoken += u' ';
            spoken += c;
            apart = false;
            continue;
        }
        if (!spoken.isEmpty()) spoken += u' ';
        spoken += Tr(row->word);
        apart = true;
    }
    return spoken;
}

bool ShowsNoExpression(const QString& caption) {
    return caption.isEmpty() || caption == QString::fromUtf16(kIdleExpression);
}

}  // namespace orvane
