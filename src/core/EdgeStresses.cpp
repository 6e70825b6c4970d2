#include "core/EdgeStresses.h"

#include <algorithm>
#include <cmath>

#include "core/NumberText.h"
#include "core/Tolerance.h"

namespace core {

namespace {

EdgeStresses edgeStresses(const DesignValues& v, const SectionProperties& p, const SectionInMetres& w, double Nk0,
                          MeanStress mean) {
    const auto [Mmin, Mmax] = moments(v);
    const double ek = v.cable.ek;
    // factor x N/A in kN/m2, grouped as the hand calculation groups it.
    auto axial = [&](double factor, double N) {
        if (mean == MeanStress::TimesTenToFour) return (factor * (N / p.A)) * 1e4;
        return factor * (N / (p.A * 1e-4));
    };
    const double bottomFactor = 1 + ek / (w.kb2 * 1e2);
    const double topFactor = 1 - ek / (w.kb1 * 1e2);

    EdgeStresses s;
    s.Nk0 = Nk0;
    s.Nkbes = v.m * Nk0;
    s.Gb1_0 = (axial(bottomFactor, Nk0) - Mmin / w.Wb1) * 1e-3;
    s.Gb2_0 = (Mmin / w.Wb2 + axial(topFactor, Nk0)) * 1e-3;
    s.Gb1_bes = (axial(bottomFactor, s.Nkbes) - Mmax / w.Wb1) * 1e-3;
    s.Gb2_bes = (Mmax / w.Wb2 + axial(topFactor, s.Nkbes)) * 1e-3;
    return s;
}

}  // namespace

EdgeStresses computeEdgeStresses(const DesignValues& v, double Nk0, MeanStress mean) {
    const SectionProperties p = computeSectionProperties(v.section);
    return edgeStresses(v, p, sectionInMetres(p, v.cable.ek), Nk0, mean);
}

bool edgeStressesExceeded(const EdgeStresses& s, const AllowableStresses& g) {
    for (double stress : {s.Gb1_0, s.Gb2_0, s.Gb1_bes, s.Gb2_bes}) {
        if (!std::isfinite(stress)) return true;
    }
    const std::array<bool, 4> edges = exceededEdges(s, g);
    return std::find(edges.begin(), edges.end(), true) != edges.end();
}

std::array<bool, 4> exceededEdges(const EdgeStresses& s, const AllowableStresses& g) {
    return {isAbove(s.Gb1_0, g.Gbd0), isBelow(s.Gb2_0, -g.Gbz0), isBelow(s.Gb1_bes, -g.Gbzbes),
            isAbove(s.Gb2_bes, g.Gbdbes)};
}

bool allowableStressesExceeded(const DesignValues& v, const ForceBounds& bounds) {
    if (!isDefinedLimit(bounds.minNko)) return true;
    const EdgeStresses s = edgeStresses(v, bounds.section, bounds.working, bounds.minNko, MeanStress::TimesTenToFour);
    return edgeStressesExceeded(s, v.allowable);
}

StartingStressCheck startingStressCheck(const DesignValues& v) {
    StartingStressCheck c;
    c.bounds = computeForceBounds(v);
    const ForceBounds& bounds = c.bounds;
    c.forceText = startingForceText(bounds);
    c.stresses = edgeStresses(v, bounds.section, bounds.working, bounds.minNko, MeanStress::TimesTenToFour);
    c.exceeded = allowableStressesExceeded(v, bounds);
    return c;
}

StressRecheck recheckStresses(const DesignValues& v, std::string_view forceText) {
    const ForceBounds bounds = computeForceBounds(v);
    const double Nk0 = numericValue(forceText);
    StressRecheck r;
    r.check = checkAdmissibleNk0(bounds, Nk0);
    if (r.check != Nk0Check::Admissible) {
        r.resetText = resetForceText(bounds);
        return r;
    }
    r.stresses = edgeStresses(v, bounds.section, bounds.working, Nk0, MeanStress::OverSquareMetres);
    return r;
}

}  // namespace core
