#pragma once

#include <optional>
#include <string>
#include <variant>

#include "eurocode/Concrete.h"

// Where a design's allowable concrete stresses and its cable come from: the
// window that last wrote those fields, with the choices it made, so that the
// calculation document can show how the numbers were found and the window can
// open again on the same choices.

namespace core {

// "nije navedeno": files written before the basis was kept, and the start-up design.
struct BasisNotGiven {
    bool operator==(const BasisNotGiven&) const = default;
};

// The row of the MB table that gives the service compression: 1.11 for all
// structures, 1.12 for mainly dynamic loads. Row 1.13 always gives Gbd0.
enum class ServiceCompressionRow { Row111, Row112 };

// The row that gives the service tension: 2.11, or 2.12 for mainly dynamic
// loads. Row 2.2 always gives Gbz0.
enum class ServiceTensionRow { Row211, Row212 };

struct MbTableBasis {
    int mb = 30;  // concrete class MB30 .. MB60
    ServiceCompressionRow compression = ServiceCompressionRow::Row111;
    ServiceTensionRow tension = ServiceTensionRow::Row211;
    bool operator==(const MbTableBasis&) const = default;
};

// "Proizvoljan napon": the four values as typed.
struct CustomStressBasis {
    bool operator==(const CustomStressBasis&) const = default;
};

// The concrete of SRPS EN 1992-1-1 and its four limits, as frmBetonEN holds them.
struct ConcreteENBasis {
    std::string concreteClass = "C40/50";  // a name of Table 3.1
    int transferAge = 28;                   // days
    eurocode::CementClass cement = eurocode::CementClass::N;
    std::optional<double> fckT;             // MPa, when typed from tests instead of worked out from the age
    double k6 = 0.6;                        // Gbd0 = k6 fck(t)
    double k1 = 0.6;                        // Gbdbes = k1 fck
    bool noTensionAtTransfer = false;       // Gbz0 = 0 instead of fctm(t)
    bool noTensionInService = false;        // Gbzbes = 0 instead of fctm (decompression)
    bool operator==(const ConcreteENBasis&) const = default;
};

using StressBasis = std::variant<BasisNotGiven, MbTableBasis, CustomStressBasis, ConcreteENBasis>;

// A type of the IMS catalogue and the coefficient of G02 = k x Gm, as the cable
// window holds them.
struct ImsCableBasis {
    std::string typeKey = "A";  // "DDU", as in optDDU
    double k = 0.8;
    bool operator==(const ImsCableBasis&) const = default;
};

// "Proizvoljan kabel": Fk, Gk0 and ek as typed.
struct CustomCableBasis {
    bool operator==(const CustomCableBasis&) const = default;
};

// A tendon of n seven-wire strands of EN 10138-3, as frmUzadEN holds it.
struct StrandTendonBasis {
    std::string strand = "Y1860S7 15.7";  // a name of the strand table
    int strands = 12;                     // per tendon
    double k7 = 0.75;                     // sigma_pm0 = min(k7 fpk, k8 fp0.1k)
    double k8 = 0.85;
    std::string ek;                       // cm, the text as typed
    bool operator==(const StrandTendonBasis&) const = default;
};

using CableBasis = std::variant<BasisNotGiven, ImsCableBasis, CustomCableBasis, StrandTendonBasis>;

}  // namespace core
