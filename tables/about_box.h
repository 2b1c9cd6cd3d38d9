#pragma once

#include "tables/button_descriptions.h"  // QT_TRANSLATE_NOOP without the toolkit

namespace orvane {

// The About box's texts, as both editions show and say them. What it shows
// is the window's own Japanese; what screen readers are told is English
// source text (context "Orvane"), spoken translated.
struct AboutBoxTexts {
    // Shown: the caption after the title, the version line before the
    // version, the description and the line on reporting defects.
    const char16_t* captionAfterTitle = u"のﾊﾞｰｼﾞｮﾝ情報";
    const char16_t* versionBeforeNumber = u"ﾊﾞｰｼﾞｮﾝ ";
    const char16_t* description = u"式入力型関数電卓";
    const char16_t* disclaimer = u"不具合はbugs@orvane.example.org までメールでお知らせください";
    const char16_t* mailAddress = u"bugs@orvane.example.org";

    // Said: the box's name, its description (the version, then every other
    // line), and each line read in place.
    const char* name = QT_TRANSLATE_NOOP("Orvane", "%1 version information");
    const char* titleAndVersion = QT_TRANSLATE_NOOP("Orvane", "%1, version %2.");
    const char* twoSentences = QT_TRANSLATE_NOOP("Orvane", "%1. %2.");
    const char* versionLine = QT_TRANSLATE_NOOP("Orvane", "version %1");
    const char* spokenDescription =
        QT_TRANSLATE_NOOP("Orvane", "Scientific calculator with formula entry");
    // The page draws the box's title bar itself; its close button is named.
    const char* closeButton = QT_TRANSLATE_NOOP("Orvane", "Close");
    const char* spokenDisclaimer =
        QT_TRANSLATE_NOOP("Orvane", "Please report defects by mail to %1");
};

inline constexpr AboutBoxTexts kAboutBox;

}  // namespace orvane
