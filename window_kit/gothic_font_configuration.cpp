#include "window_kit/gothic_font_configuration.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "window_kit/window_fonts.h"

namespace orvane {
namespace {

// What of the system's configuration says how glyphs are drawn, by the
// numbering of conf.d (its README): 10-29 the rendering defaults and options
// (antialiasing, hinting, sub-pixel order, LCD filter), 50-59 the user's and
// the local configuration, 90-99 synthetic styles. The font folders (00-09)
// stay out, and so do the aliases and selections between families, which
// only choose among fonts this configuration does not hold.
bool SaysHowGlyphsAreDrawn(const QString& name) {
    if (name.size() < 3 || !name[0].isDigit() || !name[1].isDigit() ||
        !name.endsWith(QLatin1String(".conf")))
        return false;
    const int tens = name[0].digitValue();
    return tens == 1 || tens == 2 || tens == 5 || tens == 9;
}

QByteArray Escaped(const QString& text) { return text.toHtmlEscaped().toUtf8(); }

bool HoldsGothic(FcConfig* config) {
    const FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
    for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &family) == FcResultMatch;
             ++n)
            if (qstrcmp(reinterpret_cast<const char*>(family), kGothicFamily) == 0) return true;
    }
    return false;
}

}  // namespace

FcConfig* GothicFontConfiguration(const char* folder) {
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) return nullptr;
    // The system's caches already hold the folder's; the user's cache is
    // where fontconfig writes one when the folder has changed since. No
    // rescan: that would swap the system's whole configuration back in.
    QByteArray xml = "<fontconfig><dir>" + Escaped(QString::fromLocal8Bit(folder)) +
                     "</dir><cachedir>" ORVANE_FONTCONFIG_CACHE_DIR
                     "</cachedir><cachedir prefix=\"xdg\">fontconfig</cachedir>"
                     "<config><rescan><int>0</int></rescan></config>";
    if (FcChar8* snippets =
            FcConfigGetFilename(config, reinterpret_cast<const FcChar8*>("conf.d"))) {
        const QDir dir(QString::fromLocal8Bit(reinterpret_cast<const char*>(snippets)));
        FcStrFree(snippets);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            if (SaysHowGlyphsAreDrawn(name))
                xml +=
                    "<include ignore_missing=\"yes\">" + Escaped(dir.filePath(name)) + "</include>";
    }
    xml += "</fontconfig>";
    if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(xml.constData()),
                                       FcFalse) &&
        FcConfigBuildFonts(config) && HoldsGothic(config))
        return config;
    FcConfigDestroy(config);
    return nullptr;
}

void UseGothicFontConfiguration() {
    for (const char* chosen : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"})
        if (!qEnvironmentVariableIsEmpty(chosen)) return;
    FcConfig* config = GothicFontConfiguration(ORVANE_GOTHIC_FONT_DIR);
    // Current, it stays for the life of the program.
    if (config != nullptr && !FcConfigSetCurrent(config)) FcConfigDestroy(config);
}

}  // namespace orvane
