#include "speech/spoken_captions.h"

#include <QCoreApplication>
#include <algorithm>

#include "tables/spoken_symbols.h"

namespace orvane {
namespace {

constexpr char16_t kIdleExpression[] = u"式";

struct FixedCaption {
    Label label;
    const char16_t* shown;
    const char* spoken;  // English source, translated when read out
};

constexpr FixedCaption kFixedCaptions[] = {
    {Label::Expression, kIdleExpression, QT_TRANSLATE_NOOP("Orvane", "expression")},
    {Label::Answer, u"＝", QT_TRANSLATE_NOOP("Orvane", "no answer")},
    {Label::Answer, u"括弧の数があいません。",
     QT_TRANSLATE_NOOP("Orvane", "The parentheses do not balance.")},
    {Label::Answer, u"式が不完全です",
     QT_TRANSLATE_NOOP("Orvane", "The expression is incomplete.")},
    {Label::Answer, u"数値が正しくありません",
     QT_TRANSLATE_NOOP("Orvane", "The number is not valid.")},
    {Label::Memory1, u"Memory 1", QT_TRANSLATE_NOOP("Orvane", "memory 1")},
    {Label::Memory2, u"Memory 2", QT_TRANSLATE_NOOP("Orvane", "memory 2")},
};

QString Tr(const char* text) { return QCoreApplication::translate("Orvane", text); }

}  // namespace

QString SpokenCaption(Label label, const QString& caption) {
    if (caption.isEmpty()) return Tr(QT_TRANSLATE_NOOP("Orvane", "empty"));
    for (const FixedCaption& fixed : kFixedCaptions) {
        if (fixed.label == label && caption == QString::fromUtf16(fixed.shown)) {
            return Tr(fixed.spoken);
        }
    }
    const QString value = SpokenSymbols(caption);
    if (label == Label::Memory1) return Tr(QT_TRANSLATE_NOOP("Orvane", "memory 1, %1")).arg(value);
    if (label == Label::Memory2) return Tr(QT_TRANSLATE_NOOP("Orvane", "memory 2, %1")).arg(value);
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
