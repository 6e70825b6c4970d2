#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/DesignInput.h"
#include "core/ForceBounds.h"

// Concrete edge stresses for one initial force; compression positive.

namespace core {

struct EdgeStresses {
    double Nk0 = 0;      // force at transfer, kN
    double Nkbes = 0;    // force in service, m x Nk0, kN
    double Gb1_0 = 0;    // bottom edge at transfer, MPa
    double Gb2_0 = 0;    // top edge at transfer, MPa
    double Gb1_bes = 0;  // bottom edge in service, MPa
    double Gb2_bes = 0;  // top edge in service, MPa
};

// How the mean stress N/A is brought from kN/cm2 to kN/m2. The opening
// calculation multiplies (N / A) by 10^4; a recheck divides by A x 10^-4.
// Both are kept because the last bits of a stress at its limit depend on it.
enum class MeanStress { TimesTenToFour, OverSquareMetres };

EdgeStresses computeEdgeStresses(const DesignValues& v, double Nk0,
                                 MeanStress mean = MeanStress::TimesTenToFour);

// A stress exceeds its allowable value only when it passes it by more than the
// tolerance, so a stress equal to it up to rounding is not exceeded. A stress
// that is not a finite number counts as exceeded.
bool edgeStressesExceeded(const EdgeStresses& s, const AllowableStresses& allowable);

// The same verdict for each stress: Gb1_0, Gb2_0, Gb1_bes, Gb2_bes.
std::array<bool, 4> exceededEdges(const EdgeStresses& s, const AllowableStresses& allowable);

// True when the edge stresses at minNko exceed the allowable ones, and when
// minNko itself is undefined.
bool allowableStressesExceeded(const DesignValues& v, const ForceBounds& bounds);

struct StartingStressCheck {
    ForceBounds bounds;
    std::string forceText;  // Round(minNko, 2) + 0.01
    EdgeStresses stresses;  // at the unrounded minNko
    bool exceeded = false;
};

StartingStressCheck startingStressCheck(const DesignValues& v);

struct StressRecheck {
    Nk0Check check = Nk0Check::Admissible;
    EdgeStresses stresses;  // for the typed force, when admissible
    std::string resetText;  // Round(minNko, 2), when rejected
};

StressRecheck recheckStresses(const DesignValues& v, std::string_view forceText);

}  // namespace core
