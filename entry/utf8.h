#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Conversions at the edges of the engine, whose texts are UTF-16.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace orvane
