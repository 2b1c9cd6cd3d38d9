#pragma once

#include <QImage>
#include <QSize>

#include "tables/button_table.h"

namespace orvane {

// The picture a button shows, in device-independent pixels; empty for a
// button that shows a caption instead.
QSize FacePictureSize(const ButtonSpec& button);

// Draws the face at the given device pixel ratio, so that it stays crisp on
// high-density screens; the window draws it at each paint. Faces are drawn in
// code rather than loaded from image files so start-up reads no files and
// loads no image plugins.
QImage RenderButtonFace(const ButtonSpec& button, qreal devicePixelRatio, bool enabled);

}  // namespace orvane
