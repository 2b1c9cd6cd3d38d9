// MPFR computes each function at the precision of a double and rounds it
// once; subnormalisation then makes that rounding the one binary64 would do.
#include "eval/correctly_rounded.h"

#include <mpfr.h>

namespace orvane::correctly_rounded {

namespace {

constexpr mpfr_prec_t kDoubleBits = 53;

// Binary64 in MPFR's terms (significand in [1/2, 1)): the largest finite
// double is below 2^1024, and the smallest subnormal, 2^-1074, has exponent
// -1073. MPFR keeps this range per thread, so every thread that evaluates
// sets it the first time it gets here; nothing else in the program uses MPFR.
bool UseDoubleExponentRange() {
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
    return true;
}

void EnsureDoubleExponentRange() {
    thread_local const bool ready = UseDoubleExponentRange();
    (void)ready;
}

// The rounded value of MPFR's result, with subnormal results rounded again
// to the fewer bits a subnormal double has (with the first rounding's
// direction taken into account, so there is no double rounding).
double ToDouble(mpfr_t result, int ternary) {
    ternary = mpfr_subnormalize(result, ternary, MPFR_RNDN);
    (void)ternary;
    return mpfr_get_d(result, MPFR_RNDN);
}

using Unary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

double Apply(Unary function, double x) {
    EnsureDoubleExponentRange();
    MPFR_DECL_INIT(argument, kDoubleBits);
    MPFR_DECL_INIT(result, kDoubleBits);
    mpfr_set_d(argument, x, MPFR_RNDN);  // exact: same precision and range
    return ToDouble(result, function(result, argument, MPFR_RNDN));
}

}  // namespace

double Sin(double x) { return Apply(mpfr_sin, x); }
double Cos(double x) { return Apply(mpfr_cos, x); }
double Tan(double x) { return Apply(mpfr_tan, x); }
double Atan(double x) { return Apply(mpfr_atan, x); }

double Pow(double base, double exponent) {
    EnsureDoubleExponentRange();
    MPFR_DECL_INIT(b, kDoubleBits);
    MPFR_DECL_INIT(e, kDoubleBits);
    MPFR_DECL_INIT(result, kDoubleBits);
    mpfr_set_d(b, base, MPFR_RNDN);
    mpfr_set_d(e, exponent, MPFR_RNDN);
    return ToDouble(result, mpfr_pow(result, b, e, MPFR_RNDN));
}

}  // namespace orvane::correctly_rounded
