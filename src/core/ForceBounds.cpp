#include "core/ForceBounds.h"

#include <cmath>
#include <limits>

#include "core/EdgeStresses.h"
#include "core/NumberText.h"

namespace core {

WorkingSection workingSection(const SectionProperties& p, double ek) {
    WorkingSection w;
    w.Wb1 = (p.Ib * 1e-8) / (p.yb1 * 1e-2);
    w.Wb2 = (p.Ib * 1e-8) / (p.yb2 * 1e-2);
    w.kb1 = w.Wb2 / (p.A * 1e-4);
    w.kb2 = w.Wb1 / (p.A * 1e-4);
    w.e = 1e-2 * ek;
    return w;
}

bool isDefinedLimit(double N) { return std::isfinite(N); }

ForceBounds computeForceBounds(const DesignValues& v) {
    ForceBounds f;
    f.section = computeSectionProperties(v.section);
    f.working = workingSection(f.section, v.cable.ek);
    const WorkingSection& w = f.working;
    const AllowableStresses& g = v.allowable;

    f.Mmin = v.Mg;
    f.Mmax = v.Ms + (v.Mg + v.Mp);
    f.q1 = (w.e + w.kb2) / (f.Mmin + (w.Wb1 * g.Gbd0) * 1e3);
    f.q2 = (w.e - w.kb1) / (f.Mmin + (w.Wb2 * g.Gbz0) * 1e3);
    f.q3 = v.m * ((w.e + w.kb2) / (f.Mmax - (w.Wb1 * g.Gbzbes) * 1e3));
    f.q4 = v.m * ((w.e - w.kb1) / (f.Mmax - (w.Wb2 * g.Gbdbes) * 1e3));
    f.N1 = 1 / f.q1;
    f.N2 = 1 / f.q2;
    f.N3 = 1 / f.q3;
    f.N4 = 1 / f.q4;

    const bool has3 = isDefinedLimit(f.N3);
    const bool has4 = isDefinedLimit(f.N4);
    if (has3 && has4) {
        f.minNko = f.N4 < f.N3 ? f.N3 : f.N4;
    } else if (has3) {
        f.minNko = f.N3;
    } else if (has4) {
        f.minNko = f.N4;
    } else {
        f.minNko = std::numeric_limits<double>::quiet_NaN();
    }
    return f;
}

Nk0Check checkAdmissibleNk0(const ForceBounds& b, double Nk0) {
    auto below = [&](double N) { return isDefinedLimit(N) && Nk0 < N; };
    auto above = [&](double N) { return isDefinedLimit(N) && Nk0 > N; };
    if (below(b.N3) || below(b.N4)) return Nk0Check::BelowLowerLimit;
    if (above(b.N1) || above(b.N2)) return Nk0Check::AboveUpperLimit;
    return Nk0Check::Admissible;
}

bool allowableStressesExceeded(const DesignValues& v, const ForceBounds& bounds) {
    if (!isDefinedLimit(bounds.minNko)) return true;
    return edgeStressesExceeded(computeEdgeStresses(v, bounds.minNko), v.allowable);
}

std::string startingForceText(const ForceBounds& bounds) {
    return numberToText(Round(bounds.minNko, 2) + 0.01);
}

std::string resetForceText(const ForceBounds& bounds) { return roundedText(bounds.minNko, 2); }

}  // namespace core
