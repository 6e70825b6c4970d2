#pragma once

#include <optional>

#include "core/ForceBounds.h"

namespace core {

// The whole numbers of cables whose force is admissible, first to last; the
// last is infinite when no condition limits the force from above.
struct CableRange {
    double first = 0;
    double last = 0;
};

// The whole number of cables a design adopts, and what follows from it. A
// whole number is counted as a double, so that no design overflows it.
struct WholeCableAdoption {
    double Zk0 = 0;                         // kN
    std::optional<double> count;            // the engineer's, or the smallest not below the lower limits
    double force = 0;                       // count x Zk0, kN
    Nk0Check check = Nk0Check::Admissible;  // of that force
    std::optional<CableRange> admissible;   // none when no whole number gives an admissible force
};

// The engineer's number of cables, or without one the smallest whole number
// not below the lower limits (none when Zk0 is not above zero or minNko is
// not finite), and the range of whole numbers within all the limits.
WholeCableAdoption adoptWholeCables(const ForceBounds& bounds, double Zk0, std::optional<int> chosen = std::nullopt);

}  // namespace core
