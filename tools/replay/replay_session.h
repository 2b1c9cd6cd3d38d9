#pragma once

#include <iosfwd>
#include <string>

namespace orvane {

// Replays calculator events read one per line from `in` and writes the four
// display captions and the clipboard after start-up and after each event (or
// only after the last one). Returns the process exit status: 0, or 2 for an
// input line that is not an event, which is reported on `err`.
int ReplayEvents(std::istream& in, std::ostream& out, std::ostream& err, bool lastOnly);

// Replays the events the same way, a second apart, and writes instead what
// the narration says at each (an empty line where it says nothing), as a web
// page's live region would say it, in the translations given: lines of an
// English source and its text, a tab between.
int ReplaySpoken(std::istream& in, std::istream& translations, std::ostream& out,
                 std::ostream& err);

// Writes the window's commands, a line each: the key as written, a tab, and
// what it does as a screen reader names it in English, for the README's and
// the manual's tables to be checked against.
void WriteCommandKeys(std::ostream& out);

}  // namespace orvane
