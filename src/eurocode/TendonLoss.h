#pragma once

// The time-dependent loss at the tendon, Expression (5.46) of SRPS EN 1992-1-1
// (5.10.6). The ratios Ep/Ecm, Ap/Ac and (Ac/Ic) zcp^2 need only consistent units.

namespace eurocode {

struct TendonLossTerms {
    double eps_cs = 0;      // shrinkage strain, ratio (positive)
    double Ep = 0;          // MPa
    double dsigma_pr = 0;   // relaxation loss, MPa
    double Ecm = 0;         // MPa
    double phi = 0;         // phi(t, t0)
    double sigma_c_QP = 0;  // concrete stress at the tendon, MPa, compression positive
    double Ap = 0;          // mm2
    double Ac = 0;          // mm2
    double Ic = 0;          // mm4
    double zcp = 0;         // tendon below the centroid, mm
};

// Delta sigma_p,c+s+r, MPa (5.46)
double dsigma_p_csr(const TendonLossTerms& t);

}  // namespace eurocode
