#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// The one kind of failure during evaluation: a text that is not a number, a
// division by zero, an overflow or an invalid operation. It is thrown where the
// fault is found and caught only by the evaluation driver.
class BadNumber : public std::runtime_error {
public:
    BadNumber() : std::runtime_error("not a valid number") {}
};

// A double as text: 15 significant digits, plain or exponent form, "0" for
// both zeros. Never fails for a finite value.
std::u16string NumberToText(double value);

// A number text back to a double at full precision; throws BadNumber for any
// text outside the accepted grammar or beyond the range of a double.
double TextToNumber(const std::u16string& text);

// Whether text has the form of a number: an optional "-", digits with at
// most one "." and at least one digit, then optionally "E", a sign and
// digits. Says nothing of whether its value fits in a double.
bool MatchesNumberGrammar(const std::u16string& text);

// Returns value when it is finite, otherwise throws BadNumber.
double Checked(double value);

// a / b, failing on a zero divisor and on a non-finite quotient.
double CheckedDivide(double a, double b);

}  // namespace orvane
