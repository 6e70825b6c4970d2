#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/DesignInput.h"
#include "core/ForceBounds.h"

namespace core {

// Initial force in one cable, kN: area in m2 times stress in kN/m2.
double Zk0(double Fk, double Gk0);

// A decimal number of cables, Round(Nk0 / Zk0, 1); never rounded up.
double cableCount(double Nk0, double Zk0);

// The outcome of "Proracun" in the cable window for a typed force.
struct CableForceAdoption {
    Nk0Check check = Nk0Check::Admissible;
    double Nk0 = 0;         // the typed force, kN
    double Zk0 = 0;         // kN
    double count = 0;       // when admissible
    std::string resetText;  // Round(minNko, 2), when rejected
};

CableForceAdoption adoptCableForce(const DesignValues& v, std::string_view forceText);

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
