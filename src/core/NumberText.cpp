#include "core/NumberText.h"

#include "core/Tolerance.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace core {
namespace {

// The value as the decimal the user reads: 15 significant digits,
// value = +-mantissa * 10^(exponent - 14), the mantissa below 10^15.
struct Decimal {
    bool negative = false;
    std::uint64_t mantissa = 0;
    int exponent = 0;  // decimal exponent of the first digit
};

Decimal toDecimal(double x) {
    char buffer[40];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
    Decimal d;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') d.mantissa = d.mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    std::from_chars(p + 1 + (p[1] == '+'), end, d.exponent);
    return d;
}

// The decimal rounded to n places, as the whole number of 10^-n it comes to;
// the digits behind are dropped and the kept ones carried when the decision says so.
enum class Half { ToEven, AwayFromZero };

struct Scaled {
    std::uint64_t units = 0;  // the rounded value in 10^-places
    int zerosBehind = 0;      // decimal zeros that follow units when the value is larger than 10^15 units
};

Scaled roundedTo(const Decimal& d, int places, Half half) {
    const int dropped = 14 - d.exponent - places;  // digits of the mantissa behind the n-th place
    if (dropped <= 0) return {d.mantissa, -dropped};
    // A mantissa below 10^15 is less than half of 10^16: it rounds to 0.
    if (dropped > 15) return {};
    std::uint64_t power = 1;
    for (int i = 0; i < dropped; ++i) power *= 10;
    const std::uint64_t kept = d.mantissa / power;
    const std::uint64_t rest = d.mantissa % power;
    const std::uint64_t halfway = power / 2;
    const bool up = rest > halfway || (rest == halfway && (half == Half::AwayFromZero || kept % 2 == 1));
    return {kept + (up ? 1 : 0), 0};
}

// Whether a text from_chars found beyond the range of a double stands for a
// value too large rather than too small. An exponent too long for a long long
// outweighs any mantissa a text can hold, so its sign alone decides.
bool beyondLargest(std::string_view text) {
    const size_t exponentAt = std::min(text.find_first_of("eE"), text.size());
    long long exponent = 0;
    if (exponentAt < text.size()) {
        std::string_view digits = text.substr(exponentAt + 1);
        if (digits.front() == '+') digits.remove_prefix(1);
        const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (read.ec == std::errc::result_out_of_range) exponent = digits.front() == '-' ? LLONG_MIN : LLONG_MAX;
    }
    const std::string_view mantissa = text.substr(0, exponentAt);
    const auto firstDigit = static_cast<long long>(mantissa.find_first_of("123456789"));
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    // The value is about 10^(exponent + point - firstDigit).
    return exponent > firstDigit - point;
}

// Reads a decimal the grammar of isNumberText admits. Beyond the range of a
// double it gives infinity or zero, as the value's own size says, instead of
// the 0 that from_chars leaves behind.
double parseDecimal(std::string_view text) {
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0.0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc::result_out_of_range) {
        return value;
    }
    const double limit = beyondLargest(text) ? HUGE_VAL : 0.0;
    return text.front() == '-' ? -limit : limit;
}

// The decimal units * 10^power as the double nearest to it.
double decimalValue(bool negative, std::uint64_t units, int power) {
    return parseDecimal((negative ? "-" : "") + std::to_string(units) + 'e' + std::to_string(power));
}

}  // namespace

bool isNumberText(std::string_view text) {
    size_t i = 0;
    auto sign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    };
    auto digits = [&] {
        const size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i - start;
    };
    sign();
    size_t mantissaDigits = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0) return false;
    // The exponent form the program itself writes ("8.5E-05") reads back too.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        sign();
        if (digits() == 0) return false;
    }
    return i == text.size();
}

double numericValue(std::string_view text) {
    return isNumberText(text) ? parseDecimal(text) : 0.0;
}

std::string numberToText(double value) {
    if (!std::isfinite(value)) return std::string(kUndefinedText);
    if (value == 0.0) return "0";
    // The library's 15-digit general form is C's "%.15g": plain from 1E-04
    // to below 1E+15, otherwise "8.5e-05", whose exponent is shown with "E".
    char buffer[40];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    std::string text(static_cast<const char*>(buffer), end);
    if (const size_t e = text.find('e'); e != std::string::npos) text[e] = 'E';
    return text;
}

double Round(double x, int n) {
    if (!std::isfinite(x) || x == 0.0) return x;
    const Decimal d = toDecimal(x);
    const Scaled r = roundedTo(d, n, Half::ToEven);
    return decimalValue(d.negative, r.units, r.zerosBehind - n);
}

std::string roundedText(double x, int n) { return numberToText(Round(x, n)); }

std::string significantText(double x, int digits) {
    if (!std::isfinite(x) || x == 0) return numberToText(x);
    const int places = digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(x))));
    return roundedText(x, std::max(places, 0));
}

std::string displayText(double value) { return roundedText(value, 1); }

double RoundDown(double x, int n) {
    if (!std::isfinite(x)) return x;
    const double scale = std::pow(10.0, n);
    const double steps = x * scale;
    const double nearest = std::round(steps);
    const double whole = isAbove(nearest, steps) || isBelow(nearest, steps) ? std::floor(steps) : nearest;
    // The decimal of the whole number of steps, not the nearest binary product.
    return Round(whole / scale, n);
}

std::string formatTwoDecimals(double value) {
    if (!std::isfinite(value)) return std::string(kUndefinedText);
    const Decimal d = toDecimal(value);
    const Scaled r = roundedTo(d, 2, Half::AwayFromZero);
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, r.units).ptr;
    std::string text(digits, static_cast<size_t>(end - digits));
    text.append(static_cast<size_t>(r.zerosBehind), '0');
    if (text.size() < 3) text.insert(0, 3 - text.size(), '0');  // "0.05" has a zero before the point
    text.insert(text.size() - 2, 1, '.');
    if (d.negative && r.units != 0) text.insert(0, 1, '-');
    return text;
}

}  // namespace core
