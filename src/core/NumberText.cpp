#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace core {
namespace {

// The value as the decimal the user would read: 15 significant digits,
// split into sign, digit string and decimal exponent of the first digit.
struct Decimal {
    bool negative = false;
    std::string digits;  // 15 digits, the first non-zero unless the value is 0
    int exponent = 0;    // value = 0.d1d2d3... * 10^(exponent + 1)
};

Decimal toDecimal(double x) {
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer - 1, x, std::chars_format::scientific, 14).ptr;
    *end = '\0';
    Decimal d;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.') d.digits += *p;
    }
    d.exponent = std::atoi(p + 1);
    return d;
}

// Rounds a decimal to n places after the point; the digits behind are dropped
// and the kept ones carried when the decision says so.
enum class Half { ToEven, AwayFromZero };

std::string roundedDigits(const Decimal& d, int places, Half half, int& pointPosition) {
    // Integer part has (exponent + 1) digits; pad so that every kept digit exists.
    std::string digits = d.digits;
    int intDigits = d.exponent + 1;
    if (intDigits < 1) {
        digits.insert(0, static_cast<size_t>(1 - intDigits), '0');
        intDigits = 1;
    }
    const size_t keep = static_cast<size_t>(intDigits + places);
    if (digits.size() < keep + 1) digits.append(keep + 1 - digits.size(), '0');

    const std::string rest = digits.substr(keep);
    std::string kept = digits.substr(0, keep);
    bool up = false;
    if (rest[0] > '5') {
        up = true;
    } else if (rest[0] == '5') {
        const bool exactHalf = rest.find_first_not_of('0', 1) == std::string::npos;
        if (!exactHalf || half == Half::AwayFromZero) {
            up = true;
        } else {
            up = !kept.empty() && (kept.back() - '0') % 2 == 1;
        }
    }
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[static_cast<size_t>(i)] == '9'; --i) kept[static_cast<size_t>(i)] = '0';
        if (i >= 0) {
            ++kept[static_cast<size_t>(i)];
        } else {
            kept.insert(0, 1, '1');
            ++intDigits;
        }
    }
    pointPosition = intDigits;
    return kept;
}

// Reads a decimal the grammar of isNumberText admits. Beyond the range of a
// double it gives infinity or zero, as the value's own size says, instead of
// the 0 that from_chars leaves behind.
double parseDecimal(std::string_view text) {
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc::result_out_of_range) return value;
    const bool negative = text.front() == '-';
    const size_t exponentAt = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, exponentAt);
    const long exponent = exponentAt == std::string_view::npos ? 0 : std::strtol(text.data() + exponentAt + 1, nullptr, 10);
    const size_t firstDigit = mantissa.find_first_of("123456789");
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const long magnitude = exponent + static_cast<long>(point) - static_cast<long>(firstDigit);
    const double limit = magnitude > 0 ? HUGE_VAL : 0.0;
    return negative ? -limit : limit;
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
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    std::string text(buffer, end);
    // The exponent comes as e+15 or e-05: a sign and two digits at least.
    if (const size_t e = text.find('e'); e != std::string::npos) text[e] = 'E';
    return text;
}

double Round(double x, int n) {
    if (!std::isfinite(x) || x == 0.0) return x;
    const Decimal d = toDecimal(x);
    int point = 0;
    const std::string kept = roundedDigits(d, n, Half::ToEven, point);
    std::string text = d.negative ? "-" : "";
    text += kept.substr(0, static_cast<size_t>(point));
    text += '.';
    text += kept.substr(static_cast<size_t>(point));
    return parseDecimal(text);
}

std::string formatTwoDecimals(double value) {
    if (!std::isfinite(value)) return std::string(kUndefinedText);
    const Decimal d = toDecimal(value);
    int point = 0;
    const std::string kept = roundedDigits(d, 2, Half::AwayFromZero, point);
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string text = (d.negative && !zero) ? "-" : "";
    text += kept.substr(0, static_cast<size_t>(point));
    text += '.';
    text += kept.substr(static_cast<size_t>(point));
    // Leading zeros of the integer part beyond the first are padding.
    const size_t start = text[0] == '-' ? 1 : 0;
    while (text.size() > start + 1 && text[start] == '0' && text[start + 1] != '.') text.erase(start, 1);
    return text;
}

}  // namespace core
