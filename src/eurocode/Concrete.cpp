#include "eurocode/Concrete.h"

#include <algorithm>
#include <cmath>

namespace eurocode {

namespace {
constexpr double kHighStrengthFrom = 50;  // MPa: the formulas change above C50/60
}

const std::array<ConcreteClass, 12>& concreteClasses() {
    static constexpr std::array<ConcreteClass, 12> classes{{
        {"C20/25", 20}, {"C25/30", 25}, {"C30/37", 30}, {"C35/45", 35},
        {"C40/50", 40}, {"C45/55", 45}, {"C50/60", 50}, {"C55/67", 55},
        {"C60/75", 60}, {"C70/85", 70}, {"C80/95", 80}, {"C90/105", 90},
    }};
    return classes;
}

std::optional<ConcreteClass> concreteClassNamed(std::string_view name) {
    const auto& classes = concreteClasses();
    auto found = std::find_if(classes.begin(), classes.end(),
                              [&](const ConcreteClass& c) { return c.name == name; });
    if (found == classes.end()) return std::nullopt;
    return *found;
}

std::string_view cementName(CementClass cement) {
    switch (cement) {
    case CementClass::R: return "R";
    case CementClass::N: return "N";
    case CementClass::S: return "S";
    }
    return "N";
}

double fcm(double fck) { return fck + 8; }

double fctm(double fck) {
    if (fck <= kHighStrengthFrom) return 0.30 * std::pow(fck, 2.0 / 3.0);
    return 2.12 * std::log(1 + fcm(fck) / 10);
}

double Ecm(double fck) { return 22 * std::pow(fcm(fck) / 10, 0.3); }

double s(CementClass cement) {
    switch (cement) {
    case CementClass::R: return 0.20;
    case CementClass::N: return 0.25;
    case CementClass::S: return 0.38;
    }
    return 0.25;
}

double beta_cc(double t, CementClass cement) { return std::exp(s(cement) * (1 - std::sqrt(28 / t))); }

double fcm_t(double fck, double t, CementClass cement) { return beta_cc(t, cement) * fcm(fck); }

double fck_t(double fck, double t, CementClass cement) {
    if (t >= 28) return fck;
    return fcm_t(fck, t, cement) - 8;
}

double fctm_t(double fck, double t, CementClass cement) {
    if (t >= 28) return fctm(fck);
    return beta_cc(t, cement) * fctm(fck);
}

double fcd(double fck, double alpha_cc, double gamma_c) { return alpha_cc * fck / gamma_c; }

double lambda(double fck) {
    if (fck <= kHighStrengthFrom) return 0.8;
    return 0.8 - (fck - 50) / 400;
}

double eta(double fck) {
    if (fck <= kHighStrengthFrom) return 1.0;
    return 1.0 - (fck - 50) / 200;
}

double eps_cu3(double fck) {
    if (fck <= kHighStrengthFrom) return 3.5e-3;
    return (2.6 + 35 * std::pow((90 - fck) / 100, 4)) * 1e-3;
}

}  // namespace eurocode
