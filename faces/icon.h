#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvane {

// The program's icon, rendered at build time from assets/orvane.svg in
// several sizes and built into the program as bare pixels; start-up loads
// nothing vector-related, decodes no picture and loads no image plugin.
QIcon ProgramIcon();

// The 32x32 picture (at the given device pixel ratio) for the About box.
QPixmap ProgramIconPixmap(qreal devicePixelRatio);

}  // namespace orvane
