#include "eval/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cmath>
#include <string>

#include "eval/float_chars.h"

namespace orvane {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

bool MatchesNumberGrammar(const std::u16string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && text[i] == u'-') ++i;
    int digits = 0;
    int points = 0;
    for (; i < n && (IsDigit(text[i]) || text[i] == u'.'); ++i) {
        if (text[i] == u'.') {
            ++points;
        } else {
            ++digits;
        }
    }
    if (digits == 0 || points > 1) return false;
    if (i == n) return true;
    if (text[i] != u'E') return false;
    ++i;
    if (i == n || (text[i] != u'+' && text[i] != u'-')) return false;
    ++i;
    if (i == n) return false;
    for (; i < n; ++i) {
        if (!IsDigit(text[i])) return false;
    }
    return true;
}

namespace {

// For a text that matches the number grammar: whether its value is below 1 in
// magnitude, judged from the position of its first significant digit.
bool HasNegativeDecimalExponent(const std::string& ascii) {
    const std::size_t e = ascii.find('E');
    const std::string mantissa = ascii.substr(0, e);
    long exponent = e == std::string::npos ? 0 : std::strtol(ascii.c_str() + e + 1, nullptr, 10);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) return true;  // all zeros
    exponent += first < point ? static_cast<long>(point - first - 1) : -static_cast<long>(first - point);
    return exponent < 0;
}

}  // namespace

std::u16string NumberToText(double value) {
    if (value == 0) return u"0";  // negative zero too
    if (!std::isfinite(value)) return std::isnan(value) ? u"NaN" : (value < 0 ? u"-Inf" : u"Inf");

    std::u16string out;
    if (value < 0) out += u'-';

    // Whole numbers below 10^15 are exact in a double and print as they are.
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && magnitude == std::trunc(magnitude)) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(magnitude)).ptr;
        out.append(digits, end);
        return out;
    }

    // Scientific form with 15 significant digits, rounded from the exact
    // binary value: "d.dddddddddddddde+XXX". Locale-independent.
    char sci[40];
    const char* const sciEnd = FormatScientific14(magnitude, sci, sci + sizeof sci);
    const char* e = sci;
    while (*e != 'e') ++e;
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), sciEnd, exponent);

    // The 15 significant digits without the point, trailing zeros dropped.
    char digits[16];
    int count = 0;
    digits[count++] = sci[0];
    for (const char* d = sci + 2; d < e; ++d) digits[count++] = *d;
    while (count > 1 && digits[count - 1] == '0') --count;

    if (exponent < -4 || exponent >= 15) {
        out += static_cast<char16_t>(digits[0]);
        if (count > 1) {
            out += u'.';
            out.append(digits + 1, digits + count);
        }
        out += exponent < 0 ? u"E-" : u"E+";
        const int absExponent = exponent < 0 ? -exponent : exponent;
        if (absExponent < 10) out += u'0';
        char exponentDigits[8];
        out.append(exponentDigits, std::to_chars(exponentDigits, exponentDigits + 8, absExponent).ptr);
    } else if (exponent < 0) {
        out += u"0.";
        out.append(static_cast<std::size_t>(-exponent - 1), u'0');
        out.append(digits, digits + count);
    } else {
        const int integerDigits = exponent + 1;
        for (int i = 0; i < integerDigits; ++i) out += static_cast<char16_t>(i < count ? digits[i] : '0');
        if (count > integerDigits) {
            out += u'.';
            out.append(digits + integerDigits, digits + count);
        }
    }
    return out;
}

double TextToNumber(const std::u16string& text) {
    if (!MatchesNumberGrammar(text)) throw BadNumber();

    // Up to 15 plain digits are exact in a double: no parsing needed.
    const bool negative = text[0] == u'-';
    if (text.size() - negative <= 15 && text.find_first_of(u".E") == std::u16string::npos) {
        long long whole = 0;
        for (std::size_t i = negative; i < text.size(); ++i) whole = whole * 10 + (text[i] - u'0');
        const auto value = static_cast<double>(whole);
        return negative ? -value : value;
    }

    // The grammar admits only ASCII, so narrowing is exact.
    char small[64];
    std::string large;
    char* ascii = small;
    if (text.size() > sizeof small) {
        large.resize(text.size());
        ascii = large.data();
    }
    for (std::size_t i = 0; i < text.size(); ++i) ascii[i] = static_cast<char>(text[i]);
    const char* const end = ascii + text.size();

    double value = 0;
    const auto result = ParseDecimal(ascii, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero, as an underflowing sum would;
        // too large is an overflow.
        if (!HasNegativeDecimalExponent(std::string(ascii, text.size()))) throw BadNumber();
        return negative ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || result.ptr != end) throw BadNumber();
    return value;
}

double Checked(double value) {
    if (!std::isfinite(value)) throw BadNumber();
    return value;
}

double CheckedDivide(double a, double b) {
    if (b == 0) throw BadNumber();
    return Checked(a / b);
}

}  // namespace orvane
