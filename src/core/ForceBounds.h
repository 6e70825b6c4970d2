#pragma once

#include <array>
#include <string>

#include "core/DesignInput.h"
#include "core/SectionProperties.h"

// The Magnel conditions: the range of the initial prestressing force Nk0 that
// keeps all four edge stresses within the allowable ones.

namespace core {

// Section moduli and kern distances in metres, as the conditions use them;
// SectionProperties holds the same symbols in cm units (Wb1 in cm3 there).
struct SectionInMetres {
    double Wb1 = 0;  // m3
    double Wb2 = 0;  // m3
    double kb1 = 0;  // m, used with the top-edge conditions 2 and 4
    double kb2 = 0;  // m, used with the bottom-edge conditions 1 and 3
    double e = 0;    // cable eccentricity, m
};

SectionInMetres sectionInMetres(const SectionProperties& p, double ek);

// The least moment, at transfer, and the greatest, in service; kNm.
struct Moments {
    double Mmin = 0;  // Mg
    double Mmax = 0;  // Mg + Mp + Ms
};

Moments moments(const DesignValues& v);

// What one condition says of the force. Each condition is linear in Nk0,
// k x Nk0 <= r, so the sign of k (its eccentricity term) decides whether its
// limit r / k bounds the force from above or from below; with k zero it holds
// for every force or for none, as r is or is not negative.
enum class LimitKind {
    Upper,     // Nk0 <= its limit
    Lower,     // Nk0 >= its limit
    None,      // restricts nothing
    Excludes,  // no force satisfies it
};

struct ForceBounds {
    SectionProperties section;  // the section the conditions were worked out for
    SectionInMetres working;
    double Mmin = 0;  // kNm, Mg
    double Mmax = 0;  // kNm, Mg + Mp + Ms
    double q1 = 0, q2 = 0, q3 = 0, q4 = 0;  // 1/kN
    // kNm, the moment-and-stress terms q1 to q4 divide by: minM + Wb1 Gbd0 x 10^3,
    // minM + Wb2 Gbz0 x 10^3, maxM - Wb1 Gbzbes x 10^3, maxM - Wb2 Gbdbes x 10^3
    std::array<double, 4> momentTerms{};
    double N1 = 0, N2 = 0, N3 = 0, N4 = 0;  // kN, 1/q; upper limits for 1 and 2, lower for 3 and 4,
                                            // unless kinds says otherwise
    std::array<LimitKind, 4> kinds{};       // conditions 1 to 4
    double minNko = 0;  // kN; the largest lower limit, 0 when none lies above zero
    double maxNko = 0;  // kN; the smallest upper limit, infinite when there is none

    std::array<double, 4> limits() const { return {N1, N2, N3, N4}; }
};

// A limit whose condition value is zero (or not a number) has no finite value.
// A zero denominator gives an infinite condition value and so the limit 0.
bool isDefinedLimit(double N);

ForceBounds computeForceBounds(const DesignValues& v);

enum class Nk0Check { Admissible, BelowLowerLimit, AboveUpperLimit };

// The lower limits are tested first, so a force that breaks both kinds of
// limit is reported as too small; a condition no force satisfies counts as a
// broken upper limit. A force equal to a limit, up to the tolerance, is admissible.
Nk0Check checkAdmissibleNk0(const ForceBounds& bounds, double Nk0);

// True when some positive force satisfies all four conditions.
bool hasAdmissibleForce(const ForceBounds& bounds);

// The force a window proposes: Round(minNko, 2) + 0.01, as text.
std::string startingForceText(const ForceBounds& bounds);

// The force a rejected one is reset to: Round(minNko, 2), as text.
std::string resetForceText(const ForceBounds& bounds);

}  // namespace core
