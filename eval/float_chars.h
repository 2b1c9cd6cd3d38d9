#pragma once

#include <version>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

// Floating-point text conversions and bit casts for standard libraries that
// lack them: libc++ 13, which the WebAssembly build uses, has neither the
// floating-point overloads of std::to_chars / std::from_chars nor
// std::bit_cast. The stand-ins give the same results: C's printf and strtod
// round exactly, as the C++ conversions do, and the texts handed in here
// are always plain ASCII decimals, so the locale plays no part.
#if !defined(__cpp_lib_to_chars)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#endif

namespace orvane {

// "d.dddddddddddddde+XX": `value` rounded to 15 significant digits, ties to
// even on the exact binary value. Returns the end of the text.
inline char* FormatScientific14(double value, char* first, char* last) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, value, std::chars_format::scientific, 14).ptr;
#else
    const int length = std::snprintf(first, static_cast<std::size_t>(last - first), "%.14e", value);
    return first + length;
#endif
}

// Reads the decimal text [first, last) as a double, as std::from_chars does:
// result_out_of_range when it is too large or too small for a double.
inline std::from_chars_result ParseDecimal(const char* first, const char* last, double& value) {
#if defined(__cpp_lib_to_chars)
    return std::from_chars(first, last, value);
#else
    // strtod needs a terminated string; the texts are short, numbers of the
    // expression, and the few long ones go through the heap.
    const std::size_t length = static_cast<std::size_t>(last - first);
    char small[64];
    char* text = length < sizeof small ? small : static_cast<char*>(std::malloc(length + 1));
    if (text == nullptr) return {first, std::errc::not_enough_memory};
    std::memcpy(text, first, length);
    text[length] = '\0';
    char* end = nullptr;
    const double parsed = std::strtod(text, &end);
    const std::size_t used = static_cast<std::size_t>(end - text);
    // Underflow to zero and overflow to infinity are out of range, as they
    // are for from_chars; a subnormal result is a value like any other.
    bool nonzeroDigit = false;
    for (std::size_t i = 0; i < used && text[i] != 'e' && text[i] != 'E'; ++i) {
        nonzeroDigit = nonzeroDigit || (text[i] >= '1' && text[i] <= '9');
    }
    if (text != small) std::free(text);
    if (used == 0) return {first, std::errc::invalid_argument};
    if (std::isinf(parsed) || (parsed == 0 && nonzeroDigit)) {
        return {first + used, std::errc::result_out_of_range};
    }
    value = parsed;
    return {first + used, std::errc()};
#endif
}

// The double whose bits are `bits`.
constexpr double DoubleFromBits(std::uint64_t bits) {
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<double>(bits);
#else
    return __builtin_bit_cast(double, bits);
#endif
}

}  // namespace orvane
