#pragma once

#include <QPainterPath>
#include <string>
#include <string_view>

namespace orvane {

// A path as SVG path data: absolute M, L, C and Z, every number written
// with the fewest digits that read back to the same double, so that a path
// written and read again draws exactly as the original. Z closes a subpath
// that ends where it began.
std::string PathData(const QPainterPath& path);

// Reads what PathData writes.
QPainterPath PathFromData(std::string_view data);

}  // namespace orvane
