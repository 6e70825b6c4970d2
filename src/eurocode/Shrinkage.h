#pragma once

#include "eurocode/Concrete.h"

// The shrinkage strain of SRPS EN 1992-1-1 (3.1.4, Annex B) at t = infinity,
// where beta_ds = beta_as = 1. Strains as ratios, MPa, mm, RH in %.

namespace eurocode {

double beta_RH(double RH);                // 1.55 (1 - (RH/100)^3) (B.12)
double alpha_ds1(CementClass cement);     // 3 S, 4 N, 6 R (B.11)
double alpha_ds2(CementClass cement);     // 0.13 S, 0.12 N, 0.11 R (B.11)
double eps_cd0(double fcm, double beta_RH, CementClass cement);  // (B.11)
double kh(double h0);                     // Table 3.3, linear between its rows
double eps_cd_inf(double kh, double eps_cd0);  // kh eps_cd,0 (3.9)
double eps_ca_inf(double fck);            // 2.5 (fck - 10) 10^-6 (3.12)
double eps_cs(double eps_cd, double eps_ca);   // eps_cd + eps_ca (3.8)

}  // namespace eurocode
