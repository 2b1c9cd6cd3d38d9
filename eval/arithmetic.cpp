// The arithmetic behind the function tokens and the binary operators, with
// every failure detected from the values themselves.
#include "eval/arithmetic.h"

#include <cmath>
#include <cstdint>

#include "eval/correctly_rounded.h"
#include "eval/float_chars.h"
#include "eval/number_text.h"

namespace orvane {

namespace {

namespace cr = correctly_rounded;

// The degree factor: the double nearest to 0.0174532925199433, one unit in
// the last place above the double nearest to pi/180. Results at multiples of
// 90 degrees depend on exactly this value, so it is given by its bits.
const double kDegree = DoubleFromBits(0x3F91DF46A2529D3A);

// numerator / sqrt(1 - x*x), the argument of the arctangent in arcsine and arccosine.
double ArcRatio(double numerator, double x) {
    const double oneMinusSquare = Checked(-x * x + 1);
    if (oneMinusSquare < 0) throw BadNumber();
    return CheckedDivide(numerator, std::sqrt(oneMinusSquare));
}

double Power(double base, double exponent) {
    if (base < 0 && exponent != std::trunc(exponent)) throw BadNumber();
    return Checked(cr::Pow(base, exponent));
}

}  // namespace

double ApplyFunctionToken(int n, double x) {
    switch (n) {
        case 1: return Checked(cr::Sin(Checked(x * kDegree)));
        case 2: return Checked(cr::Cos(Checked(x * kDegree)));
        case 3: return Checked(cr::Tan(Checked(x * kDegree)));
        case 4: return CheckedDivide(cr::Atan(ArcRatio(x, x)), kDegree);
        case 5: {
            // pi/2 as 2 arctan(1); computed once, the call is not free.
            static const double halfPi = 2 * cr::Atan(1.0);
            return CheckedDivide(Checked(cr::Atan(ArcRatio(-x, x)) + halfPi), kDegree);
        }
        case 6: return CheckedDivide(cr::Atan(x), kDegree);
        case 7: return CheckedDivide(1, cr::Sin(Checked(x * kDegree)));
        case 8: return CheckedDivide(1, cr::Cos(Checked(x * kDegree)));
        case 9: return CheckedDivide(1, cr::Tan(Checked(x * kDegree)));
        default: throw BadNumber();
    }
}

double ApplyOperatorToken(char16_t op, double left, double right) {
    switch (op) {
        case u'^': return Power(left, right);
        case u'√': return Power(right, CheckedDivide(1, left));  // left is the root index
        case u'*': return Checked(right * left);
        case u'/': return CheckedDivide(left, right);
        case u'+': return Checked(right + left);
        case u'-': return Checked(left - right);
        default: throw BadNumber();
    }
}

int FunctionTokenNumber(const std::u16string& token) {
    if (token.size() != 2 || token[0] != u'K' || token[1] < u'1' || token[1] > u'9') return 0;
    return token[1] - u'0';
}

}  // namespace orvane
