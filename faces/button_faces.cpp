#include "faces/button_faces.h"

#include <QResource>
#include <array>

#include "assets/face_pictures.h"
#include "faces/face_painter.h"
#include "faces/face_paths.h"

namespace orvane {
namespace {

const faces::FacePicture* FindFace(int button) {
    for (const faces::FacePicture& face : faces::kFaces) {
        if (face.button == button) return &face;
    }
    return nullptr;
}

// Each glyph's path, read from its data once.
const QPainterPath& GlyphPath(const faces::FacePicture& face) {
    static std::array<QPainterPath, std::size(faces::kGlyphPaths)> paths;
    static std::array<bool, std::size(faces::kGlyphPaths)> read{};
    if (!read[face.path]) {
        paths[face.path] = PathFromData(faces::kGlyphPaths[face.path]);
        read[face.path] = true;
    }
    return paths[face.path];
}

// The faces at scale 1, kept ready by tools/facegen as the window shows
// them: drawing all of them took a fifth of the start-up's work. They are
// built into the program uncompressed, so using one copies nothing.
QImage ReadyFace(const faces::FacePicture& wanted) {
    static const QResource pictures(QStringLiteral(":/faces/face_pictures_1x.rgba"));
    qint64 offset = 0;
    for (const faces::FacePicture& face : faces::kFaces) {
        const qint64 bytes = qint64(face.width) * face.height * 4;
        if (&face == &wanted) {
            if (pictures.compressionAlgorithm() != QResource::NoCompression ||
                offset + bytes > pictures.size()) {
                return {};
            }
            return QImage(pictures.data() + offset, face.width, face.height, face.width * 4,
                          QImage::Format_RGBA8888_Premultiplied);
        }
        offset += bytes;
    }
    return {};
}

}  // namespace

QSize FacePictureSize(const ButtonSpec& button) {
    const faces::FacePicture* face = FindFace(button.number);
    return face ? QSize(face->width, face->height) : QSize();
}

QImage RenderButtonFace(const ButtonSpec& button, qreal devicePixelRatio, bool enabled) {
    const faces::FacePicture* face = FindFace(button.number);
    if (!face) return {};
    // Kept ready as shown: greyed exactly for the keys that are never available.
    const bool greyed = !enabled;
    if (devicePixelRatio == 1.0 && greyed == (button.action == KeyAction::None)) {
        QImage ready = ReadyFace(*face);
        if (!ready.isNull()) return ready;
    }
    return PaintButtonFace(button, devicePixelRatio, enabled);
}

QImage PaintButtonFace(const ButtonSpec& button, qreal devicePixelRatio, bool enabled) {
    const faces::FacePicture* face = FindFace(button.number);
    if (!face) return {};
    return PaintFace(drawing::DescribeFace(*face, !enabled), GlyphPath(*face), devicePixelRatio);
}

}  // namespace orvane
