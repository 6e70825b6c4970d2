#pragma once

#include "core/DesignInput.h"
#include "core/SectionProperties.h"

// The Magnel conditions: the range of the initial prestressing force Nk0 that
// keeps all four edge stresses within the allowable ones.

namespace core {

// Section moduli and kern distances in metres, as the conditions use them.
struct WorkingSection {
    double Wb1 = 0;  // m3
    double Wb2 = 0;  // m3
    double kb1 = 0;  // m, used with the top-edge conditions 2 and 4
    double kb2 = 0;  // m, used with the bottom-edge conditions 1 and 3
    double e = 0;    // cable eccentricity, m
};

WorkingSection workingSection(const SectionProperties& p, double ek);

struct ForceBounds {
    SectionProperties section;  // the section the conditions were worked out for
    WorkingSection working;
    double Mmin = 0;  // kNm, Mg
    double Mmax = 0;  // kNm, Mg + Mp + Ms
    double q1 = 0, q2 = 0, q3 = 0, q4 = 0;  // 1/kN
    double N1 = 0, N2 = 0;  // upper limits, kN
    double N3 = 0, N4 = 0;  // lower limits, kN
    double minNko = 0;      // kN; not finite when no lower limit is
};

// A limit whose condition value is zero (or not a number) has no finite value
// and restricts nothing. A zero denominator gives an infinite condition value
// and so the limit 0, its true value in the limit.
bool isDefinedLimit(double N);

ForceBounds computeForceBounds(const DesignValues& v);

enum class Nk0Check { Admissible, BelowLowerLimit, AboveUpperLimit };

// The lower limits are tested first, so a force that breaks both kinds of
// limit is reported as too small. A force equal to a limit is admissible.
Nk0Check checkAdmissibleNk0(const ForceBounds& bounds, double Nk0);

// True when the edge stresses at minNko exceed the allowable ones, and when
// minNko itself is undefined.
bool allowableStressesExceeded(const DesignValues& v, const ForceBounds& bounds);

// The force a window proposes: Round(minNko, 2) + 0.01, as text.
std::string startingForceText(const ForceBounds& bounds);

// The force a rejected one is reset to: Round(minNko, 2), as text.
std::string resetForceText(const ForceBounds& bounds);

}  // namespace core
