#include "core/BendingCheck.h"

#include "core/SectionProperties.h"
#include "core/Tolerance.h"

namespace core {

namespace {

constexpr double kMPaPerGPa = 1e3;

eurocode::ISection fromTheTop(const SectionDimensions& s) { return {s.b2, s.d2, s.d3, s.b, s.b1, s.d1}; }

}  // namespace

double defaultMEd(double Mg, double Mp, double Ms) { return eurocode::MEd(Mg + Mp, Ms); }

BendingCheck checkBending(const DesignValues& v, double n, const BendingInputs& in) {
    BendingCheck c;
    c.MEd = in.MEd ? *in.MEd : defaultMEd(v.Mg, v.Mp, v.Ms);
    c.n = n;
    c.Ap = n * v.cable.Fk;
    c.sigma_pm_inf = v.m * v.cable.Gk0;
    c.yb2 = computeSectionProperties(v.section).yb2;
    c.dp = c.yb2 + v.cable.ek;
    if (!in.fck || !in.fp01k || !in.fpk) return c;

    eurocode::BendingProblem p;
    p.section = fromTheTop(v.section);
    p.dp = c.dp;
    p.Ap = c.Ap;
    p.fck = *in.fck;
    p.alpha_cc = in.alpha_cc;
    p.gamma_c = in.gamma_c;
    p.strand.fpd = eurocode::fpd(*in.fp01k, in.gamma_s);
    p.strand.fpud = *in.fpk / in.gamma_s;
    p.strand.Ep = in.Ep * kMPaPerGPa;
    p.strand.branch = in.branch;
    p.strand.eps_ud = in.eps_ud;
    // The decompression strain of the concrete at the tendon is neglected.
    p.eps_p0 = c.sigma_pm_inf / p.strand.Ep;
    c.problem = p;
    c.resistance = eurocode::bendingResistance(p);
    if (c.resistance->status == eurocode::BendingStatus::Computed) c.satisfied = !isAbove(c.MEd, c.resistance->MRd);
    return c;
}

}  // namespace core
