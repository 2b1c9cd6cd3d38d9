#pragma once

#include <string>

namespace orvane {

class Calculator;

// Checks that the calculator record, its length records, the slot indexes
// kept beside its slot arrays and its four displays are in step. Returns an
// empty text when they are, otherwise a description of the first rule
// broken. Tests, the fuzzer and the soak test call it after every event; the
// program itself never does.
std::string FindInvariantViolation(const Calculator& calculator);

}  // namespace orvane
