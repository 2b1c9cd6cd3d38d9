#pragma once

#include <QString>

#include "narration/spoken_text.h"
#include "record/display_sink.h"

namespace orvane {

// The narration's words in the desktop's translations.
std::u16string DesktopTranslate(const char* source);
const SpokenText& DesktopWords();

// What a display's caption means when read out, in the user's language.
QString SpokenCaption(Label label, const QString& caption);

}  // namespace orvane
