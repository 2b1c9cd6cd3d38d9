#pragma once

#include <string>
#include <string_view>

namespace orvane {

class Calculator;

// The calculator's record as text, for a front end to keep while its user
// may come back to it (the page keeps it in its tab's session). What a key
// reads between two keys is kept: the expression and its tokens, the number
// being typed, the answer, both memories and the four displays; the
// evaluation's scratch is not.
std::string SaveRecord(const Calculator& calculator);

// Puts a saved record back. The text is trusted no further than any input:
// one that this release did not write whole, or that holds a state the keys
// could not have left, is refused, and the calculator stays as it was.
bool RestoreRecord(Calculator& calculator, std::string_view text);

// A record's body with the header and check this release gives it, so that
// a record changed by hand can be made to pass the check and still be
// refused for what it holds.
std::string SealRecord(std::string_view body);
std::string_view RecordBody(std::string_view record);

}  // namespace orvane
