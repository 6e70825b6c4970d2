#include "eurocode/Bending.h"

#include <algorithm>

#include "eurocode/Concrete.h"

namespace eurocode {

namespace {

constexpr double kMm2PerCm2 = 100;
constexpr double kMmPerCm = 10;
constexpr double kNPerKN = 1e3;
constexpr double kNmmPerKNm = 1e6;

// The part of [from, from + thickness] that lies above the depth y.
double coveredHeight(double y, double from, double thickness) { return std::clamp(y - from, 0.0, thickness); }

// Ap sigma_p minus the force of the block for a neutral axis at depth x (cm),
// in N. It falls as x grows: the strand's strain and stress fall, the block
// grows, so the root is found by halving.
struct ForceBalance {
    const BendingProblem& p;
    double fcd, lambda, eta, eps_cu3;

    double eps_p(double x) const { return p.eps_p0 + eps_cu3 * (p.dp - x) / x; }  // Figure 6.1
    double strandForce(double x) const { return p.Ap * kMm2PerCm2 * sigma_p(eps_p(x), p.strand); }
    double blockForce(double x) const { return eta * fcd * Ac(p.section, lambda * x) * kMm2PerCm2; }
    double operator()(double x) const { return strandForce(x) - blockForce(x); }
};

}  // namespace

double MEd(double MG, double MQ) { return 1.35 * MG + 1.5 * MQ; }

double fpd(double fp01k, double gamma_s) { return fp01k / gamma_s; }

double sigma_p(double eps_p, const StrandDesignLaw& law) {
    if (eps_p <= 0) return 0;
    const double eps_yield = law.fpd / law.Ep;
    if (eps_p < eps_yield) return law.Ep * eps_p;
    if (law.branch == UpperBranch::Horizontal) return law.fpd;
    if (eps_p >= law.eps_ud) return law.fpud;
    return law.fpd + (law.fpud - law.fpd) * (eps_p - eps_yield) / (law.eps_ud - eps_yield);
}

double height(const ISection& s) { return s.d2 + s.b + s.d1; }

double Ac(const ISection& s, double y) {
    return s.b2 * coveredHeight(y, 0, s.d2) + s.d3 * coveredHeight(y, s.d2, s.b) +
           s.b1 * coveredHeight(y, s.d2 + s.b, s.d1);
}

double Sc(const ISection& s, double y) {
    const double top = coveredHeight(y, 0, s.d2);
    const double web = coveredHeight(y, s.d2, s.b);
    const double bottom = coveredHeight(y, s.d2 + s.b, s.d1);
    return s.b2 * top * (top / 2) + s.d3 * web * (s.d2 + web / 2) + s.b1 * bottom * (s.d2 + s.b + bottom / 2);
}

BendingResistance bendingResistance(const BendingProblem& p) {
    BendingResistance r;
    r.fcd = fcd(p.fck, p.alpha_cc, p.gamma_c);
    r.fpd = p.strand.fpd;
    r.lambda = lambda(p.fck);
    r.eta = eta(p.fck);
    r.eps_cu3 = eps_cu3(p.fck);
    const ForceBalance balance{p, r.fcd, r.lambda, r.eta, r.eps_cu3};

    // The strand's force exceeds the block's at a small x (its strain there is
    // large, the block thin); if it still does at the tendon, the root lies
    // below it, and if it does with the whole section compressed, nowhere.
    if (p.dp <= 0 || balance(p.dp) >= 0) {
        const bool wholeSectionTooWeak = balance(height(p.section) / r.lambda) > 0;
        r.status = wholeSectionTooWeak ? BendingStatus::NoEquilibrium : BendingStatus::NeutralAxisBelowTendon;
        return r;
    }
    double above = 0;      // balance > 0
    double below = p.dp;   // balance < 0 (or = 0)
    for (;;) {
        const double mid = above + (below - above) / 2;
        if (mid <= above || mid >= below) break;
        (balance(mid) > 0 ? above : below) = mid;
    }

    r.x = below;
    r.x_dp = r.x / p.dp;
    r.eps_p = balance.eps_p(r.x);
    r.sigma_p = sigma_p(r.eps_p, p.strand);
    r.yields = r.eps_p >= p.strand.fpd / p.strand.Ep;
    r.Ac = Ac(p.section, r.lambda * r.x);
    r.z_c = Sc(p.section, r.lambda * r.x) / r.Ac;
    r.z = p.dp - r.z_c;
    const double Fp = balance.strandForce(r.x);  // N
    r.Fp = Fp / kNPerKN;
    r.MRd = Fp * (r.z * kMmPerCm) / kNmmPerKNm;
    return r;
}

}  // namespace eurocode
