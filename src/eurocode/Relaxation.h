#pragma once

// The relaxation loss of prestressing steel (3.3.2): the share of the initial
// stress sigma_pi lost after t hours, mu = sigma_pi / fpk, rho1000 in %.

namespace eurocode {

enum class RelaxationClass { Class1, Class2 };  // ordinary wire or strand, low relaxation

double rho1000(RelaxationClass relaxation);  // 8 % class 1, 2.5 % class 2 (3.3.2(6))

// The long-term loss is taken at 500 000 hours (3.3.2(8)).
inline constexpr double kLongTermHours = 500000;

// Delta sigma_pr / sigma_pi = 5.39 rho1000 e^(6.7 mu) (t/1000)^(0.75 (1 - mu)) 10^-5 (3.28)
double relaxationClass1(double rho1000, double mu, double t);
// Delta sigma_pr / sigma_pi = 0.66 rho1000 e^(9.1 mu) (t/1000)^(0.75 (1 - mu)) 10^-5 (3.29)
double relaxationClass2(double rho1000, double mu, double t);

// Delta sigma_pr, MPa, by the expression of the class.
double dsigma_pr(RelaxationClass relaxation, double sigma_pi, double fpk, double t);

}  // namespace eurocode
