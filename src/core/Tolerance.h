#pragma once

#include <algorithm>
#include <cmath>

// Values worked out along different paths (a stress from a force at its limit,
// a limit from the stresses) agree only up to rounding. A value passes a limit
// only when it does so by more than this share of the larger magnitude, or of
// 1 (MPa, kN) for values near zero, so the last bit never decides a verdict.

namespace core {

inline constexpr double kRelativeTolerance = 1e-9;

inline double toleranceAt(double value, double limit) {
    return kRelativeTolerance * std::max({std::fabs(value), std::fabs(limit), 1.0});
}

// value > limit, by more than the tolerance. A value that is not a number
// passes every limit; an infinite one is compared as it is.
inline bool isAbove(double value, double limit) {
    if (std::isnan(value)) return true;
    if (!std::isfinite(value) || !std::isfinite(limit)) return value > limit;
    return value - limit > toleranceAt(value, limit);
}

// value < limit, by more than the tolerance; the mirror of isAbove.
inline bool isBelow(double value, double limit) { return isAbove(-value, -limit); }

}  // namespace core
