#include "speech/spoken_captions.h"

#include <QCoreApplication>

namespace orvane {

std::u16string DesktopTranslate(const char* source) {
    return QCoreApplication::translate("Orvane", source).toStdU16String();
}

const SpokenText& DesktopWords() {
    static const SpokenText words(DesktopTranslate);
    return words;
}

QString SpokenCaption(Label label, const QString& caption) {
    return QString::fromStdU16String(DesktopWords().Caption(label, caption.toStdU16String()));
}

}  // namespace orvane
