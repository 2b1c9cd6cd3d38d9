// Applies the trigonometric function tokens of one range, in degrees.
#include <bit>
#include <cmath>
#include <cstdint>

#include "entry/calculator.h"
#include "eval/number_text.h"

namespace orvane {

namespace {

// The degree factor: the double nearest to 0.0174532925199433, one unit in
// the last place above the double nearest to pi/180. Results at multiples of
// 90 degrees depend on exactly this value, so it is given by its bits.
const double kDegree = std::bit_cast<double>(std::uint64_t{0x3F91DF46A2529D3A});

// x / sqrt(1 - x*x), the argument of the arctangent in arcsine and arccosine.
double ArcRatio(double numerator, double x) {
    const double oneMinusSquare = Checked(-x * x + 1);
    if (oneMinusSquare < 0) throw BadNumber();
    return CheckedDivide(numerator, std::sqrt(oneMinusSquare));
}

// The value of function token "Kn" (n = 1..9) at x degrees.
double ApplyFunction(int n, double x) {
    const double halfPi = 2 * std::atan(1.0);
    switch (n) {
        case 1: return Checked(std::sin(Checked(x * kDegree)));
        case 2: return Checked(std::cos(Checked(x * kDegree)));
        case 3: return Checked(std::tan(Checked(x * kDegree)));
        case 4: return CheckedDivide(std::atan(ArcRatio(x, x)), kDegree);
        case 5: return CheckedDivide(Checked(std::atan(ArcRatio(-x, x)) + halfPi), kDegree);
        case 6: return CheckedDivide(std::atan(x), kDegree);
        case 7: return CheckedDivide(1, std::sin(Checked(x * kDegree)));
        case 8: return CheckedDivide(1, std::cos(Checked(x * kDegree)));
        case 9: return CheckedDivide(1, std::tan(Checked(x * kDegree)));
        default: throw BadNumber();
    }
}

// 1..9 for the tokens "K1".."K9", 0 for anything else.
int FunctionNumber(const Text& token) {
    if (token.size() != 2 || token[0] != u'K' || token[1] < u'1' || token[1] > u'9') return 0;
    return token[1] - u'0';
}

}  // namespace

void Calculator::ApplyFunctions() {
    workOperators.resizeTo(slotIndex);
    const int end = rangeEnd;
    for (int s = rangeStart; s <= end; ++s) {
        const int n = FunctionNumber(workOperators[s]);
        if (n == 0) continue;
        // The argument is the first operand to the right within the range;
        // with none, the register keeps its previous value.
        for (int i = s + 1; i <= rangeEnd; ++i) {
            if (workOperands[i].empty()) continue;
            rightValue = TextToNumber(workOperands[i]);
            workOperands[i].clear();
            break;
        }
        resultValue = ApplyFunction(n, rightValue);
        workOperands[s] = NumberToText(resultValue);
        workOperators[s].clear();
    }
}

}  // namespace orvane
