#pragma once

#include <array>
#include <optional>
#include <string_view>

// Concrete to SRPS EN 1992-1-1 (3.1): the strength classes of Table 3.1, the
// strength at an age (3.1.2), the design strength (3.1.6) and the rectangular
// stress block (3.1.7(3)). MPa, days.

namespace eurocode {

struct ConcreteClass {
    std::string_view name;  // "C40/50"
    double fck;             // characteristic cylinder strength, MPa
};

// C20/25 to C90/105, in the order of Table 3.1.
const std::array<ConcreteClass, 12>& concreteClasses();

std::optional<ConcreteClass> concreteClassNamed(std::string_view name);

enum class CementClass { R, N, S };

// The letter of the cement class: "R", "N", "S".
std::string_view cementName(CementClass cement);

double fcm(double fck);   // fck + 8 (Table 3.1)
double fctm(double fck);  // 0.30 fck^(2/3) up to C50/60, 2.12 ln(1 + fcm/10) above (Table 3.1)
double Ecm(double fck);   // 22 (fcm/10)^0.3, GPa (Table 3.1)

double s(CementClass cement);              // 0.20 R, 0.25 N, 0.38 S (3.1.2(6))
double beta_cc(double t, CementClass cement);  // exp(s (1 - sqrt(28/t))) (3.2)

// Below this age fck(t) must come from tests (3.1.2(5)).
inline constexpr double kLowestAgeForFckT = 3;  // days, exclusive

double fcm_t(double fck, double t, CementClass cement);   // beta_cc(t) fcm (3.1)
double fck_t(double fck, double t, CementClass cement);   // fcm(t) - 8 for 3 < t < 28, fck from 28 (3.1.2(5))
double fctm_t(double fck, double t, CementClass cement);  // beta_cc(t)^1 fctm for t < 28, fctm from 28 (3.4)

double fcd(double fck, double alpha_cc, double gamma_c);  // alpha_cc fck / gamma_c (3.15)

double lambda(double fck);   // 0.8, less above C50/60 (3.19), (3.20)
double eta(double fck);      // 1.0, less above C50/60 (3.21), (3.22)
double eps_cu3(double fck);  // 3.5 per mille, less above C50/60 (Table 3.1), as a ratio

}  // namespace eurocode
