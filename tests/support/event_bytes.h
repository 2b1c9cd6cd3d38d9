#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane {

class Calculator;

// Turns bytes into calculator events, so that random or fuzzed byte strings
// become key sequences: a click on one of the 45 buttons, a copy command, a
// paste of a short text, or a key-down with a code from the key tables (or a
// code they do not list) and any modifier mask. Returns how many bytes the event used (at least 1),
// or 0 when `size` is 0.
std::size_t RunEventFromBytes(Calculator& calculator, const std::uint8_t* data, std::size_t size);

}  // namespace orvane
