#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <limits>

#include "core/NumberText.h"

using namespace core;

namespace {

struct TextCase {
    const char* name;
    double value;
    const char* text;
};

TEST(NumberToText, WritesShortestDecimalWithFifteenDigits) {
    const TextCase cases[] = {
        {"one decimal", 5.1, "5.1"},
        {"cable force", 486.74, "486.74"},
        {"condition value", 0.000331890225, "0.000331890225"},
        {"small value in exponent form", 8.5e-05, "8.5E-05"},
        {"just at 1E-04 stays plain", 0.0001, "0.0001"},
        {"just below 1E-04", 0.0000999, "9.99E-05"},
        {"large value in exponent form", 1e15, "1E+15"},
        {"just below 1E+15 stays plain", 999999999999999.0, "999999999999999"},
        {"rounds up into exponent form", 999999999999999.9, "1E+15"},
        {"negative fraction", -0.25, "-0.25"},
        {"negative zero", -0.0, "0"},
        {"whole number", 16.0, "16"},
        {"below one gets a zero", 0.8, "0.8"},
        {"sum with binary noise", 0.1 + 0.2, "0.3"},
        {"starting force", 2477.04 + 0.01, "2477.05"},
        {"large exponent", 1.5e200, "1.5E+200"},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), "nedefinisano"},
        {"infinity", std::numeric_limits<double>::infinity(), "nedefinisano"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberToText(c.value), c.text) << c.name;
}

struct RoundCase {
    double x;
    int n;
    double expected;
};

TEST(Round, SendsAnExactHalfOfTheShownDecimalToTheEvenNeighbour) {
    const RoundCase cases[] = {
        {0.125, 2, 0.12},  {0.135, 2, 0.14},     {2.675, 2, 2.68},    {2.665, 2, 2.66},
        {-0.125, 2, -0.12}, {2477.0365, 2, 2477.04}, {5.089, 1, 5.1},  {0.05, 1, 0.0},
        {0.15, 1, 0.2},    {9.995, 2, 10.0},     {0.000331890225349, 12, 0.000331890225},
        {12404533.333333, 1, 12404533.3}, {85.0, 1, 85.0}, {39.44, 1, 39.4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Round(c.x, c.n), c.expected) << c.x << " to " << c.n;
    }
    EXPECT_TRUE(std::isnan(Round(std::numeric_limits<double>::quiet_NaN(), 2)));
}

