#pragma once

#include <fontconfig/fontconfig.h>

namespace orvane {

// A fontconfig configuration that knows the fonts of one folder only, the
// one that holds the window's Gothic face, and draws them with the system's
// and the user's rendering settings; null when that folder lacks the face.
FcConfig* GothicFontConfiguration(const char* folder);

// The window reads no font but the Gothic face, yet fontconfig would load the
// configuration and the caches of every font the system has to find it, a
// large part of the start-up's work that grows with each family installed.
// This makes the configuration above, for the folder the build names, the
// one the toolkit will use. Call it before QApplication. A configuration the
// user asked for (FONTCONFIG_FILE, FONTCONFIG_PATH, FONTCONFIG_SYSROOT) is
// left alone, and without the face the system's configuration loads as usual.
void UseGothicFontConfiguration();

}  // namespace orvane
