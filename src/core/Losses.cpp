#include "core/Losses.h"

#include <array>
#include <cmath>

#include "core/CableCount.h"
#include "core/NumberText.h"
#include "core/SectionProperties.h"
#include "eurocode/Creep.h"
#include "eurocode/Shrinkage.h"
#include "eurocode/TendonLoss.h"

namespace core {
namespace {

constexpr double kMinRH = 40;   // %, the range Annex B covers
constexpr double kMaxRH = 100;  // %

constexpr double kMmPerCm = 10, kMm2PerCm2 = 1e2, kMm4PerCm4 = 1e4;
constexpr double kNPerKN = 1e3, kNmmPerKNm = 1e6, kMPaPerGPa = 1e3;

}  // namespace

double sectionOutline(const SectionDimensions& s) {
    struct Part {
        double width, height;
    };
    const std::array<Part, 3> parts{{{s.b1, s.d1}, {s.d3, s.b}, {s.b2, s.d2}}};
    // Each vertical side twice, the first and the last width, and between two
    // parts the step where one stands out of the other.
    double outline = 0;
    double below = 0;  // width of the part beneath, 0 under the first
    for (const Part& p : parts) {
        if (p.width <= 0 || p.height <= 0) continue;
        outline += 2 * p.height + std::fabs(p.width - below);
        below = p.width;
    }
    return outline + below;
}

LossDesign lossDesign(const DesignValues& v, double n) {
    return {v.section, v.cable.ek, v.cable.Fk, v.cable.Gk0, n, v.Mg, v.Mp};
}

double quasiPermanentMoment(const LossInputs& in, const LossDesign& d) { return in.M_QPTyped ? in.M_QP : d.Mg + d.Mp; }

std::optional<std::string> lossInputRefusal(const LossInputs& in, const LossDesign& d) {
    if (!eurocode::concreteClassNamed(in.concreteClass)) return "Klasa betona " + in.concreteClass + " nije poznata !";
    if (!(in.RH >= kMinRH && in.RH <= kMaxRH)) return "Relativna vlaznost RH mora imati vrednost izmedju 40 i 100 % !";
    if (!(in.t0 > 0)) return "Starost betona pri opterecenju t0 mora biti veca od nule !";
    if (!(in.u > 0)) return "Obim preseka izlozen susenju u mora biti veci od nule !";
    if (!(in.Ep > 0)) return "Modul elasticnosti celika Ep mora biti veci od nule !";
    if (!(in.fpk > 0)) return "Cvrstoca celika fpk mora biti veca od nule !";
    if (!(d.n > 0)) return "Broj kablova mora biti veci od nule !";
    return std::nullopt;
}

LossResult computeLosses(const LossInputs& in, const LossDesign& d) {
    namespace ec = eurocode;
    LossResult r;
    r.fck = ec::concreteClassNamed(in.concreteClass).value().fck;
    r.fcm = ec::fcm(r.fck);
    r.Ecm = ec::Ecm(r.fck);

    const SectionProperties p = computeSectionProperties(d.section);
    r.Ac = p.A;
    r.Ic = p.Ib;
    r.zcp = d.ek;
    r.u = in.u;
    r.h0 = ec::h0(r.Ac * kMm2PerCm2, r.u * kMmPerCm);

    r.alpha1 = ec::alpha1(r.fcm);
    r.alpha2 = ec::alpha2(r.fcm);
    r.phi_RH = ec::phi_RH(in.RH, r.h0, r.fcm);
    r.beta_fcm = ec::beta_fcm(r.fcm);
    r.t0 = ec::t0_adjusted(in.t0, in.cement);
    r.beta_t0 = ec::beta_t0(r.t0);
    r.phi = ec::phi0(r.phi_RH, r.beta_fcm, r.beta_t0);

    r.beta_RH = ec::beta_RH(in.RH);
    r.eps_cd0 = ec::eps_cd0(r.fcm, r.beta_RH, in.cement);
    r.kh = ec::kh(r.h0);
    r.eps_cd_inf = ec::eps_cd_inf(r.kh, r.eps_cd0);
    r.eps_ca_inf = ec::eps_ca_inf(r.fck);
    r.eps_cs = ec::eps_cs(r.eps_cd_inf, r.eps_ca_inf);

    r.mu = d.Gk0 / in.fpk;
    r.rho1000 = ec::rho1000(in.relaxation);
    r.dsigma_pr = ec::dsigma_pr(in.relaxation, d.Gk0, in.fpk, ec::kLongTermHours);

    r.Ap = d.n * d.Fk;
    r.Zk0 = core::Zk0(d.Fk, d.Gk0);
    r.P0 = d.n * r.Zk0;
    r.M_QP = quasiPermanentMoment(in, d);
    // N / mm2 and Nmm mm / mm4: MPa.
    const double P0 = r.P0 * kNPerKN, Ac = r.Ac * kMm2PerCm2, Ic = r.Ic * kMm4PerCm4, zcp = r.zcp * kMmPerCm;
    r.sigma_c_QP = P0 / Ac + P0 * zcp * zcp / Ic - r.M_QP * kNmmPerKNm * zcp / Ic;

    r.dsigma_p = ec::dsigma_p_csr({r.eps_cs, in.Ep * kMPaPerGPa, r.dsigma_pr, r.Ecm * kMPaPerGPa, r.phi,
                                   r.sigma_c_QP, r.Ap * kMm2PerCm2, Ac, Ic, zcp});
    r.dP = r.dsigma_p * r.Ap * kMm2PerCm2 / kNPerKN;
    r.m = 1 - r.dsigma_p / d.Gk0;
    r.mText = numberToText(RoundDown(r.m, 2));
    return r;
}

std::optional<std::string> lossResultRefusal(const LossResult& r) {
    if (!(r.dsigma_p > 0)) {
        return "Gubitak sile prethodnog naprezanja nije veci od nule, koeficijent m se ne moze odrediti !";
    }
    // m goes into the field rounded down: below 0.01 it would be written 0.
    if (!(RoundDown(r.m, 2) > 0)) return "Gubici sile ne ostavljaju koeficijent m veci od nule !";
    return std::nullopt;
}

}  // namespace core
