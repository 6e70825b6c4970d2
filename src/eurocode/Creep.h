#pragma once

#include "eurocode/Concrete.h"

// The creep coefficient of SRPS EN 1992-1-1 Annex B at t = infinity, where
// beta_c(t, t0) = 1, so phi(inf, t0) is the notional coefficient phi0.
// MPa, mm, days, RH in %.

namespace eurocode {

double h0(double Ac, double u);  // 2 Ac / u, mm from mm2 and mm (B.6)

double alpha1(double fcm);  // (35/fcm)^0.7 (B.8c)
double alpha2(double fcm);  // (35/fcm)^0.2 (B.8c)

double phi_RH(double RH, double h0, double fcm);  // (B.3a) up to fcm = 35, (B.3b) above
double beta_fcm(double fcm);                      // 16.8 / sqrt(fcm) (B.4)
double beta_t0(double t0);                        // 1 / (0.1 + t0^0.20) (B.5)

// The age at loading adjusted for the cement class, t0,T (9 / (2 + t0,T^1.2) + 1)^alpha,
// never below half a day; alpha = -1 for S, 0 for N, 1 for R (B.9).
double t0_adjusted(double t0T, CementClass cement);

double phi0(double phi_RH, double beta_fcm, double beta_t0);  // phi_RH beta(fcm) beta(t0) (B.2)

}  // namespace eurocode
