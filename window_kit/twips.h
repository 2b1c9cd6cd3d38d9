#pragma once

#include <QRect>

#include "drawing/twips.h"
#include "tables/button_table.h"

namespace orvane {

inline QRect TwipsToPixels(const TwipsRect& rect) {
    return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
            TwipsToPixels(rect.height)};
}

}  // namespace orvane
