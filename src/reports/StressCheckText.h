#pragma once

#include <array>
#include <string>

#include "core/DesignInput.h"
#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"

// The four edge stresses of the calculation document as a checking engineer
// rebuilds them: each formula in symbols, then with the numbers put in, in
// the units the computation uses (kN, m2, cm, kNm, m3; 10^-3 gives MPa).

namespace reports {

struct StressFormula {
    std::string symbols;  // "Gb1,0=(Nk0/A*(1+ek/kb2)-Mmin/Wb1)*10^-3"
    std::string numbers;  // "Gb1,0=(2920.42/0.37*(1+75.5/39.4421)-617.51/0.145936)*10^-3= 18.77 [MPa]"
};

// Gb1,0, Gb2,0, Gb1,bes, Gb2,bes for the stresses `s` of the design.
std::array<StressFormula, 4> stressFormulas(const core::DesignValues& v, const core::ForceBounds& bounds,
                                            const core::EdgeStresses& s);

// The line that states the units of the values put in.
std::string stressValuesLine(const core::DesignValues& v, const core::ForceBounds& bounds);

}  // namespace reports
