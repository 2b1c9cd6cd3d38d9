#pragma once

#include <QFont>

namespace orvane {

// Fonts of the calculator window, resolved once and shared. The layout was
// drawn for a proportional Japanese Gothic face; IPA P Gothic has the same
// metrics class and ships with Debian, so Japanese captions render the same
// way on a fresh machine.
const QFont& WindowFont();   // the window's default: 9.75 pt
const QFont& DisplayFont();  // the four displays: 14.25 pt bold

}  // namespace orvane
