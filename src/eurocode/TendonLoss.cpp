#include "eurocode/TendonLoss.h"

namespace eurocode {

double dsigma_p_csr(const TendonLossTerms& t) {
    const double n = t.Ep / t.Ecm;
    const double numerator = t.eps_cs * t.Ep + 0.8 * t.dsigma_pr + n * t.phi * t.sigma_c_QP;
    const double denominator =
        1 + n * (t.Ap / t.Ac) * (1 + (t.Ac / t.Ic) * t.zcp * t.zcp) * (1 + 0.8 * t.phi);
    return numerator / denominator;
}

}  // namespace eurocode
