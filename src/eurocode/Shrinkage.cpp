#include "eurocode/Shrinkage.h"

#include <array>
#include <cmath>

namespace eurocode {

double beta_RH(double RH) { return 1.55 * (1 - std::pow(RH / 100, 3)); }

double alpha_ds1(CementClass cement) {
    switch (cement) {
    case CementClass::S: return 3;
    case CementClass::N: return 4;
    case CementClass::R: return 6;
    }
    return 4;
}

double alpha_ds2(CementClass cement) {
    switch (cement) {
    case CementClass::S: return 0.13;
    case CementClass::N: return 0.12;
    case CementClass::R: return 0.11;
    }
    return 0.12;
}

double eps_cd0(double fcm, double beta_RH, CementClass cement) {
    constexpr double fcm0 = 10;  // MPa
    return 0.85 * ((220 + 110 * alpha_ds1(cement)) * std::exp(-alpha_ds2(cement) * fcm / fcm0)) * 1e-6 * beta_RH;
}

double kh(double h0) {
    struct Row {
        double h0, kh;
    };
    static constexpr std::array<Row, 4> table{{{100, 1.0}, {200, 0.85}, {300, 0.75}, {500, 0.70}}};
    if (h0 <= table.front().h0) return table.front().kh;
    for (std::size_t i = 1; i < table.size(); ++i) {
        const Row& lo = table[i - 1];
        const Row& hi = table[i];
        if (h0 <= hi.h0) return lo.kh + (hi.kh - lo.kh) * (h0 - lo.h0) / (hi.h0 - lo.h0);
    }
    return table.back().kh;
}

double eps_cd_inf(double kh, double eps_cd0) { return kh * eps_cd0; }

double eps_ca_inf(double fck) { return 2.5 * (fck - 10) * 1e-6; }

double eps_cs(double eps_cd, double eps_ca) { return eps_cd + eps_ca; }

}  // namespace eurocode
