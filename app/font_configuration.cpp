#include "app/font_configuration.h"

#include <fontconfig/fontconfig.h>

namespace orvane {

// Qt reaches fontconfig through FcInit(), which parses the configuration
// (fonts.conf and everything it includes: conf.d, the user's own files) and
// then, since fontconfig 2.13.91, every file of the template directory
// conf.avail as well, only to collect their descriptions for fc-conflist.
// That second pass is as much XML again, at start-up, for nothing a program
// uses. Building the same configuration here and making it current lets
// FcInit() find it ready: same files, same rules, same fonts, same
// environment variables honoured, without the second pass.
void LoadFontConfiguration() {
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) return;
    bool ready = FcConfigParseAndLoad(config, nullptr, FcTrue) != FcFalse;
    if (ready) {
        // A configuration naming no cache directory gets fallbacks from
        // FcInit(); leave such an unusual setup to it.
        FcStrList* cacheDirs = FcConfigGetCacheDirs(config);
        ready = cacheDirs != nullptr && FcStrListNext(cacheDirs) != nullptr;
        if (cacheDirs != nullptr) FcStrListDone(cacheDirs);
    }
    ready = ready && FcConfigBuildFonts(config) != FcFalse && FcConfigSetCurrent(config) != FcFalse;
    // Made current, the configuration stays for the life of the program;
    // otherwise FcInit() will load its own when Qt first asks.
    if (!ready) FcConfigDestroy(config);
}

}  // namespace orvane
