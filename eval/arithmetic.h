#pragma once

#include <string>

namespace orvane {

// The value of function token "Kn" (n = 1..9) at x degrees; throws BadNumber
// where the function is undefined or a step overflows.
double ApplyFunctionToken(int n, double x);

// "left op right" for the binary operator op (^ √ * / + -); throws BadNumber
// on a division by zero, an overflow or an invalid power or root.
double ApplyOperatorToken(char16_t op, double left, double right);

// 1..9 for the tokens "K1".."K9", 0 for anything else.
int FunctionTokenNumber(const std::u16string& token);

}  // namespace orvane
