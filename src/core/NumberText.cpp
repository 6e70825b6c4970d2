#include "core/NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <system_error>

namespace core {
namespace {

// The value as the decimal the user would read: 15 significant digits,
// value = +-mantissa * 10^(exponent - 14), the mantissa below 10^15.
struct Decimal {
    bool negative = false;
    std::uint64_t mantissa = 0;
    int exponent = 0;  // decimal exponent of the first digit
};

// The library's conversion, exact for every double but slow.
Decimal toDecimalByLibrary(double x) {
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

constexpr std::uint64_t kFifteenDigits = 1'000'000'000'000'000;  // 10^15

// 10^k for k up to 22: exact as 128-bit integers and as doubles.
constexpr auto kPowersOfTen = [] {
    std::array<unsigned __int128, 23> powers{};
    powers[0] = 1;
    for (size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * 10;
    return powers;
}();
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// x * 10^k rounded to a whole number, ties to even as the library rounds them.
// Exact: x = m * 2^-shift, and m * 10^k fits in 128 bits for k <= 22.
std::uint64_t scaledAndRounded(std::uint64_t m, int shift, int k) {
    const unsigned __int128 n = m * kPowersOfTen[static_cast<size_t>(k)];
    const unsigned __int128 one = 1;
    const unsigned __int128 whole = n >> shift;
    const unsigned __int128 rest = n & ((one << shift) - 1);
    const unsigned __int128 half = one << (shift - 1);
    const bool up = rest > half || (rest == half && (whole & 1) == 1);
    return static_cast<std::uint64_t>(whole) + (up ? 1 : 0);
}

// Numbers of a design lie between about 1e-8 and 1e14; they are converted here
// in integer arithmetic, several times faster than the library, to the same digits.
Decimal toDecimal(double x) {
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    const int shift = 1075 - biased;  // |x| = m * 2^-shift
    // floor(log10(2^(52 - shift))): the decimal exponent e or e - 1.
    const int estimate = ((52 - shift) * 78913) >> 18;
    if (biased == 0 || estimate < -8 || estimate > 13) return toDecimalByLibrary(x);

    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    Decimal d;
    d.negative = (bits >> 63) != 0;
    d.exponent = estimate;
    d.mantissa = scaledAndRounded(m, shift, 14 - estimate);
    if (d.mantissa >= kFifteenDigits) {
        d.exponent = estimate + 1;
        d.mantissa = scaledAndRounded(m, shift, 13 - estimate);
    }
    if (d.mantissa >= kFifteenDigits) {  // 9.99999999999999951e14 and the like round up to the next power
        d.mantissa /= 10;
        ++d.exponent;
    }
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

// A text of at most 15 digits around a point, as the fields mostly hold, is
// digits / 10^decimals: both exact doubles, so one division gives the nearest
// double, as the library's reading would.
std::optional<double> exactQuotient(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = -1;  // none until the point
    for (char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9' || ++count > 15) return std::nullopt;
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        if (decimals >= 0) ++decimals;
    }
    if (count == 0) return std::nullopt;
    const double value = static_cast<double>(digits) / kExactPowersOfTen[std::max(decimals, 0)];
    return negative ? -value : value;
}

// Reads a decimal the grammar of isNumberText admits. Beyond the range of a
// double it gives infinity or zero, as the value's own size says, instead of
// the 0 that from_chars leaves behind.
double parseDecimal(std::string_view text) {
    if (text.front() == '+') text.remove_prefix(1);
    if (const auto quick = exactQuotient(text)) return *quick;
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
    // A plain decimal needs no grammar check: reading it proves it is one.
    if (const auto quick = exactQuotient(text)) return *quick;
    return isNumberText(text) ? parseDecimal(text) : 0.0;
}

namespace {

// The shortest form of a decimal that is not zero: "0.8", "16", "8.5E-05".
std::string textOf(const Decimal& d) {
    // The mantissa has 15 digits, the first not 0, so at most 14 trailing zeros:
    // they go before the digits are written.
    std::uint64_t significant = d.mantissa;
    for (size_t zeros : {8, 4, 2, 1}) {
        const auto power = static_cast<std::uint64_t>(kPowersOfTen[zeros]);
        if (significant % power == 0) significant /= power;
    }
    char digits[24];
    const char* first = digits;
    const char* last = std::to_chars(digits, digits + sizeof digits, significant).ptr;
    const auto count = static_cast<int>(last - first);

    // At most a sign, 15 digits, "0.0000" or an exponent: 32 characters hold any of them.
    char text[32];
    char* p = text;
    if (d.negative) *p++ = '-';
    if (d.exponent < -4 || d.exponent >= 15) {
        // Exponent form with a sign and two digits at least: "8.5E-05", "1E+15".
        *p++ = *first;
        if (count > 1) {
            *p++ = '.';
            p = std::copy(first + 1, last, p);
        }
        *p++ = 'E';
        *p++ = d.exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(d.exponent);
        if (magnitude < 10) *p++ = '0';
        p = std::to_chars(p, text + sizeof text, magnitude).ptr;
    } else if (d.exponent < 0) {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -d.exponent - 1, '0');
        p = std::copy(first, last, p);
    } else {
        const int whole = d.exponent + 1;
        p = std::copy_n(first, std::min(count, whole), p);
        if (count < whole) p = std::fill_n(p, whole - count, '0');
        if (count > whole) {
            *p++ = '.';
            p = std::copy(first + whole, last, p);
        }
    }
    return std::string(text, p);
}

}  // namespace

std::string numberToText(double value) {
    if (!std::isfinite(value)) return std::string(kUndefinedText);
    if (value == 0.0) return "0";
    return textOf(toDecimal(value));
}

double Round(double x, int n) {
    if (!std::isfinite(x) || x == 0.0) return x;
    const Decimal d = toDecimal(x);
    const Scaled r = roundedTo(d, n, Half::ToEven);
    // Read back as the decimal units * 10^(zeros - n), so the double is the one
    // nearest to the rounded decimal, negative zero included.
    // Both the units and the power of ten are exact doubles here, so one
    // division or product gives the nearest double, as reading the text would.
    const int power = r.zerosBehind - n;
    if (power >= -22 && power <= 22) {
        const double magnitude = power < 0 ? static_cast<double>(r.units) / kExactPowersOfTen[-power]
                                           : static_cast<double>(r.units) * kExactPowersOfTen[power];
        if (std::isfinite(magnitude)) return d.negative ? -magnitude : magnitude;
    }
    // A sign, at most 20 digits, 'e' and an int fit the buffer with room to spare.
    char buffer[48] = {'-'};
    char* p = std::to_chars(buffer + 1, buffer + 22, r.units).ptr;
    *p = 'e';
    p = std::to_chars(p + 1, buffer + sizeof buffer, r.zerosBehind - n).ptr;
    const char* start = d.negative ? buffer : buffer + 1;
    return parseDecimal(std::string_view(start, static_cast<size_t>(p - start)));
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

std::string roundedText(double x, int n) {
    if (!std::isfinite(x) || x == 0.0) return numberToText(x);
    const Decimal d = toDecimal(x);
    const Scaled r = roundedTo(d, n, Half::ToEven);
    if (r.units == 0) return "0";
    const int power = r.zerosBehind - n;
    if (power < -22 || power > 22) return numberToText(Round(x, n));
    // The rounded decimal has at most 15 significant digits, so the double
    // Round gives shows as exactly this decimal again: it is written straight away.
    const std::uint64_t units = r.units;
    int digits = 1;
    while (digits < 15 && units >= static_cast<std::uint64_t>(kPowersOfTen[static_cast<size_t>(digits)])) ++digits;
    const Decimal rounded{d.negative,
                          units * static_cast<std::uint64_t>(kPowersOfTen[static_cast<size_t>(15 - digits)]),
                          digits - 1 + power};
    return textOf(rounded);
}

}  // namespace core
