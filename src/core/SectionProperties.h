#pragma once

#include "core/DesignInput.h"

namespace core {

// Geometric characteristics of the I-section, cm units.
struct SectionProperties {
    double A = 0;    // area, cm2
    double yb1 = 0;  // bottom edge up to the centroid, cm
    double yb2 = 0;  // centroid up to the top edge, cm
    double Ib = 0;   // second moment of area about the centroid, cm4
    double Wb1 = 0;  // section modulus of the bottom edge, cm3
    double Wb2 = 0;  // section modulus of the top edge, cm3
    double kb1 = 0;  // centroid down to the lower kern point, cm
    double kb2 = 0;  // centroid up to the upper kern point, cm
};

// The order and grouping of the operations are kept as the hand calculation
// has them: the force limits and edge stresses depend on the last bits.
SectionProperties computeSectionProperties(const SectionDimensions& s);

// Height of the centroid above the bottom edge, cm.
double centroidHeight(const SectionDimensions& s);

// The cables may not lie below the bottom edge: ek (cm) up to yb1 passes.
bool eccentricityExceedsYb1(double ek, const SectionDimensions& s);

}  // namespace core
