#pragma once

#include <iosfwd>
#include <string>

namespace orvane {

// Replays calculator events read one per line from `in` and writes the four
// display captions and the clipboard after start-up and after each event (or
// only after the last one). Returns the process exit status: 0, or 2 for an
// input line that is not an event, which is reported on `err`.
int ReplayEvents(std::istream& in, std::ostream& out, std::ostream& err, bool lastOnly);

}  // namespace orvane
