#include "core/SectionProperties.h"

#include <cmath>

namespace core {

double centroidHeight(const SectionDimensions& s) {
    const double A = s.d3 * s.b + (s.d1 * s.b1 + s.d2 * s.b2);
    const double S = (s.d1 * (s.d1 * s.b1)) / 2 +
                     ((s.d3 * s.b) * (s.d1 + s.b / 2) + (s.d2 * s.b2) * ((s.d2 / 2) + (s.d1 + s.b)));
    return S / A;
}

SectionProperties computeSectionProperties(const SectionDimensions& s) {
    SectionProperties p;
    p.A = s.d3 * s.b + (s.d1 * s.b1 + s.d2 * s.b2);
    p.yb1 = centroidHeight(s);
    const double H = s.b + (s.d1 + s.d2);
    p.yb2 = H - p.yb1;

    // The web is split at the centroid; a part of negative height (centroid
    // inside a flange) subtracts what the flange term counted twice.
    const double lowerWeb = p.yb1 - s.d1;
    const double upperWeb = p.yb2 - s.d2;
    const double lowerWebShift = (p.yb1 / 2 - s.d1 / 2) * (p.yb1 / 2 - s.d1 / 2) * (lowerWeb * s.d3);
    const double lowerWebOwn = (std::pow(lowerWeb, 3) * s.d3) / 12;
    const double upperWebShift = (p.yb2 / 2 - s.d2 / 2) * (p.yb2 / 2 - s.d2 / 2) * (upperWeb * s.d3);
    const double upperWebOwn = (std::pow(upperWeb, 3) * s.d3) / 12;
    const double bottomShift = (p.yb1 - s.d1 / 2) * (p.yb1 - s.d1 / 2) * (s.d1 * s.b1);
    const double bottomOwn = (s.b1 * std::pow(s.d1, 3)) / 12;
    const double topShift = (p.yb2 - s.d2 / 2) * (p.yb2 - s.d2 / 2) * (s.d2 * s.b2);
    const double topOwn = (s.b2 * std::pow(s.d2, 3)) / 12;
    p.Ib = (lowerWebShift + (lowerWebOwn + (upperWebShift + upperWebOwn))) +
           ((bottomShift + bottomOwn) + (topShift + topOwn));

    p.Wb1 = p.Ib / p.yb1;
    p.Wb2 = p.Ib / p.yb2;
    p.kb1 = p.Wb2 / p.A;
    p.kb2 = p.Wb1 / p.A;
    return p;
}

bool eccentricityExceedsYb1(double ek, const SectionDimensions& s) { return ek > centroidHeight(s); }

}  // namespace core
