#pragma once

#include <optional>

#include "eurocode/Bending.h"

namespace core {

// What the engineer gives for the bending resistance at the ultimate limit
// state, beside the design's section, moments and cables. The cable count is
// the design's adopted one and the effective prestress m x Gko; neither is
// kept here.
struct BendingInputs {
    std::optional<double> MEd;     // kNm as typed; none: 1.35 (Mg + Mp) + 1.5 Ms
    std::optional<double> fck;     // MPa; none on an MB or IMS basis with nothing typed
    double alpha_cc = 1.0;         // 3.1.6(1)P
    double gamma_c = 1.5;          // 2.4.2.4
    double gamma_s = 1.15;         // 2.4.2.4
    std::optional<double> fp01k;   // MPa; none when the cable is not an EN 10138 strand and nothing is typed
    std::optional<double> fpk;     // MPa; likewise
    double Ep = 195;               // GPa: strands (3.3.6(3))
    eurocode::UpperBranch branch = eurocode::UpperBranch::Horizontal;
    double eps_ud = 0.02;          // 3.3.6(7) when eps_uk is not known

    bool operator==(const BendingInputs&) const = default;
};

}  // namespace core
