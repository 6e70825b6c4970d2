#include "reports/BendingText.h"

#include <algorithm>
#include <cmath>

#include "core/BendingCheck.h"
#include "core/NumberText.h"

namespace reports {

namespace {

using core::numberToText;
using eurocode::BendingStatus;
using eurocode::UpperBranch;

constexpr double kCmPerM = 100;

// A value as the engineer typed or chose it.
std::string given(double x) { return numberToText(x); }

// A term added in a formula: "+ (-45)" rather than "+ -45".
std::string addend(double x) { return x < 0 ? "(" + given(x) + ")" : given(x); }

std::string MEdLine(const core::DesignValues& v, const core::BendingInputs& in, const core::BendingCheck& c) {
    if (in.MEd) return "MEd = " + given(c.MEd) + " kNm (zadato)";
    return "MEd = 1.35 x (Mg + Mp) + 1.5 x Ms = 1.35 x (" + given(v.Mg) + " + " + given(v.Mp) + ") + 1.5 x " +
           given(v.Ms) + " = " + core::significantText(c.MEd) + " kNm (EN 1990, 6.10)";
}

// "fck", "fck i fpk", "fck, fp0.1k i fpk"
std::string missingValues(const core::BendingInputs& in) {
    std::vector<std::string> names;
    if (!in.fck) names.push_back("fck");
    if (!in.fp01k) names.push_back("fp0.1k");
    if (!in.fpk) names.push_back("fpk");
    std::string text = names.front();
    for (size_t i = 1; i < names.size(); ++i) text += (i + 1 == names.size() ? " i " : ", ") + names[i];
    if (names.size() == 1) return "Nije poznata vrednost " + text;
    return "Nisu poznate vrednosti " + text;
}

std::vector<std::string> materialLines(const core::DesignValues& v, const core::BendingInputs& in,
                                       const core::BendingCheck& c) {
    const eurocode::BendingProblem& p = *c.problem;
    const eurocode::BendingResistance& r = *c.resistance;
    const double Ep = p.strand.Ep;
    std::string branch;
    if (in.branch == UpperBranch::Horizontal) {
        branch = "horizontalna, sigma_p = fpd posle tecenja";
    } else {
        branch = "kosa, do fpk / gamma_s = " + given(*in.fpk) + " / " + given(in.gamma_s) + " = " +
                 core::significantText(p.strand.fpud) + " MPa pri eps_ud = " + given(in.eps_ud);
    }
    return {
        "fck = " + given(*in.fck) + " MPa, alpha_cc = " + given(in.alpha_cc) + ", gamma_c = " + given(in.gamma_c) +
            ": fcd = alpha_cc x fck / gamma_c = " + given(in.alpha_cc) + " x " + given(*in.fck) + " / " +
            given(in.gamma_c) + " = " + core::significantText(r.fcd) + " MPa (3.1.6(1)P)",
        "lambda = " + core::significantText(r.lambda) + ", eta = " + core::significantText(r.eta) + ", eps_cu3 = " +
            core::significantText(r.eps_cu3) + " (3.1.7(3))",
        "fp0.1k = " + given(*in.fp01k) + " MPa, fpk = " + given(*in.fpk) + " MPa, gamma_s = " + given(in.gamma_s) +
            ": fpd = fp0.1k / gamma_s = " + given(*in.fp01k) + " / " + given(in.gamma_s) + " = " +
            core::significantText(p.strand.fpd) + " MPa (3.3.6(6))",
        "Ep = " + given(in.Ep) + " GPa, gornja grana dijagrama kabla: " + branch + " (3.3.6(7))",
        "sigma_pm,inf = m x Gko = " + given(v.m) + " x " + given(v.cable.Gk0) + " = " + core::significantText(c.sigma_pm_inf) +
            " MPa, eps_p0 = sigma_pm,inf / Ep = " + core::significantText(c.sigma_pm_inf) + " / " + given(Ep) + " = " +
            core::significantText(p.eps_p0) + " (dilatacija dekompresije betona u visini kabla se zanemaruje)",
        "Kablovi ne primaju pritisak; meka armatura se ne uzima u obzir.",
        "dp = yb2 + ek = " + core::significantText(c.yb2) + " + " + addend(v.cable.ek) + " = " + core::significantText(c.dp) + " cm",
    };
}

std::string stressLine(const core::BendingInputs& in, const core::BendingCheck& c) {
    const eurocode::StrandDesignLaw& law = c.problem->strand;
    const eurocode::BendingResistance& r = *c.resistance;
    const std::string sigma = core::significantText(r.sigma_p) + " MPa";
    const std::string eps_y = core::significantText(law.fpd / law.Ep);
    if (!r.yields) {
        return "sigma_p = Ep x eps_p = " + given(law.Ep) + " x " + core::significantText(r.eps_p) + " = " + sigma +
               " (bez tecenja: eps_p < fpd / Ep = " + eps_y + ")";
    }
    if (in.branch == UpperBranch::Horizontal) {
        return "sigma_p = fpd = " + sigma + " (tecenje: eps_p >= fpd / Ep = " + eps_y + ")";
    }
    if (r.eps_p >= law.eps_ud) {
        return "sigma_p = fpk / gamma_s = " + sigma + " (tecenje: eps_p >= eps_ud = " + given(law.eps_ud) + ")";
    }
    return "sigma_p = fpd + (fpk / gamma_s - fpd) x (eps_p - fpd / Ep) / (eps_ud - fpd / Ep) = " +
           core::significantText(law.fpd) + " + (" + core::significantText(law.fpud) + " - " + core::significantText(law.fpd) + ") x (" +
           core::significantText(r.eps_p) + " - " + eps_y + ") / (" + given(law.eps_ud) + " - " + eps_y + ") = " + sigma +
           " (tecenje)";
}

std::vector<std::string> resistanceLines(const core::BendingInputs& in, const core::BendingCheck& c) {
    const eurocode::BendingResistance& r = *c.resistance;
    if (r.status == BendingStatus::NeutralAxisBelowTendon) {
        return {"Neutralna osa je ispod kabla (x >= dp): kabl nije u zategnutoj zoni, pa se MRd ne racuna.",
                "Nosivost na savijanje nije dokazana."};
    }
    if (r.status == BendingStatus::NoEquilibrium) {
        return {"Nema ravnoteze u visini preseka: ni ceo pritisnut presek ne prima silu kablova, pa se MRd ne "
                "racuna.",
                "Nosivost na savijanje nije dokazana."};
    }
    const std::string MEd = "MEd = " + core::significantText(c.MEd) + " kNm";
    const std::string MRd = "MRd = " + core::significantText(r.MRd) + " kNm";
    return {
        "Ravnoteza: Ap x sigma_p = eta x fcd x Ac(lambda x): " + core::significantText(c.Ap) + " cm2 x " +
            core::significantText(r.sigma_p) + " MPa = " + core::significantText(r.eta) + " x " + core::significantText(r.fcd) + " MPa x " +
            core::significantText(r.Ac) + " cm2 = " + core::significantText(r.Fp) + " kN",
        "x = " + core::significantText(r.x) + " cm, lambda x = " + core::significantText(r.lambda * r.x) + " cm, x / dp = " +
            core::significantText(r.x_dp),
        "eps_p = eps_p0 + eps_cu3 x (dp - x) / x = " + core::significantText(c.problem->eps_p0) + " + " +
            core::significantText(r.eps_cu3) + " x (" + core::significantText(c.dp) + " - " + core::significantText(r.x) + ") / " +
            core::significantText(r.x) + " = " + core::significantText(r.eps_p),
        stressLine(in, c),
        "z = dp - z_c = " + core::significantText(c.dp) + " - " + core::significantText(r.z_c) + " = " + core::significantText(r.z) +
            " cm (z_c: teziste pritisnute zone od gornje ivice)",
        "MRd = Ap x sigma_p x z = " + core::significantText(r.Fp) + " kN x " + core::significantText(r.z / kCmPerM) + " m = " +
            core::significantText(r.MRd) + " kNm",
        *c.satisfied ? MEd + " <= " + MRd + ": zadovoljava" : MEd + " > " + MRd + ": ne zadovoljava",
    };
}

}  // namespace

std::vector<std::string> bendingLines(const core::DesignValues& v, double n, const core::BendingInputs& in) {
    const core::BendingCheck c = core::checkBending(v, n, in);
    std::vector<std::string> lines{
        MEdLine(v, in, c),
        "Broj kablova n = " + given(n) + ", Ap = n x Fk = " + given(n) + " x " + given(v.cable.Fk) + " = " +
            core::significantText(c.Ap) + " cm2",
    };
    if (!c.resistance) {
        lines.push_back(missingValues(in) + ": MRd se ne moze izracunati.");
        return lines;
    }
    for (std::string& line : materialLines(v, in, c)) lines.push_back(std::move(line));
    for (std::string& line : resistanceLines(in, c)) lines.push_back(std::move(line));
    return lines;
}

}  // namespace reports
