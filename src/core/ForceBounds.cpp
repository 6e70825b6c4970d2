#include "core/ForceBounds.h"

#include <cmath>
#include <limits>

#include "core/NumberText.h"
#include "core/Tolerance.h"

namespace core {

SectionInMetres sectionInMetres(const SectionProperties& p, double ek) {
    SectionInMetres w;
    w.Wb1 = (p.Ib * 1e-8) / (p.yb1 * 1e-2);
    w.Wb2 = (p.Ib * 1e-8) / (p.yb2 * 1e-2);
    w.kb1 = w.Wb2 / (p.A * 1e-4);
    w.kb2 = w.Wb1 / (p.A * 1e-4);
    w.e = 1e-2 * ek;
    return w;
}

Moments moments(const DesignValues& v) { return {v.Mg, v.Ms + (v.Mg + v.Mp)}; }

bool isDefinedLimit(double N) { return std::isfinite(N); }

namespace {

// The condition k x Nk0 <= r. A term that is not a number can be trusted with no force.
LimitKind limitKind(double k, double r) {
    if (std::isnan(k) || std::isnan(r)) return LimitKind::Excludes;
    if (k > 0) return LimitKind::Upper;
    if (k < 0) return LimitKind::Lower;
    return r >= 0 ? LimitKind::None : LimitKind::Excludes;
}

bool breaks(LimitKind kind, double N, double Nk0) {
    switch (kind) {
    case LimitKind::Upper: return isAbove(Nk0, N);
    case LimitKind::Lower: return isBelow(Nk0, N);
    case LimitKind::None: return false;
    case LimitKind::Excludes: return true;
    }
    return true;
}

}  // namespace

ForceBounds computeForceBounds(const DesignValues& v) {
    ForceBounds f;
    f.section = computeSectionProperties(v.section);
    f.working = sectionInMetres(f.section, v.cable.ek);
    const SectionInMetres& w = f.working;
    const AllowableStresses& g = v.allowable;

    const Moments M = moments(v);
    f.Mmin = M.Mmin;
    f.Mmax = M.Mmax;
    // The eccentricity terms and the moment-and-stress terms of the four conditions.
    const double bottom = w.e + w.kb2, top = w.e - w.kb1;
    const double r1 = f.Mmin + (w.Wb1 * g.Gbd0) * 1e3;
    const double r2 = f.Mmin + (w.Wb2 * g.Gbz0) * 1e3;
    const double r3 = f.Mmax - (w.Wb1 * g.Gbzbes) * 1e3;
    const double r4 = f.Mmax - (w.Wb2 * g.Gbdbes) * 1e3;

    f.momentTerms = {r1, r2, r3, r4};
    f.q1 = bottom / r1;
    f.q2 = top / r2;
    f.q3 = v.m * (bottom / r3);
    f.q4 = v.m * (top / r4);
    f.N1 = 1 / f.q1;
    f.N2 = 1 / f.q2;
    f.N3 = 1 / f.q3;
    f.N4 = 1 / f.q4;
    // Conditions 3 and 4 read m x k x Nk0 >= r: turned round, -m x k x Nk0 <= -r.
    f.kinds = {limitKind(bottom, r1), limitKind(top, r2), limitKind(-v.m * bottom, -r3), limitKind(-v.m * top, -r4)};

    // A prestressing force is positive: a lower limit at or below zero restricts nothing.
    f.minNko = 0;
    f.maxNko = std::numeric_limits<double>::infinity();
    const std::array<double, 4> limits = f.limits();
    for (size_t i = 0; i < limits.size(); ++i) {
        if (f.kinds[i] == LimitKind::Lower && limits[i] > f.minNko) f.minNko = limits[i];
        if (f.kinds[i] == LimitKind::Upper && limits[i] < f.maxNko) f.maxNko = limits[i];
    }
    return f;
}

Nk0Check checkAdmissibleNk0(const ForceBounds& b, double Nk0) {
    const std::array<double, 4> limits = b.limits();
    for (size_t i = 0; i < limits.size(); ++i) {
        if (b.kinds[i] == LimitKind::Lower && breaks(b.kinds[i], limits[i], Nk0)) return Nk0Check::BelowLowerLimit;
    }
    for (size_t i = 0; i < limits.size(); ++i) {
        if (b.kinds[i] != LimitKind::Lower && breaks(b.kinds[i], limits[i], Nk0)) return Nk0Check::AboveUpperLimit;
    }
    return Nk0Check::Admissible;
}

bool hasAdmissibleForce(const ForceBounds& b) {
    return b.maxNko > 0 && checkAdmissibleNk0(b, b.minNko) == Nk0Check::Admissible;
}

std::string startingForceText(const ForceBounds& bounds) {
    return numberToText(Round(bounds.minNko, 2) + 0.01);
}

std::string resetForceText(const ForceBounds& bounds) { return roundedText(bounds.minNko, 2); }

}  // namespace core
