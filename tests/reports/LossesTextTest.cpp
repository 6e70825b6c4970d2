#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "reports/LossesText.h"

using namespace core;

namespace {

LossDesign startupDesign() { return {{124, 40, 40, 23, 23, 15}, 75.5, 4.618, 1054, 6, 617.51, 1355.19}; }

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::vector<std::string> linesWith(const std::function<void(LossInputs&)>& change) {
    const LossDesign d = startupDesign();
    LossInputs in;
    in.u = sectionOutline(d.section);
    change(in);
    return reports::lossLines(in, d, computeLosses(in, d));
}

TEST(LossesText, StartupDesignLineByLine) {
    const std::string expected =
        "Beton C40/50 (SRPS EN 1992-1-1), cement klase N: fck = 40 MPa, fcm = 48 MPa, Ecm = 35.22 GPa\n"
        "Relativna vlaznost RH = 70 %, starost pri opterecenju t0 = 28 dana\n"
        "Obim izlozen susenju u = 470 cm, Ac = 3700 cm2, h0 = 2 Ac / u = 157.4 mm (B.6)\n"
        "M_QP = Mg + Mp = 617.51 + 1355.19 = 1972.7 kNm\n"
        "Kablovi: n = 6, Ap = n x Fk = 6 x 4.618 = 27.71 cm2, P0 = n x Zko = 6 x 486.74 = 2920.42 kN\n"
        "Celik: Ep = 195 GPa, fpk = 1860 MPa, Gko = 1054 MPa, relaksacija klase 2 (rho1000 = 2.5 %)\n"
        "Tecenje (Dodatak B), t = beskonacno:\n"
        "phi_RH = (1 + (1 - RH/100) / (0.1 h0^(1/3)) alpha1) alpha2 = 1.357, alpha1 = (35/fcm)^0.7 = 0.8016, alpha2 = (35/fcm)^0.2 = 0.9388 (B.3b)\n"
        "beta(fcm) = 16.8 / sqrt(fcm) = 2.425 (B.4)\n"
        "t0 = 28 dana, prema klasi cementa N (B.9)\n"
        "beta(t0) = 1 / (0.1 + t0^0.20) = 0.4884 (B.5)\n"
        "phi(inf,t0) = phi_RH x beta(fcm) x beta(t0) = 1.607 (B.2)\n"
        "Skupljanje (3.1.4), t = beskonacno:\n"
        "beta_RH = 1.55 (1 - (RH/100)^3) = 1.018 (B.12)\n"
        "eps_cd,0 = 0.85 ((220 + 110 alpha_ds1) exp(-alpha_ds2 fcm/10)) 10^-6 beta_RH = 0.0003211 (B.11)\n"
        "kh = 0.9138 (tablica 3.3)\n"
        "eps_cd,inf = kh eps_cd,0 = 0.0002935 (3.9)\n"
        "eps_ca,inf = 2.5 (fck - 10) 10^-6 = 7.5E-05 (3.12)\n"
        "eps_cs = eps_cd,inf + eps_ca,inf = 0.0003685 (3.8)\n"
        "Relaksacija (3.3.2), t = 500000 h:\n"
        "mu = Gko / fpk = 1054 / 1860 = 0.5667\n"
        "Delta sigma_pr = 0.66 rho1000 e^(9.1 mu) (t/1000)^(0.75 (1 - mu)) 10^-5 Gko = 22.75 MPa (3.29)\n"
        "Napon u betonu u visini kabla (pritisak pozitivan), zcp = ek = 75.5 cm, Ic = 12404533.33 cm4:\n"
        "sigma_c,QP = P0 / Ac + P0 zcp^2 / Ic - M_QP zcp / Ic = 9.306 MPa\n"
        "Gubici sile (5.10.6), t = beskonacno:\n"
        "Delta sigma_p,c+s+r = (eps_cs Ep + 0.8 Delta sigma_pr + (Ep/Ecm) phi(t,t0) sigma_c,QP) / (1 + (Ep/Ecm) (Ap/Ac) (1 + (Ac/Ic) zcp^2) (1 + 0.8 phi(t,t0))) (5.46)\n"
        "Delta sigma_p,c+s+r = (0.0003685 x 195000 + 0.8 x 22.75 + (195 / 35.22) x 1.607 x 9.306) / (1 + (195 / 35.22) x (27.71 / 3700) x (1 + (3700 / 12404533.33) x 75.5^2) x (1 + 0.8 x 1.607)) = 137.6 MPa\n"
        "Delta P = Delta sigma_p,c+s+r x Ap = 381.37 kN\n"
        "m = 1 - Delta sigma_p,c+s+r / Gko = 1 - 137.6 / 1054 = 0.8694\n"
        "m = 0.86 (zaokruzeno nanize na dve decimale)\n";
    EXPECT_EQ(joined(linesWith([](LossInputs&) {})), expected);
}

TEST(LossesText, LinesThatFollowTheInputs) {
    struct Case {
        const char* what;
        std::function<void(LossInputs&)> change;
        std::size_t line;
        const char* text;
    };
    const Case cases[] = {
        {"typed M_QP", [](LossInputs& in) { in.M_QPTyped = true, in.M_QP = 1500; }, 3, "M_QP = 1500 kNm (zadato)"},
        {"class 1 steel", [](LossInputs& in) { in.relaxation = eurocode::RelaxationClass::Class1; }, 21,
         "Delta sigma_pr = 5.39 rho1000 e^(6.7 mu) (t/1000)^(0.75 (1 - mu)) 10^-5 Gko = 152.6 MPa (3.28)"},
        {"fcm up to 35 MPa", [](LossInputs& in) { in.concreteClass = "C25/30"; }, 7,
         "phi_RH = 1 + (1 - RH/100) / (0.1 h0^(1/3)) = 1.556 (B.3a)"},
        {"cement R at 7 days", [](LossInputs& in) { in.cement = eurocode::CementClass::R, in.t0 = 7; }, 9,
         "t0 = 12.11 dana, prema klasi cementa R (B.9)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::string> lines = linesWith(c.change);
        ASSERT_LT(c.line, lines.size());
        EXPECT_EQ(lines[c.line], c.text);
    }
}

TEST(LossesText, TypedEfficiencyIsOneLine) {
    EXPECT_EQ(reports::typedEfficiencyLines("0.8"), std::vector<std::string>{"m = 0.8 (zadato)"});
}

// The start-up design gives m = 0.8694 with six cables: 0.86 once rounded down.
TEST(LossesText, TheCalculationStandsOnlyWhereItGivesTheFieldsM) {
    LossInputs in;
    in.u = 470;
    const std::string calculated = "m = 0.86 (zaokruzeno nanize na dve decimale)";
    auto withLosses = [&](Design& d, const char* m, std::optional<int> cables) {
        d.losses = in;
        d.text(Field::M) = m;
        d.adoptedCables = cables;
    };
    const struct {
        const char* what;
        std::function<void(Design&)> change;
        std::string last;  // the last line
        size_t lines;
    } cases[] = {
        {"typed m", [](Design&) {}, "m = 0.8 (zadato)", 1},
        {"m from the losses with their six cables", [&](Design& d) { withLosses(d, "0.86", 6); }, calculated, 30},
        {"m typed after the losses", [&](Design& d) { withLosses(d, "0.85", 6); }, "m = 0.85 (zadato)", 1},
        {"the tendon moved since", [&](Design& d) { withLosses(d, "0.86", 6), d.text(Field::Ek) = "40"; },
         "m = 0.86 (zadato)", 1},
        {"more cables adopted since", [&](Design& d) { withLosses(d, "0.86", 9); }, "m = 0.86 (zadato)", 1},
        // m = 0.86 lowers minNko to 4.7 cables: the smallest admissible count is then 5.
        {"no count adopted", [&](Design& d) { withLosses(d, "0.86", std::nullopt); }, "m = 0.86 (zadato)", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Design design = core::startupDesign();
        c.change(design);
        const std::vector<std::string> lines = reports::efficiencyLines(design);
        EXPECT_EQ(lines.back(), c.last);
        EXPECT_EQ(lines.size(), c.lines);
    }
}

}  // namespace
