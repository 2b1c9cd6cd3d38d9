#pragma once

#include <QImage>
#include <QPainterPath>

#include "assets/face_picture_types.h"

namespace orvane {

// Paints one face as assets/face_picture_types.h describes it, at the given
// device pixel ratio; greyed for a key that can never be pressed. Used by
// the window, and by tools/facegen to keep the faces at scale 1 ready.
QImage PaintFace(const faces::FacePicture& face, const faces::FamilyPaint& paint,
                 const QPainterPath& glyph, qreal devicePixelRatio, bool greyed);

}  // namespace orvane
