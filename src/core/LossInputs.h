#pragma once

#include <string>

#include "eurocode/Concrete.h"
#include "eurocode/Relaxation.h"
#include "eurocode/Strand.h"

// What the engineer gives for the time-dependent losses of the prestress, the
// basis of a computed efficiency m. The cable count is the design's adopted
// one and is not kept here.

namespace core {

struct LossInputs {
    std::string concreteClass = "C40/50";  // a name of Table 3.1
    eurocode::CementClass cement = eurocode::CementClass::N;
    double RH = 70;            // relative humidity, %
    double t0 = 28;            // age at loading, days
    double u = 0;              // perimeter exposed to drying, cm; the outline unless typed
    bool M_QPTyped = false;    // false: M_QP is Mg + Mp
    double M_QP = 0;           // quasi-permanent moment when typed, kNm
    double Ep = eurocode::kEpStrand;  // GPa
    double fpk = 1860;                // MPa
    eurocode::RelaxationClass relaxation = eurocode::RelaxationClass::Class2;

    bool operator==(const LossInputs&) const = default;
};

}  // namespace core
