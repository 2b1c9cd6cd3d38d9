#pragma once

#include <cstdint>

namespace orvane {

// One size of the program icon: size x size pixels, premultiplied ARGB32,
// row by row. Generated at build time from the rendered PNGs.
struct IconPixels {
    int size;
    const std::uint32_t* pixels;
};

extern const IconPixels kIconPixels[];  // smallest first
extern const int kIconPixelsCount;

}  // namespace orvane