TEST(FormatTwoDecimals, SendsHalvesAwayFromZero) {
    const TextCase cases[] = {
        {"second moment", 12404533.333333334, "12404533.33"},
        {"moment", 617.51, "617.51"},
        {"half up", 12.345, "12.35"},
        {"another half up", 10.125, "10.13"},
        {"whole", 2540.41, "2540.41"},
        {"zero", 0.0, "0.00"},
        {"negative zero", -0.0, "0.00"},
        {"tiny negative rounds to zero", -0.001, "0.00"},
        {"negative", -1.7999999999999983, "-1.80"},
        {"below one", 0.5, "0.50"},
        {"carry into a new digit", 99.996, "100.00"},
        {"hundredths only", 0.05, "0.05"},
        {"tenths", -0.25, "-0.25"},
        {"beyond 10^13", 12345678901234.5, "12345678901234.50"},
        {"beyond 10^15", 1.5e16, "15000000000000000.00"},
        {"undefined", std::numeric_limits<double>::infinity(), "nedefinisano"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatTwoDecimals(c.value), c.text) << c.name;
}

struct ValueCase {
    const char* text;
    double value;
    bool isNumber;
};

TEST(NumericValue, ReadsPointDecimalsAndCountsOtherTextsAsZero) {
    const ValueCase cases[] = {
        {"75.5", 75.5, true}, {"0.8", 0.8, true},  {"5.", 5.0, true},     {".5", 0.5, true},
        {"-3", -3.0, true},   {"+2", 2.0, true},   {"0.80", 0.8, true},   {"", 0.0, false},
        {".", 0.0, false},    {"abc", 0.0, false}, {"1.2.3", 0.0, false}, {"8.5E-05", 8.5e-05, true}, {"1E+15", 1e15, true}, {"E5", 0.0, false}, {"1E", 0.0, false},
        {" 5", 0.0, false},   {"-", 0.0, false},   {"1,5", 0.0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numericValue(c.text), c.value) << '"' << c.text << '"';
        EXPECT_EQ(isNumberText(c.text), c.isNumber) << '"' << c.text << '"';
    }
}

TEST(NumericValue, TextsBeyondTheRangeOfADoubleAreInfiniteOrZero) {
    const double huge = std::numeric_limits<double>::infinity();
    EXPECT_EQ(numericValue("1E+400"), huge);
    EXPECT_EQ(numericValue("-1E+400"), -huge);
    EXPECT_EQ(numericValue("1E-400"), 0.0);
    // Exponents too long for any integer type, and mantissas of hundreds of digits.
    EXPECT_EQ(numericValue("2e9999999999999999999"), huge);
    EXPECT_EQ(numericValue("-2E+99999999999999999999999"), -huge);
    EXPECT_EQ(numericValue("2e-9999999999999999999"), 0.0);
    EXPECT_EQ(numericValue("1" + std::string(400, '0')), huge);
    EXPECT_EQ(numericValue("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(numericValue("0." + std::string(400, '0') + "1e9999999999999999999"), huge);
    // The largest double shown with 15 digits lies above it.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(numberToText(-largest), "-1.79769313486232E+308");
    EXPECT_EQ(numericValue(numberToText(-largest)), -huge);
    EXPECT_EQ(Round(-largest, 15), -huge);
}

TEST(NumberToText, ReadsBackAsTheValueRoundedToFifteenDigits) {
    for (double v : {1.0 / 3, 2.0 / 3 * 1e10, 123456.789012345678, -7.77e-3, 0.1 + 0.7}) {
        const double back = numericValue(numberToText(v));
        EXPECT_NEAR(back, v, std::abs(v) * 1e-14) << v;
    }
}

// The program's 15 digits must be C's own "%.15g" in every decade.
std::string cFifteenDigits(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", v);
    std::string text = buffer;
    if (const size_t e = text.find('e'); e != std::string::npos) text[e] = 'E';
    return text;
}

TEST(NumberToText, AgreesWithTheCLibraryAcrossTheDecades) {
    for (double v : {0.1, 0.5, 2.5e-5, 1e-8, 9.99999999999999e-9, 1e15, 9.999999999999995e14, 999999999999999.5,
                     123456789012345.5, 123456789012344.5, 99999999999999.95, 4503599627370495.5, 1e14, 0.3 - 0.1}) {
        EXPECT_EQ(numberToText(v), cFifteenDigits(v)) << v;
        EXPECT_EQ(numberToText(-v), cFifteenDigits(-v)) << v;
    }
    // Each power of two starts a binary range; the decimal exponent is first guessed from it.
    for (int n = -40; n <= 60; ++n) {
        const double power = std::ldexp(1.0, n);
        for (double v : {power, std::nextafter(power, 0.0), std::nextafter(power, 2 * power)}) {
            ASSERT_EQ(numberToText(v), cFifteenDigits(v)) << v;
        }
    }
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int exponent = -12; exponent <= 17; ++exponent) {
        for (int i = 0; i < 2000; ++i) {
            const double v = mantissa(random) * std::pow(10.0, exponent);
            ASSERT_EQ(numberToText(v), cFifteenDigits(v)) << v;
        }
    }
}

TEST(NumericValue, ReadsEveryDecimalAsTheCLibraryDoes) {
    std::mt19937_64 random(8);
    for (int i = 0; i < 20000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 18);
        const int point = static_cast<int>(random() % (digits + 2));
        for (int d = 0; d < digits; ++d) {
            if (d == point) text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        ASSERT_EQ(numericValue(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(RoundedText, WritesTheRoundedValue) {
    const struct {
        double x;
        int n;
        const char* text;
    } cases[] = {
        {2477.0365, 2, "2477.04"},          {0.000331890225349, 12, "0.000331890225"}, {0.125, 2, "0.12"},
        {-0.004, 2, "0"},                  {99.995, 2, "100"},                      {85.0, 1, "85"},
        {1e-30, 2, "0"},                   {123456789012345.6, 0, "123456789012346"}, {1.5e200, 2, "1.5E+200"},
    };
    for (const auto& c : cases) EXPECT_EQ(roundedText(c.x, c.n), c.text) << c.x << " to " << c.n;
}

TEST(SignificantText, KeepsFourDigitsAndEveryWholeOne) {
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {0.778800783, "0.7788"}, {37.380306, "37.38"},       {3.2099613, "3.21"},  {1394.25, "1394"},
        {12345.6, "12346"},      {0.000123456, "0.0001235"}, {-2.73345, "-2.733"}, {0, "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(significantText(c.x, 4), c.text) << c.x;
}

TEST(FormatTwoDecimals, AgreesWithTheCLibraryAwayFromHalves) {
    // C rounds the shown decimal to two places as this program does, except
    // for an exact half, which the cases above cover.
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    for (int exponent = -4; exponent <= 12; ++exponent) {
        for (int i = 0; i < 1000; ++i) {
            const double v = mantissa(random) * std::pow(10.0, exponent);
            char shown[40];
            std::snprintf(shown, sizeof shown, "%.14e", v);
            const double decimal = std::strtod(shown, nullptr);
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.2f", decimal);
            if (std::string(expected) == "-0.00") std::snprintf(expected, sizeof expected, "0.00");
            // A half: the shown digit of the thousandths is 5 with only zeros behind it.
            const std::string text = shown;
            const std::string digits = text.substr(text[0] == '-' ? 1 : 0, 16).erase(1, 1);
            const int thousandths = std::atoi(text.c_str() + text.find('e') + 1) + 3;
            if (thousandths >= 0 && thousandths < 15 && digits[thousandths] == '5' &&
                digits.find_first_not_of('0', thousandths + 1) == std::string::npos) {
                continue;
            }
            ASSERT_EQ(formatTwoDecimals(v), expected) << shown;
        }
    }
}

}  // namespace

TEST(RoundDown, GoesToTheStepBelowUnlessTheValueIsAStepWithinTheTolerance) {
    const struct {
        double x;
        int n;
        const char* text;
    } cases[] = {
        {0.6 * 40, 2, "24"},         {0.6 * 29.3824, 2, "17.62"}, {3.20996, 2, "3.2"},  {2.7327, 2, "2.73"},
        {3.5088, 2, "3.5"},          {1394.24, 0, "1394"},        {1389.9999, 0, "1389"}, {1389.999999999, 0, "1390"},
        {0.1 + 0.2, 1, "0.3"},       {0.7 * 0.3, 2, "0.21"},     {0.009, 2, "0"},      {5, 2, "5"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberToText(RoundDown(c.x, c.n)), c.text) << c.x << " to " << c.n;
    // Never above the value by more than the tolerance, never a whole step below it.
    for (int i = 1; i < 20000; ++i) {
        const double x = i * 0.0137;
        const double down = RoundDown(x, 2);
        EXPECT_LE(down, x * (1 + 1e-9)) << x;
        EXPECT_GT(down, x - 0.01 - 1e-12) << x;
    }
}

TEST(ShownValueText, SixSignificantDigitsInPlainForm) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.00023981234, "0.000239812"}, {5e-05, "0.00005"},  {1.3562500001, "1.35625"}, {5728.8, "5728.8"},
        {137.64018729318187, "137.64"}, {2920423.2, "2920423"}, {-9.3064361, "-9.30644"}, {0, "0"},
        {-0.0000001, "-0.0000001"},       {0.99999951, "1"},
        {std::numeric_limits<double>::infinity(), "nedefinisano"},
    };
    for (const auto& c : cases) EXPECT_EQ(shownValueText(c.value), c.text) << c.value;
}
