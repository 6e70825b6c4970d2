#include "eurocode/Relaxation.h"

#include <cmath>

namespace eurocode {

double rho1000(RelaxationClass relaxation) { return relaxation == RelaxationClass::Class1 ? 8 : 2.5; }

double relaxationClass1(double rho1000, double mu, double t) {
    return 5.39 * rho1000 * std::exp(6.7 * mu) * std::pow(t / 1000, 0.75 * (1 - mu)) * 1e-5;
}

double relaxationClass2(double rho1000, double mu, double t) {
    return 0.66 * rho1000 * std::exp(9.1 * mu) * std::pow(t / 1000, 0.75 * (1 - mu)) * 1e-5;
}

double dsigma_pr(RelaxationClass relaxation, double sigma_pi, double fpk, double t) {
    const double mu = sigma_pi / fpk;
    const double rho = rho1000(relaxation);
    const double share =
        relaxation == RelaxationClass::Class1 ? relaxationClass1(rho, mu, t) : relaxationClass2(rho, mu, t);
    return share * sigma_pi;
}

}  // namespace eurocode
