#include "narration/about_lines.h"

#include "entry/utf8.h"
#include "narration/orvane_version.h"
#include "tables/about_box.h"

namespace orvane {

AboutLines ReadAboutBox(const SpokenText& words) {
    const std::u16string title = FromUtf8(kProgramTitle);
    const std::u16string version =
        FromUtf8(std::to_string(kVersionMajor) + '.' + std::to_string(kVersionMinor) + '.' +
                 std::to_string(kVersionRevision));
    AboutLines about;
    about.caption = title + kAboutBox.captionAfterTitle;
    about.title = title;
    about.versionLine = kAboutBox.versionBeforeNumber + version;
    about.name = Fill(words(kAboutBox.name), title);
    about.spokenVersion = Fill(words(kAboutBox.versionLine), version);
    about.spokenDescription = words(kAboutBox.spokenDescription);
    about.spokenDisclaimer = Fill(words(kAboutBox.spokenDisclaimer), kAboutBox.mailAddress);
    about.description =
        Fill(words(kAboutBox.titleAndVersion), title, version) + u' ' +
        Fill(words(kAboutBox.twoSentences), about.spokenDescription, about.spokenDisclaimer);
    return about;
}

}  // namespace orvane
