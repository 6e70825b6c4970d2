#pragma once

#include <string>
#include <string_view>

#include "core/DesignInput.h"
#include "core/ForceBounds.h"

namespace core {

// Initial force in one cable, kN: area in m2 times stress in kN/m2.
double Zk0(double Fk, double Gk0);

// A decimal number of cables, Round(Nk0 / Zk0, 1); never rounded up.
double cableCount(double Nk0, double Zk0);

// The outcome of "Proracun" in the cable window for a typed force.
struct CableForceAdoption {
    Nk0Check check = Nk0Check::Admissible;
    double Nk0 = 0;         // the typed force, kN
    double Zk0 = 0;         // kN
    double count = 0;       // when admissible
    std::string resetText;  // Round(minNko, 2), when rejected
};

CableForceAdoption adoptCableForce(const DesignValues& v, std::string_view forceText);

}  // namespace core
