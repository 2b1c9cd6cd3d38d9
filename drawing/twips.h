#pragma once

#include <cmath>

namespace orvane {

// Layout is kept in twips, the unit the layout was designed in; this is the
// one place where it becomes device-independent pixels (15 twips each at
// 96 dpi), for the window and the page alike. Each value is rounded on its
// own, so a width stays the rounded width even when the left edge rounds the
// other way.
inline int TwipsToPixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

}  // namespace orvane
