#pragma once

#include <optional>

#include "core/BendingInputs.h"
#include "core/DesignInput.h"
#include "eurocode/Bending.h"

// The ultimate limit state in bending of a design: MEd against the MRd of
// its section with its adopted cables.

namespace core {

// 1.35 (Mg + Mp) + 1.5 Ms, kNm: the permanent and the variable moments.
double defaultMEd(double Mg, double Mp, double Ms);

struct BendingCheck {
    double MEd = 0;        // kNm
    double n = 0;          // cables
    double Ap = 0;         // n x Fk, cm2
    double sigma_pm_inf = 0;  // m x Gko, MPa
    double dp = 0;         // yb2 + ek, cm
    double yb2 = 0;        // cm
    // Known only with fck, fp0.1k and fpk.
    std::optional<eurocode::BendingProblem> problem;
    std::optional<eurocode::BendingResistance> resistance;
    // MEd <= MRd up to the program's tolerance; none unless MRd was computed.
    std::optional<bool> satisfied;
};

// The section, moments, m and the cable (Fk, Gko, ek) of the design in v,
// with n of its cables.
BendingCheck checkBending(const DesignValues& v, double n, const BendingInputs& in);

}  // namespace core
