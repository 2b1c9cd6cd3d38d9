#pragma once

#include <QImage>
#include <QPainterPath>

#include "drawing/face_description.h"

namespace orvane {

// Paints one face as drawing/face_description.h describes it, with its
// glyph's outline, at the given device pixel ratio. Used by the window, and
// by tools/facegen to keep the faces at scale 1 ready.
QImage PaintFace(const drawing::FaceDescription& face, const QPainterPath& glyph,
                 qreal devicePixelRatio);

}  // namespace orvane
