#pragma once

#include <string>
#include <string_view>

// Conversions between field texts and numbers. Every number the program shows,
// in a field, a report row or a drawing, is written by these functions.

namespace core {

// Shown in place of a value that is not a finite number (an undefined force
// limit, a cable count with no cable force), so no window or file shows "inf".
inline constexpr std::string_view kUndefinedText = "nedefinisano";

// True for digits with at most one point, optionally after a sign
// ("75.5", "5.", ".5", "-3"), and for the exponent form numberToText writes.
bool isNumberText(std::string_view text);

// The numeric value of a field's text. A text that is not a number (empty,
// a lone ".", something pasted past the key filters) counts as 0.
double numericValue(std::string_view text);

// Shortest decimal form with at most 15 significant digits: "0.8", "16",
// "8.5E-05", "1E+15"; negative zero is "0".
std::string numberToText(double value);

// Rounds the 15-significant-digit decimal of x to n places, an exact half
// going to the even neighbour: Round(0.125, 2) = 0.12, Round(2.675, 2) = 2.68.
double Round(double x, int n);

// The text of Round(x, n): "2477.04", "0.000331890225".
std::string roundedText(double x, int n);

// x to `digits` significant digits (whole numbers keep every digit), the
// shortest text of that value: a working value to follow the arithmetic by
// hand ("0.394425", "0.0203784").
std::string significantText(double x, int digits = 6);

// A section property as the cross-section window shows it: one decimal, halves to even.
std::string displayText(double value);

// The largest whole multiple of 10^-n not above x, a value within the
// program's tolerance of a multiple counting as that multiple, so that
// 0.6 x 40 = 23.999999999999996 stays 24: RoundDown(17.6289, 2) = 17.62.
// A limit written this way never lies on the unsafe side of its formula.
double RoundDown(double x, int n);

// Exactly two decimals, halves away from zero, no thousands separator
// (the patterns "0.00" and "#0.00", which agree for every value).
std::string formatTwoDecimals(double value);

}  // namespace core
