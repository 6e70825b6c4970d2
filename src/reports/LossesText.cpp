#include "reports/LossesText.h"

#include <algorithm>
#include <cmath>

#include "core/NumberText.h"

namespace reports {
namespace {

// Intermediate values to four significant digits, enough to follow the arithmetic by hand.
std::string fourDigits(double x) { return core::significantText(x, 4); }

using core::numberToText;
using core::roundedText;

std::string twoPlaces(double x) { return roundedText(x, 2); }  // forces, moments, the section

std::string quasiPermanentLine(const core::LossInputs& in, const core::LossDesign& d, const core::LossResult& r) {
    if (in.M_QPTyped) return "M_QP = " + numberToText(r.M_QP) + " kNm (zadato)";
    return "M_QP = Mg + Mp = " + numberToText(d.Mg) + " + " + numberToText(d.Mp) + " = " + twoPlaces(r.M_QP) + " kNm";
}

std::string humidityFactorLine(const core::LossResult& r) {
    if (r.fcm <= 35) return "phi_RH = 1 + (1 - RH/100) / (0.1 h0^(1/3)) = " + fourDigits(r.phi_RH) + " (B.3a)";
    return "phi_RH = (1 + (1 - RH/100) / (0.1 h0^(1/3)) alpha1) alpha2 = " + fourDigits(r.phi_RH) +
           ", alpha1 = (35/fcm)^0.7 = " + fourDigits(r.alpha1) + ", alpha2 = (35/fcm)^0.2 = " + fourDigits(r.alpha2) +
           " (B.3b)";
}

std::string relaxationLine(const core::LossInputs& in, const core::LossResult& r) {
    const bool class1 = in.relaxation == eurocode::RelaxationClass::Class1;
    const std::string share = class1 ? "5.39 rho1000 e^(6.7 mu)" : "0.66 rho1000 e^(9.1 mu)";
    return "Delta sigma_pr = " + share + " (t/1000)^(0.75 (1 - mu)) 10^-5 Gko = " + fourDigits(r.dsigma_pr) + " MPa " +
           (class1 ? "(3.28)" : "(3.29)");
}

// (5.46) with the values as the lines above print them: Ep/Ecm both in GPa,
// eps_cs Ep in MPa, the section in cm.
std::string substituted546(const core::LossInputs& in, const core::LossResult& r) {
    const std::string ratio = "(" + numberToText(in.Ep) + " / " + fourDigits(r.Ecm) + ")";
    const std::string phi = fourDigits(r.phi);
    const std::string Ac = twoPlaces(r.Ac);
    return "Delta sigma_p,c+s+r = (" + fourDigits(r.eps_cs) + " x " + numberToText(in.Ep * 1e3) + " + 0.8 x " +
           fourDigits(r.dsigma_pr) + " + " + ratio + " x " + phi + " x " + fourDigits(r.sigma_c_QP) + ") / (1 + " + ratio +
           " x (" + fourDigits(r.Ap) + " / " + Ac + ") x (1 + (" + Ac + " / " + twoPlaces(r.Ic) +
           ") x " + numberToText(r.zcp) + "^2) x (1 + 0.8 x " + phi + ")) = " + fourDigits(r.dsigma_p) + " MPa";
}

}  // namespace

std::vector<std::string> lossLines(const core::LossInputs& in, const core::LossDesign& d, const core::LossResult& r) {
    const std::string cement(eurocode::cementName(in.cement));
    const std::string Gko = numberToText(d.Gk0);
    const std::string rho = numberToText(r.rho1000);
    return {
        "Beton " + in.concreteClass + " (SRPS EN 1992-1-1), cement klase " + cement + ": fck = " +
            numberToText(r.fck) + " MPa, fcm = " + numberToText(r.fcm) + " MPa, Ecm = " + fourDigits(r.Ecm) + " GPa",
        "Relativna vlaznost RH = " + numberToText(in.RH) + " %, starost pri opterecenju t0 = " +
            numberToText(in.t0) + " dana",
        "Obim izlozen susenju u = " + numberToText(in.u) + " cm, Ac = " + twoPlaces(r.Ac) +
            " cm2, h0 = 2 Ac / u = " + fourDigits(r.h0) + " mm (B.6)",
        quasiPermanentLine(in, d, r),
        "Kablovi: n = " + numberToText(d.n) + ", Ap = n x Fk = " + numberToText(d.n) + " x " + numberToText(d.Fk) +
            " = " + fourDigits(r.Ap) + " cm2, P0 = n x Zko = " + numberToText(d.n) + " x " + twoPlaces(r.Zk0) + " = " +
            twoPlaces(r.P0) + " kN",
        "Celik: Ep = " + numberToText(in.Ep) + " GPa, fpk = " + numberToText(in.fpk) + " MPa, Gko = " + Gko +
            " MPa, relaksacija klase " + (in.relaxation == eurocode::RelaxationClass::Class1 ? "1" : "2") +
            " (rho1000 = " + rho + " %)",
        "Tecenje (Dodatak B), t = beskonacno:",
        humidityFactorLine(r),
        "beta(fcm) = 16.8 / sqrt(fcm) = " + fourDigits(r.beta_fcm) + " (B.4)",
        "t0 = " + fourDigits(r.t0) + " dana, prema klasi cementa " + cement + " (B.9)",
        "beta(t0) = 1 / (0.1 + t0^0.20) = " + fourDigits(r.beta_t0) + " (B.5)",
        "phi(inf,t0) = phi_RH x beta(fcm) x beta(t0) = " + fourDigits(r.phi) + " (B.2)",
        "Skupljanje (3.1.4), t = beskonacno:",
        "beta_RH = 1.55 (1 - (RH/100)^3) = " + fourDigits(r.beta_RH) + " (B.12)",
        "eps_cd,0 = 0.85 ((220 + 110 alpha_ds1) exp(-alpha_ds2 fcm/10)) 10^-6 beta_RH = " + fourDigits(r.eps_cd0) +
            " (B.11)",
        "kh = " + fourDigits(r.kh) + " (tablica 3.3)",
        "eps_cd,inf = kh eps_cd,0 = " + fourDigits(r.eps_cd_inf) + " (3.9)",
        "eps_ca,inf = 2.5 (fck - 10) 10^-6 = " + fourDigits(r.eps_ca_inf) + " (3.12)",
        "eps_cs = eps_cd,inf + eps_ca,inf = " + fourDigits(r.eps_cs) + " (3.8)",
        "Relaksacija (3.3.2), t = 500000 h:",
        "mu = Gko / fpk = " + Gko + " / " + numberToText(in.fpk) + " = " + fourDigits(r.mu),
        relaxationLine(in, r),
        "Napon u betonu u visini kabla (pritisak pozitivan), zcp = ek = " + numberToText(r.zcp) + " cm, Ic = " +
            twoPlaces(r.Ic) + " cm4:",
        "sigma_c,QP = P0 / Ac + P0 zcp^2 / Ic - M_QP zcp / Ic = " + fourDigits(r.sigma_c_QP) + " MPa",
        "Gubici sile (5.10.6), t = beskonacno:",
        "Delta sigma_p,c+s+r = (eps_cs Ep + 0.8 Delta sigma_pr + (Ep/Ecm) phi(t,t0) sigma_c,QP) / "
        "(1 + (Ep/Ecm) (Ap/Ac) (1 + (Ac/Ic) zcp^2) (1 + 0.8 phi(t,t0))) (5.46)",
        substituted546(in, r),
        "Delta P = Delta sigma_p,c+s+r x Ap = " + twoPlaces(r.dP) + " kN",
        "m = 1 - Delta sigma_p,c+s+r / Gko = 1 - " + fourDigits(r.dsigma_p) + " / " + Gko + " = " + fourDigits(r.m),
        "m = " + r.mText + " (zaokruzeno nanize na dve decimale)",
    };
}

std::vector<std::string> typedEfficiencyLines(std::string_view mText) {
    return {"m = " + std::string(mText) + " (zadato)"};
}

}  // namespace reports
