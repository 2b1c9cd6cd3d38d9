#include "eval/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cmath>
#include <string>

namespace orvane {

namespace {

std::u16string Widen(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Accepts: optional "-", digits with at most one "." and at least one digit,
// then optionally "E", a sign and digits.
bool IsNumberText(const std::u16string& text) {
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

// For a text that passed IsNumberText: whether its value is below 1 in
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

    // Scientific form with 15 significant digits, rounded from the exact
    // binary value: "-d.dddddddddddddde+XXX". Locale-independent.
    char buffer[40];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string sci(buffer, result.ptr);

    std::string sign;
    if (sci[0] == '-') {
        sign = "-";
        sci.erase(0, 1);
    }
    const std::size_t e = sci.find('e');
    const int exponent = std::stoi(sci.substr(e + 1));
    std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);  // 15 digits, no point
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out;
    if (exponent < -4 || exponent >= 15) {
        out = digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
        if (magnitude.size() < 2) magnitude = "0" + magnitude;
        out += std::string("E") + (exponent < 0 ? "-" : "+") + magnitude;
    } else if (exponent < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            out = digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    }
    return Widen(sign + out);
}

double TextToNumber(const std::u16string& text) {
    if (!IsNumberText(text)) throw BadNumber();
    const std::string ascii(text.begin(), text.end());
    double value = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero, as an underflowing sum would;
        // too large is an overflow.
        if (!HasNegativeDecimalExponent(ascii)) throw BadNumber();
        return ascii[0] == '-' ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) throw BadNumber();
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
