#include "speech/spoken_captions.h"

#include <QCoreApplication>

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
    {Label::Answer, u"＝", QT_TRANSLATE_NOOP("Orvane", "equals")},
    {Label::Answer, u"括弧の数があいません。",
     QT_TRANSLATE_NOOP("Orvane", "The parentheses do not balance.")},
    {Label::Answer, u"式が不完全です",
     QT_TRANSLATE_NOOP("Orvane", "The expression is incomplete.")},
    {Label::Answer, u"数値が正しくありません",
     QT_TRANSLATE_NOOP("Orvane", "The number is not valid.")},
    {Label::Memory1, u"Memory 1", QT_TRANSLATE_NOOP("Orvane", "memory 1")},
    {Label::Memory2, u"Memory 2", QT_TRANSLATE_NOOP("Orvane", "memory 2")},
};

}  // namespace

QString SpokenCaption(Label label, const QString& caption) {
    if (caption.isEmpty()) return QCoreApplication::translate("Orvane", "empty");
    for (const FixedCaption& fixed : kFixedCaptions) {
        if (fixed.label == label && caption == QString::fromUtf16(fixed.shown)) {
            return QCoreApplication::translate("Orvane", fixed.spoken);
        }
    }
    return caption;
}

bool ShowsNoExpression(const QString& caption) {
    return caption.isEmpty() || caption == QString::fromUtf16(kIdleExpression);
}

}  // namespace orvane
