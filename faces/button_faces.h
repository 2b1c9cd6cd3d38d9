#pragma once

#include <QImage>
#include <QSize>

#include "tables/button_table.h"

namespace orvane {

// The picture a button shows, in device-independent pixels; empty for a
// button that shows a caption instead.
QSize FacePictureSize(const ButtonSpec& button);

// Draws the face at the given device pixel ratio, so that it stays crisp on
// high-density screens. Faces are drawn from the outlines and colours of
// assets/face_pictures.h, never from a font or an image file: start-up
// reads no files, loads no image plugins and shapes no text for them, and
// the keys look the same whatever fonts the machine has.
// At scale 1 the face comes ready-made, as tools/facegen drew it.
QImage RenderButtonFace(const ButtonSpec& button, qreal devicePixelRatio, bool enabled);

// The same face always drawn anew from its outlines.
QImage PaintButtonFace(const ButtonSpec& button, qreal devicePixelRatio, bool enabled);

}  // namespace orvane
