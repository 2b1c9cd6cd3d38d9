#pragma once

// How a key's face is drawn, layer by layer, in the picture's pixels at
// scale 1: the one description that the window paints with QPainter and the
// page's build writes as SVG, so that a change of colour or bevel is made
// once and both editions follow it.
//
// A face is a rounded rectangle filled with its family's vertical gradient
// and edged with the border colour, a sheen line along its top edge, and
// the glyph: its shadow (the same outline, moved), then the glyph filled and
// outlined where the family has them. Everything is drawn antialiased and
// scaled as a whole for high-density screens.

#include <array>

#include "assets/face_picture_types.h"
#include "assets/face_pictures.h"

namespace orvane::drawing {

using faces::Colour;

// The measures every face shares.
inline constexpr double kCornerRadius = 3.0;
inline constexpr double kBorderWidth = 1.0;
inline constexpr Colour kSheen = {65535, 65535, 65535, 110 * 257};
inline constexpr double kSheenInset = 3.0;  // from either side
inline constexpr double kSheenY = 1.5;
inline constexpr double kSheenWidth = 1.0;
inline constexpr double kOutlineWidth = 1.1;
inline constexpr double kShadowOffset = 0.8;  // right and down

// The grey of a key that can never be pressed keeps the face's shading:
// each pixel's 8-bit grey (the weights over kGreyDivisor) becomes kGreyBase
// plus half of it.
inline constexpr std::array<int, 3> kGreyWeights = {11, 16, 5};
inline constexpr int kGreyDivisor = 64;
inline constexpr int kGreyBase = 96;

constexpr int UnavailableGrey(int red, int green, int blue) {
    return kGreyBase + (red * kGreyWeights[0] + green * kGreyWeights[1] + blue * kGreyWeights[2]) /
                           kGreyDivisor;
}

constexpr bool Drawn(const Colour& colour) { return colour.alpha != 0; }

struct GradientStop {
    double offset;  // 0 at the face's top, 1 at its bottom
    Colour colour;
};

struct Rectangle {
    double x, y, width, height, cornerRadius;
};

struct Line {
    double x1, y1, x2, y2;
    Colour colour;
    double width;
};

struct FaceDescription {
    int width;  // the picture's size
    int height;
    Rectangle body;
    int family;  // the gradient is the family's
    std::array<GradientStop, 3> gradient;
    Colour border;
    double borderWidth;
    Line sheen;
    // The glyph's layers, each left out when its colour is clear.
    bool evenOdd;
    Colour shadow;
    double shadowOffset;
    Colour fill;
    Colour outline;
    double outlineWidth;
    bool greyed;
};

constexpr FaceDescription DescribeFace(const faces::FacePicture& face,
                                       const faces::FamilyPaint& paint, bool greyed) {
    // Half a border inside the picture, so that the border line covers
    // whole pixels at scale 1.
    const double inset = kBorderWidth / 2;
    return {face.width,
            face.height,
            {inset, inset, face.width - 2 * inset, face.height - 2 * inset, kCornerRadius},
            face.family,
            {{{0.0, paint.top}, {0.5, paint.middle}, {1.0, paint.bottom}}},
            paint.border,
            kBorderWidth,
            {kSheenInset, kSheenY, face.width - kSheenInset, kSheenY, kSheen, kSheenWidth},
            face.evenOdd,
            paint.shadow,
            kShadowOffset,
            paint.glyph,
            paint.outline,
            kOutlineWidth,
            greyed};
}

constexpr FaceDescription DescribeFace(const faces::FacePicture& face, bool greyed) {
    return DescribeFace(face, faces::kFamilies[face.family], greyed);
}

}  // namespace orvane::drawing
