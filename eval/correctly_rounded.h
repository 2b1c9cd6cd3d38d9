#pragma once

// sin, cos, tan, atan and pow rounded correctly to the nearest double (ties
// to even, with binary64's exponent range and subnormals). C libraries round
// the last bit of these differently, and at 15 digits that can show; these
// give the one best answer on every platform and in every build.
namespace orvane::correctly_rounded {

double Sin(double x);
double Cos(double x);
double Tan(double x);
double Atan(double x);
double Pow(double base, double exponent);

}  // namespace orvane::correctly_rounded
