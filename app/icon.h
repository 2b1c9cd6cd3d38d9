#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvane {

// The program's icon, pre-rendered at build time from assets/orvane.svg in
// several sizes so that nothing vector-related is loaded at start-up.
QIcon ProgramIcon();

// The 32x32 picture (at the given device pixel ratio) for the About box.
QPixmap ProgramIconPixmap(qreal devicePixelRatio);

}  // namespace orvane
