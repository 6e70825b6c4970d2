#include "eurocode/Creep.h"

#include <algorithm>
#include <cmath>

namespace eurocode {

double h0(double Ac, double u) { return 2 * Ac / u; }

double alpha1(double fcm) { return std::pow(35 / fcm, 0.7); }

double alpha2(double fcm) { return std::pow(35 / fcm, 0.2); }

double phi_RH(double RH, double h0, double fcm) {
    const double drying = (1 - RH / 100) / (0.1 * std::cbrt(h0));
    if (fcm <= 35) return 1 + drying;
    return (1 + drying * alpha1(fcm)) * alpha2(fcm);
}

double beta_fcm(double fcm) { return 16.8 / std::sqrt(fcm); }

double beta_t0(double t0) { return 1 / (0.1 + std::pow(t0, 0.20)); }

double t0_adjusted(double t0T, CementClass cement) {
    const double alpha = cement == CementClass::S ? -1 : cement == CementClass::R ? 1 : 0;
    return std::max(t0T * std::pow(9 / (2 + std::pow(t0T, 1.2)) + 1, alpha), 0.5);
}

double phi0(double phi_RH, double beta_fcm, double beta_t0) { return phi_RH * beta_fcm * beta_t0; }

}  // namespace eurocode
