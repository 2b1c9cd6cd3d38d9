#pragma once

#include <QFont>

namespace orvane {

// The family of the Gothic face every text of the windows is drawn in.
inline constexpr char kGothicFamily[] = "IPAPGothic";

// Fonts of the calculator window, resolved once and shared. The layout was
// drawn for a proportional Japanese Gothic face; IPA P Gothic has the same
// metrics class and ships with Debian, so Japanese captions render the same
// way on a fresh machine.
const QFont& WindowFont();   // the window's default: 9.75 pt at 96 dpi
const QFont& DisplayFont();  // the four displays: 14.25 pt bold at 96 dpi

}  // namespace orvane
