#pragma once

#include <string>

#include "narration/spoken_text.h"

namespace orvane {

// The About box's texts for this build's title and version: the lines it
// shows, and what screen readers are told of it in the user's language.
struct AboutLines {
    // Shown.
    std::u16string caption;  // "Orvaneのﾊﾞｰｼﾞｮﾝ情報"
    std::u16string title;
    std::u16string versionLine;  // "ﾊﾞｰｼﾞｮﾝ 1.1.0"
    // Said: the box's name and description, then each shown line's words.
    std::u16string name;
    std::u16string description;
    std::u16string spokenVersion;
    std::u16string spokenDescription;
    std::u16string spokenDisclaimer;
};

AboutLines ReadAboutBox(const SpokenText& words);

}  // namespace orvane
